#include "app/EnrolFormUnit.h"

#include "app/NumberingFormUnit.h"
#include "controls/Colors.h"
#include "controls/KVEdit.h"
#include "controls/KVThreadUnit.h"
#include "data/AppValues.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace kv {

TEnrolForm::TEnrolForm(QWidget* parent) : TKVDialog(parent) {
    setWindowTitle(QStringLiteral("注册窗口"));
    struct Spec {
        const char* label;
        int bytes;
        EnrolField field;  // None: the fax
        bool upper;
        bool password;
    };
    const Spec specs[] = {
        {"商店名称", 40, EnrolField::StoreName, false, false}, {"邮编", 6, EnrolField::Postcode, true, false},
        {"传真", 20, EnrolField::None, false, false},          {"电话", 40, EnrolField::Phone, false, false},
        {"商店地址", 40, EnrolField::Address, false, false},   {"用户编号", 6, EnrolField::UserId, true, false},
        {"用户姓名", 20, EnrolField::UserName, false, false},  {"口令", 10, EnrolField::Password, false, true},
        {"口令确认", 10, EnrolField::Confirmation, false, true},
    };
    auto* form = new QFormLayout;
    QWidget* previous = nullptr;
    for (const Spec& s : specs) {
        auto* edit = new TKVEdit(this);
        edit->setMaxBytes(s.bytes);
        edit->setUpperCase(s.upper);
        edit->ColorOnFocus = ColorFromBgr(AppFocusColor);
        edit->setColor(ColorFromBgr(AppEditColor));
        edit->setMinimumWidth(260);
        if (s.password) edit->setPasswordMode();
        if (s.field == EnrolField::None) fax_ = edit;
        else fields_.insert(s.field, edit);
        form->addRow(QString::fromUtf8(s.label), edit);
        if (previous) setTabOrder(previous, edit);
        previous = edit;
    }
    imes_ = new QComboBox(this);  // the input methods of this machine; none to choose on most desktops
    imes_->setEditable(true);
    imes_->hide();

    ok_ = new QPushButton(QStringLiteral("确认F3"), this);
    close_ = new QPushButton(QStringLiteral("关闭F4"), this);
    bindKey(Qt::Key_F3, ok_);
    bindKey(Qt::Key_F4, close_);
    connect(ok_, &QPushButton::clicked, this, &TEnrolForm::confirm);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* hint = new QLabel(QStringLiteral("自己输入:单位名称、 用户编号、用户姓名、口令等！"), this);
    hint->setStyleSheet(QStringLiteral("color: #c00000;"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    showNumberingWindow = [this] {
        raise();
        activateWindow();
        TNumberingForm numbering(this);
        numbering.exec();
    };
}

void TEnrolForm::showEvent(QShowEvent* e) {
    TKVDialog::showEvent(e);
    fields_.value(EnrolField::StoreName)->setFocus();
}

EnrolInput TEnrolForm::input() const {
    EnrolInput in;
    in.storeName = fields_.value(EnrolField::StoreName)->text();
    in.postcode = fields_.value(EnrolField::Postcode)->text();
    in.fax = fax_->text();
    in.phone = fields_.value(EnrolField::Phone)->text();
    in.address = fields_.value(EnrolField::Address)->text();
    in.userId = fields_.value(EnrolField::UserId)->text();
    in.userName = fields_.value(EnrolField::UserName)->text();
    in.password = fields_.value(EnrolField::Password)->text();
    in.confirmation = fields_.value(EnrolField::Confirmation)->text();
    in.imeName = imes_->currentText();
    return in;
}

void TEnrolForm::confirm() {
    TKVThread progress;
    progress.Caption = QStringLiteral("正在建立报表数据......");
    progress.ProgressBar1 = true;
    EnrolSteps steps;
    steps.focus = [this](EnrolField f) { if (TKVEdit* e = fields_.value(f)) e->setFocus(); };
    steps.showNumberingWindow = showNumberingWindow;
    steps.progress = &progress;
    if (RunEnrol(input(), steps)) accept();
}

}  // namespace kv
