// Numbers for new rows: serials per kind, prefixes and widths, time stamps.
#include "TestDatabase.h"
#include "data/Errors.h"
#include "data/KVQuery.h"
#include "data/Numbering.h"
#include "data/SqlFunctions.h"

#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

class TestNumbering : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nextSerial_data() {
        QTest::addColumn<QStringList>("stored");  // BILL_ID values already in the table
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        const QString month = QStringLiteral("202405");
        QTest::newRow("C prefix G width 4") << QStringList{"G0007", "G0012"} << "C" << "G" << 4 << "G0013";
        QTest::newRow("C empty table") << QStringList{} << "C" << "G" << 4 << "G0001";
        QTest::newRow("C other prefix ignored") << QStringList{"H0099", "G0002"} << "C" << "G" << 4 << "G0003";
        QTest::newRow("M prefix CG width 10") << QStringList{} << "M" << "CG" << 10 << "CG2024050001";
        QTest::newRow("M continues the month") << QStringList{"CG2024050009", "CG2024040033"} << "M" << "CG" << 10
                                               << "CG2024050010";
        QTest::newRow("Y first of year") << QStringList{"20230000041"} << "Y" << "" << 11 << "20240000001";
        QTest::newRow("Y shared series") << QStringList{"20240000001"} << "Y" << "" << 11 << "20240000002";
        QTest::newRow("D first of day") << QStringList{} << "D" << "" << 12 << "202405170001";
        QTest::newRow("hand-typed letters ignored") << QStringList{"2024AB000001", "20240000003"} << "Y" << "" << 11
                                                    << "20240000004";
        QTest::newRow("only letters: start at 1") << QStringList{"2024ABCDEFG"} << "Y" << "" << 11 << "20240000001";
        Q_UNUSED(month);
    }
    void nextSerial() {
        QFETCH(QStringList, stored);
        QFETCH(QString, kind);
        QFETCH(QString, prefix);
        QFETCH(int, width);
        QFETCH(QString, expected);
        TestDatabase t;
        int n = 0;
        for (const QString& id : stored)
            QVERIFY(ExecSql(QString::fromUtf8(kDatabaseName),
                            QStringLiteral("INSERT INTO KV_STOCK_MASTER_TABLE(BILL_ID,BILL_RECORD_ID,BILL_TYPE) VALUES('%1','R%2','入库')")
                                .arg(id)
                                .arg(++n)));
        const SerialRequest r{kind, QStringLiteral("BILL_ID"), QStringLiteral("KV_STOCK_MASTER_TABLE"), prefix, width, {},
                              QStringLiteral("202405"), QStringLiteral("20240517")};
        QCOMPARE(NextSerialNumber(r, QString::fromUtf8(kDatabaseName)).value_or(QStringLiteral("<none>")), expected);
    }

    void serialWithWidthZeroCountsUpTheColumn() {
        TestDatabase t;
        QVERIFY(ExecSql(QString::fromUtf8(kDatabaseName),
                        QStringLiteral("INSERT INTO SYS_COMPANY_TABLE(COMPANY_ID,PRIOR_ID,ORDER_ID) VALUES('A','G001',3),('B','G001',7),('C','X',9)")));
        SerialRequest r{QStringLiteral("C"), QStringLiteral("ORDER_ID"), QStringLiteral("SYS_COMPANY_TABLE"), {}, 0,
                        QStringLiteral("PRIOR_ID = 'G001'"), {}, {}};
        QCOMPARE(*NextSerialNumber(r, QString::fromUtf8(kDatabaseName)), QStringLiteral("8"));
        r.extraCondition = QStringLiteral("PRIOR_ID = 'none'");
        QCOMPARE(*NextSerialNumber(r, QString::fromUtf8(kDatabaseName)), QStringLiteral("1"));
    }

    void timeStampsNeverRepeat() {
        const QDateTime now(QDate(2024, 5, 17), QTime(9, 30, 15));
        const QString a = TimeStampId(QStringLiteral("BX"), now);
        const QString b = TimeStampId(QStringLiteral("BX"), now);
        QCOMPARE(a, QStringLiteral("BX240517093015"));
        QCOMPARE(b, QStringLiteral("BX240517093016"));
    }

    void insertDataFillsEveryKind() {
        TestDatabase t;
        RecordMessages rec;
        TKVQuery master;
        master.setTableName(QStringLiteral("KV_STOCK_MASTER_TABLE"));
        master.open();
        TKVQuery q;
        q.setTableName(QStringLiteral("KV_STOCK_MASTER_TABLE"));
        q.setWorkingDate(QStringLiteral("2024-05-17"), QStringLiteral("张三"));
        q.InsertData = {
            {.FieldName = "BILL_ID", .Width = 11, .Kind = "Y"},
            {.FieldName = "BILL_RECORD_ID", .Kind = "T", .Prefix = "R"},
            {.FieldName = "BILL_TYPE", .Label = "单据类别", .Value = "商品采购入库单", .Kind = "A"},
            {.FieldName = "NOTE", .Width = 12, .Kind = "D", .Prefix = "N"},
        };
        q.open();
        q.append();
        QCOMPARE(q.fieldByName("BILL_ID").asString(), QStringLiteral("20240000001"));
        QVERIFY(q.fieldByName("BILL_RECORD_ID").asString().startsWith(QLatin1Char('R')));
        QCOMPARE(q.fieldByName("BILL_TYPE").asString(), QStringLiteral("商品采购入库单"));
        QCOMPARE(q.fieldByName("NOTE").asString(), QStringLiteral("N202405170001"));
        q.cancel();
        // An empty fixed value refuses the new row.
        q.InsertData = {{.FieldName = "BILL_TYPE", .Label = "单据类别", .Kind = "A"}};
        QVERIFY_THROWS_EXCEPTION(Abort, q.append());
        QCOMPARE(q.state(), DataSetState::Browse);
        QCOMPARE(rec->texts().first(), QStringLiteral("单据类别字段需插入的值是空的"));
    }
};

QTEST_GUILESS_MAIN(TestNumbering)
#include "tst_numbering.moc"
