#include "controls/ErrorMsgFormUnit.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextStream>
#include <QVBoxLayout>

namespace kv {

TErrorMsgForm::TErrorMsgForm(QWidget* parent, QString proposedFileName)
    : TKVDialog(parent), proposed_(std::move(proposedFileName)) {
    setWindowTitle(QStringLiteral("信息显示窗口"));
    resize(560, 400);
    memo_ = new QPlainTextEdit(this);
    memo_->setReadOnly(true);
    auto* save = new QPushButton(QStringLiteral("保存"), this);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(save, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QString(), proposed_, QStringLiteral("txt (*.txt)"));
        if (!path.isEmpty()) saveTo(path);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addLayout(buttons);
}

void TErrorMsgForm::addEntry(const QString& text) {
    memo_->appendPlainText(text);
    memo_->appendPlainText(QString(51, QLatin1Char('-')));
}

QStringList TErrorMsgForm::lines() const { return memo_->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

bool TErrorMsgForm::isEmpty() const { return memo_->toPlainText().isEmpty(); }

bool TErrorMsgForm::saveTo(const QString& path) const {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QTextStream out(&f);
    for (const QString& l : lines()) out << l << '\n';
    return true;
}

}  // namespace kv
