#include "controls/KV3DLabel.h"

#include <QEvent>
#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>

namespace kv {

TKV3DLabel::TKV3DLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    resize(66, 18);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    updateShortcut();
    adjustBounds();
}

void TKV3DLabel::setText(const QString& t) {
    text_ = t;
    updateShortcut();
    adjustBounds();
    update();
}

void TKV3DLabel::setDrawType(TDrawType t) {
    drawType_ = t;
    adjustBounds();
    update();
}

void TKV3DLabel::setShadowIndent(int v) {
    if (v < -50 || v > 50) return;
    indent_ = v;
    adjustBounds();
    update();
}

void TKV3DLabel::setTransparent(bool on) {
    transparent_ = on;
    setAutoFillBackground(!on);
    update();
}

void TKV3DLabel::setAutoSize(bool on) {
    autoSize_ = on;
    setSizePolicy(on ? QSizePolicy::Fixed : QSizePolicy::Preferred, on ? QSizePolicy::Fixed : QSizePolicy::Preferred);
    adjustBounds();
}

void TKV3DLabel::setShowAccelChar(bool on) {
    showAccel_ = on;
    updateShortcut();
    adjustBounds();
    update();
}

void TKV3DLabel::setWordWrap(bool on) {
    wordWrap_ = on;
    adjustBounds();
    update();
}

void TKV3DLabel::setAlignment(Qt::Alignment a) {
    alignment_ = a & Qt::AlignHorizontal_Mask;
    update();
}

int TKV3DLabel::textFlags() const {
    return int(alignment_) | Qt::AlignTop | (wordWrap_ ? Qt::TextWordWrap : 0) | (showAccel_ ? Qt::TextShowMnemonic : 0);
}

int TKV3DLabel::extra() const { return drawType_ == TDrawType::dtShadow ? qAbs(indent_) : 0; }

QSize TKV3DLabel::extent() const {
    // An empty caption still takes a line.
    const QString measured = text_.isEmpty() ? QStringLiteral(" ") : text_;
    const int wrapWidth = wordWrap_ ? qMax(1, width() - 2 - extra()) : 0x3fffff;
    const QRect r = QFontMetrics(font()).boundingRect(QRect(0, 0, wrapWidth, 0x3fffff), textFlags(), measured);
    return r.size() + QSize(2 + extra(), 2 + extra());
}

QSize TKV3DLabel::sizeHint() const { return autoSize_ ? extent() : QWidget::sizeHint(); }

void TKV3DLabel::adjustBounds() {
    updateGeometry();
    if (!autoSize_) return;
    const QSize s = extent();
    QRect g = geometry();
    if (alignment_ & Qt::AlignRight) g.setLeft(g.right() + 1 - s.width());
    g.setSize(s);
    setGeometry(g);
}

void TKV3DLabel::updateShortcut() {
    if (shortcutId_) releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    if (!showAccel_) return;
    const QKeySequence key = QKeySequence::mnemonic(text_);
    if (!key.isEmpty()) shortcutId_ = grabShortcut(key);
}

void TKV3DLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    const int flags = textFlags();
    const QRect base = rect().adjusted(1, 1, -1 - extra(), -1 - extra());
    const auto draw = [&](const QColor& c, const QRect& r) {
        p.setPen(c);
        p.drawText(r, flags, text_);
    };
    if (!isEnabled()) return draw(palette().color(QPalette::Disabled, QPalette::WindowText), base);
    QRect textRect = base;
    switch (drawType_) {
    case TDrawType::dtNone: break;
    case TDrawType::dtShadow:
        // A negative indent moves the text itself; the copy stays where the text was.
        if (indent_ >= 0) draw(DarkColor, base.translated(indent_, indent_));
        else {
            draw(DarkColor, base);
            textRect = base.translated(-indent_, -indent_);
        }
        break;
    case TDrawType::dtLightRaised: draw(LightColor, base.translated(-1, -1)); break;
    case TDrawType::dtHeavyRaised:
        draw(LightColor, base.translated(-1, -1));
        draw(DarkColor, base.translated(1, 1));
        break;
    case TDrawType::dtLightInsert: draw(LightColor, base.translated(1, 1)); break;
    case TDrawType::dtHeavyInsert:
        draw(LightColor, base.translated(1, 1));
        draw(DarkColor, base.translated(-1, -1));
        break;
    }
    draw(palette().color(QPalette::WindowText), textRect);
}

bool TKV3DLabel::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->shortcutId() == shortcutId_) {
        if (focusControl_) focusControl_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (e->type() == QEvent::FontChange) adjustBounds();
    return QWidget::event(e);
}

void TKV3DLabel::enterEvent(QEnterEvent* e) {
    if (OnMouseEnter) OnMouseEnter();
    QWidget::enterEvent(e);
}

void TKV3DLabel::leaveEvent(QEvent* e) {
    if (OnMouseLeave) OnMouseLeave();
    QWidget::leaveEvent(e);
}

}  // namespace kv
