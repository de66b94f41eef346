// One-statement SQL functions, look-ups and the shared stock update.
#include "TestDatabase.h"
#include "data/GoodsStock.h"
#include "data/SqlFunctions.h"

#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

namespace {
const QString DB = QString::fromUtf8(kDatabaseName);
}

class TestSqlFunctions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lookups() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_DECIMAL_TABLE(FORM_NAME,DECIMAL_NUMBER,SET_ABANDON) "
                                           "VALUES('测试单',2,'五舍六入')")));
        QVERIFY(!ExecSql(DB, QStringLiteral("INSERT INTO NO_TABLE VALUES(1)")));  // swallowed, false
        const QVariant row = QueryValue(DB, QStringLiteral("SELECT FORM_NAME,DECIMAL_NUMBER,SET_ABANDON FROM "
                                                           "KV_DECIMAL_TABLE.DB WHERE FORM_NAME='测试单'"));
        QCOMPARE(row.toList().size(), 3);
        QCOMPARE(row.toList().at(2).toString(), QStringLiteral("五舍六入"));
        QVERIFY(QueryValue(DB, QStringLiteral("SELECT FORM_NAME FROM KV_DECIMAL_TABLE WHERE FORM_NAME='无'")).isNull());
        QCOMPARE(QueryNumber(DB, QStringLiteral("SELECT '1,234.50'")), 1234.5);
        QCOMPARE(QueryNumber(DB, QStringLiteral("SELECT 'abc'")), 0.0);
        QCOMPARE(QueryString(DB, QStringLiteral("SELECT FORM_NAME FROM KV_DECIMAL_TABLE WHERE 1=0")), QString());
        QCOMPARE(QueryStringFmt(DB, QStringLiteral("SELECT SET_ABANDON FROM KV_DECIMAL_TABLE WHERE FORM_NAME='%s' AND %d=2"),
                                {QStringLiteral("测试单"), QStringLiteral("2")}),
                 QStringLiteral("五舍六入"));
        QVERIFY_THROWS_EXCEPTION(std::exception, QueryString(DB, QStringLiteral("SELECT * FROM NO_TABLE")));
    }

    void checkDateText() {
        RecordMessages rec;
        QVERIFY(!CheckDateText(QString(), QStringLiteral("日期")));
        QVERIFY(rec->messages.isEmpty());
        QVERIFY(CheckDateText(QStringLiteral(" 2024-02-29 "), QStringLiteral("日期")));
        QVERIFY(!CheckDateText(QStringLiteral("2023-02-29"), QStringLiteral("日期")));
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("错误的日期,正确的日期格式是:\"2000-09-18\" ")});
    }

    void updateGoodsStock_data() {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("c");
        QTest::addColumn<bool>("in");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("p");
        QTest::addColumn<bool>("recompute");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("cost");
        QTest::newRow("in, average") << 10.0 << 5.0 << true << 10.0 << 7.0 << true << "20" << "6";
        QTest::newRow("in, no recompute") << 10.0 << 5.0 << true << 2.5 << 9.0 << false << "12.5" << "5";
        QTest::newRow("out all, document cost") << 5.0 << 4.0 << false << 5.0 << 3.0 << true << "0" << "3";
        QTest::newRow("out part") << 10.0 << 5.0 << false << 4.0 << 2.0 << true << "6" << "7";
        QTest::newRow("in onto negative stock") << -10.0 << 5.0 << true << 5.0 << 12.0 << true << "-5" << "12";
        QTest::newRow("in to zero") << -5.0 << 5.0 << true << 5.0 << 8.0 << true << "0" << "8";
        QTest::newRow("formula not positive keeps cost") << 10.0 << 1.0 << false << 5.0 << 3.0 << true << "5" << "1";
        QTest::newRow("quantity rounding") << 1.0 << 1.0 << true << 0.3333 << 1.0 << false << "1.33" << "1";
    }
    void updateGoodsStock() {
        QFETCH(double, n);
        QFETCH(double, c);
        QFETCH(bool, in);
        QFETCH(double, q);
        QFETCH(double, p);
        QFETCH(bool, recompute);
        QFETCH(QString, number);
        QFETCH(QString, cost);
        TestDatabase t;
        Statement ins = t.db().prepare(QStringLiteral(
            "INSERT INTO BOM_ENDPRODUCT_TABLE(ENDPRODUCT_RECORD_ID,ENDPRODUCT_ID,ENDPRODUCT_NAME,ENDPRODUCT_NUMBER,COST_PRICE) "
            "VALUES('T1','6901','可乐''听装',:N,:C)"));
        ins.bind(QStringLiteral("N"), n);
        ins.bind(QStringLiteral("C"), c);
        ins.execute();
        const auto r = UpdateGoodsStock(QStringLiteral("6901"), QStringLiteral("可乐'听装"),
                                        in ? StockDirection::In : StockDirection::Out, q, recompute, p, {2, {}}, {2, {}});
        QCOMPARE(r, StockUpdateResult::Ok);
        const QVariantList row =
            QueryValue(DB, QStringLiteral("SELECT ENDPRODUCT_NUMBER, COST_PRICE FROM BOM_ENDPRODUCT_TABLE")).toList();
        QCOMPARE(NumberText(row[0].toDouble()), number);
        QCOMPARE(NumberText(row[1].toDouble()), cost);
    }

    void updateGoodsStockFindsByIdAndName() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO BOM_ENDPRODUCT_TABLE(ENDPRODUCT_RECORD_ID,ENDPRODUCT_ID,"
                                           "ENDPRODUCT_NAME,ENDPRODUCT_NUMBER) VALUES('T1','6901','可乐',1)")));
        QCOMPARE(UpdateGoodsStock(QStringLiteral("6901"), QStringLiteral("雪碧"), StockDirection::In, 1, false, 0, {}, {}),
                 StockUpdateResult::GoodsNotFound);
    }
};

QTEST_GUILESS_MAIN(TestSqlFunctions)
#include "tst_sqlfunctions.moc"
