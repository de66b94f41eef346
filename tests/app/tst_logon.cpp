// Who logs on, by which text, and the four-attempt rule of the logon window.
#include "TestDatabase.h"
#include "Typing.h"
#include "app/LogonFormUnit.h"
#include "app/LogonLogic.h"
#include "controls/KVEdit.h"
#include "data/AppValues.h"
#include "data/SqlFunctions.h"

#include <QPushButton>
#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

namespace {
void addUsers() {
    const QString db = QString::fromUtf8(kDatabaseName);
    for (const char* row : {"('A1','张三','pw1','是','有效')", "('B2','A1','pw2','否','有效')",
                            "('C3','李四','old','否','停用')", "('D4','O''Brien','x''y%\\','否','有效')"})
        QVERIFY(ExecSql(db, QStringLiteral("INSERT INTO SYS_USER_TABLE(USE_ID,USE_NAME,USE_PASSWORD,SYS_USER,STOP_RIGHT) VALUES") +
                                QString::fromUtf8(row)));
}
}  // namespace

class TestLogon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findsUser_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("id");  // "" : nobody
        QTest::newRow("by id") << "A1" << "pw1" << "A1";
        QTest::newRow("by name") << "张三" << "pw1" << "A1";
        QTest::newRow("blanks trimmed") << "  张三 " << " pw1  " << "A1";
        QTest::newRow("name equal to another id") << "A1" << "pw2" << "B2";
        QTest::newRow("wrong password") << "A1" << "pw2x" << "";
        QTest::newRow("stopped user") << "李四" << "old" << "";
        QTest::newRow("quote, percent, backslash") << "O'Brien" << "x'y%\\" << "D4";
        QTest::newRow("injection in password") << "A1" << "' OR '1'='1" << "";
        QTest::newRow("injection 'OR''='") << "A1" << "'OR''='" << "";
        QTest::newRow("injection in user") << "' OR '1'='1' --" << "x" << "";
        QTest::newRow("case matters") << "a1" << "pw1" << "";
    }
    void findsUser() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, id);
        TestDatabase t;
        addUsers();
        const auto found = FindLogonUser(user, password);
        QCOMPARE(found ? found->id : QString(), id);
    }

    void listsOnlyActiveUsersAndCountsAdministrators() {
        TestDatabase t;
        QCOMPARE(CountAdministrators(), 0);
        addUsers();
        QCOMPARE(CountAdministrators(), 1);
        QStringList names = ActiveUserNames();
        names.sort();
        QCOMPARE(names, (QStringList{"A1", "O'Brien", "张三"}));
    }

    void windowLogsOnAndSetsTheUser() {
        TestDatabase t;
        addUsers();
        RecordMessages rec;
        TLogonForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        kvtest::TypeText(form.userBox()->lineEdit(), QStringLiteral("张三"));
        QTest::keyClick(form.userBox()->lineEdit(), Qt::Key_Return);  // Enter moves on
        QVERIFY(form.passwordBox()->hasFocus());
        QTest::keyClicks(form.passwordBox(), QStringLiteral("pw1"));
        QTest::keyClick(form.passwordBox(), Qt::Key_F3);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(AppUserId, QStringLiteral("A1"));
        QCOMPARE(AppUserName, QStringLiteral("张三"));
        QVERIFY(AppIsAdmin);
        QVERIFY(rec->messages.isEmpty());
    }

    void fourthFailureEndsTheLogon() {
        TestDatabase t;
        addUsers();
        RecordMessages rec;
        TLogonForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.userBox()->setEditText(QStringLiteral("A1"));
        form.passwordBox()->setText(QStringLiteral("wrong"));
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(form.passwordBox(), Qt::Key_F3);
            QVERIFY(form.isVisible());
        }
        QTest::keyClick(form.passwordBox(), Qt::Key_F3);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        const QString wrong = QStringLiteral("错误的用户编号或错误的口令");
        QCOMPARE(rec->texts(), (QStringList{wrong, wrong, wrong, QStringLiteral("您可能是非法的用户,不能登陆系统")}));
        QCOMPARE(rec->messages.first().caption, QStringLiteral("提示信息"));
    }

    void cancelKeyCloses() {
        TestDatabase t;
        TLogonForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(form.userBox(), Qt::Key_F4);
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestLogon)
#include "tst_logon.moc"
