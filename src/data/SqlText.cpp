#include "data/SqlText.h"

namespace kv {

QString Escaped(const QString& value) {
    QString out = value;
    out.replace(QLatin1Char('\''), QStringLiteral("''"));
    return out;
}

QString Quoted(const QString& value) { return QLatin1Char('\'') + Escaped(value) + QLatin1Char('\''); }

QString DateLiteral(const QDate& date) {
    return QLatin1Char('\'') + date.toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char('\'');
}

QString DateLiteral(const QString& isoDate) {
    return DateLiteral(QDate::fromString(isoDate.left(10), Qt::ISODate));
}

}  // namespace kv
