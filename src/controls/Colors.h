#pragma once
#include <QColor>

namespace kv {
// $BBGGRR, the way the system writes its colours.
inline QColor ColorFromBgr(unsigned bgr) { return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff); }
inline unsigned BgrFromColor(const QColor& c) { return unsigned(c.red()) | unsigned(c.green()) << 8 | unsigned(c.blue()) << 16; }
}  // namespace kv
