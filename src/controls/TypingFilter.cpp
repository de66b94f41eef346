#include "controls/TypingFilter.h"

namespace kv {

QChar DecimalSeparator() { return QLatin1Char('.'); }

FilterResult FilterKey(TEditTypes type, QChar key, const QString& text, int selectionStart, int maxLength) {
    FilterResult r;
    r.replacement = key;
    const auto reject = [&r] {
        r.accepted = false;
        return r;
    };
    const bool isFloat = type == TEditTypes::etFloat;
    const bool numeric = isFloat || type == TEditTypes::etInteger;
    // Typing over a selection from the first character starts a new value: left alone.
    if (numeric && selectionStart == 0) return r;

    const QChar minus = QLatin1Char('-');
    // A signed whole number needs room for the sign and ten digits.
    if (type == TEditTypes::etInteger && maxLength == 0 && (key == minus || text.contains(minus)))
        r.newMaxLength = 11;

    if (key == QChar(8) || key == QChar(13)) return r;
    const bool digit = key >= QLatin1Char('0') && key <= QLatin1Char('9');
    switch (type) {
    case TEditTypes::etString:
    case TEditTypes::etPhone: return r;
    case TEditTypes::etInteger:
    case TEditTypes::etFloat:
        if (digit) return r;
        if (key == minus) return text.contains(minus) ? reject() : r;
        if (isFloat && (key == QLatin1Char(',') || key == QLatin1Char('.'))) {
            if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('.'))) return reject();
            r.replacement = DecimalSeparator();
            return r;
        }
        return reject();
    case TEditTypes::etDate:
        if (digit || key == minus || key == QLatin1Char('/')) return r;
        return reject();
    case TEditTypes::etTime:
        if (digit || key == QLatin1Char(':')) return r;
        return reject();
    }
    return r;
}

}  // namespace kv
