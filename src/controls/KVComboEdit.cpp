#include "controls/KVComboEdit.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace kv {

// The button inside the field. It never takes the focus, so a click leaves the focus
// (and the focus colour) in the field.
class TKVEditButton : public QAbstractButton {
public:
    explicit TKVEditButton(QWidget* parent) : QAbstractButton(parent) {
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
    }

    QString mark;           // text drawn when there is no picture
    QPixmap glyph;
    int pieces = 1;
    bool flat = false;      // the L-variants: the caption alone
    QFont markFont;
    QColor markColor;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!flat) {
            QStyleOptionButton o;
            o.initFrom(this);
            o.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
            style()->drawControl(QStyle::CE_PushButtonBevel, &o, &p, this);
        }
        if (!glyph.isNull() && !flat) {
            const int w = glyph.width() / pieces;
            const int index = !isEnabled() && pieces > 1 ? 1 : isDown() && pieces > 2 ? 2 : 0;
            const QPixmap piece = glyph.copy(index * w, 0, w, glyph.height());
            const QSize s = piece.deviceIndependentSize().toSize();
            p.drawPixmap(QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s), piece);
            return;
        }
        p.setFont(flat ? markFont : font());
        p.setPen(flat && isEnabled() ? markColor : palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                                                       QPalette::ButtonText));
        p.drawText(rect(), Qt::AlignCenter, mark);
    }
};

TKVCustomComboEdit::TKVCustomComboEdit(QWidget* parent) : QLineEdit(parent), button_(new TKVEditButton(this)) {
    connect(button_, &QAbstractButton::clicked, this, &TKVCustomComboEdit::clickButton);
    connect(this, &QLineEdit::textEdited, this, [this] {
        enforceLimits(this);
        textEditedByUser(text());
    });
    refreshButton();
    layoutButton();
}

QAbstractButton* TKVCustomComboEdit::button() const { return button_; }

void TKVCustomComboEdit::setButtonCaption(const QString& caption) {
    caption_ = caption;
    refreshButton();
}

QString TKVCustomComboEdit::ButtonHint() const { return button_->toolTip(); }

void TKVCustomComboEdit::setButtonHint(const QString& hint) { button_->setToolTip(hint); }

void TKVCustomComboEdit::setDirectInput(bool on) {
    directInput_ = on;
    updateReadOnly();
}

void TKVCustomComboEdit::setGlyphKind(TGlyphKind kind) {
    kind_ = kind;
    refreshButton();
}

void TKVCustomComboEdit::setGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    refreshButton();
}

void TKVCustomComboEdit::setNumGlyphs(int n) {
    numGlyphs_ = qMax(1, n);
    refreshButton();
}

void TKVCustomComboEdit::setButtonWidth(int width) {
    buttonWidth_ = qMax(0, width);
    layoutButton();
}

void TKVCustomComboEdit::setButtonEnabled(bool on) {
    buttonEnabled_ = on;
    button_->setEnabled(on);
}

void TKVCustomComboEdit::setButtonVisible(bool on) {
    buttonVisible_ = on;
    layoutButton();
}

void TKVCustomComboEdit::setReadOnly(bool on) {
    readOnly_ = on;
    updateReadOnly();
}

void TKVCustomComboEdit::updateReadOnly() { QLineEdit::setReadOnly(locked() || !directInput_); }

void TKVCustomComboEdit::setCaptionStyle(bool on) {
    captionStyle_ = on;
    refreshButton();
}

void TKVCustomComboEdit::setCaptionFont(const std::optional<QFont>& font) {
    captionFont_ = font;
    refreshButton();
}

void TKVCustomComboEdit::setCaptionColor(const QColor& color) {
    captionColor_ = color;
    refreshButton();
}

QColor TKVCustomComboEdit::captionColor() const {
    return captionColor_.isValid() ? captionColor_ : palette().color(QPalette::Text);
}

bool TKVCustomComboEdit::canPress() const {
    return buttonEnabled_ && buttonVisible_ && buttonWidth_ > 0 && !locked();
}

void TKVCustomComboEdit::clickButton() {
    if (!canPress()) return;
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
    const QString before = text();
    if (OnButtonClick) OnButtonClick();
    emit buttonClicked();
    if (text() != before) textEditedByUser(text());
}

void TKVCustomComboEdit::refreshButton() {
    button_->flat = captionStyle_;
    button_->markFont = captionFont();
    button_->markColor = captionColor();
    const bool picture = !captionStyle_ && kind_ == TGlyphKind::gkCustom && !glyph_.isNull();
    button_->glyph = picture ? glyph_ : QPixmap();
    button_->pieces = numGlyphs_;
    QString mark = caption_;
    if (!captionStyle_) {
        switch (kind_) {
        case TGlyphKind::gkCustom: break;
        case TGlyphKind::gkDefault:
            if (mark.isEmpty()) mark = QStringLiteral("▼");
            break;
        case TGlyphKind::gkDropDown: mark = QStringLiteral("▼"); break;
        case TGlyphKind::gkEllipsis: mark = QStringLiteral("…"); break;
        }
    }
    button_->mark = mark;
    button_->setText(mark);
    button_->update();
}

// The button is 21 wide and, in a field 21 high, 17 high: the field's height less its frame.
void TKVCustomComboEdit::layoutButton() {
    const bool shown = buttonVisible_ && buttonWidth_ > 0;
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    button_->setGeometry(width() - frame - buttonWidth_, frame, buttonWidth_, qMax(0, height() - 2 * frame));
    button_->setVisible(shown);
    setTextMargins(0, 0, shown ? buttonWidth_ : 0, 0);
}

void TKVCustomComboEdit::resizeEvent(QResizeEvent* e) {
    QLineEdit::resizeEvent(e);
    layoutButton();
}

void TKVCustomComboEdit::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) refreshButton();
    if (e->type() == QEvent::StyleChange) layoutButton();
}

void TKVCustomComboEdit::focusInEvent(QFocusEvent* e) {
    if (enter(this)) typedFocusIn();
    QLineEdit::focusInEvent(e);
}

void TKVCustomComboEdit::focusOutEvent(QFocusEvent* e) {
    if (leave(this, e->reason())) typedFocusOut();
    QLineEdit::focusOutEvent(e);
}

void TKVCustomComboEdit::keyPressEvent(QKeyEvent* e) {
    const QKeySequence pressed(QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(e->key())));
    if (!clickKey_.isEmpty() && pressed == clickKey_ && canPress()) {
        clickButton();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;  // accepted: no default button of the window fires
    }
    if (!typedKey(this, e)) QLineEdit::keyPressEvent(e);
}

void TKVCustomComboEdit::inputMethodEvent(QInputMethodEvent* e) {
    typedCommit(this, e);
    QLineEdit::inputMethodEvent(e);
}

}  // namespace kv
