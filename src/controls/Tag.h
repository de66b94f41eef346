#pragma once
#include <QObject>
#include <QVariant>

namespace kv {
// A control's Tag: a number the window gives it that the look rules read.
inline int Tag(const QObject* o) { return o ? o->property("Tag").toInt() : 0; }
inline void SetTag(QObject* o, int tag) { o->setProperty("Tag", tag); }
}  // namespace kv
