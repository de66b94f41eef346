#include "controls/KVDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kv {

TKVDialog::TKVDialog(QWidget* parent) : QDialog(parent) {
    // Enter must reach the dialog from inside its fields, not press a default button.
    qApp->installEventFilter(this);
}

void TKVDialog::bindKey(int key, QAbstractButton* button) {
    keys_.insert(key, button);
    if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
}

bool TKVDialog::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this || w == this) return false;
    auto* key = static_cast<QKeyEvent*>(e);
    if (keys_.contains(key->key())) {
        keyPressEvent(key);
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))) {
        QWidget* field = qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
        if (!enterPressed(field)) focusNextChild();
        return true;
    }
    return false;
}

bool TKVDialog::enterPressed(QWidget*) { return false; }

void TKVDialog::keyPressEvent(QKeyEvent* e) {
    if (QAbstractButton* b = keys_.value(e->key())) {
        if (b->isEnabled() && b->isVisible()) b->click();
        return;
    }
    if (e->key() == Qt::Key_Escape) return;  // closing goes through the close button only
    QDialog::keyPressEvent(e);
}

}  // namespace kv
