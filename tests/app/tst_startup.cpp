// Start-up on good and bad data: the alias, the database file, the leftover clean-up
// and the values read at creation.
#include "TestDatabase.h"
#include "app/DMUnit.h"
#include "app/MainFormUnit.h"
#include "data/AppValues.h"
#include "data/Decimals.h"
#include "data/SqlFunctions.h"
#include "platform/EngineConfig.h"

#include <QFile>
#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingAliasStopsWithItsWarning() {
        QTemporaryDir home;
        qputenv("KVSHOP_HOME", home.path().toUtf8());
        RecordMessages rec;
        TDM dm;
        QVERIFY(dm.startFailed());
        QCOMPARE(rec->texts(), QStringList{MissingAliasText()});
        QVERIFY(MissingAliasText().contains(QLatin1Char('\n')));
    }

    void badDatabaseFileStopsTheMainWindow_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("directory gone") << "remove";
        QTest::newRow("file garbage") << "garbage";
    }
    void badDatabaseFileStopsTheMainWindow() {
        QFETCH(QString, damage);
        QTemporaryDir tmp;
        qputenv("KVSHOP_HOME", tmp.path().toUtf8());
        const QString data = tmp.path() + QStringLiteral("/shop/data");
        QVERIFY(CreateDatabase(data, QString::fromUtf8(kAliasName)).isEmpty());
        if (damage == QLatin1String("remove")) {
            QVERIFY(QDir(data).removeRecursively());
        } else {
            QFile f(data + QStringLiteral("/kvshop.sqlite"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(8192, 'x'));
        }
        RecordMessages rec;
        TDM dm;
        QVERIFY(!dm.startFailed());
        TMainForm main(dm);
        QVERIFY(main.createFailed());
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("数据库打开过程发生错误")});
        QCOMPARE(QFileInfo::exists(data), damage != QLatin1String("remove"));  // never created anew
    }

    void mainWindowReadsPlacesAndStoreName() {
        TestDatabase t;
        QVERIFY(ExecSql(QString::fromUtf8(kDatabaseName),
                        QStringLiteral("INSERT INTO SYS_COMPANY_TABLE(COMPANY_ID,COMPANY_NAME) VALUES('G001','丰和''店')")));
        t.db().close();  // the main window connects by itself
        TDM dm;
        TMainForm main(dm);
        QVERIFY(!main.createFailed());
        QCOMPARE(AppStoreName, QStringLiteral("丰和'店"));
        QCOMPARE(AppDataDir, t.dataDir());
        QCOMPARE(AppInstallDir + QStringLiteral("/data"), t.dataDir());
    }

    void leftoverTableFilesGoOnlyInOurOwnFolder() {
        QTemporaryDir tmp;
        const QStringList names{"A.DB", "b.db", "C.Mb", "SYS_BACK_TABLE.DB", "keep.txt", "d.dbx"};
        for (const QString& n : names) {
            QFile f(tmp.filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(DeleteTableFiles(tmp.path()), 0);  // not marked: somebody else's folder
        QFile marker(tmp.filePath(QString::fromUtf8(kInstallMarker)));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QCOMPARE(DeleteTableFiles(tmp.path()), 3);
        QStringList left = QDir(tmp.path()).entryList(QDir::Files);
        left.sort();
        QCOMPARE(left, (QStringList{"SYS_BACK_TABLE.DB", "d.dbx", "keep.txt"}));
    }

    void decimalReaders() {
        TestDatabase t;
        const QString db = QString::fromUtf8(kDatabaseName);
        QVERIFY(ExecSql(db, QStringLiteral("UPDATE KV_DECIMAL_TABLE SET DECIMAL_NUMBER = 0, SET_ABANDON = '五舍六入', "
                                           "SELL_TAX = 17 WHERE FORM_NAME = '商品销售单'")));
        const Rounding sale = ReadDecimalSetting(QStringLiteral("商品销售单"));
        QCOMPARE(sale.decimals, 0);
        QCOMPARE(sale.mode, QStringLiteral("五舍六入"));
        const Rounding none = ReadDecimalSetting(QStringLiteral("没有的窗口"));
        QCOMPARE(none.decimals, 1);
        QCOMPARE(none.mode, QStringLiteral("四舍五入"));
        QCOMPARE(ReadSellTax(QStringLiteral("商品销售单")), QStringLiteral("17"));
        QCOMPARE(ReadSellTax(QStringLiteral("没有的窗口")), QString());
        QVERIFY(ExecSql(db, QStringLiteral("INSERT INTO KV_ENDPRODUCT_UNIT_TABLE(ENDPRODUCT_UNIT,DECIMAL_NUMBER) VALUES('公斤',3)")));
        QCOMPARE(ReadUnitDecimals(QStringLiteral("公斤")), 3);
        QCOMPARE(ReadUnitDecimals(QStringLiteral("个")), 2);
        QVERIFY(ExecSql(db, QStringLiteral("UPDATE KV_ENDPRODUCT_UNIT_TABLE SET DECIMAL_NUMBER = 1")));
        QCOMPARE(ReadUnitDecimals(QStringLiteral("公斤")), 3);  // kept for the life of the program
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
