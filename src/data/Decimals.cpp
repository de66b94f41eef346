#include "data/Decimals.h"

#include "data/Amounts.h"
#include "data/Database.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

#include <QHash>
#include <cmath>

namespace kv {
namespace {
const QString DB = QString::fromUtf8(kDatabaseName);
QHash<QString, QString>& unitCache() {
    static QHash<QString, QString> cache;
    return cache;
}
}  // namespace

Rounding ReadDecimalSetting(const QString& windowName) {
    const QVariant row = QueryValue(DB, QStringLiteral("SELECT DECIMAL_NUMBER,SET_ABANDON FROM KV_DECIMAL_TABLE WHERE FORM_NAME = ") +
                                            Quoted(windowName));
    if (row.isNull()) return {1, QStringLiteral("四舍五入")};
    const QVariantList values = row.toList();
    return {int(std::lround(ParseMoney(values.value(0).toString()))), values.value(1).toString()};
}

QString ReadSellTax(const QString& windowName) {
    return QueryString(DB, QStringLiteral("SELECT SELL_TAX FROM KV_DECIMAL_TABLE WHERE FORM_NAME = ") + Quoted(windowName));
}

int ReadUnitDecimals(const QString& unitName) {
    QString& cached = unitCache()[unitName];
    if (cached.isEmpty()) {
        const QVariant v = QueryValue(DB, QStringLiteral("SELECT DECIMAL_NUMBER FROM KV_ENDPRODUCT_UNIT_TABLE WHERE ENDPRODUCT_UNIT = ") +
                                              Quoted(unitName));
        cached = v.isNull() ? QStringLiteral("2") : v.toString();
    }
    return int(std::lround(ParseMoney(cached)));
}

void ForgetUnitDecimals() { unitCache().clear(); }

}  // namespace kv
