#include "app/LogonLogic.h"

#include "data/AppValues.h"
#include "data/Database.h"
#include "data/MessageService.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"
#include "platform/Settings.h"

namespace kv {
namespace {
const QString DB = QString::fromUtf8(kDatabaseName);
}

int CountAdministrators() {
    return int(QueryNumber(DB, QStringLiteral("SELECT  COUNT(USE_ID) from SYS_USER_TABLE WHERE  SYS_USER ='是'")));
}

QStringList ActiveUserNames() {
    auto q = OpenSqlQuery(DB, QStringLiteral("SELECT  USE_NAME from SYS_USER_TABLE WHERE STOP_RIGHT ='有效'"));
    QStringList names;
    for (q->first(); !q->eof(); q->next()) names << q->field(0)->asString();
    return names;
}

std::optional<LogonUser> FindLogonUser(const QString& userText, const QString& passwordText) {
    const QString user = Quoted(userText.trimmed());
    const QString password = Quoted(passwordText.trimmed());
    auto q = OpenSqlQuery(DB, QStringLiteral("SELECT  USE_ID,USE_NAME,SYS_USER,STOP_RIGHT from SYS_USER_TABLE where ((USE_ID = ") +
                                  user + QStringLiteral(") OR (USE_NAME = ") + user +
                                  QStringLiteral("))  and USE_PASSWORD = ") + password +
                                  QStringLiteral(" and STOP_RIGHT ='有效'"));
    if (q->isEmpty()) return std::nullopt;
    q->first();
    return LogonUser{q->fieldByName(QStringLiteral("USE_ID")).asString(),
                     q->fieldByName(QStringLiteral("USE_NAME")).asString(),
                     q->fieldByName(QStringLiteral("SYS_USER")).asString() == QStringLiteral("是")};
}

void ApplyLogon(const LogonUser& user) {
    AppUserName = user.name;
    AppUserId = user.id;
    AppIsAdmin = user.isAdmin;
    AppImeName = ReadSetting(QStringLiteral("ZOZuviImes"));
}

LogonAttempts::Outcome LogonAttempts::attempt(const QString& user, const QString& password) {
    if (const auto found = FindLogonUser(user, password)) {
        ApplyLogon(*found);
        return Outcome::LoggedOn;
    }
    if (failures_ < 3) {
        ++failures_;
        ShowWarning(QStringLiteral("错误的用户编号或错误的口令"));
        return Outcome::TryAgain;
    }
    ShowWarning(QStringLiteral("您可能是非法的用户,不能登陆系统"));
    return Outcome::Refused;
}

}  // namespace kv
