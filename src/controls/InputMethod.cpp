#include "controls/InputMethod.h"

namespace kv {

namespace {
QString& lastName() {
    static QString name;
    return name;
}
}  // namespace

QString LastInputMethod() { return lastName(); }

void SetLastInputMethod(const QString& name) { lastName() = name; }

}  // namespace kv
