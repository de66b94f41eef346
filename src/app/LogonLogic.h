#pragma once
// Who may log on, and the four-attempt rule of the logon window.

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

struct LogonUser {
    QString id;
    QString name;
    bool isAdmin = false;
};

int CountAdministrators();
QStringList ActiveUserNames();
// By id or by name; blanks around both texts are ignored; only active users.
std::optional<LogonUser> FindLogonUser(const QString& user, const QString& password);
// Sets the shared user values and the input method of this machine.
void ApplyLogon(const LogonUser& user);

class LogonAttempts {
public:
    enum class Outcome { LoggedOn, TryAgain, Refused };
    // Shows the warnings of a failed attempt; the fourth failure refuses.
    Outcome attempt(const QString& user, const QString& password);
    int failures() const { return failures_; }

private:
    int failures_ = 0;
};

}  // namespace kv
