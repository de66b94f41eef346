#pragma once
// Entry controls: focus colour, typing filter, GBK byte limit and the select event.

#include "controls/TypingFilter.h"

#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <functional>

namespace kv {

// Shared behaviour of the family, mixed into each control.
class FocusColouring {
public:
    QColor ColorOnFocus = QColor(0x00, 0xff, 0xff);
    bool FocusColorChange = true;
    void setEditColor(QWidget* w, const QColor& c);
    void enter(QWidget* w);
    void leave(QWidget* w);

private:
    QColor remembered_;
    bool inside_ = false;
};

class TKVEdit : public QLineEdit, public FocusColouring {
    Q_OBJECT
public:
    explicit TKVEdit(QWidget* parent = nullptr);

    TEditTypes EditType = TEditTypes::etString;
    // Enter handler of the window: set handled to keep the focus in the field.
    std::function<void(bool& handled)> OnSelect;

    // Maximum length in GBK bytes (0: none); typed text is cut, never inside a character.
    void setMaxBytes(int bytes) { maxBytes_ = bytes; }
    int maxBytes() const { return maxBytes_; }
    void setUpperCase(bool on) { upper_ = on; }
    // Password entry shown with "*".
    void setPasswordMode();
    void setColor(const QColor& c) { setEditColor(this, c); }

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void enforceLimits();
    int maxBytes_ = 0;
    bool upper_ = false;
};

class TKVComboBox : public QComboBox, public FocusColouring {
    Q_OBJECT
public:
    explicit TKVComboBox(QWidget* parent = nullptr);
    TEditTypes EditType = TEditTypes::etString;
    void setColor(const QColor& c) { setEditColor(this, c); }

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace kv
