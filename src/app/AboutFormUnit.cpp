#include "app/AboutFormUnit.h"

#include "controls/KV3DLabel.h"
#include "data/AppValues.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

TAboutForm::TAboutForm(QWidget* parent) : TKVDialog(parent) {
    setWindowTitle(QStringLiteral("关于"));
    auto* title = new TKV3DLabel(QStringLiteral("丰和超市收银管理系统"), this);
    QFont f = title->font();
    f.setPointSize(18);
    f.setBold(true);
    title->setFont(f);
    auto* text = new QLabel(QStringLiteral("版本 %1\n单机收银与后台管理：前台销售、日结、会员积分、采购、库存、报表、备份。\n"
                                           "使用单位：%2")
                                .arg(QApplication::applicationVersion(), AppStoreName),
                            this);
    auto* ok = new QPushButton(QStringLiteral("确定[F3]"), this);
    bindKey(Qt::Key_F3, ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace kv
