#pragma once
// The typing filters of the entry controls, free of widgets so tests call them directly.

#include <QChar>
#include <QString>

namespace kv {

enum class TEditTypes { etString, etInteger, etFloat, etDate, etTime, etPhone };

struct FilterResult {
    bool accepted = true;
    QChar replacement;   // the character to insert when accepted (the decimal separator for "," / ".")
    int newMaxLength = -1;  // >= 0: the control's maximum length becomes this
};

// text: the current text; selectionStart: -1 without a selection.
// "#", "$", "%" and the apostrophe are never accepted in number, date and time
// fields: they are the End, Home and Left/Right key codes read as characters,
// and navigation keys reach the control without passing through the filter.
FilterResult FilterKey(TEditTypes type, QChar key, const QString& text, int selectionStart, int maxLength);

}  // namespace kv
