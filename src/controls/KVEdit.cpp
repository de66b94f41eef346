#include "controls/KVEdit.h"

#include "data/GbkText.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace kv {

// ---- focus colour

void FocusColouring::paint(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

void FocusColouring::setEditColor(QWidget* w, const QColor& c) {
    if (switched_) remembered_ = c;
    else paint(w, c);
}

bool FocusColouring::enter(QWidget* w) {
    if (inside_) return false;
    inside_ = true;
    if (FocusColorChange || alwaysSwitch_) {
        remembered_ = w->palette().color(QPalette::Base);
        switched_ = true;
        paint(w, ColorOnFocus);
    }
    return true;
}

bool FocusColouring::leave(QWidget* w, Qt::FocusReason reason) {
    if (!inside_ || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return false;
    inside_ = false;
    if (switched_) {
        switched_ = false;
        paint(w, remembered_);
    }
    return true;
}

// ---- typing rules

QString TypedEntry::acceptTyped(const QLineEdit* edit, const QString& typed) {
    const QString text = edit->text();
    const bool selected = edit->hasSelectedText();
    const int selStart = selected ? edit->selectionStart() : -1;
    QString out;
    for (const QChar c : typed) {
        const FilterResult r = FilterKey(EditType, c, text + out, selStart, maxBytes_);
        if (r.newMaxLength >= 0) maxBytes_ = r.newMaxLength;
        if (r.accepted) out += r.replacement;
    }
    if (upper_) out = out.toUpper();
    if (maxBytes_ > 0) {
        QString kept = text;
        if (selected) kept.remove(selStart, edit->selectedText().size());
        const int room = maxBytes_ - GbkLength(kept);
        out = room > 0 ? GbkLeft(out, room) : QString();
    }
    return out;
}

bool TypedEntry::typedKey(QLineEdit* edit, QKeyEvent* e) {
    const QString t = e->text();
    if (t.isEmpty() || edit->isReadOnly()) return false;
    // Shortcuts (Ctrl+C ...) and control keys (Backspace, Enter, Tab) are the line edit's.
    const Qt::KeyboardModifiers m = e->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    for (const QChar c : t)
        if (!c.isPrint()) return false;
    const QString piece = acceptTyped(edit, t);
    if (piece == t) return false;
    if (!piece.isEmpty()) edit->insert(piece);
    return true;  // a rejected key is swallowed without a beep
}

void TypedEntry::typedCommit(const QLineEdit* edit, QInputMethodEvent* e) {
    if (e->commitString().isEmpty() || edit->isReadOnly()) return;
    const QString piece = acceptTyped(edit, e->commitString());
    if (piece != e->commitString()) e->setCommitString(piece, e->replacementStart(), e->replacementLength());
}

void TypedEntry::enforceLimits(QLineEdit* edit) {
    QString t = edit->text();
    if (upper_) t = t.toUpper();
    if (maxBytes_ > 0 && GbkLength(t) > maxBytes_) t = GbkLeft(t, maxBytes_);
    if (t != edit->text()) {
        const int pos = qMin(edit->cursorPosition(), int(t.size()));
        edit->setText(t);
        edit->setCursorPosition(pos);
    }
}

void TypedEntry::typedFocusIn() {
    if (EditType == TEditTypes::etFloat && maxBytes_ == 0) maxBytes_ = 16;
    if (EditType == TEditTypes::etDate) maxBytes_ = 10;
    if (EditType == TEditTypes::etString) takeLastInputMethod();
    else ImeName.clear();
}

void TypedEntry::typedFocusOut() {
    if (EditType == TEditTypes::etString) handBackInputMethod();
}

// ---- TKVEdit

TKVEdit::TKVEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] {
        enforceLimits(this);
        textEditedByUser(text());
    });
}

void TKVEdit::setPasswordMode() {
    setEchoMode(QLineEdit::Password);
    setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

void TKVEdit::focusInEvent(QFocusEvent* e) {
    if (enter(this)) typedFocusIn();
    QLineEdit::focusInEvent(e);
}

void TKVEdit::focusOutEvent(QFocusEvent* e) {
    if (leave(this, e->reason())) typedFocusOut();
    QLineEdit::focusOutEvent(e);
}

void TKVEdit::keyPressEvent(QKeyEvent* e) {
    if (!typedKey(this, e)) QLineEdit::keyPressEvent(e);
}

void TKVEdit::inputMethodEvent(QInputMethodEvent* e) {
    typedCommit(this, e);
    QLineEdit::inputMethodEvent(e);
}

// ---- TKVComboBox

namespace {
// The line edit of a TKVComboBox. The box forwards its keys here, and tests (or other
// code) may send keys here directly: both pass the box's rules once.
class ComboLine : public QLineEdit {
public:
    ComboLine(QWidget* parent, TypedEntry* rules) : QLineEdit(parent), rules_(rules) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (!rules_->typedKey(this, e)) QLineEdit::keyPressEvent(e);
    }
    void inputMethodEvent(QInputMethodEvent* e) override {
        rules_->typedCommit(this, e);
        QLineEdit::inputMethodEvent(e);
    }

private:
    TypedEntry* rules_;
};
}  // namespace

// Switching the box to not editable and back creates a plain line edit in Qt and loses
// the rules; the system's boxes stay editable.
TKVComboBox::TKVComboBox(QWidget* parent) : QComboBox(parent) {
    setLineEdit(new ComboLine(this, this));
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        enforceLimits(lineEdit());
        textEditedByUser(currentText());
    });
    connect(this, &QComboBox::activated, this, [this] { textEditedByUser(currentText()); });
}

void TKVComboBox::focusInEvent(QFocusEvent* e) {
    if (enter(this)) typedFocusIn();
    QComboBox::focusInEvent(e);
}

void TKVComboBox::focusOutEvent(QFocusEvent* e) {
    if (leave(this, e->reason())) typedFocusOut();
    QComboBox::focusOutEvent(e);
}

// ---- TKVMEdit

// Masked fields hold codes and dates: they leave the input-method hand-over alone.
TKVMEdit::TKVMEdit(QWidget* parent) : QLineEdit(parent) {
    alwaysSwitch_ = true;
    connect(this, &QLineEdit::textEdited, this, [this] { textEditedByUser(text()); });
}

void TKVMEdit::focusInEvent(QFocusEvent* e) {
    enter(this);
    QLineEdit::focusInEvent(e);
}

void TKVMEdit::focusOutEvent(QFocusEvent* e) {
    leave(this, e->reason());
    QLineEdit::focusOutEvent(e);
}

// ---- TKVMemo

namespace {
struct Depth {
    explicit Depth(int& d) : d_(d) { ++d_; }
    ~Depth() { --d_; }
    int& d_;
};
}  // namespace

TKVMemo::TKVMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (userEditing_ > 0) textEditedByUser(toPlainText());
    });
}

void TKVMemo::focusInEvent(QFocusEvent* e) {
    if (enter(this)) takeLastInputMethod();
    QPlainTextEdit::focusInEvent(e);
}

void TKVMemo::focusOutEvent(QFocusEvent* e) {
    if (leave(this, e->reason())) handBackInputMethod();
    QPlainTextEdit::focusOutEvent(e);
}

void TKVMemo::keyPressEvent(QKeyEvent* e) {
    Depth d(userEditing_);
    QPlainTextEdit::keyPressEvent(e);
}

void TKVMemo::inputMethodEvent(QInputMethodEvent* e) {
    Depth d(userEditing_);
    QPlainTextEdit::inputMethodEvent(e);
}

void TKVMemo::insertFromMimeData(const QMimeData* source) {
    Depth d(userEditing_);
    QPlainTextEdit::insertFromMimeData(source);
}

void TKVMemo::contextMenuEvent(QContextMenuEvent* e) {
    Depth d(userEditing_);  // the menu runs its own loop: cut, delete and undo happen inside
    QPlainTextEdit::contextMenuEvent(e);
}

}  // namespace kv
