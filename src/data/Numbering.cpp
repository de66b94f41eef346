#include "data/Numbering.h"

#include "data/GbkText.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

#include <QMutex>

namespace kv {

QString TimeStampId(const QString& prefix, const QDateTime& now) {
    static QMutex mutex;
    static QDateTime last;
    QMutexLocker lock(&mutex);
    QDateTime stamp = now;
    if (last.isValid() && stamp <= last) stamp = last.addSecs(1);
    last = stamp;
    return prefix + stamp.toString(QStringLiteral("yyMMddHHmmss"));
}

static int keyLength(const QString& kind) {
    if (kind == QLatin1String("Y")) return 4;
    if (kind == QLatin1String("M")) return 6;
    if (kind == QLatin1String("D")) return 8;
    return 0;
}

static QString keyText(const SerialRequest& r) {
    if (r.kind == QLatin1String("Y")) return r.monthKey.left(4);
    if (r.kind == QLatin1String("M")) return r.monthKey;
    if (r.kind == QLatin1String("D")) return r.dayKey;
    return {};
}

QString SerialStatement(const SerialRequest& r) {
    const int p = GbkLength(r.prefix);
    const int k = keyLength(r.kind);
    const auto n = [](int v) { return QString::number(v); };
    QString sql;
    if (r.width == 0) {
        sql = QStringLiteral("SELECT MAX(%1) From %2").arg(r.field, r.table);
    } else {
        const QString tail = QStringLiteral("SubString(%1 FROM %2 FOR %3)").arg(r.field, n(p + k + 1), n(r.width));
        sql = QStringLiteral("SELECT MAX(%1) From %2").arg(tail, r.table);
        QStringList where;
        if (r.kind == QLatin1String("C")) {
            if (p > 0) where << QStringLiteral("SubString(%1 FROM 1 FOR %2) = %3").arg(r.field, n(p), Quoted(r.prefix));
        } else if (p == 0) {
            where << QStringLiteral("SubString(%1 FROM 1 FOR %2)= %3").arg(r.field, n(k), Quoted(keyText(r)));
        } else {
            where << QStringLiteral("SubString(%1 FROM %2 FOR %3)= %4 AND  SubString(%1 FROM 1 FOR %5) = %6")
                         .arg(r.field, n(p + 1), n(k), Quoted(keyText(r)), n(p), Quoted(r.prefix));
        }
        // Only all-digit tails count: one hand-typed number with letters must not
        // stop every later number.
        where << QStringLiteral("%1 <> '' AND %1 NOT GLOB '*[^0-9]*'").arg(tail);
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    }
    if (!r.extraCondition.isEmpty())
        sql += (sql.contains(QLatin1String("WHERE"), Qt::CaseInsensitive) ? QStringLiteral(" AND ") : QStringLiteral(" WHERE ")) +
               r.extraCondition;
    return sql;
}

std::optional<QString> NextSerialNumber(const SerialRequest& r, const QString& databaseName) {
    if (r.kind == QLatin1String("D") && r.dayKey.isEmpty()) return std::nullopt;
    const QString max = QueryString(databaseName, SerialStatement(r));
    const int k = keyLength(r.kind);
    if (r.width == 0) {
        bool ok = false;
        const qlonglong m = max.trimmed().toLongLong(&ok);
        return r.prefix + QString::number((ok ? m : 0) + 1);
    }
    const int s = r.kind == QLatin1String("C") ? r.width : r.width - k;
    const qlonglong serial = (max + QStringLiteral("000000000")).left(s).toLongLong() + 1;
    return r.prefix + keyText(r) + (QStringLiteral("000000000") + QString::number(serial)).right(s);
}

}  // namespace kv
