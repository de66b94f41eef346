#pragma once
#include "data/MessageService.h"

namespace kv {

// Modal, always-on-top boxes owned by the active window.
class QtMessageService : public MessageService {
public:
    bool show(MessageKind kind, const QString& caption, const QString& text, QObject* owner) override;
};

}  // namespace kv
