#pragma once
// The input-method name a string field takes on entry and hands back on exit, so the
// next text field starts with the input method the user was just typing with.
//
// Linux switches input methods per desktop session (fcitx, ibus), not per control, and
// Qt has no call to pick one by name. The name is therefore only kept as state: the
// controls pass it along and other code (the form framework, settings) may read it.

#include <QString>

namespace kv {

QString LastInputMethod();
// The form framework empties it whenever a window is created.
void SetLastInputMethod(const QString& name);

// The input-method name of one control; every control starts with none.
class InputMethodName {
public:
    QString ImeName;

protected:
    void takeLastInputMethod() { ImeName = LastInputMethod(); }
    void handBackInputMethod() const { SetLastInputMethod(ImeName); }
};

}  // namespace kv
