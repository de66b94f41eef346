#pragma once
// Button edits: a line edit with a small button inside that opens a picker, and a key
// (Alt+Down) that presses it. The L-variants show a caption such as "%" instead.

#include "controls/KVEdit.h"

#include <QKeySequence>
#include <QPixmap>
#include <optional>

class QAbstractButton;

namespace kv {

class TKVEditButton;

enum class TGlyphKind { gkCustom, gkDefault, gkDropDown, gkEllipsis };

// Alignment of the text is QLineEdit's own (setAlignment); an input mask is QLineEdit's
// setInputMask.
class TKVCustomComboEdit : public QLineEdit, public FocusColouring, public TypedEntry, public Selectable {
    Q_OBJECT
public:
    std::function<void()> OnButtonClick;

    QString ButtonCaption() const { return caption_; }
    void setButtonCaption(const QString& caption);
    QString ButtonHint() const;
    void setButtonHint(const QString& hint);
    QKeySequence ClickKey() const { return clickKey_; }
    void setClickKey(const QKeySequence& key) { clickKey_ = key; }
    // False: the keyboard cannot change the text; code still can, the button still works.
    bool DirectInput() const { return directInput_; }
    void setDirectInput(bool on);
    // gkCustom shows Glyph (or the caption without one); gkDefault the caption, or the
    // drop-down arrow without one; gkDropDown "▼"; gkEllipsis "…".
    TGlyphKind GlyphKind() const { return kind_; }
    void setGlyphKind(TGlyphKind kind);
    // A strip of NumGlyphs equal pictures: normal, disabled, pressed.
    QPixmap Glyph() const { return glyph_; }
    void setGlyph(const QPixmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int n);
    // 0 hides the button and turns the click key off.
    int ButtonWidth() const { return buttonWidth_; }
    void setButtonWidth(int width);
    bool ButtonEnabled() const { return buttonEnabled_; }
    void setButtonEnabled(bool on);
    bool ButtonVisible() const { return buttonVisible_; }
    void setButtonVisible(bool on);
    // Neither the keyboard nor the button changes a read-only field. Use these rather
    // than QLineEdit::setReadOnly, whose flag also carries DirectInput.
    bool ReadOnly() const { return readOnly_; }
    void setReadOnly(bool on);

    void setColor(const QColor& c) { setEditColor(this, c); }
    QAbstractButton* button() const;
    // What a click on the button does: focus the field, run OnButtonClick, emit buttonClicked.
    void clickButton();

signals:
    void buttonClicked();
    // Enter stops in the field; the window's own Enter handling has seen it before.
    void enterPressed();

protected:
    explicit TKVCustomComboEdit(QWidget* parent = nullptr);

    // Seams for the data-bound variants.
    // The user changed the text: typing, paste, input method, or the picker behind the button.
    virtual void textEditedByUser(const QString& text) {}
    // True while neither keys nor the button may change the text; call updateReadOnly()
    // when the answer changes.
    virtual bool locked() const { return readOnly_; }
    void updateReadOnly();

    // The L-variants: the caption in the field's font and text colour unless set.
    void setCaptionStyle(bool on);
    void setCaptionFont(const std::optional<QFont>& font);
    void setCaptionColor(const QColor& color);
    QFont captionFont() const { return captionFont_.value_or(font()); }
    QColor captionColor() const;

    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    bool canPress() const;
    void layoutButton();
    void refreshButton();

    TKVEditButton* button_;
    QString caption_;
    QKeySequence clickKey_ = QKeySequence(Qt::ALT | Qt::Key_Down);
    TGlyphKind kind_ = TGlyphKind::gkDefault;
    QPixmap glyph_;
    int numGlyphs_ = 1;
    int buttonWidth_ = 21;
    bool directInput_ = true;
    bool buttonEnabled_ = true;
    bool buttonVisible_ = true;
    bool readOnly_ = false;
    bool captionStyle_ = false;
    std::optional<QFont> captionFont_;
    QColor captionColor_;
};

class TKVComboEdit : public TKVCustomComboEdit {
    Q_OBJECT
public:
    explicit TKVComboEdit(QWidget* parent = nullptr) : TKVCustomComboEdit(parent) {}
};

// The caption (ButtonCaption, e.g. "%") in place of the button; a click on it presses it.
class TKVLCustomComboEdit : public TKVCustomComboEdit {
    Q_OBJECT
public:
    QFont ButtonFont() const { return captionFont(); }
    void setButtonFont(const QFont& font) { setCaptionFont(font); }
    QColor ButtonColor() const { return captionColor(); }
    void setButtonColor(const QColor& color) { setCaptionColor(color); }

protected:
    explicit TKVLCustomComboEdit(QWidget* parent = nullptr) : TKVCustomComboEdit(parent) { setCaptionStyle(true); }
};

class TKVLComboEdit : public TKVLCustomComboEdit {
    Q_OBJECT
public:
    explicit TKVLComboEdit(QWidget* parent = nullptr) : TKVLCustomComboEdit(parent) {}
};

}  // namespace kv
