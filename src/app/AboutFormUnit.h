#pragma once
#include "controls/KVDialog.h"

namespace kv {

class TAboutForm : public TKVDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
};

}  // namespace kv
