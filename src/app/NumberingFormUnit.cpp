#include "app/NumberingFormUnit.h"

#include "data/Switches.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {
namespace {

struct Choice {
    const char* caption;
    const char* switchName;
    bool inverted;  // checked stores "否"
};
constexpr Choice kChoices[5] = {
    {"系统自动填写商品资料编码", "商品资料录入编辑", false},
    {"系统自动填写门店员工编号", "员工编号", false},
    {"系统自动填写商品采购入库单编号", "商品采购入库单管理", false},
    {"系统自动填写商品采购退货单编号", "商品采购退货单管理", false},
    {"系统自动备份数据", "不自动数据备份", true},
};

}  // namespace

TNumberingForm::TNumberingForm(QWidget* parent) : TKVDialog(parent) {
    setWindowTitle(QStringLiteral("编号方式设置窗口"));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 5; ++i) {
        boxes_[i] = new QCheckBox(QString::fromUtf8(kChoices[i].caption), this);
        layout->addWidget(boxes_[i]);
    }
    ok_ = new QPushButton(QStringLiteral("确定"), this);
    layout->addWidget(ok_, 0, Qt::AlignRight);
    bindKey(Qt::Key_F3, ok_);
    connect(ok_, &QPushButton::clicked, this, [this] {
        save();
        accept();
    });
}

void TNumberingForm::showEvent(QShowEvent* e) {
    load();
    TKVDialog::showEvent(e);
}

void TNumberingForm::load() {
    for (int i = 0; i < 5; ++i)
        boxes_[i]->setChecked(IsAutoNumbered(QString::fromUtf8(kChoices[i].switchName)) != kChoices[i].inverted);
}

void TNumberingForm::save() {
    for (int i = 0; i < 5; ++i) {
        const bool on = boxes_[i]->isChecked() != kChoices[i].inverted;
        SaveAutoNumbered(QString::fromUtf8(kChoices[i].switchName), QString::fromUtf8(on ? kYes : kNo));
    }
}

}  // namespace kv
