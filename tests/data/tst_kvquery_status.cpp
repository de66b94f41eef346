// Status rules of a document and its lines, and the status stamp.
#include "TestDatabase.h"
#include "data/Errors.h"
#include "data/KVQuery.h"
#include "data/SqlFunctions.h"

#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

namespace {

void addDocument(const QString& record, const QString& status) {
    QVERIFY(ExecSql(QString::fromUtf8(kDatabaseName),
                    QStringLiteral("INSERT INTO KV_STOCK_MASTER_TABLE(BILL_ID,BILL_RECORD_ID,BILL_TYPE,STATUS) VALUES('B-%1','%1','入库','%2')")
                        .arg(record, status)));
    QVERIFY(ExecSql(QString::fromUtf8(kDatabaseName),
                    QStringLiteral("INSERT INTO KV_STOCK_DETAIL_TABLE(DETAIL_RECORD_ID,BILL_RECORD_ID,ENDPRODUCT_ID) VALUES(1,'%1','G1')")
                        .arg(record)));
}

struct Document {
    TKVQuery master;
    TKVQuery detail;
    Document() {
        master.setTableName(QStringLiteral("KV_STOCK_MASTER_TABLE"));
        master.useTableStatements();
        master.ActiveStatus = true;
        detail.setSql(QStringLiteral("SELECT * FROM KV_STOCK_DETAIL_TABLE WHERE BILL_RECORD_ID = :BILL_RECORD_ID"));
        detail.setMaster(&master);
        detail.QyMaster = &master;
        master.QyDetail = &detail;
        detail.ActiveStatus = true;
    }
};

}  // namespace

class TestKVQueryStatus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusals_data() {
        QTest::addColumn<QString>("operation");  // edit, delete, detail-append, detail-edit, detail-delete
        QTest::addColumn<bool>("denyList");      // the lists: deny "已审核" or allow "未审核"
        QTest::addColumn<QString>("statusMsg");
        QTest::addColumn<QString>("message");
        const QString x = QStringLiteral("已审核");
        QTest::newRow("own edit, deny") << "edit" << true << "" << ("状态为： “ " + x + " ”  的记录不能编辑");
        QTest::newRow("own edit, allow") << "edit" << false << "" << ("状态为： “ " + x + " ”  的记录不能编辑");
        QTest::newRow("own delete, deny") << "delete" << true << "" << ("状态为：  “ " + x + " ”   的记录不能删除");
        QTest::newRow("own delete, allow") << "delete" << false << "" << ("状态为： “ " + x + " ”   的记录不能删除");
        QTest::newRow("line append, deny") << "detail-append" << true << "" << ("主档纪录状态为：  “" + x + " ”  的从档不能增加新记录");
        QTest::newRow("line append, allow") << "detail-append" << false << "" << ("主档纪录状态为： “ " + x + " ”的从档不能增加新记录");
        QTest::newRow("line append, named deny") << "detail-append" << true << "入库单" << ("入库单的状态是 “" + x + " ” , 不能增加新的记录");
        QTest::newRow("line append, named allow") << "detail-append" << false << "入库单" << ("入库单的状态是 “ " + x + " ” , 不能增加新的记录");
        QTest::newRow("line edit, deny") << "detail-edit" << true << "" << ("主档纪录状态为：  “" + x + " ”  的记录不能编辑");
        QTest::newRow("line edit, allow") << "detail-edit" << false << "" << ("主档纪录状态为： “ " + x + " ”的记录不能编辑");
        QTest::newRow("line edit, named") << "detail-edit" << true << "入库单" << ("入库单的状态是 “" + x + " ” , 不能修改记录");
        QTest::newRow("line delete") << "detail-delete" << false << "" << ("主档纪录状态为： “ " + x + " ”   的记录不能删除");
        QTest::newRow("line delete, named") << "detail-delete" << true << "入库单" << ("入库单的状态是 “ " + x + " ” , 该记录不能删除");
    }
    void refusals() {
        QFETCH(QString, operation);
        QFETCH(bool, denyList);
        QFETCH(QString, statusMsg);
        QFETCH(QString, message);
        TestDatabase t;
        addDocument(QStringLiteral("R1"), QStringLiteral("已审核"));
        Document d;
        if (denyList) d.master.addStatusEditEndValue(QStringLiteral("已审核"));
        else d.master.addStatusEditValue(QStringLiteral("未审核"));
        d.detail.StatusMsg = statusMsg;
        d.master.open();
        d.detail.open();
        QCOMPARE(d.detail.recordCount(), 1);
        RecordMessages rec;
        rec->answers = {true};
        TKVQuery& target = operation.startsWith(QLatin1String("detail")) ? d.detail : d.master;
        const QString op = operation.section(QLatin1Char('-'), -1);
        try {
            if (op == QLatin1String("edit")) target.edit();
            else if (op == QLatin1String("delete")) target.deleteRecord();
            else target.append();
            QFAIL("not refused");
        } catch (const Abort&) {
        }
        QCOMPARE(rec->texts(), QStringList{message});
        QCOMPARE(target.state(), DataSetState::Browse);  // the window stays as it was
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM KV_STOCK_DETAIL_TABLE")), 1);
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM KV_STOCK_MASTER_TABLE")), 1);
    }

    void allowedStatusPasses() {
        TestDatabase t;
        addDocument(QStringLiteral("R1"), QStringLiteral("未审核"));
        Document d;
        d.master.addStatusEditValue(QStringLiteral("未审核"));
        d.master.open();
        d.detail.open();
        d.detail.edit();
        QCOMPARE(d.detail.state(), DataSetState::Edit);
        d.detail.cancel();
        d.detail.append();
        QCOMPARE(d.detail.state(), DataSetState::Insert);
        d.detail.cancel();
    }

    void emptyMasterRefusesLines() {
        TestDatabase t;
        Document d;
        d.master.open();
        d.detail.open();
        RecordMessages rec;
        QVERIFY_THROWS_EXCEPTION(Abort, d.detail.append());
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("主数据库页面没有数据纪录，从数据页面不能有新的纪录")});
    }

    void setStatusStampsTheReviewer() {
        TestDatabase t;
        Document d;
        d.master.setWorkingDate(QStringLiteral("2024-05-17"), QStringLiteral("李审核"));
        d.master.open();
        d.master.SetStatus(QStringLiteral("已审核"));  // empty: nothing happens
        QCOMPARE(d.master.state(), DataSetState::Browse);
        addDocument(QStringLiteral("R1"), QStringLiteral("未审核"));
        d.master.addStatusEditValue(QStringLiteral("未审核"));
        d.master.open();
        d.master.SetStatus(QStringLiteral("已审核"));  // the stamp passes the rule that stops the user
        QCOMPARE(QueryValue(QString::fromUtf8(kDatabaseName),
                            QStringLiteral("SELECT STATUS, VERIFY_NAME, VERIFY_DATE FROM KV_STOCK_MASTER_TABLE")).toList(),
                 (QVariantList{"已审核", "李审核", "2024-05-17"}));
        QCOMPARE(d.master.state(), DataSetState::Browse);
        QVERIFY(!d.master.SilentChange);
    }
};

QTEST_GUILESS_MAIN(TestKVQueryStatus)
#include "tst_kvquery_status.moc"
