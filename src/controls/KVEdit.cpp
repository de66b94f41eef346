#include "controls/KVEdit.h"

#include "data/GbkText.h"

#include <QKeyEvent>

namespace kv {

void FocusColouring::setEditColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    if (inside_) remembered_ = c;
}

void FocusColouring::enter(QWidget* w) {
    if (!FocusColorChange || inside_) return;
    inside_ = true;
    remembered_ = w->palette().color(QPalette::Base);
    QPalette p = w->palette();
    p.setColor(QPalette::Base, ColorOnFocus);
    w->setPalette(p);
}

void FocusColouring::leave(QWidget* w) {
    if (!inside_) return;
    inside_ = false;
    QPalette p = w->palette();
    p.setColor(QPalette::Base, remembered_);
    w->setPalette(p);
}

// Runs the filter on a typed character; returns false when the key is swallowed.
static bool filterTyped(QKeyEvent* e, TEditTypes type, QLineEdit* edit, int& maxBytes, QString& insert) {
    const QString t = e->text();
    if (t.size() != 1 || !t[0].isPrint() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return true;
    const int sel = edit->hasSelectedText() ? edit->selectionStart() : -1;
    const FilterResult r = FilterKey(type, t[0], edit->text(), sel, maxBytes);
    if (!r.accepted) return false;
    if (r.newMaxLength >= 0) maxBytes = r.newMaxLength;
    insert = r.replacement;
    return true;
}

TKVEdit::TKVEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] { enforceLimits(); });
}

void TKVEdit::setPasswordMode() {
    setEchoMode(QLineEdit::Password);
    setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

void TKVEdit::focusInEvent(QFocusEvent* e) {
    if (EditType == TEditTypes::etFloat && maxBytes_ == 0) maxBytes_ = 16;
    if (EditType == TEditTypes::etDate) maxBytes_ = 10;
    enter(this);
    QLineEdit::focusInEvent(e);
}

void TKVEdit::focusOutEvent(QFocusEvent* e) {
    leave(this);
    QLineEdit::focusOutEvent(e);
}

void TKVEdit::keyPressEvent(QKeyEvent* e) {
    QString insert;
    if (!filterTyped(e, EditType, this, maxBytes_, insert)) return;
    if (!insert.isEmpty() && insert != e->text()) {
        this->insert(insert);
        enforceLimits();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TKVEdit::enforceLimits() {
    QString t = text();
    if (upper_) t = t.toUpper();
    if (maxBytes_ > 0 && GbkLength(t) > maxBytes_) t = GbkLeft(t, maxBytes_);
    if (t != text()) {
        const int pos = qMin(cursorPosition(), int(t.size()));
        setText(t);
        setCursorPosition(pos);
    }
}

TKVComboBox::TKVComboBox(QWidget* parent) : QComboBox(parent) { setEditable(true); }

void TKVComboBox::focusInEvent(QFocusEvent* e) {
    enter(this);
    QComboBox::focusInEvent(e);
}

void TKVComboBox::focusOutEvent(QFocusEvent* e) {
    leave(this);
    QComboBox::focusOutEvent(e);
}

void TKVComboBox::keyPressEvent(QKeyEvent* e) {
    if (lineEdit()) {
        int max = 0;
        QString insert;
        if (!filterTyped(e, EditType, lineEdit(), max, insert)) return;
    }
    QComboBox::keyPressEvent(e);
}

}  // namespace kv
