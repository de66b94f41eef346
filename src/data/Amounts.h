#pragma once
// Money and quantity text: fixed decimals, the five rounding modes, display text,
// the reverse parse and the amount in Chinese capital numerals.

#include <QString>

namespace kv {

// Fixed(k, v): exactly k decimals; the value expanded to 18 significant digits,
// then rounded half away from zero at the k-th decimal.
QString Fixed(int decimals, long double value);

QString RoundText(int decimals, const QString& mode, double value);
QString FormatMoney(int decimals, bool withSign, double value);
double ParseMoney(const QString& text);
QString AmountInWords(const QString& amountText);

}  // namespace kv
