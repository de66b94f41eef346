#include "controls/TypingFilter.h"

namespace kv {

FilterResult FilterKey(TEditTypes type, QChar key, const QString& text, int selectionStart, int maxLength) {
    FilterResult r;
    r.replacement = key;
    const auto reject = [&] { r.accepted = false; return r; };
    const bool control = key == QChar(8) || key == QChar(13);
    if (control) return r;
    switch (type) {
    case TEditTypes::etString:
    case TEditTypes::etPhone: return r;
    case TEditTypes::etInteger:
    case TEditTypes::etFloat: {
        // Typing over a selection from the first character replaces the whole value.
        if (selectionStart == 0) return r;
        const bool isFloat = type == TEditTypes::etFloat;
        if (key == QLatin1Char('-')) {
            if (text.contains(QLatin1Char('-'))) return reject();
            if (!isFloat && maxLength == 0) r.newMaxLength = 11;
            return r;
        }
        if (key.isDigit() && key.unicode() < 128) return r;
        if (isFloat && (key == QLatin1Char(',') || key == QLatin1Char('.'))) {
            if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('.'))) return reject();
            r.replacement = QLatin1Char('.');
            return r;
        }
        return reject();
    }
    case TEditTypes::etDate:
        if ((key.isDigit() && key.unicode() < 128) || key == QLatin1Char('-') || key == QLatin1Char('/')) return r;
        return reject();
    case TEditTypes::etTime:
        if ((key.isDigit() && key.unicode() < 128) || key == QLatin1Char(':')) return r;
        return reject();
    }
    return r;
}

}  // namespace kv
