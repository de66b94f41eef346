// Saving and deleting through the query: the safe save, failures, the cache and
// master/detail deletion.
#include "TestDatabase.h"
#include "data/Errors.h"
#include "data/KVQuery.h"
#include "data/SqlFunctions.h"

#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

namespace {
const QString DB = QString::fromUtf8(kDatabaseName);

void units(TKVQuery& q) {
    q.setTableName(QStringLiteral("KV_ENDPRODUCT_UNIT_TABLE"));
    q.useTableStatements();
    q.FieldsData = {{.FieldName = "ENDPRODUCT_UNIT", .DisplayLabel = "单位", .Required = true},
                    {.FieldName = "DECIMAL_NUMBER", .DisplayLabel = "单位小数位数", .Kind = "N"}};
    q.open();
}

QString unitsInTable() {
    return QueryString(DB, QStringLiteral("SELECT group_concat(ENDPRODUCT_UNIT || '=' || IFNULL(DECIMAL_NUMBER,''), ',') "
                                          "FROM (SELECT * FROM KV_ENDPRODUCT_UNIT_TABLE ORDER BY ENDPRODUCT_UNIT)"));
}
}  // namespace

class TestKVQuerySave : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shadowSaveInsertsAndUpdatesWithQuotes() {
        TestDatabase t;
        TKVQuery q;
        units(q);
        q.append();
        q.fieldByName("ENDPRODUCT_UNIT").setValue(QStringLiteral("O'听"));
        q.fieldByName("DECIMAL_NUMBER").setValue(QStringLiteral("2"));
        q.post();
        QCOMPARE(unitsInTable(), QStringLiteral("O'听=2"));
        QVERIFY(!q.updatesPending());
        q.edit();
        q.fieldByName("DECIMAL_NUMBER").setValue(3);
        QCOMPARE(q.KeyWhere(), QStringLiteral("ENDPRODUCT_UNIT = 'O''听'"));
        q.post();
        QCOMPARE(unitsInTable(), QStringLiteral("O'听=3"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.fieldByName("DECIMAL_NUMBER").asInteger(), 3);
    }

    void rowGoneElsewhereIsNotWrittenBack() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_ENDPRODUCT_UNIT_TABLE(ENDPRODUCT_UNIT,DECIMAL_NUMBER) VALUES('个',0)")));
        TKVQuery q;
        units(q);
        q.edit();
        q.fieldByName("DECIMAL_NUMBER").setValue(1);
        QVERIFY(ExecSql(DB, QStringLiteral("DELETE FROM KV_ENDPRODUCT_UNIT_TABLE")));
        RecordMessages rec;
        QVERIFY_THROWS_EXCEPTION(Abort, q.post());
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("该记录已被其它用户删除或在其它窗口被删除")});
        QCOMPARE(q.state(), DataSetState::Edit);
        QCOMPARE(q.fieldByName("DECIMAL_NUMBER").asInteger(), 1);
        QCOMPARE(unitsInTable(), QString());
    }

    void failedSaveKeepsTheRowInEdit_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("decimals");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("required") << "" << "1" << QStringList{"单位必须有一个值"};
        QTest::newRow("not a number") << "箱" << "x" << QStringList{"单位小数位数是错误的数据"};
        QTest::newRow("key taken") << "个" << "1" << QStringList{"数据库主键重复"};
        QTest::newRow("too wide") << "一二三四五六" << "1" << QStringList{"数据太大,不能保存数据", "数据保存过程发生错误"};
    }
    void failedSaveKeepsTheRowInEdit() {
        QFETCH(QString, unit);
        QFETCH(QString, decimals);
        QFETCH(QStringList, shown);
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_ENDPRODUCT_UNIT_TABLE(ENDPRODUCT_UNIT,DECIMAL_NUMBER) VALUES('个',0)")));
        TKVQuery q;
        units(q);
        q.FieldsData[1].Kind = QStringLiteral("C");  // lets a bad number reach the field as text
        q.open();
        RecordMessages rec;
        q.append();
        q.fieldByName("ENDPRODUCT_UNIT").setValue(unit);
        if (decimals == QLatin1String("x")) {
            QVERIFY_THROWS_EXCEPTION(ConvertError, q.fieldByName("DECIMAL_NUMBER").setValue(decimals));
            q.FieldsData[1].Kind = QStringLiteral("N");
            rec->messages.append({MessageKind::Warning, {}, QStringLiteral("单位小数位数是错误的数据")});
        } else {
            q.fieldByName("DECIMAL_NUMBER").setValue(decimals);
            QVERIFY_THROWS_EXCEPTION(Abort, q.post());
        }
        QCOMPARE(rec->texts(), shown);
        QCOMPARE(q.state(), DataSetState::Insert);
        QCOMPARE(q.fieldByName("ENDPRODUCT_UNIT").asString(), unit);
        QCOMPARE(unitsInTable(), QStringLiteral("个=0"));
    }

    void cachedUpdatesApplyTogetherOrCancel() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_ENDPRODUCT_UNIT_TABLE(ENDPRODUCT_UNIT,DECIMAL_NUMBER) VALUES('个',0),('箱',0)")));
        TKVQuery q;
        q.setSql(QStringLiteral("SELECT * FROM KV_ENDPRODUCT_UNIT_TABLE ORDER BY ENDPRODUCT_UNIT"));  // no table: the cache path
        q.insertSql = QStringLiteral("insert into KV_ENDPRODUCT_UNIT_TABLE(ENDPRODUCT_UNIT,DECIMAL_NUMBER) values (:ENDPRODUCT_UNIT,:DECIMAL_NUMBER)");
        q.modifySql = QStringLiteral("update KV_ENDPRODUCT_UNIT_TABLE set DECIMAL_NUMBER = :DECIMAL_NUMBER where ENDPRODUCT_UNIT = :OLD_ENDPRODUCT_UNIT");
        q.open();
        q.LocalOnly = true;
        q.edit();
        q.fieldByName("DECIMAL_NUMBER").setValue(2);
        q.post();  // local only: cached, not written
        QVERIFY(q.updatesPending());
        QCOMPARE(unitsInTable(), QStringLiteral("个=0,箱=0"));
        q.LocalOnly = true;
        q.DropCacheOnCancel = true;
        q.next();
        q.edit();
        q.cancel();  // drops the whole cache
        QVERIFY(!q.updatesPending());
        q.first();
        QCOMPARE(q.fieldByName("DECIMAL_NUMBER").asInteger(), 0);
        // A failing apply writes nothing and leaves the row in edit with its values.
        q.append();
        q.fieldByName("ENDPRODUCT_UNIT").setValue(QStringLiteral("个"));
        q.fieldByName("DECIMAL_NUMBER").setValue(4);
        QVERIFY_THROWS_EXCEPTION(EngineError, q.post());
        QCOMPARE(q.state(), DataSetState::Insert);
        QCOMPARE(q.fieldByName("DECIMAL_NUMBER").asInteger(), 4);
        QCOMPARE(unitsInTable(), QStringLiteral("个=0,箱=0"));
        q.cancel();
        QCOMPARE(q.recordCount(), 2);
        // A row changed elsewhere is caught, never overwritten or reported as saved.
        QVERIFY(ExecSql(DB, QStringLiteral("UPDATE KV_ENDPRODUCT_UNIT_TABLE SET ENDPRODUCT_UNIT = '盒' WHERE ENDPRODUCT_UNIT = '个'")));
        q.first();
        q.edit();
        q.fieldByName("DECIMAL_NUMBER").setValue(5);
        try {
            q.post();
            QFAIL("saved");
        } catch (const EngineError& e) {
            QCOMPARE(e.firstCode(), EngineCode::RecordChanged);
        }
        QCOMPARE(q.state(), DataSetState::Edit);
        QCOMPARE(unitsInTable(), QStringLiteral("盒=0,箱=0"));
    }

    void masterDeleteTakesItsLines_data() {
        QTest::addColumn<QString>("keyValue");
        QTest::addColumn<QString>("detailTable");
        QTest::addColumn<int>("masters");  // rows left
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("with key") << "BILL_RECORD_ID" << "KV_STOCK_DETAIL_TABLE" << 1 << 1 << QStringList{"请确认是否删除 ?"};
        QTest::newRow("no key value") << "" << "KV_STOCK_DETAIL_TABLE" << 2 << 3
                                      << QStringList{"请确认是否删除 ?", "没有KeyValue 属性"};
        QTest::newRow("lines fail: master stays") << "BILL_RECORD_ID" << "NO_SUCH_TABLE" << 2 << 3
                                                  << QStringList{"请确认是否删除 ?", "入库单明细删除过程发生错误"};
    }
    void masterDeleteTakesItsLines() {
        QFETCH(QString, keyValue);
        QFETCH(QString, detailTable);
        QFETCH(int, masters);
        QFETCH(int, lines);
        QFETCH(QStringList, shown);
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_STOCK_MASTER_TABLE(BILL_ID,BILL_RECORD_ID,BILL_TYPE) VALUES('1','R1','入库'),('2','R2','入库')")));
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_STOCK_DETAIL_TABLE(DETAIL_RECORD_ID,BILL_RECORD_ID) VALUES(1,'R1'),(2,'R1'),(1,'R2')")));
        TKVQuery m;
        m.setSql(QStringLiteral("SELECT * FROM KV_STOCK_MASTER_TABLE ORDER BY BILL_ID"));
        m.setTableName(QStringLiteral("KV_STOCK_MASTER_TABLE"));
        m.setSql(QStringLiteral("SELECT * FROM KV_STOCK_MASTER_TABLE ORDER BY BILL_ID"));
        m.useTableStatements();
        m.KeyValue = keyValue;
        m.DetailTable = detailTable;
        m.DetailDError = QStringLiteral("入库单明细");
        m.open();
        RecordMessages rec;
        rec->answers = {true};
        try {
            m.deleteRecord();
        } catch (const Abort&) {
        }
        QCOMPARE(rec->texts(), shown);
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM KV_STOCK_MASTER_TABLE")), masters);
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM KV_STOCK_DETAIL_TABLE")), lines);
        QCOMPARE(m.recordCount(), masters);
    }

    void deleteAnsweredNoChangesNothing() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_ENDPRODUCT_UNIT_TABLE(ENDPRODUCT_UNIT) VALUES('个')")));
        TKVQuery q;
        units(q);
        RecordMessages rec;
        rec->answers = {false};
        QVERIFY_THROWS_EXCEPTION(Abort, q.deleteRecord());
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(unitsInTable(), QStringLiteral("个="));
    }
};

QTEST_GUILESS_MAIN(TestKVQuerySave)
#include "tst_kvquery_save.moc"
