#include "data/Dialect.h"

#include <QHash>
#include <QMutex>
#include <QRegularExpression>

namespace kv {
namespace {

enum class Tok { Space, Word, String, QuotedName, Param, Punct };

struct Token {
    Tok kind;
    QString text;  // as written; Param without its colon
};

bool isWordStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }

QList<Token> tokenize(const QString& s, bool params) {
    QList<Token> out;
    const int n = s.size();
    int i = 0;
    while (i < n) {
        const QChar c = s[i];
        const int start = i;
        if (c.isSpace()) {
            while (i < n && s[i].isSpace()) ++i;
            out.append({Tok::Space, s.mid(start, i - start)});
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (s[i] == c) {
                    if (i + 1 < n && s[i + 1] == c) { i += 2; continue; }
                    ++i;
                    break;
                }
                ++i;
            }
            out.append({c == QLatin1Char('\'') ? Tok::String : Tok::QuotedName, s.mid(start, i - start)});
        } else if (isWordStart(c) || c.isDigit()) {
            while (i < n && (isWordChar(s[i]) || (c.isDigit() && s[i] == QLatin1Char('.')))) ++i;
            out.append({Tok::Word, s.mid(start, i - start)});
        } else if (params && c == QLatin1Char(':') && i + 1 < n && isWordStart(s[i + 1])) {
            ++i;
            while (i < n && isWordChar(s[i])) ++i;
            out.append({Tok::Param, s.mid(start + 1, i - start - 1)});
        } else if (c == QLatin1Char('-') && i + 1 < n && s[i + 1] == QLatin1Char('-')) {
            while (i < n && s[i] != QLatin1Char('\n')) ++i;
            out.append({Tok::Space, QStringLiteral(" ")});
        } else {
            ++i;
            // keep two-character operators together so that nothing splits them
            if (i < n && ((c == QLatin1Char('<') && (s[i] == QLatin1Char('>') || s[i] == QLatin1Char('='))) ||
                          (c == QLatin1Char('>') && s[i] == QLatin1Char('=')) ||
                          (c == QLatin1Char('!') && s[i] == QLatin1Char('=')) ||
                          (c == QLatin1Char('|') && s[i] == QLatin1Char('|'))))
                ++i;
            out.append({Tok::Punct, s.mid(start, i - start)});
        }
    }
    return out;
}

bool isWord(const Token& t, const char* word) {
    return t.kind == Tok::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}
bool isPunct(const Token& t, const char* p) { return t.kind == Tok::Punct && t.text == QLatin1String(p); }

// 'M/D/YYYY' -> 'YYYY-MM-DD'; other strings unchanged.
QString dateLiteral(const QString& quoted) {
    static const QRegularExpression re(QStringLiteral("^'(\\d{1,2})/(\\d{1,2})/(\\d{4})'$"));
    const auto m = re.match(quoted);
    if (!m.hasMatch()) return quoted;
    const int month = m.captured(1).toInt();
    const int day = m.captured(2).toInt();
    if (month < 1 || month > 12 || day < 1 || day > 31) return quoted;
    return QStringLiteral("'%1-%2-%3'")
        .arg(m.captured(3))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

bool endsWithDb(const QString& name) { return name.endsWith(QLatin1String(".DB"), Qt::CaseInsensitive); }

class Translator {
public:
    Translator(QList<Token> tokens, QStringList& params) : t_(std::move(tokens)), params_(params) {}

    // Translates tokens [i, end) where end is the index of a closing parenthesis or
    // a stop word at depth 0 (FROM / FOR inside the special functions).
    QString run(int& i, const QStringList& stopWords = {}) {
        QString out;
        int depth = 0;
        while (i < t_.size()) {
            const Token& tok = t_[i];
            if (depth == 0 && isPunct(tok, ")") && !stopWords.isEmpty()) break;
            if (depth == 0 && tok.kind == Tok::Word && stopWords.contains(tok.text.toUpper())) break;
            if (isPunct(tok, "(")) ++depth;
            if (isPunct(tok, ")")) --depth;
            out += translateOne(i);
        }
        return out;
    }

private:
    int nextSolid(int i) const {
        while (i < t_.size() && t_[i].kind == Tok::Space) ++i;
        return i;
    }

    QString translateOne(int& i) {
        const Token& tok = t_[i];
        switch (tok.kind) {
        case Tok::String:
            ++i;
            return dateLiteral(tok.text);
        case Tok::QuotedName: {
            ++i;
            QString inner = tok.text.mid(1, tok.text.size() - 2);
            if (endsWithDb(inner)) return inner.left(inner.size() - 3);
            return tok.text;
        }
        case Tok::Param:
            ++i;
            if (!params_.contains(tok.text)) params_.append(tok.text);
            return QLatin1Char(':') + tok.text;
        case Tok::Word: {
            // TABLE.DB -> TABLE: the tokenizer stops words at '.', so look ahead.
            if (i + 2 < t_.size() && isPunct(t_[i + 1], ".") && isWord(t_[i + 2], "DB") &&
                tok.text.endsWith(QLatin1String("_TABLE"), Qt::CaseInsensitive)) {
                i += 3;
                return tok.text;
            }
            const int open = nextSolid(i + 1);
            if (open < t_.size() && isPunct(t_[open], "(")) {
                if (isWord(tok, "EXTRACT")) return extract(i, open);
                if (isWord(tok, "SUBSTRING")) return substring(i, open);
            }
            ++i;
            return tok.text;
        }
        default: {
            // "= :OLD_X" finds the row as read, a NULL column included.
            const int next = nextSolid(i + 1);
            ++i;
            if (tok.kind == Tok::Punct && tok.text == QLatin1String("=") && next < t_.size() &&
                t_[next].kind == Tok::Param && t_[next].text.startsWith(QLatin1String("OLD_"), Qt::CaseInsensitive))
                return QStringLiteral("IS");
            return tok.text;
        }
        }
    }

    // EXTRACT(YEAR FROM x) -> CAST(strftime('%Y', x) AS INTEGER)
    QString extract(int& i, int open) {
        int j = nextSolid(open + 1);
        if (j >= t_.size()) { ++i; return t_[i - 1].text; }
        const QString part = t_[j].text.toUpper();
        const char* fmt = part == QLatin1String("YEAR") ? "%Y" : part == QLatin1String("MONTH") ? "%m"
                                                       : part == QLatin1String("DAY") ? "%d" : nullptr;
        const int from = nextSolid(j + 1);
        if (!fmt || from >= t_.size() || !isWord(t_[from], "FROM")) { ++i; return t_[i - 1].text; }
        int k = from + 1;
        const QString expr = run(k, {QStringLiteral("\x01")}).trimmed();
        if (k < t_.size()) ++k;  // the closing parenthesis
        i = k;
        return QStringLiteral("CAST(strftime('%1', %2) AS INTEGER)").arg(QLatin1String(fmt), expr);
    }

    // SUBSTRING(x FROM a FOR b) -> substr(x, a, b)
    QString substring(int& i, int open) {
        int k = open + 1;
        const QString expr = run(k, {QStringLiteral("FROM")}).trimmed();
        if (k >= t_.size() || !isWord(t_[k], "FROM")) {  // ordinary call with commas
            i = k < t_.size() ? k + 1 : k;
            return QStringLiteral("substr(") + expr + QLatin1Char(')');
        }
        ++k;
        const QString start = run(k, {QStringLiteral("FOR")}).trimmed();
        QString length;
        if (k < t_.size() && isWord(t_[k], "FOR")) {
            ++k;
            length = run(k, {QStringLiteral("\x01")}).trimmed();
        }
        if (k < t_.size()) ++k;
        i = k;
        return length.isEmpty() ? QStringLiteral("substr(%1, %2)").arg(expr, start)
                                : QStringLiteral("substr(%1, %2, %3)").arg(expr, start, length);
    }

    QList<Token> t_;
    QStringList& params_;
};

}  // namespace

Translation TranslateSql(const QString& localSql, bool parseParameters) {
    static QMutex mutex;
    static QHash<QString, Translation> cache[2];
    QMutexLocker lock(&mutex);
    auto& table = cache[parseParameters ? 1 : 0];
    auto it = table.constFind(localSql);
    if (it != table.constEnd()) return *it;
    Translation tr;
    Translator translator(tokenize(localSql, parseParameters), tr.parameters);
    int i = 0;
    tr.sql = translator.run(i);
    if (table.size() > 4096) table.clear();  // built statements with values vary without end
    return *table.insert(localSql, tr);
}

}  // namespace kv
