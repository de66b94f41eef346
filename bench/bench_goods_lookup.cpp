// How long a cashier waits: a goods look-up by code among 100,000 goods, the same
// through a name search, and opening the whole goods list. Prints figures only.
#include "data/Database.h"
#include "data/KVQuery.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"
#include "platform/EngineConfig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace kv;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int goods = argc > 1 ? atoi(argv[1]) : 100000;
    QTemporaryDir tmp;
    qputenv("KVSHOP_HOME", tmp.path().toUtf8());
    const QString dir = tmp.path() + QStringLiteral("/shop/data");
    if (!CreateDatabase(dir, QString::fromUtf8(kAliasName)).isEmpty()) return 1;
    Database db;
    db.open(dir);
    QElapsedTimer t;
    t.start();
    {
        Transaction tx(db);
        Statement ins = db.prepare(QStringLiteral(
            "INSERT INTO BOM_ENDPRODUCT_TABLE(ENDPRODUCT_RECORD_ID,ENDPRODUCT_ID,ENDPRODUCT_NAME,ENDPRODUCT_UNIT,"
            "SELL_PRICE,ENDPRODUCT_NUMBER) VALUES(:R,:ID,:NAME,'个',:P,10)"));
        for (int i = 0; i < goods; ++i) {
            ins.bind(QStringLiteral("R"), QStringLiteral("T%1").arg(i));
            ins.bind(QStringLiteral("ID"), QStringLiteral("69%1").arg(i, 11, 10, QLatin1Char('0')));
            ins.bind(QStringLiteral("NAME"), QStringLiteral("商品%1号").arg(i));
            ins.bind(QStringLiteral("P"), 1.5 + i % 100);
            ins.execute();
        }
        tx.commit();
    }
    std::printf("insert %d goods: %lld ms\n", goods, t.elapsed());

    const QString dbName = QString::fromUtf8(kDatabaseName);
    const int lookups = 1000;
    t.restart();
    for (int i = 0; i < lookups; ++i) {
        const QString code = QStringLiteral("69%1").arg((i * 7919) % goods, 11, 10, QLatin1Char('0'));
        auto q = OpenSqlQuery(dbName, QStringLiteral("SELECT * FROM BOM_ENDPRODUCT_TABLE WHERE ENDPRODUCT_ID = ") + Quoted(code));
        if (q->isEmpty()) return 2;
    }
    const double byCode = double(t.nsecsElapsed()) / lookups / 1e6;
    std::printf("look-up by code: %.3f ms each\n", byCode);

    const int searches = 20;
    t.restart();
    for (int i = 0; i < searches; ++i) {
        const QString code = QStringLiteral("69%1").arg((i * 7919) % goods, 11, 10, QLatin1Char('0'));
        auto q = OpenSqlQuery(dbName, QStringLiteral("SELECT * FROM BOM_ENDPRODUCT_TABLE WHERE (ENDPRODUCT_ID = ") + Quoted(code) +
                                          QStringLiteral(") OR (ENDPRODUCT_NAME LIKE '%") + Escaped(code) + QStringLiteral("%')"));
    }
    const double byName = double(t.nsecsElapsed()) / searches / 1e6;
    std::printf("code or name search: %.3f ms each (%.0fx the code look-up)\n", byName, byName / byCode);

    t.restart();
    TKVQuery all;
    all.setTableName(QStringLiteral("BOM_ENDPRODUCT_TABLE"));
    all.open();
    std::printf("open the goods list (%d rows): %lld ms\n", all.recordCount(), t.elapsed());
    return 0;
}
