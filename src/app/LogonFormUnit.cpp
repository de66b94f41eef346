#include "app/LogonFormUnit.h"

#include "controls/Colors.h"
#include "controls/KVEdit.h"
#include "data/AppValues.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kv {

TLogonForm::TLogonForm(QWidget* parent) : TKVDialog(parent) {
    setWindowTitle(QStringLiteral("用户登陆窗口"));
    user_ = new TKVComboBox(this);
    password_ = new TKVEdit(this);
    password_->setPasswordMode();
    for (FocusColouring* c : {static_cast<FocusColouring*>(user_), static_cast<FocusColouring*>(password_)})
        c->ColorOnFocus = ColorFromBgr(AppFocusColor);
    user_->setColor(ColorFromBgr(AppEditColor));
    password_->setColor(ColorFromBgr(AppEditColor));
    user_->addItems(ActiveUserNames());
    user_->setCurrentIndex(-1);
    user_->setMinimumWidth(200);

    ok_ = new QPushButton(QStringLiteral("确定[F3]"), this);
    cancel_ = new QPushButton(QStringLiteral("取消[F4]"), this);
    bindKey(Qt::Key_F3, ok_);
    bindKey(Qt::Key_F4, cancel_);
    connect(ok_, &QPushButton::clicked, this, &TLogonForm::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("用户名称"), this), 0, 0);
    grid->addWidget(user_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("用户口令"), this), 1, 0);
    grid->addWidget(password_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setTabOrder(user_, password_);
    setTabOrder(password_, ok_);
}

void TLogonForm::showEvent(QShowEvent* e) {
    TKVDialog::showEvent(e);
    user_->setFocus();
}

void TLogonForm::confirm() {
    switch (attempts_.attempt(user_->currentText(), password_->text())) {
    case LogonAttempts::Outcome::LoggedOn: accept(); break;
    case LogonAttempts::Outcome::TryAgain: user_->setFocus(); break;
    case LogonAttempts::Outcome::Refused: reject(); break;
    }
}

}  // namespace kv
