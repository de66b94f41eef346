#pragma once
#include "app/LogonLogic.h"
#include "controls/KVDialog.h"

class QPushButton;

namespace kv {

class TKVComboBox;
class TKVEdit;

// "用户登陆窗口": accepted when a user has logged on.
class TLogonForm : public TKVDialog {
    Q_OBJECT
public:
    explicit TLogonForm(QWidget* parent = nullptr);
    TKVComboBox* userBox() const { return user_; }
    TKVEdit* passwordBox() const { return password_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void confirm();
    TKVComboBox* user_;
    TKVEdit* password_;
    QPushButton* ok_;
    QPushButton* cancel_;
    LogonAttempts attempts_;
};

}  // namespace kv
