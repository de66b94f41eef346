#include "controls/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace kv {

bool QtMessageService::show(MessageKind kind, const QString& caption, const QString& text, QObject* owner) {
    QWidget* parent = qobject_cast<QWidget*>(owner);
    if (!parent) parent = QApplication::activeWindow();
    if (parent) {
        parent = parent->window();
        parent->raise();
        parent->activateWindow();
    }
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    switch (kind) {
    case MessageKind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    }
    if (kind != MessageKind::Question) {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    }
    return box.exec() == QMessageBox::Yes || kind != MessageKind::Question;
}

}  // namespace kv
