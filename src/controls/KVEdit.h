#pragma once
// Entry controls: focus colour, typing filter, GBK byte limit and the select event.
// Data-bound variants derive from these and use the protected seams marked below.

#include "controls/InputMethod.h"
#include "controls/TypingFilter.h"

#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

class QInputMethodEvent;
class QKeyEvent;

namespace kv {

// Background colour while the control has the focus.
class FocusColouring {
public:
    QColor ColorOnFocus = QColor(0x00, 0xff, 0xff);
    bool FocusColorChange = true;
    // The normal background. While the control is focused it is only remembered and
    // shows on exit, so a data source recolouring its fields keeps the focus colour.
    void setEditColor(QWidget* w, const QColor& c);

protected:
    // True on a real entry or exit. Focus taken by a pop-up (a combo list, a context
    // menu) or by another window (a message box) is neither: the control stays entered.
    bool enter(QWidget* w);
    bool leave(QWidget* w, Qt::FocusReason reason);
    bool alwaysSwitch_ = false;  // the masked edit switches whatever FocusColorChange says

private:
    void paint(QWidget* w, const QColor& c);
    QColor remembered_;
    bool inside_ = false;
    bool switched_ = false;
};

// The select event fired by the window's Enter handling.
class Selectable {
public:
    // The handler runs its look-up and sets handled to keep the focus in the field.
    std::function<void(bool& handled)> OnSelect;
    // Returns handled; false without a handler.
    bool runSelect() {
        bool handled = false;
        if (OnSelect) OnSelect(handled);
        return handled;
    }
};

// What the edit type decides for a line of text: the typing filter, the maximum length
// (in GBK bytes) and whether the field takes part in the input-method hand-over.
class TypedEntry : public InputMethodName {
public:
    TEditTypes EditType = TEditTypes::etString;
    // Maximum length in GBK bytes (0: none). Typing never goes past it nor splits a
    // character; the number and date rules of entry may change it.
    void setMaxBytes(int bytes) { maxBytes_ = bytes; }
    int maxBytes() const { return maxBytes_; }
    void setUpperCase(bool on) { upper_ = on; }
    bool upperCase() const { return upper_; }

    // The part of `typed` that goes into `edit`: filtered, upper-cased, cut to the limit.
    QString acceptTyped(const QLineEdit* edit, const QString& typed);
    // A key press: true when dealt with here (rejected, or inserted in place of the key).
    bool typedKey(QLineEdit* edit, QKeyEvent* e);
    // Text committed by an input method goes through the same rules as typed text.
    void typedCommit(const QLineEdit* edit, QInputMethodEvent* e);
    // After any change by the user (paste, drop): upper case and the byte limit.
    void enforceLimits(QLineEdit* edit);
    void typedFocusIn();
    void typedFocusOut();

private:
    int maxBytes_ = 0;
    bool upper_ = false;
};

class TKVEdit : public QLineEdit, public FocusColouring, public TypedEntry, public Selectable {
    Q_OBJECT
public:
    explicit TKVEdit(QWidget* parent = nullptr);
    // Password entry shown with "*".
    void setPasswordMode();
    void setColor(const QColor& c) { setEditColor(this, c); }

protected:
    // Seam: the user changed the text (typing, paste, input method); limits already applied.
    virtual void textEditedByUser(const QString& text) {}
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
};

class TKVComboBox : public QComboBox, public FocusColouring, public TypedEntry {
    Q_OBJECT
public:
    // Editable; the typing rules live in its own line edit, so keys sent to the box and
    // keys sent to the line edit are filtered alike.
    explicit TKVComboBox(QWidget* parent = nullptr);
    void setColor(const QColor& c) { setEditColor(this, c); }

protected:
    // Seam: the user typed into the box or picked an item from its list.
    virtual void textEditedByUser(const QString& text) {}
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// A masked edit (QLineEdit::setInputMask): no edit type, the focus colour always switches.
class TKVMEdit : public QLineEdit, public FocusColouring, public Selectable {
    Q_OBJECT
public:
    explicit TKVMEdit(QWidget* parent = nullptr);
    void setColor(const QColor& c) { setEditColor(this, c); }

protected:
    virtual void textEditedByUser(const QString& text) {}
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    using FocusColouring::FocusColorChange;  // has no effect here
};

// A memo: multi-line text that takes part in the input-method hand-over like a text field.
class TKVMemo : public QPlainTextEdit, public FocusColouring, public InputMethodName {
    Q_OBJECT
public:
    explicit TKVMemo(QWidget* parent = nullptr);
    void setColor(const QColor& c) { setEditColor(this, c); }

protected:
    // Seam: the user changed the text (keys, paste, drop, input method, context menu).
    virtual void textEditedByUser(const QString& text) {}
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    int userEditing_ = 0;  // depth of the user actions above; textChanged inside them is the user's
};

}  // namespace kv
