#include "data/Amounts.h"

#include "data/MessageService.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kv {
namespace {

// Adds one to the last digit of a digit string (a '.' is stepped over), carrying left.
void IncrementLast(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        char& c = digits[i];
        if (c == '.') continue;
        if (c != '9') {
            ++c;
            return;
        }
        c = '0';
    }
    digits.insert(digits.begin(), '1');
}

bool AllZero(const std::string& text) {
    for (char c : text)
        if (c >= '1' && c <= '9') return false;
    return true;
}

QString Signed(bool negative, const std::string& magnitude) {
    // A value that rounds to nothing reads without a sign.
    const bool minus = negative && !AllZero(magnitude);
    return QString::fromLatin1((minus ? "-" : "") + magnitude);
}

const QString kDigitWords[10] = {
    QStringLiteral("零"), QStringLiteral("壹"), QStringLiteral("贰"), QStringLiteral("叁"),
    QStringLiteral("肆"), QStringLiteral("伍"), QStringLiteral("陆"), QStringLiteral("柒"),
    QStringLiteral("捌"), QStringLiteral("玖")};

QString DigitWord(QChar c) { return kDigitWords[c.unicode() - '0']; }

// Words of one group of up to four digits without its leading zeros: an inner run of
// zeros reads as one 零, trailing zeros read as nothing.
QString GroupWords(const QString& group) {
    static const QString units[4] = {QString(), QStringLiteral("拾"), QStringLiteral("佰"),
                                     QStringLiteral("仟")};
    QString words;
    bool zeroRun = false;
    for (int i = 0; i < group.size(); ++i) {
        const QChar c = group[i];
        if (c == u'0') {
            zeroRun = !words.isEmpty();
            continue;
        }
        if (zeroRun) words += kDigitWords[0];
        zeroRun = false;
        words += DigitWord(c) + units[group.size() - 1 - i];
    }
    return words;
}

// Integer part in groups of four (亿, 万, units). A group after a higher non-zero group
// gets one 零 when zeros separate it from that group: its own leading zeros or an
// all-zero group in between (100101 壹拾万零壹佰零壹, 100001000 壹亿零壹仟). An all-zero
// group writes neither words nor its unit, so 100000000 reads 壹亿 with no empty 万.
QString IntegerWords(const QString& digits) {
    if (digits.size() > 12) {
        ShowWarning(QStringLiteral("所处理数据超出范围!"));
        return {};
    }
    static const QString groupUnits[3] = {QStringLiteral("亿"), QStringLiteral("万"), QString()};
    const int groups = (digits.size() + 3) / 4;
    int start = 0;
    int length = digits.size() - 4 * (groups - 1);
    QString words;
    bool zerosBefore = false;
    for (int g = 0; g < groups; ++g) {
        const QString group = digits.mid(start, length);
        start += length;
        length = 4;
        const bool started = !words.isEmpty();
        if (group.count(u'0') == group.size()) {
            zerosBefore = zerosBefore || started;
            continue;
        }
        if (started && (zerosBefore || group.startsWith(u'0'))) words += kDigitWords[0];
        words += GroupWords(group) + groupUnits[3 - groups + g];
        zerosBefore = false;
    }
    return words;
}

// ".JF": tenths and hundredths.
QString DecimalWords(const QString& fraction) {
    if (fraction.size() > 3) ShowWarning(QStringLiteral("数据出错"));
    const QChar tenths = fraction.size() > 1 ? fraction[1] : QChar(u'0');
    const QChar hundredths = fraction.size() > 2 ? fraction[2] : QChar(u'0');
    const QString jiao = QStringLiteral("角");
    const QString fen = QStringLiteral("分");
    if (tenths == u'0' && hundredths == u'0') return {};
    if (tenths == u'0') return kDigitWords[0] + DigitWord(hundredths) + fen;
    if (hundredths == u'0') return DigitWord(tenths) + jiao;
    return DigitWord(tenths) + jiao + DigitWord(hundredths) + fen;
}

// "###,###.####" of a plain decimal text with at most four decimals: grouped, no
// trailing zeros, empty for zero. The integer part is never left empty before a point,
// so -0.5 reads -0.5 rather than -.5.
QString GroupedMinimal(const QString& plain) {
    QString t = plain;
    const bool negative = t.startsWith(u'-');
    if (negative) t.remove(0, 1);
    const int dot = t.indexOf(u'.');
    QString whole = dot < 0 ? t : t.left(dot);
    QString fraction = dot < 0 ? QString() : t.mid(dot + 1);
    while (fraction.endsWith(u'0')) fraction.chop(1);
    while (whole.startsWith(u'0')) whole.remove(0, 1);
    if (whole.isEmpty() && fraction.isEmpty()) return {};
    for (int i = whole.size() - 3; i > 0; i -= 3) whole.insert(i, u',');
    if (whole.isEmpty()) whole = QStringLiteral("0");
    QString result = negative ? QStringLiteral("-") + whole : whole;
    if (!fraction.isEmpty()) result += u'.' + fraction;
    return result;
}

}  // namespace

QString Fixed(int decimals, long double value) {
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) value = 0;  // never let "nan" or "inf" reach SQL text
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", value);  // 18 significant digits
    const bool negative = buffer[0] == '-';
    const char* p = buffer + (negative ? 1 : 0);
    std::string digits;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;

    // Place the point: intLength digits before it.
    int intLength = exponent + 1;
    if (intLength < 1) {
        digits.insert(0, static_cast<size_t>(1 - intLength), '0');
        intLength = 1;
    }
    const size_t wanted = static_cast<size_t>(intLength + decimals + 1);
    if (digits.size() < wanted) digits.append(wanted - digits.size(), '0');

    // Half away from zero on the decimal text, not on the binary value.
    const bool up = digits[wanted - 1] >= '5';
    digits.resize(wanted - 1);
    if (up) {
        const size_t before = digits.size();
        IncrementLast(digits);
        intLength += static_cast<int>(digits.size() - before);
    }
    std::string whole = digits.substr(0, static_cast<size_t>(intLength));
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    std::string text = whole;
    if (decimals > 0) text += '.' + digits.substr(static_cast<size_t>(intLength));
    return Signed(negative, text);
}

QString RoundText(int decimals, const QString& mode, double value) {
    const int k = decimals >= 1 && decimals <= 9 ? decimals : 0;
    // Shifting the k+1-decimal text by -u, +u, +2u or +3u and rounding half up equals
    // carrying when its last digit reaches 6, 4, 3 or 2. Done on the digits, so a text
    // such as 1.16 cannot fall below 1.15 through binary arithmetic; done on the absolute
    // value, so negative amounts round as the mirror of positive ones.
    int carryFrom = 0;
    if (mode == QStringLiteral("五舍六入")) carryFrom = 6;
    else if (mode == QStringLiteral("三舍四入")) carryFrom = 4;
    else if (mode == QStringLiteral("二舍三入")) carryFrom = 3;
    else if (mode == QStringLiteral("一舍二入")) carryFrom = 2;

    QString result;
    if (carryFrom == 0) {
        result = Fixed(k, value);
    } else {
        std::string text = Fixed(k + 1, std::fabs(static_cast<long double>(value))).toStdString();
        const int last = text.back() - '0';
        text.pop_back();
        if (text.back() == '.') text.pop_back();
        if (last >= carryFrom) IncrementLast(text);
        result = Signed(value < 0, text);
    }
    return result.isEmpty() ? QStringLiteral("0") : result;
}

QString FormatMoney(int decimals, bool withSign, double value) {
    int d = decimals;
    if (d > 4 && d != 10) d = 4;
    if (d < 0) d = 0;
    QString t = GroupedMinimal(RoundText(d == 10 ? 2 : d, QStringLiteral("四舍五入"), value));
    if (d >= 1 && d <= 4) {
        if (t.isEmpty()) t = QStringLiteral("0.0000");
        else if (t.contains(u'.')) t += QStringLiteral("0000");
        else t += QStringLiteral(".0000");
        t.truncate(t.indexOf(u'.') + 1 + d);
    } else if (t.isEmpty()) {
        return withSign ? QStringLiteral("￥0.00") : QStringLiteral("0");
    }
    return withSign ? QStringLiteral("￥") + t : t;
}

double ParseMoney(const QString& text) {
    QString t = text;
    t.remove(u',');
    t = t.trimmed();
    if (t.isEmpty()) return 0;
    bool ok = false;
    const double value = t.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

QString AmountInWords(const QString& amountText) {
    QString t = amountText.trimmed();
    if (t.isEmpty()) t = QStringLiteral("0");
    const bool negative = t.startsWith(u'-');
    if (negative) t.remove(0, 1);

    const QString fixed = Fixed(2, std::fabs(ParseMoney(t)));
    const int dot = fixed.indexOf(u'.');
    const QString whole = fixed.left(dot);
    const QString fraction = fixed.mid(dot);
    if (fraction == QStringLiteral(".00") && whole == QStringLiteral("0")) return {};

    QString words = IntegerWords(whole) + QStringLiteral("元");
    if (fraction != QStringLiteral(".00")) words += DecimalWords(fraction);
    if (!words.contains(QStringLiteral("分"))) words += QStringLiteral("整");
    // Below one yuan there is no 元; dropped before the sign so -0.05 reads 负零伍分.
    if (words.startsWith(QStringLiteral("元"))) words.remove(0, 1);
    return negative ? QStringLiteral("负") + words : words;
}

}  // namespace kv
