// The engine on a real database file: opening, errors as the handler shows them,
// transactions and quoting.
#include "TestDatabase.h"
#include "data/ErrorHandler.h"
#include "data/Errors.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

#include <QFile>
#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

class TestEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusesWhatIsNotOurDatabase_data() {
        QTest::addColumn<QString>("content");  // "" : no file at all
        QTest::newRow("missing directory") << QString();
        QTest::newRow("garbage file") << QStringLiteral("this is not a database at all, just text");
    }
    void refusesWhatIsNotOurDatabase() {
        QFETCH(QString, content);
        QTemporaryDir tmp;
        const QString dir = tmp.path() + QStringLiteral("/data");
        if (!content.isNull()) {
            QDir().mkpath(dir);
            QFile f(dir + QLatin1Char('/') + QString::fromUtf8(kDatabaseFile));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content.toUtf8().repeated(200));
        }
        Database db;
        try {
            db.open(dir);
            QFAIL("opened");
        } catch (const EngineError& e) {
            QCOMPARE(e.firstCode(), EngineCode::OpenFailed);
        }
        QVERIFY(!db.isOpen());
        if (content.isNull()) QVERIFY(!QFileInfo::exists(dir));  // nothing created silently
    }

    void errorsReachTheUserInTheSystemsWords_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("key violation") << "INSERT INTO SYS_USER_TABLE(USE_ID,USE_NAME) VALUES('U1','x')"
                                       << QStringList{"数据库主键重复"};
        QTest::newRow("too wide") << "INSERT INTO SYS_USER_TABLE(USE_ID,USE_NAME) VALUES('U9','一二三四五六七八九十一')"
                                  << QStringList{"数据太大,不能保存数据"};
        QTest::newRow("unknown table") << "SELECT * FROM NO_SUCH_TABLE" << QStringList{"数据库操作错误", "*"};
    }
    void errorsReachTheUserInTheSystemsWords() {
        QFETCH(QString, sql);
        QFETCH(QStringList, shown);
        TestDatabase t;
        t.db().execute(QStringLiteral("INSERT INTO SYS_USER_TABLE(USE_ID,USE_NAME) VALUES('U1','a')"));
        RecordMessages rec;
        try {
            t.db().execute(sql);
            QFAIL("no error");
        } catch (const std::exception& e) {
            HandleAppException(nullptr, e);
        }
        const QStringList texts = rec->texts();
        QCOMPARE(texts.size(), shown.size());
        for (int i = 0; i < shown.size(); ++i)
            if (shown[i] != QLatin1String("*")) QCOMPARE(texts[i], shown[i]);
        if (shown.size() == 2) {
            QVERIFY(texts[1].startsWith(QStringLiteral("EDBEngineError:ErrorCode: (")));
            QCOMPARE(rec->messages[1].caption, QStringLiteral("错误信息"));
        }
    }

    void auditColumnsTakeAFullUserName() {
        // A user name may use all 20 bytes; every table's audit columns must take it.
        TestDatabase t;
        const QString name = QStringLiteral("一二三四五六七八九十");
        for (const TableDef& table : AllTables())
            for (const char* audit : {"CREATE_NAME", "EDIT_NAME", "VERIFY_NAME"})
                if (const ColumnDef* c = table.column(QString::fromUtf8(audit)))
                    QVERIFY2(c->width >= 20, table.name);
        t.db().execute(QStringLiteral("INSERT INTO KV_DECIMAL_TABLE(FORM_NAME,CREATE_NAME) VALUES('w',") + Quoted(name) + ')');
    }

    void abortIsSilent() {
        RecordMessages rec;
        HandleAppException(nullptr, Abort());
        QVERIFY(rec->messages.isEmpty());
    }

    void transactionRollsBackUnlessCommitted() {
        TestDatabase t;
        const QString insert = QStringLiteral("INSERT INTO SYS_ID_TABLE(NAME_ID,AUTO_ID) VALUES('%1','是')");
        {
            Transaction outer(t.db());
            t.db().execute(insert.arg(QStringLiteral("a")));
            {
                Transaction inner(t.db());
                t.db().execute(insert.arg(QStringLiteral("b")));
            }  // inner rolled back, outer goes on
            t.db().execute(insert.arg(QStringLiteral("c")));
            outer.commit();
        }
        {
            Transaction lost(t.db());
            t.db().execute(insert.arg(QStringLiteral("d")));
        }
        QCOMPARE(QueryString(QString::fromUtf8(kDatabaseName),
                             QStringLiteral("SELECT group_concat(NAME_ID) FROM SYS_ID_TABLE WHERE NAME_ID IN ('a','b','c','d')")),
                 QStringLiteral("a,c"));
        QCOMPARE(t.db().transactionDepth(), 0);
    }

    void quotedValuesAreStoredAndFoundVerbatim() {
        TestDatabase t;
        const QString db = QString::fromUtf8(kDatabaseName);
        for (const QString& v : {QStringLiteral("O'Brien"), QStringLiteral("a\\b%_"), QStringLiteral("' OR '1'='1"),
                                 QStringLiteral("丰和'超市")}) {
            QVERIFY(ExecSql(db, QStringLiteral("INSERT INTO SYS_ID_TABLE(NAME_ID,AUTO_ID) VALUES(") + Quoted(v) +
                                    QStringLiteral(",'是')")));
            QCOMPARE(QueryString(db, QStringLiteral("SELECT NAME_ID FROM SYS_ID_TABLE WHERE NAME_ID = ") + Quoted(v)), v);
        }
        QCOMPARE(QueryNumber(db, QStringLiteral("SELECT COUNT(*) FROM SYS_ID_TABLE WHERE NAME_ID = ") +
                                     Quoted(QStringLiteral("x' OR '1'='1"))),
                 0.0);
    }

    void statementRunsAgainWithNewValues() {
        TestDatabase t;
        Statement ins = t.db().prepare(QStringLiteral("INSERT INTO SYS_ID_TABLE(NAME_ID,AUTO_ID) VALUES(:N,'是')"));
        for (const QString& n : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
            ins.bind(QStringLiteral("N"), n);
            QCOMPARE(ins.execute(), 1);
        }
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_ID_TABLE")), 3);
    }

    void tableListCarriesExtensions() {
        TestDatabase t;
        const QStringList names = t.db().tableNames(true);
        QVERIFY(names.contains(QStringLiteral("SYS_USER_TABLE.DB")));
        QVERIFY(names.contains(QStringLiteral("BOM_ENDPRODUCT_TABLE.DB")));
        QCOMPARE(names.size(), int(AllTables().size()));
    }

    void likeIsCaseSensitive() {
        TestDatabase t;
        const QString db = QString::fromUtf8(kDatabaseName);
        QVERIFY(ExecSql(db, QStringLiteral("INSERT INTO SYS_ID_TABLE(NAME_ID) VALUES('Apple')")));
        QCOMPARE(QueryNumber(db, QStringLiteral("SELECT COUNT(*) FROM SYS_ID_TABLE WHERE NAME_ID LIKE '%apple%'")), 0.0);
        QCOMPARE(QueryNumber(db, QStringLiteral("SELECT COUNT(*) FROM SYS_ID_TABLE WHERE NAME_ID LIKE '%App%'")), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
