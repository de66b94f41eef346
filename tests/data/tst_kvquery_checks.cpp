// Database checks before a save: duplicates with a fresh number, the question
// asked once, existence checks that copy columns.
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

TCheckData duplicateId() {
    TCheckData c;
    c.Fields = {{.FieldName = "ENDPRODUCT_ID", .ColumnName = "ENDPRODUCT_ID"}};
    c.Message = QStringLiteral("商品编码重复");
    c.KeyField = QStringLiteral("ENDPRODUCT_ID");
    c.SqlHead = QStringLiteral("SELECT ENDPRODUCT_ID FROM BOM_ENDPRODUCT_TABLE WHERE ");
    c.IsDuplicateCheck = true;
    return c;
}

void goods(TKVQuery& q) {
    q.setTableName(QStringLiteral("BOM_ENDPRODUCT_TABLE"));
    q.useTableStatements();
    q.setWorkingDate(QStringLiteral("2024-05-17"), QStringLiteral("张三"));
    q.InsertData = {{.FieldName = "ENDPRODUCT_RECORD_ID", .Kind = "T"}, {.FieldName = "ENDPRODUCT_ID", .Width = 12, .Kind = "Y"}};
    q.CheckData = {duplicateId()};
}
}  // namespace

class TestKVQueryChecks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void duplicateNumberIsDrawnAgainOnce() {
        TestDatabase t;
        TKVQuery q;
        goods(q);
        q.open();
        q.append();
        QCOMPARE(q.fieldByName("ENDPRODUCT_ID").asString(), QStringLiteral("202400000001"));
        q.fieldByName("ENDPRODUCT_NAME").setValue(QStringLiteral("可乐"));
        // another window takes the number meanwhile
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO BOM_ENDPRODUCT_TABLE(ENDPRODUCT_RECORD_ID,ENDPRODUCT_ID,ENDPRODUCT_NAME) "
                                           "VALUES('X','202400000001','雪碧')")));
        RecordMessages rec;
        q.post();
        QVERIFY(rec->messages.isEmpty());
        QCOMPARE(QueryString(DB, QStringLiteral("SELECT ENDPRODUCT_ID FROM BOM_ENDPRODUCT_TABLE WHERE ENDPRODUCT_NAME='可乐'")),
                 QStringLiteral("202400000002"));
    }

    void typedDuplicateIsRefused() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO BOM_ENDPRODUCT_TABLE(ENDPRODUCT_RECORD_ID,ENDPRODUCT_ID,ENDPRODUCT_NAME) "
                                           "VALUES('X','6901','雪碧')")));
        TKVQuery q;
        goods(q);
        q.InsertData.pop_back();  // numbers typed by the user
        q.open();
        q.append();
        q.fieldByName("ENDPRODUCT_ID").setValue(QStringLiteral("6901"));
        RecordMessages rec;
        QVERIFY_THROWS_EXCEPTION(Abort, q.post());
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("商品编码重复")});
        QCOMPARE(q.state(), DataSetState::Insert);
        // an unchanged number on edit is not checked again
        q.cancel();
        q.first();
        q.edit();
        q.fieldByName("ENDPRODUCT_NAME").setValue(QStringLiteral("雪碧听装"));
        q.post();
        QCOMPARE(QueryString(DB, QStringLiteral("SELECT ENDPRODUCT_NAME FROM BOM_ENDPRODUCT_TABLE")), QStringLiteral("雪碧听装"));
    }

    void askInsteadAsksOnceForTheSameValues() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO BOM_ENDPRODUCT_TABLE(ENDPRODUCT_RECORD_ID,ENDPRODUCT_ID,ENDPRODUCT_NAME) "
                                           "VALUES('X','6901','雪碧')")));
        TKVQuery q;
        goods(q);
        q.InsertData.pop_back();
        TCheckData sameName;
        sameName.Fields = {{.FieldName = "ENDPRODUCT_NAME", .ColumnName = "ENDPRODUCT_NAME"}};
        sameName.Message = QStringLiteral("已有同名商品,是否继续");
        sameName.SqlHead = QStringLiteral("SELECT ENDPRODUCT_ID FROM BOM_ENDPRODUCT_TABLE WHERE ");
        sameName.IsDuplicateCheck = true;
        sameName.AskInstead = true;
        q.CheckData = {sameName};
        q.open();
        q.append();
        q.fieldByName("ENDPRODUCT_ID").setValue(QStringLiteral("6902"));
        q.fieldByName("ENDPRODUCT_NAME").setValue(QStringLiteral("雪碧"));
        RecordMessages rec;
        rec->answers = {false};
        QVERIFY_THROWS_EXCEPTION(Abort, q.post());
        rec->answers = {true};
        QVERIFY(q.validate());
        QVERIFY(q.validate());  // the same statement: no second question
        QCOMPARE(rec->texts(), (QStringList{"已有同名商品,是否继续 ?", "已有同名商品,是否继续 ?"}));
        q.post();
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM BOM_ENDPRODUCT_TABLE WHERE ENDPRODUCT_NAME='雪碧'")), 2);
    }

    void existenceCheckCopiesTheFoundRow() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO BOM_ENDPRODUCT_TABLE(ENDPRODUCT_RECORD_ID,ENDPRODUCT_ID,ENDPRODUCT_NAME,"
                                           "ENDPRODUCT_UNIT) VALUES('X','6901','雪碧','听')")));
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_STOCK_MASTER_TABLE(BILL_ID,BILL_RECORD_ID,BILL_TYPE) VALUES('1','R1','入库')")));
        TKVQuery lines;
        lines.setSql(QStringLiteral("SELECT * FROM KV_STOCK_DETAIL_TABLE"));
        lines.setTableName(QStringLiteral("KV_STOCK_DETAIL_TABLE"));
        lines.useTableStatements();
        TCheckData known;
        known.Fields = {{.FieldName = "ENDPRODUCT_ID", .ColumnName = "ENDPRODUCT_ID"}};
        known.Message = QStringLiteral("商品资料数据库中没有此商品记录");
        known.SqlHead = QStringLiteral("SELECT ENDPRODUCT_NAME, ENDPRODUCT_UNIT FROM BOM_ENDPRODUCT_TABLE WHERE ");
        known.CopyFields = QStringLiteral("ENDPRODUCT_NAME,ENDPRODUCT_UNIT");
        known.KeyField = QStringLiteral("ENDPRODUCT_ID");
        lines.CheckData = {known};
        lines.InsertData = {{.FieldName = "BILL_RECORD_ID", .Value = "R1", .Kind = "A"},
                            {.FieldName = "DETAIL_RECORD_ID", .Kind = "C", .Prefix = ""}};
        lines.InsertData[1].ExtraCondition = QStringLiteral("BILL_RECORD_ID = 'R1'");
        lines.open();
        lines.append();
        QCOMPARE(lines.fieldByName("DETAIL_RECORD_ID").asInteger(), 1);
        lines.fieldByName("ENDPRODUCT_ID").setValue(QStringLiteral("0000"));
        RecordMessages rec;
        QVERIFY_THROWS_EXCEPTION(Abort, lines.post());
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("商品资料数据库中没有此商品记录")});
        lines.fieldByName("ENDPRODUCT_ID").setValue(QStringLiteral("6901"));
        lines.post();
        QCOMPARE(QueryValue(DB, QStringLiteral("SELECT ENDPRODUCT_NAME, ENDPRODUCT_UNIT FROM KV_STOCK_DETAIL_TABLE")).toList(),
                 (QVariantList{"雪碧", "听"}));
    }

    void fieldRules_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");  // "" : passes
        QTest::addColumn<QString>("stored");
        QTest::newRow("date rewritten") << "D" << "2024/5/7" << "" << "2024-05-07";
        QTest::newRow("bad date") << "D" << "2024-13-01" << "建档日期是错误的数据" << "";
        QTest::newRow("blank date") << "D" << "" << "" << "";
    }
    void fieldRules() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        QFETCH(QString, stored);
        TestDatabase t;
        TKVQuery q;
        q.setTableName(QStringLiteral("KV_ENDPRODUCT_UNIT_TABLE"));
        q.useTableStatements();
        q.FieldsData = {{.FieldName = "ENDPRODUCT_UNIT", .DisplayLabel = "单位"},
                        {.FieldName = "NOTE", .DisplayLabel = "建档日期", .Kind = kind}};
        q.open();
        q.append();
        q.fieldByName("ENDPRODUCT_UNIT").setValue(QStringLiteral("个"));
        q.fieldByName("NOTE").setValue(text);  // a text column holding a date
        RecordMessages rec;
        QCOMPARE(q.validate(), warning.isEmpty());
        QCOMPARE(rec->texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        if (warning.isEmpty()) QCOMPARE(q.fieldByName("NOTE").asString(), stored);
    }
};

QTEST_GUILESS_MAIN(TestKVQueryChecks)
#include "tst_kvquery_checks.moc"
