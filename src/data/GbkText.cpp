#include "data/GbkText.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace kv {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; a sequence that cannot be converted becomes one '?' and the
    // walk goes on after `skip(bytes, left)` input bytes.
    template <typename Skip>
    QByteArray convert(const QByteArray& in, qsizetype reserve, Skip skip) {
        QByteArray out(reserve + 8, Qt::Uninitialized);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.constData());
        size_t inLeft = static_cast<size_t>(in.size());
        qsizetype used = 0;
        while (inLeft > 0) {
            char* outPtr = out.data() + used;
            size_t outLeft = static_cast<size_t>(out.size() - used);
            const size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            used = outPtr - out.data();
            if (r != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            if (used == out.size()) out.resize(out.size() * 2);
            out[used++] = '?';
            const size_t n = std::min(inLeft, skip(reinterpret_cast<const unsigned char*>(inPtr), inLeft));
            inPtr += n;
            inLeft -= n;
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

bool IsAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

size_t Utf8SequenceLength(const unsigned char* p, size_t left) {
    const unsigned char b = p[0];
    size_t n = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    return n <= left ? n : left;
}

bool IsGbkLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Calls f(first QChar index, QChar count, GBK bytes) for every character of the text.
// Each code point is one GBK character (a '?' of one byte when GBK lacks it).
template <typename F>
void ForEachCharacter(const QString& text, F f) {
    const QByteArray gbk = ToGbk(text);
    qsizetype at = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype count =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        int bytes = 1;
        if (at < gbk.size() && IsGbkLead(static_cast<unsigned char>(gbk[at])) && at + 1 < gbk.size()) bytes = 2;
        at += bytes;
        f(i, count, bytes);
        i += count;
    }
}

}  // namespace

QByteArray ToGbk(const QString& text) {
    if (IsAscii(text)) return text.toLatin1();
    thread_local Converter converter("GBK", "UTF-8");
    const QByteArray utf8 = text.toUtf8();
    if (!converter.valid()) {
        QByteArray out;
        for (QChar c : text) out += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
        return out;
    }
    // A GBK character is never longer than its UTF-8 form.
    return converter.convert(utf8, utf8.size(), Utf8SequenceLength);
}

QString FromGbk(const QByteArray& bytes) {
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return QString::fromLatin1(bytes);
    thread_local Converter converter("UTF-8", "GBK");
    if (!converter.valid()) return QString::fromLatin1(bytes);
    // A broken byte pair costs one '?' per byte, so the next character is kept.
    const QByteArray utf8 =
        converter.convert(bytes, bytes.size() * 3 / 2, [](const unsigned char*, size_t) { return size_t{1}; });
    return QString::fromUtf8(utf8);
}

int GbkLength(const QString& text) {
    if (IsAscii(text)) return static_cast<int>(text.size());
    return static_cast<int>(ToGbk(text).size());
}

QString GbkLeft(const QString& text, int maxBytes) {
    if (maxBytes <= 0) return {};
    if (IsAscii(text)) return text.left(maxBytes);
    qsizetype end = 0;
    int total = 0;
    bool full = false;
    ForEachCharacter(text, [&](qsizetype i, qsizetype count, int bytes) {
        if (full || total + bytes > maxBytes) {
            full = true;
            return;
        }
        total += bytes;
        end = i + count;
    });
    return text.left(end);
}

QString TextPiece(const QString& text, const QString& separator, int n) {
    if (separator.isEmpty()) return n == 0 || n == -1 ? text : QString();
    if (n == -1) {
        const qsizetype last = text.lastIndexOf(separator);
        return last < 0 ? text : text.mid(last + separator.size());
    }
    if (n < 0) return {};
    qsizetype start = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype at = text.indexOf(separator, start);
        if (at < 0) return {};
        start = at + separator.size();
    }
    const qsizetype end = text.indexOf(separator, start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

QString WrapText(const QString& text, int width) {
    if (width <= 0) return text;
    QString out;
    out.reserve(text.size() + text.size() / width * 2 + 2);
    int line = 0;
    // Walks whole GBK characters: a double-byte one that would straddle the width starts
    // the next line instead, so no line ends in half a character.
    ForEachCharacter(text, [&](qsizetype i, qsizetype count, int bytes) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            out += c;
            line = 0;
            return;
        }
        if (line > 0 && line + bytes > width) {
            out += QStringLiteral("\r\n");
            line = 0;
        }
        out += QStringView(text).mid(i, count);
        line += bytes;
    });
    return out;
}

QString PadZeros(const QString& numberText, int width) {
    if (width <= 0) return {};
    return (QStringLiteral("000000000") + numberText).right(width);
}

QString PadSpaces(const QString& text, int width) {
    if (width <= 0) return {};
    const QString padded = text + QString(49, u' ');
    QString cut = GbkLeft(padded, width);
    const int length = GbkLength(cut);
    // The cut fell inside a double-byte character: a blank keeps the column width.
    if (length < width && length < GbkLength(padded)) cut += u' ';
    return cut;
}

}  // namespace kv
