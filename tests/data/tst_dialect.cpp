// Translation of the local dialect into SQLite text.
#include "data/Dialect.h"

#include <QtTest>

using namespace kv;

class TestDialect : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void translates_data() {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("sqlite");
        QTest::addColumn<QStringList>("params");
        const QStringList none;
        QTest::newRow("bare table") << "SELECT * FROM KV_CLIENT_TABLE" << "SELECT * FROM KV_CLIENT_TABLE" << none;
        QTest::newRow(".DB suffix") << "SELECT  *  FROM  KV_CLIENT_TABLE.DB WHERE A=1"
                                    << "SELECT  *  FROM  KV_CLIENT_TABLE WHERE A=1" << none;
        QTest::newRow("lower .db") << "select * from kv_client_table.db" << "select * from kv_client_table" << none;
        QTest::newRow("quoted .DB") << "update \"KV_CLIENT_TABLE.DB\" set A = :A where B = :OLD_B"
                                    << "update KV_CLIENT_TABLE set A = :A where B IS :OLD_B"
                                    << QStringList{"A", "OLD_B"};
        QTest::newRow("alias.column kept") << "SELECT A.DB FROM T A" << "SELECT A.DB FROM T A" << none;
        QTest::newRow("date literal") << "WHERE D >= '01/31/2024' AND D < '2/1/2024'"
                                      << "WHERE D >= '2024-01-31' AND D < '2024-02-01'" << none;
        QTest::newRow("not a date") << "WHERE N = '13/01/2024' OR N = 'a/b'"
                                    << "WHERE N = '13/01/2024' OR N = 'a/b'" << none;
        QTest::newRow("colon in literal") << "SELECT * FROM T WHERE S = '12:30 :X'"
                                          << "SELECT * FROM T WHERE S = '12:30 :X'" << none;
        QTest::newRow("quote in literal") << "WHERE N = 'O''Brien :P'" << "WHERE N = 'O''Brien :P'" << none;
        QTest::newRow("old value matches null") << "where A = :OLD_A and B=:B" << "where A IS :OLD_A and B=:B"
                                                << QStringList{"OLD_A", "B"};
        QTest::newRow("param once") << "WHERE A = :ID OR B = :ID" << "WHERE A = :ID OR B = :ID" << QStringList{"ID"};
        QTest::newRow("extract") << "SELECT EXTRACT(YEAR FROM SELL_DATE)*100 + extract(month from SELL_DATE) FROM T"
                                 << "SELECT CAST(strftime('%Y', SELL_DATE) AS INTEGER)*100 + "
                                    "CAST(strftime('%m', SELL_DATE) AS INTEGER) FROM T"
                                 << none;
        QTest::newRow("extract day nested") << "WHERE EXTRACT(DAY FROM (D))= 5"
                                            << "WHERE CAST(strftime('%d', (D)) AS INTEGER)= 5" << none;
        QTest::newRow("substring") << "SELECT SUBSTRING(BILL_ID FROM 1 FOR 4) FROM T"
                                   << "SELECT substr(BILL_ID, 1, 4) FROM T" << none;
        QTest::newRow("substring no for") << "SELECT SUBSTRING(A FROM 3) FROM T" << "SELECT substr(A, 3) FROM T"
                                          << none;
        QTest::newRow("substring of extract")
            << "SUBSTRING(X FROM EXTRACT(DAY FROM D) FOR (1+2))"
            << "substr(X, CAST(strftime('%d', D) AS INTEGER), (1+2))" << none;
        QTest::newRow("chinese text") << "WHERE STATUS ='未结帐'" << "WHERE STATUS ='未结帐'" << none;
    }
    void translates() {
        QFETCH(QString, local);
        QFETCH(QString, sqlite);
        QFETCH(QStringList, params);
        const Translation tr = TranslateSql(local);
        QCOMPARE(tr.sql, sqlite);
        QCOMPARE(tr.parameters, params);
        // a second call answers from the cache with the same text
        QCOMPARE(TranslateSql(local).sql, sqlite);
    }

    void parameterParsingOff() {
        const Translation tr = TranslateSql(QStringLiteral("SELECT :A FROM T"), false);
        QVERIFY(tr.parameters.isEmpty());
        QCOMPARE(tr.sql, QStringLiteral("SELECT :A FROM T"));
    }
};

QTEST_GUILESS_MAIN(TestDialect)
#include "tst_dialect.moc"
