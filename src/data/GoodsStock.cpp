#include "data/GoodsStock.h"

#include "data/Amounts.h"
#include "data/Database.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

namespace kv {

double MovingAverageCost(double n, double c, StockDirection direction, double q, double p) {
    // With no stock on hand (or less) the old cost says nothing: the document's cost
    // holds. A formula result of 0 or less is never a cost: keep the old one.
    if (n <= 0) return p;
    const double rest = direction == StockDirection::In ? n + q : n - q;
    if (rest <= 0) return p;
    const double cost = direction == StockDirection::In ? (n * c + q * p) / rest : (n * c - q * p) / rest;
    return cost > 0 ? cost : c;
}

StockUpdateResult UpdateGoodsStock(const QString& goodsId, const QString& goodsName, StockDirection direction,
                                   double quantity, bool recomputeCost, double documentCost,
                                   const Rounding& quantityRounding, const Rounding& priceRounding) {
    const QString db = QString::fromUtf8(kDatabaseName);
    const QString where = QStringLiteral(" WHERE ENDPRODUCT_ID = ") + Quoted(goodsId) +
                          QStringLiteral(" AND ENDPRODUCT_NAME = ") + Quoted(goodsName);
    std::unique_ptr<TQuery> q;
    try {
        q = OpenSqlQuery(db, QStringLiteral("SELECT ENDPRODUCT_ID,ENDPRODUCT_NUMBER,COST_PRICE FROM BOM_ENDPRODUCT_TABLE") + where);
    } catch (const std::exception&) {
        return StockUpdateResult::UpdateFailed;
    }
    if (q->isEmpty()) return StockUpdateResult::GoodsNotFound;
    const double n = ParseMoney(q->fieldByName(QStringLiteral("ENDPRODUCT_NUMBER")).asString());
    const double c = ParseMoney(q->fieldByName(QStringLiteral("COST_PRICE")).asString());
    const double newQuantity = direction == StockDirection::In ? n + quantity : n - quantity;
    QString sql = QStringLiteral("UPDATE BOM_ENDPRODUCT_TABLE SET ENDPRODUCT_NUMBER = ") +
                  RoundText(quantityRounding.decimals, quantityRounding.mode, newQuantity);
    if (recomputeCost) {
        const double cost = MovingAverageCost(n, c, direction, quantity, documentCost);
        sql += QStringLiteral(",COST_PRICE = ") + RoundText(priceRounding.decimals, priceRounding.mode, cost);
    }
    sql += QStringLiteral(" ") + where;
    return ExecSql(db, sql) ? StockUpdateResult::Ok : StockUpdateResult::UpdateFailed;
}

}  // namespace kv
