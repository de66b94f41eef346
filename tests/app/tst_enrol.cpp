// The first-run set-up: checks, the store row, the administrator, rights and templates.
#include "TestDatabase.h"
#include "Typing.h"
#include "app/EnrolFormUnit.h"
#include "app/EnrolLogic.h"
#include "app/NumberingFormUnit.h"
#include "controls/KVEdit.h"
#include "data/AppValues.h"
#include "data/SqlFunctions.h"
#include "data/Switches.h"
#include "platform/Settings.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

namespace {
const QString DB = QString::fromUtf8(kDatabaseName);

EnrolInput complete() {
    EnrolInput in;
    in.storeName = QStringLiteral(" 丰和'超市 ");
    in.postcode = QStringLiteral("518000");
    in.phone = QStringLiteral("0755-1234");
    in.address = QStringLiteral("深圳市100%路");
    in.userId = QStringLiteral("ADM");
    in.userName = QStringLiteral("王老板");
    in.password = QStringLiteral(" p'w ");
    in.confirmation = QStringLiteral("p'w");
    return in;
}

class CountingProgress : public NoProgress {
public:
    QList<int> steps;
    int started = 0, stopped = 0;
    void start() override { ++started; }
    void stop() override { ++stopped; }
    void setStep(int i) override { steps << i; }
};
}  // namespace

class TestEnrol : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checksFieldsInScreenOrder_data() {
        QTest::addColumn<int>("blank");  // which field is left blank (spaces only)
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("warning");
        QTest::newRow("store") << 0 << int(EnrolField::StoreName) << "必须输入公司名称";
        QTest::newRow("postcode") << 1 << int(EnrolField::Postcode) << "必须输入邮编";
        QTest::newRow("phone") << 2 << int(EnrolField::Phone) << "必须输入电话";
        QTest::newRow("address") << 3 << int(EnrolField::Address) << "必须输入地址";
        QTest::newRow("user id") << 4 << int(EnrolField::UserId) << "必须输入用户编号";
        QTest::newRow("user name") << 5 << int(EnrolField::UserName) << "必须输入用户姓名";
        QTest::newRow("password") << 6 << int(EnrolField::Password) << "必须输入用户口令";
        QTest::newRow("confirmation") << 7 << int(EnrolField::Confirmation) << "必须确认用户口令";
        QTest::newRow("mismatch") << 8 << int(EnrolField::Password) << "口令确认错误";
    }
    void checksFieldsInScreenOrder() {
        QFETCH(int, blank);
        QFETCH(int, focus);
        QFETCH(QString, warning);
        EnrolInput in = complete();
        QString* fields[] = {&in.storeName, &in.postcode, &in.phone, &in.address, &in.userId,
                             &in.userName, &in.password, &in.confirmation};
        if (blank < 8) *fields[blank] = QStringLiteral("  ");
        else in.confirmation = QStringLiteral("other");
        const EnrolCheck c = CheckEnrolInput(in);
        QCOMPARE(int(c.focus), focus);
        QCOMPARE(c.warning, warning);
        in = complete();
        in.fax.clear();  // the fax alone may stay empty
        QCOMPARE(int(CheckEnrolInput(in).focus), int(EnrolField::None));
    }

    void writesStoreAdministratorRightsAndTemplates() {
        TestDatabase t;
        // A database with users but no administrator, rights of others, and an old row for the id.
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO SYS_USER_TABLE(USE_ID,USE_NAME,USE_PASSWORD,SYS_USER,STOP_RIGHT) "
                                           "VALUES('ADM','旧名','old','否','停用'),('U2','员工','x','否','有效')")));
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO SYS_RIGHT_TABLE(USE_ID,COMPOSE_ID,PROGRAM_ID,BROWSE_RIGHT) "
                                           "VALUES('U2',1,1,'是'),('U2',2,3,'是')")));
        RecordMessages rec;
        int numberingShown = 0;
        CountingProgress progress;
        EnrolSteps steps;
        steps.showNumberingWindow = [&] { ++numberingShown; };
        steps.progress = &progress;
        QVERIFY(RunEnrol(complete(), steps));

        QCOMPARE(QueryString(DB, QStringLiteral("SELECT COMPANY_NAME FROM SYS_COMPANY_TABLE WHERE COMPANY_ID='G001' "
                                                "AND PRIOR_ID='G002' AND ORDER_ID=1")),
                 QStringLiteral("丰和'超市"));
        QCOMPARE(QueryString(DB, QStringLiteral("SELECT CREATE_DATE FROM SYS_COMPANY_TABLE")),
                 QDate::currentDate().toString(Qt::ISODate));
        const QVariantList admin = QueryValue(DB, QStringLiteral("SELECT USE_NAME,USE_PASSWORD,SYS_USER,STOP_RIGHT FROM "
                                                                 "SYS_USER_TABLE WHERE USE_ID='ADM'")).toList();
        QCOMPARE(admin, (QVariantList{"王老板", "p'w", "是", "有效"}));
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_USER_TABLE")), 2);
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_RIGHT_TABLE WHERE USE_ID='U2'")), 0);
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_RIGHT_TABLE WHERE USE_ID='ADM' AND ADD_RIGHT='是' AND "
                                        "EDIT_RIGHT='是' AND DELETE_RIGHT='是' AND BROWSE_RIGHT='是' AND PRINT_RIGHT='是' "
                                        "AND VERIFY_RIGHT='是' AND CURRENCY_RIGHT='是'")),
                 31);
        // every grant names a program that exists
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_RIGHT_TABLE R WHERE NOT EXISTS (SELECT 1 FROM "
                                        "SYS_PROGRAM_TABLE P WHERE P.COMPOSE_ID=R.COMPOSE_ID AND P.PROGRAM_ID=R.PROGRAM_ID)")),
                 0);
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_PRINT_NAME_TABLE WHERE PRINT_INDEX IN "
                                        "('2SumPOSForm','1SumPOSForm','SellPOSPayForm','ReturnPOSPayForm')")),
                 5);
        QCOMPARE(progress.steps, (QList<int>{1, 2, 3, 4}));
        QCOMPARE(progress.started, progress.stopped);
        QCOMPARE(numberingShown, 1);
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("您的用户名称是：王老板\n用户编号是：ADM\n您的口令是：p'w       ")});
        QVERIFY(AppIsAdmin && AppFirstRun);
        QCOMPARE(AppUserId, QStringLiteral("ADM"));
        QCOMPARE(AppStoreName, QStringLiteral("丰和'超市"));

        // A second run updates the store row instead of adding one.
        EnrolInput again = complete();
        again.storeName = QStringLiteral("新店");
        QVERIFY(SaveStoreRow(again));
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_COMPANY_TABLE")), 1);
        QCOMPARE(QueryString(DB, QStringLiteral("SELECT COMPANY_NAME FROM SYS_COMPANY_TABLE")), QStringLiteral("新店"));
    }

    void failedAdministratorKeepsTheOldRow() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO SYS_USER_TABLE(USE_ID,USE_NAME,USE_PASSWORD,SYS_USER,STOP_RIGHT) "
                                           "VALUES('ADM','老板','old','是','有效'),('U2','王老板','x','否','有效')")));
        QVERIFY(ExecSql(DB, QStringLiteral("CREATE UNIQUE INDEX T_NAME ON SYS_USER_TABLE(USE_NAME)")));
        RecordMessages rec;
        EnrolInput in = complete();  // its name is taken by U2: the update fails
        QVERIFY(!RunEnrol(in, {}));
        QCOMPARE(rec->texts().last(), QStringLiteral("用户注册错误"));
        QCOMPARE(QueryString(DB, QStringLiteral("SELECT USE_PASSWORD FROM SYS_USER_TABLE WHERE USE_ID='ADM'")),
                 QStringLiteral("old"));
        // the store row of the step before stays
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_COMPANY_TABLE")), 1);
    }

    void templateRowsAllOrNone() {
        TestDatabase t;
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO SYS_PRINT_NAME_TABLE(PRINT_INDEX,PRINT_NAME,PRINT_TYPE,PRINT_ID) "
                                           "VALUES('SellPOSPayForm','旧','MD','200700000009')")));
        RecordMessages rec;
        CountingProgress progress;
        QVERIFY(!CreateDefaultTemplates(progress));
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("报表建立过程发生错误")});
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_PRINT_NAME_TABLE")), 1);
        QCOMPARE(progress.started, progress.stopped);  // the window is hidden on failure too
    }

    void windowCompletesFromTheKeyboard() {
        TestDatabase t;
        RecordMessages rec;
        TEnrolForm form;
        form.showNumberingWindow = [] {};
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString store = QString(25, QChar(0x8D85));  // 50 bytes typed, 40 kept
        kvtest::TypeText(form.field(EnrolField::StoreName), store);
        QCOMPARE(form.field(EnrolField::StoreName)->text(), QString(20, QChar(0x8D85)));
        QTest::keyClicks(form.field(EnrolField::Postcode), QStringLiteral("ab1234567"));
        QCOMPARE(form.field(EnrolField::Postcode)->text(), QStringLiteral("AB1234"));
        form.field(EnrolField::Phone)->setText(QStringLiteral("1"));
        form.field(EnrolField::Address)->setText(QStringLiteral("路"));
        form.field(EnrolField::UserId)->setText(QStringLiteral("M1"));
        form.field(EnrolField::UserName)->setText(QStringLiteral("店长"));
        form.field(EnrolField::Password)->setText(QStringLiteral("1"));
        QTest::keyClick(form.field(EnrolField::Password), Qt::Key_F3);
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("必须确认用户口令")});
        QVERIFY(form.field(EnrolField::Confirmation)->hasFocus());
        QTest::keyClicks(form.field(EnrolField::Confirmation), QStringLiteral("1"));
        QTest::keyClick(form.field(EnrolField::Confirmation), Qt::Key_F3);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_USER_TABLE WHERE USE_ID='M1' AND SYS_USER='是'")), 1);
    }

    void numberingWindowSavesEverySwitch() {
        TestDatabase t;
        TNumberingForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(!form.box(0)->isChecked());
        QVERIFY(form.box(4)->isChecked());  // no "不自动数据备份" row: backup is on
        form.box(0)->setChecked(true);
        form.box(4)->setChecked(false);
        form.okButton()->click();
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM SYS_ID_TABLE WHERE NAME_ID IN ('商品资料录入编辑','员工编号',"
                                        "'商品采购入库单管理','商品采购退货单管理','不自动数据备份')")),
                 5);
        QVERIFY(IsAutoNumbered(QStringLiteral("商品资料录入编辑")));
        QVERIFY(!IsAutoNumbered(QStringLiteral("员工编号")));
        QVERIFY(IsAutoNumbered(QStringLiteral("不自动数据备份")));
    }
};

QTEST_MAIN(TestEnrol)
#include "tst_enrol.moc"
