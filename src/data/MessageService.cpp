#include "data/MessageService.h"

#include <cstdio>

namespace kv {
namespace {

class StderrMessages : public MessageService {
public:
    bool show(MessageKind kind, const QString& caption, const QString& text, QObject*) override {
        std::fprintf(stderr, "[%s] %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
        return kind != MessageKind::Question;
    }
};

std::unique_ptr<MessageService>& Slot() {
    static std::unique_ptr<MessageService> service = std::make_unique<StderrMessages>();
    return service;
}

}  // namespace

std::unique_ptr<MessageService> InstallMessageService(std::unique_ptr<MessageService> service) {
    auto old = std::move(Slot());
    Slot() = service ? std::move(service) : std::make_unique<StderrMessages>();
    return old;
}

MessageService& Messages() { return *Slot(); }

bool AskYesNoOn(QObject* owner, const QString& text) {
    return Messages().show(MessageKind::Question, QString::fromUtf8(kCaptionInfo), text + QStringLiteral(" ?"), owner);
}
void ShowErrorOn(QObject* owner, const QString& text) {
    Messages().show(MessageKind::Error, QString::fromUtf8(kCaptionError), text, owner);
}
void ShowWarningOn(QObject* owner, const QString& text) {
    Messages().show(MessageKind::Warning, QString::fromUtf8(kCaptionInfo), text, owner);
}
bool AskYesNo(const QString& text) { return AskYesNoOn(nullptr, text); }
void ShowError(const QString& text) { ShowErrorOn(nullptr, text); }
void ShowWarning(const QString& text) { ShowWarningOn(nullptr, text); }
void ShowInformation(const QString& text) {
    Messages().show(MessageKind::Information, QString::fromUtf8(kCaptionInfo), text, nullptr);
}

}  // namespace kv
