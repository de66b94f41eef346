#pragma once
// Every box, question and modal choice goes through one service so that windows and
// logic share the system's wording and tests can record and answer them.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace kv {

enum class MessageKind { Question, Warning, Error, Information };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Returns true for Yes (questions) and for OK otherwise.
    virtual bool show(MessageKind kind, const QString& caption, const QString& text, QObject* owner) = 0;
};

// Installs the service; returns the one it replaces. The default writes to stderr
// and answers No, so logic without a screen never blocks.
std::unique_ptr<MessageService> InstallMessageService(std::unique_ptr<MessageService> service);
MessageService& Messages();

inline constexpr const char* kCaptionInfo = "提示信息";
inline constexpr const char* kCaptionError = "错误信息";

bool AskYesNo(const QString& text);        // text followed by " ?"
void ShowError(const QString& text);
void ShowWarning(const QString& text);
void ShowInformation(const QString& text);
bool AskYesNoOn(QObject* owner, const QString& text);
void ShowErrorOn(QObject* owner, const QString& text);
void ShowWarningOn(QObject* owner, const QString& text);

}  // namespace kv
