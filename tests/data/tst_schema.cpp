// The schema built in a real SQLite database: every table, the width checks, the
// key indexes, the rows that ship with it and the look-ups that must use an index.

#include "data/Schema.h"

#include <QtTest>
#include <sqlite3.h>

using namespace kv;

namespace {

// A GBK byte count good enough for tests: ASCII takes one byte, anything else two.
void testGbkLen(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* p = sqlite3_value_text(argv[0]);
    const int n = sqlite3_value_bytes(argv[0]);
    int bytes = 0;
    for (int i = 0; i < n; ++i) {
        if ((p[i] & 0xC0) == 0x80) continue;  // continuation byte
        bytes += p[i] < 0x80 ? 1 : 2;
    }
    sqlite3_result_int(ctx, bytes);
}

// Every table of the system's data model.
const char* const kTables[] = {
    "SYS_USER_TABLE", "SYS_COMPOSE_TABLE", "SYS_PROGRAM_TABLE", "SYS_RIGHT_TABLE", "SYS_ID_TABLE",
    "KV_DECIMAL_TABLE", "KV_SET_INTEGRAL_TABLE", "KV_DATA_TABLE", "SYS_PRINT_NAME_TABLE", "SYS_PRINT_DATA_TABLE",
    "SYS_CLIENT_ENDPRODUCT_TABLE", "SYS_CLIENT_GIFT_TABLE", "SYS_CLIENT_SELL_ANALYZE_TABLE",
    "SYS_CLIENT_SELL_QUERY_TABLE", "SYS_CLIENT_TABLE", "SYS_ENDPRODUCT_NAME_TABLE", "SYS_OPERATION_TABLE",
    "SYS_POS_QUERY_TABLE", "SYS_STOCK_INTO_TABLE", "SYS_STOCK_PAY_RETURN_TABLE", "SYS_STOCK_PAY_TABLE",
    "SYS_STOCK_PLAN_RETURN_TABLE", "SYS_STOCK_PLAN_TABLE", "SYS_STOCK_RETURN_TABLE", "SYS_SUM_POS_QUERY_TABLE",
    "SYS_SUM_POS_TABLE", "SYS_SUM_SELL_ENDPRODUCT_TABLE", "SYS_SUM_STOCK_ENDPRODUCT_TABLE", "SYS_BACK_TABLE",
    "SYS_COMPANY_TABLE", "KV_EMPLOYEE_TABLE", "BOM_ENDPRODUCT_TYPE_TABLE", "BOM_ENDPRODUCT_TABLE",
    "KV_ENDPRODUCT_UNIT_TABLE", "KV_ENDPRODUCT_EAN_NUMBER_TABLE", "KV_PROVIDER_REGION_TABLE", "KV_PROVIDER_TABLE",
    "KV_PROVIDER_RELATION_MAN_TABLE", "KV_PROVIDER_FILE_TABLE", "KV_PROVIDER_TRUCK_TABLE", "KV_PROVIDER_NOTE_TABLE",
    "KV_PROVIDER_ENDPRODUCT_TABLE", "KV_CLIENT_TABLE", "KV_GIFT_NAME_TABLE", "KV_EMPLOYEE_NAME_TABLE",
    "KV_STOCK_BILL_TYPE_TABLE", "KV_STOCK_PAY_MODE_TABLE", "KV_PROVIDER_KIND_TABLE", "KV_RELATION_MAN_POST_TABLE",
    "KV_RELATION_MAN_CHARACTER_TABLE", "KV_RELATION_MAN_DEPT_TABLE", "KV_RELATION_MAN_LIKE_TABLE",
    "KV_PROVIDER_TRUCK_CAUSE_TABLE", "KV_PROVIDER_STATUS_TABLE", "KV_INVOICE_TYPE_TABLE", "KV_CLIENT_CARD_TYPE_TABLE",
    "KV_EMPLOYEE_POST_TABLE", "KV_OUT_CAUSE_TABLE", "KV_STOCK_MONEY_NAME_TABLE",
    "KV_POS_SELL_MASTER_TABLE", "KV_POS_SELL_DETAIL_TABLE", "KV_TPOS_SELL_MASTER_TABLE", "KV_TPOS_SELL_DETAIL_TABLE",
    "KV_POS_MASTER_TABLE", "KV_POS_DETAIL_TABLE", "KV_SUM_POS_MASTER_TABLE", "KV_SUM_POS_DETAIL_TABLE",
    "KV_SELL_ENDPRODUCT_NAME_TABLE", "KV_POS_SELL_TABLE", "KV_STOCK_MASTER_TABLE", "KV_STOCK_DETAIL_TABLE",
    "KV_STOCK_MONEY_TABLE", "KV_ENDPRODUCT_INTO_OUT_TABLE", "KV_CLIENT_GIFT_TABLE",
};

}  // namespace

class TestSchema : public QObject {
    Q_OBJECT

    sqlite3* db_ = nullptr;

    // Runs one statement with text parameters; returns the SQLite result and the error text.
    int run(const QString& sql, const QVariantList& params = {}, QString* error = nullptr) {
        sqlite3_stmt* st = nullptr;
        int rc = sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr);
        if (rc == SQLITE_OK) {
            for (int i = 0; i < params.size(); ++i) {
                if (params[i].isNull())
                    sqlite3_bind_null(st, i + 1);
                else
                    sqlite3_bind_text(st, i + 1, params[i].toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
            }
            while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            }
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        if (error) *error = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(st);
        return rc;
    }

    QList<QVariantList> rows(const QString& sql, const QVariantList& params = {}) {
        QList<QVariantList> out;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
            qWarning() << sqlite3_errmsg(db_) << sql;
            return out;
        }
        for (int i = 0; i < params.size(); ++i)
            sqlite3_bind_text(st, i + 1, params[i].toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(st) == SQLITE_ROW) {
            QVariantList row;
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
            out << row;
        }
        sqlite3_finalize(st);
        return out;
    }

    // Inserts values and undoes it again, so every case starts from the shipped database.
    QList<int> insertAndUndo(const QString& table, const QStringList& columns, const QList<QVariantList>& valueRows,
                             QString* lastError = nullptr) {
        QList<int> results;
        run(QStringLiteral("SAVEPOINT t"));
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
        const QString sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        for (const QVariantList& values : valueRows) results << run(sql, values, lastError);
        run(QStringLiteral("ROLLBACK TO t"));
        run(QStringLiteral("RELEASE t"));
        return results;
    }

private slots:
    void initTestCase() {
        QCOMPARE(sqlite3_open(":memory:", &db_), SQLITE_OK);
        QCOMPARE(sqlite3_create_function_v2(db_, "gbk_len", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                            testGbkLen, nullptr, nullptr, nullptr),
                 SQLITE_OK);
        for (const TableDef& table : AllTables())
            for (const QString& sql : CreateTableStatements(table)) {
                QString error;
                QVERIFY2(run(sql, {}, &error) == SQLITE_OK, qPrintable(error + QLatin1Char('\n') + sql));
            }
        for (const ReferenceRow& row : ReferenceRows()) {
            QStringList cols, marks;
            QVariantList values;
            for (const auto& [col, value] : row.values) {
                cols << QString::fromLatin1(col);
                marks << QStringLiteral("?");
                values << value;
            }
            QString error;
            QVERIFY2(run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(QString::fromLatin1(row.table), cols.join(QLatin1Char(',')),
                                  marks.join(QLatin1Char(','))),
                         values, &error) == SQLITE_OK,
                     qPrintable(QString::fromLatin1(row.table) + QStringLiteral(": ") + error));
        }
    }

    void cleanupTestCase() { sqlite3_close(db_); }

    void everyTableIsCreated_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : kTables) QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyTableIsCreated() {
        QFETCH(QString, name);
        const TableDef* def = FindTable(name);
        QVERIFY(def);
        QCOMPARE(QString::fromLatin1(def->name), name);
        const auto found = rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?"), {name});
        QCOMPARE(found.size(), 1);
    }

    void noTableBeyondTheDataModel() {
        QCOMPARE(int(AllTables().size()), int(std::size(kTables)));
        QCOMPARE(rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")).size(),
                 int(std::size(kTables)));
    }

    void findTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");
        QTest::newRow("lower case with .DB") << "kv_client_table.DB" << "KV_CLIENT_TABLE";
        QTest::newRow("bare") << "KV_CLIENT_TABLE" << "KV_CLIENT_TABLE";
        QTest::newRow("mixed case .db") << "Sys_User_Table.db" << "SYS_USER_TABLE";
        QTest::newRow("blanks around") << " BOM_ENDPRODUCT_TABLE.DB " << "BOM_ENDPRODUCT_TABLE";
        QTest::newRow("prefix of a name") << "KV_CLIENT" << "";
        QTest::newRow("two extensions") << "KV_CLIENT_TABLE.DB.DB" << "";
        QTest::newRow("empty") << "" << "";
    }
    void findTable() {
        QFETCH(QString, name);
        QFETCH(QString, found);
        const TableDef* def = FindTable(name);
        QCOMPARE(def ? QString::fromLatin1(def->name) : QString(), found);
    }

    // Some statements spell the delete right "DElETE_RIGHT".
    void columnNamesIgnoreCase() {
        const TableDef* rights = FindTable(QStringLiteral("SYS_RIGHT_TABLE"));
        QVERIFY(rights);
        const ColumnDef* c = rights->column(QStringLiteral("DElETE_RIGHT"));
        QVERIFY(c);
        QCOMPARE(QString::fromLatin1(c->name), QStringLiteral("DELETE_RIGHT"));
        QCOMPARE(rights->keyColumns(), (QStringList{"USE_ID", "COMPOSE_ID", "PROGRAM_ID"}));
        QVERIFY(!rights->column(QStringLiteral("NO_SUCH_COLUMN")));
    }

    void widthChecks_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("accepted");
        const QString ten = QStringLiteral("张三李四王五赵六钱七");
        const QString line16 = QStringLiteral("999") + QStringLiteral("2401011230") + QStringLiteral("595");
        QTest::newRow("open ticket line id of 16") << "KV_POS_SELL_DETAIL_TABLE" << "DETAIL_RECORD_ID" << QVariant(line16) << true;
        QTest::newRow("open ticket line id of 17") << "KV_POS_SELL_DETAIL_TABLE" << "DETAIL_RECORD_ID" << QVariant(line16 + "1") << false;
        QTest::newRow("kept ticket line id of 16") << "KV_POS_DETAIL_TABLE" << "DETAIL_RECORD_ID" << QVariant(line16) << true;
        QTest::newRow("kept ticket line id of 17") << "KV_POS_DETAIL_TABLE" << "DETAIL_RECORD_ID" << QVariant(line16 + "1") << false;
        QTest::newRow("line buffer id of 16") << "KV_TPOS_SELL_DETAIL_TABLE" << "DETAIL_RECORD_ID" << QVariant(line16) << true;
        QTest::newRow("ticket record id of 14") << "KV_POS_SELL_MASTER_TABLE" << "SELL_RECORD_ID" << QVariant("99240101123059") << true;
        QTest::newRow("ticket record id of 15") << "KV_POS_SELL_MASTER_TABLE" << "SELL_RECORD_ID" << QVariant("992401011230591") << false;
        QTest::newRow("ten Chinese characters fill text 20") << "SYS_USER_TABLE" << "USE_NAME" << QVariant(ten) << true;
        QTest::newRow("eleven Chinese characters") << "SYS_USER_TABLE" << "USE_NAME" << QVariant(ten + "孙") << false;
        QTest::newRow("nine Chinese and two letters") << "SYS_USER_TABLE" << "USE_NAME" << QVariant(ten.left(9) + "ab") << true;
        QTest::newRow("nine Chinese and three letters") << "SYS_USER_TABLE" << "USE_NAME" << QVariant(ten.left(9) + "abc") << false;
        QTest::newRow("quote kept verbatim") << "SYS_USER_TABLE" << "USE_NAME" << QVariant("O'Brien") << true;
        QTest::newRow("null passes") << "SYS_USER_TABLE" << "NOTE" << QVariant() << true;
        QTest::newRow("EAN-13 member card") << "KV_CLIENT_TABLE" << "CLIENT_ID" << QVariant("6901234567892") << true;
        QTest::newRow("member card of 14") << "KV_CLIENT_TABLE" << "CLIENT_ID" << QVariant("69012345678921") << false;
        QTest::newRow("memo is unbounded") << "KV_PROVIDER_NOTE_TABLE" << "PROVIDER_NOTE" << QVariant(ten.repeated(100)) << true;
    }
    void widthChecks() {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(bool, accepted);
        QString error;
        const QList<int> rc = insertAndUndo(table, {column}, {{value}}, &error);
        QCOMPARE(rc.first() == SQLITE_OK, accepted);
        if (!accepted) {
            // The engine tells a too-long value from other failures by the check's name.
            QCOMPARE(rc.first(), SQLITE_CONSTRAINT);
            QVERIFY2(error.contains(QStringLiteral("W_") + column), qPrintable(error));
        }
    }

    void keyIndexes_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<bool>("secondAccepted");
        const QStringList goods{"ENDPRODUCT_ID", "ENDPRODUCT_TYPE_ID", "ENDPRODUCT_NAME"};
        QTest::newRow("user id repeated") << "SYS_USER_TABLE" << QStringList{"USE_ID"} << QStringList{"A01"}
                                          << QStringList{"A01"} << false;
        QTest::newRow("rights row repeated") << "SYS_RIGHT_TABLE" << QStringList{"USE_ID", "COMPOSE_ID", "PROGRAM_ID"}
                                             << QStringList{"A01", "1", "1"} << QStringList{"A01", "1", "1"} << false;
        QTest::newRow("goods share a code") << "BOM_ENDPRODUCT_TABLE" << goods << QStringList{"6901", "T1", "可乐"}
                                            << QStringList{"6901", "T1", "雪碧"} << true;
        QTest::newRow("goods code and name repeated") << "BOM_ENDPRODUCT_TABLE" << goods
                                                      << QStringList{"6901", "T1", "可乐"}
                                                      << QStringList{"6901", "T1", "可乐"} << false;
        QTest::newRow("line ids of two tickets") << "KV_POS_SELL_DETAIL_TABLE"
                                                 << QStringList{"DETAIL_RECORD_ID", "SELL_RECORD_ID"}
                                                 << QStringList{"240101123059", "1240101123000"}
                                                 << QStringList{"240101123059", "1240101123001"} << true;
        QTest::newRow("line of one ticket repeated") << "KV_POS_SELL_DETAIL_TABLE"
                                                     << QStringList{"DETAIL_RECORD_ID", "SELL_RECORD_ID"}
                                                     << QStringList{"1240101123059", "1240101123000"}
                                                     << QStringList{"1240101123059", "1240101123000"} << false;
        QTest::newRow("settlement counter wrapped") << "KV_SUM_POS_DETAIL_TABLE"
                                                    << QStringList{"DETAIL_RECORD_ID", "SUM_RECORD_ID"}
                                                    << QStringList{"1240101123059", "2024000001"}
                                                    << QStringList{"1240101123059", "2024000001"} << true;
        QTest::newRow("settled goods sharing a code") << "KV_SELL_ENDPRODUCT_NAME_TABLE"
                                                      << QStringList{"SUM_RECORD_ID", "ENDPRODUCT_ID", "ENDPRODUCT_NAME"}
                                                      << QStringList{"2024000001", "6901", "可乐"}
                                                      << QStringList{"2024000001", "6901", "雪碧"} << true;
        QTest::newRow("labels of one goods") << "KV_ENDPRODUCT_EAN_NUMBER_TABLE" << QStringList{"ENDPRODUCT_ID"}
                                             << QStringList{"6901234567892"} << QStringList{"6901234567892"} << true;
        QTest::newRow("one number, two document kinds")
            << "KV_STOCK_MASTER_TABLE" << QStringList{"BILL_ID", "BILL_RECORD_ID", "BILL_TYPE"}
            << QStringList{"20240000001", "240101123059", "商品采购入库单"}
            << QStringList{"20240000001", "240101123100", "商品采购退货单"} << true;
        QTest::newRow("document line repeated") << "KV_STOCK_DETAIL_TABLE" << QStringList{"DETAIL_RECORD_ID", "BILL_RECORD_ID"}
                                                << QStringList{"1", "240101123059"} << QStringList{"1", "240101123059"}
                                                << false;
    }
    void keyIndexes() {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(bool, secondAccepted);
        auto values = [](const QStringList& l) {
            QVariantList v;
            for (const QString& s : l) v << s;
            return v;
        };
        const QList<int> rc = insertAndUndo(table, columns, {values(first), values(second)});
        QCOMPARE(rc.at(0), SQLITE_OK);
        QCOMPARE(rc.at(1) == SQLITE_OK, secondAccepted);
    }

    // The first-run set-up grants exactly these pairs to the administrator.
    void grantedPairsExist_data() {
        QTest::addColumn<int>("composeId");
        QTest::addColumn<int>("programId");
        const int counts[] = {4, 4, 6, 1, 7, 6, 3};
        for (int g = 1; g <= 7; ++g)
            for (int p = 1; p <= counts[g - 1]; ++p)
                QTest::addRow("%d/%d", g, p) << g << p;
    }
    void grantedPairsExist() {
        QFETCH(int, composeId);
        QFETCH(int, programId);
        const auto found = rows(QStringLiteral("SELECT C.COMPOSE_NAME, P.PROGRAM_NAME, P.BROWSE_RIGHT "
                                               "FROM SYS_PROGRAM_TABLE P JOIN SYS_COMPOSE_TABLE C "
                                               "ON C.COMPOSE_ID = P.COMPOSE_ID "
                                               "WHERE P.COMPOSE_ID = ? AND P.PROGRAM_ID = ?"),
                                {composeId, programId});
        QCOMPARE(found.size(), 1);
        QVERIFY(!found[0][0].toString().isEmpty());
        QVERIFY(!found[0][1].toString().isEmpty());
        QCOMPARE(found[0][2].toString(), QStringLiteral("是"));
    }

    void noProgramOutsideTheGrant() {
        QCOMPARE(rows(QStringLiteral("SELECT COMPOSE_ID FROM SYS_PROGRAM_TABLE")).size(), 31);
        QCOMPARE(rows(QStringLiteral("SELECT COMPOSE_ID FROM SYS_COMPOSE_TABLE")).size(), 7);
    }

    // Each window opened under rights resolves through the open-right look-up, and the
    // rights its window uses can be granted in the user window.
    void rightsGovernedNamesResolve_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("rightsUsed");
        const QStringList add{"ADD_RIGHT"}, addPrint{"ADD_RIGHT", "PRINT_RIGHT"},
            document{"ADD_RIGHT", "PRINT_RIGHT", "VERIFY_RIGHT"};
        auto row = [](const char* g, const char* p, const QStringList& r) {
            QTest::newRow(p) << QString::fromUtf8(g) << QString::fromUtf8(p) << r;
        };
        row("商品销售管理", "商品销售管理", {"ADD_RIGHT", "CURRENCY_RIGHT"});
        row("商品销售管理", "商品销售日结管理", {"PRINT_RIGHT", "VERIFY_RIGHT", "CURRENCY_RIGHT"});
        row("商品销售管理", "商品销售日结数据查询", {"PRINT_RIGHT"});
        row("商品销售管理", "已日结商品销售单据查询", {"PRINT_RIGHT", "CURRENCY_RIGHT"});
        row("会员管理", "会员资料管理", document);
        row("会员管理", "会员生日查询", addPrint);
        row("会员管理", "会员积分设置", add);
        row("会员管理", "会员礼品赠送管理", {"ADD_RIGHT", "VERIFY_RIGHT"});
        row("商品采购管理", "厂商资料录入编辑", addPrint);
        row("商品采购管理", "商品采购入库单管理", document);
        row("商品采购管理", "商品采购退货单管理", document);
        row("商品采购管理", "商品采购数据查询管理", {"ADD_RIGHT", "PRINT_RIGHT", "CURRENCY_RIGHT"});
        row("商品采购管理", "商品采购收付款单管理", document);
        row("商品采购管理", "商品采购应收应付帐款管理", document);
        row("商品库房管理", "商品资料录入编辑", {"ADD_RIGHT", "PRINT_RIGHT", "CURRENCY_RIGHT"});
        row("数据统计报表", "商品采购应收应付金额统计报表", addPrint);
        row("数据统计报表", "商品采购收付款金额统计报表", addPrint);
        row("数据统计报表", "商品采购数据统计报表", addPrint);
        row("数据统计报表", "商品销售数据统计报表", addPrint);
        row("数据统计报表", "会员消费金额数据统计报表", addPrint);
        row("数据统计报表", "会员消费金额数据查询", addPrint);
        row("数据统计报表", "会员购买商品数据查询", addPrint);
        row("基本数据录入编辑", "商品类别资料录入编辑", addPrint);
        row("基本数据录入编辑", "商品单位资料录入编辑", add);
        row("基本数据录入编辑", "金额小数位数及进位方式设置", add);
        row("基本数据录入编辑", "厂商区域资料录入编辑", addPrint);
        row("基本数据录入编辑", "门店部门资料录入编辑", addPrint);
        row("基本数据录入编辑", "门店员工资料录入编辑", addPrint);
        row("系统管理", "数据备份", {});
        row("系统管理", "过时数据删除", add);
    }
    void rightsGovernedNamesResolve() {
        QFETCH(QString, group);
        QFETCH(QString, program);
        QFETCH(QStringList, rightsUsed);
        const auto composeIds =
            rows(QStringLiteral("SELECT COMPOSE_ID FROM  SYS_COMPOSE_TABLE WHERE COMPOSE_NAME = ?"), {group});
        QCOMPARE(composeIds.size(), 1);
        const auto programs = rows(QStringLiteral("SELECT PROGRAM_ID, ADD_RIGHT, BROWSE_RIGHT, PRINT_RIGHT, "
                                                  "VERIFY_RIGHT, CURRENCY_RIGHT FROM  SYS_PROGRAM_TABLE "
                                                  "WHERE PROGRAM_NAME = ? and COMPOSE_ID = ?"),
                                   {program, composeIds[0][0]});
        QCOMPARE(programs.size(), 1);
        QVERIFY(programs[0][0].toInt() > 0);
        const QStringList names{"ADD_RIGHT", "BROWSE_RIGHT", "PRINT_RIGHT", "VERIFY_RIGHT", "CURRENCY_RIGHT"};
        QCOMPARE(programs[0][2].toString(), QStringLiteral("是"));  // browsing opens the window
        for (const QString& right : rightsUsed)
            QVERIFY2(programs[0][1 + names.indexOf(right)].toString() == QStringLiteral("是"), qPrintable(right));
    }

    void lookupsUseAnIndex_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("cashier scans a code")
            << "SELECT ENDPRODUCT_NAME, SELL_PRICE FROM BOM_ENDPRODUCT_TABLE WHERE ENDPRODUCT_ID = '6901234567892'";
        QTest::newRow("stock update by code and name")
            << "SELECT COST_PRICE FROM BOM_ENDPRODUCT_TABLE WHERE ENDPRODUCT_ID = 'X' AND ENDPRODUCT_NAME = 'Y'";
        QTest::newRow("member price by goods row")
            << "SELECT CLIENT_SELL_PRICE FROM BOM_ENDPRODUCT_TABLE WHERE ENDPRODUCT_RECORD_ID = 'X'";
        QTest::newRow("goods of a category") << "SELECT * FROM BOM_ENDPRODUCT_TABLE WHERE ENDPRODUCT_TYPE_ID = 'X'";
        QTest::newRow("open ticket lines") << "SELECT * FROM KV_POS_SELL_DETAIL_TABLE WHERE SELL_RECORD_ID = 'X'";
        QTest::newRow("open ticket by record id") << "SELECT * FROM KV_POS_SELL_MASTER_TABLE WHERE SELL_RECORD_ID = 'X'";
        QTest::newRow("kept ticket lines") << "SELECT * FROM KV_POS_DETAIL_TABLE WHERE SELL_RECORD_ID = 'X'";
        QTest::newRow("tickets of a settlement") << "SELECT * FROM KV_POS_MASTER_TABLE WHERE SUM_RECORD_ID = 'X'";
        QTest::newRow("tickets of a period")
            << "SELECT * FROM KV_POS_MASTER_TABLE WHERE SELL_DATE >= '2024-01-01' AND SELL_DATE <= '2024-01-31'";
        QTest::newRow("settlements of a day") << "SELECT * FROM KV_SUM_POS_MASTER_TABLE WHERE SUM_DATE = '2024-01-01'";
        QTest::newRow("goods rows of a settlement") << "SELECT * FROM KV_SUM_POS_DETAIL_TABLE WHERE SUM_RECORD_ID = 'X'";
        QTest::newRow("document lines") << "SELECT * FROM KV_STOCK_DETAIL_TABLE WHERE BILL_RECORD_ID = 'X'";
        QTest::newRow("document by record id") << "SELECT * FROM KV_STOCK_MASTER_TABLE WHERE BILL_RECORD_ID = 'X'";
        QTest::newRow("payments of a document") << "SELECT * FROM KV_STOCK_MONEY_TABLE WHERE BILL_RECORD_ID = 'X'";
        QTest::newRow("member card") << "SELECT * FROM KV_CLIENT_TABLE WHERE CLIENT_ID = 'X'";
        QTest::newRow("rights of a window")
            << "SELECT * FROM SYS_RIGHT_TABLE WHERE COMPOSE_ID = 1 and PROGRAM_ID = 1 and USE_ID = 'X'";
        QTest::newRow("grid layout")
            << "SELECT FIELD_WIDTH,FIELD_NAME FROM SYS_POS_QUERY_TABLE WHERE USE_ID = 'A' AND FORM_NAME = 'F' "
               "AND DBGRID_NAME = 'G' ORDER BY FIELD_NAME";
        QTest::newRow("category children")
            << "SELECT * FROM BOM_ENDPRODUCT_TYPE_TABLE WHERE PRIOR_ID = 'G001' ORDER BY ORDER_ID";
    }
    void lookupsUseAnIndex() {
        QFETCH(QString, sql);
        QStringList plan;
        for (const QVariantList& r : rows(QStringLiteral("EXPLAIN QUERY PLAN ") + sql)) plan << r.last().toString();
        const QString text = plan.join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QLatin1String("INDEX")) && !text.contains(QLatin1String("SCAN")), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
