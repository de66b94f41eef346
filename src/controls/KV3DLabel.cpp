#include "controls/KV3DLabel.h"

#include <QPainter>

namespace kv {

TKV3DLabel::TKV3DLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) { resize(66, 18); }

void TKV3DLabel::setText(const QString& t) {
    text_ = t;
    updateGeometry();
    update();
}

QSize TKV3DLabel::sizeHint() const {
    const QFontMetrics fm(font());
    return fm.size(0, text_) + QSize(qAbs(indent_) + 2, qAbs(indent_) + 2);
}

void TKV3DLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    const QRect r = rect().adjusted(1, 1, -qAbs(indent_) - 1, -qAbs(indent_) - 1);
    const int flags = Qt::AlignCenter;
    const int heavy = (DrawType == TDrawType::dtHeavyRaised || DrawType == TDrawType::dtHeavyInsert) ? 2 : 1;
    const auto draw = [&](const QColor& c, int dx, int dy) {
        p.setPen(c);
        p.drawText(r.translated(dx, dy), flags, text_);
    };
    switch (DrawType) {
    case TDrawType::dtShadow: draw(DarkColor, indent_, indent_); break;
    case TDrawType::dtLightRaised:
    case TDrawType::dtHeavyRaised:
        draw(LightColor, -1, -1);
        draw(DarkColor, heavy, heavy);
        break;
    case TDrawType::dtLightInsert:
    case TDrawType::dtHeavyInsert:
        draw(DarkColor, -1, -1);
        draw(LightColor, heavy, heavy);
        break;
    case TDrawType::dtNone: break;
    }
    draw(palette().color(QPalette::WindowText), 0, 0);
}

}  // namespace kv
