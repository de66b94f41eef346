#pragma once
// The typing filters of the entry controls, free of widgets so tests call them directly.

#include <QChar>
#include <QString>

namespace kv {

enum class TEditTypes { etString, etInteger, etFloat, etDate, etTime, etPhone };

struct FilterResult {
    bool accepted = true;
    QChar replacement;      // the character to insert when accepted (the decimal separator for "," / ".")
    int newMaxLength = -1;  // >= 0: the control's maximum length becomes this (also for a rejected key)
};

// The separator a typed "," or "." becomes. Numbers are read back with QString::toDouble
// (C locale), so it is "." whatever the desktop's locale says.
QChar DecimalSeparator();

// key: one typed character (Backspace is 8, Enter 13); text: the current text, selection
// included; selectionStart: -1 without a selection; maxLength: 0 for none.
//
// "#", "$", "%" and the apostrophe are rejected in number, date and time fields: the
// old accept lists held them because End, Home, Left and Right share their key codes.
// Navigation keys never reach the filter (they carry no text), so they keep working.
FilterResult FilterKey(TEditTypes type, QChar key, const QString& text, int selectionStart, int maxLength);

}  // namespace kv
