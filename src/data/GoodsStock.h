#pragma once
// The shared stock update of settlement, stock-in and stock-return.

#include <QString>

namespace kv {

enum class StockDirection { In, Out };

struct Rounding {
    int decimals = 2;
    QString mode = QStringLiteral("四舍五入");
};

enum class StockUpdateResult { Ok = 0, GoodsNotFound = 1, UpdateFailed = 2 };

StockUpdateResult UpdateGoodsStock(const QString& goodsId, const QString& goodsName, StockDirection direction,
                                   double quantity, bool recomputeCost, double documentCost,
                                   const Rounding& quantityRounding, const Rounding& priceRounding);

// The moving-average cost after the movement; exposed for the document windows' previews.
double MovingAverageCost(double oldQuantity, double oldCost, StockDirection direction, double quantity,
                         double documentCost);

}  // namespace kv
