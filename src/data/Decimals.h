#pragma once
// Decimals and rounding per document kind, and quantity decimals per unit.

#include "data/GoodsStock.h"

#include <QString>

namespace kv {

// KV_DECIMAL_TABLE row of the window; 1 decimal and "四舍五入" without a row.
Rounding ReadDecimalSetting(const QString& windowName);
// SELL_TAX of the row as text, empty without a row.
QString ReadSellTax(const QString& windowName);
// Decimals of quantities in the unit, 2 when the unit has no row; kept for the
// life of the program.
int ReadUnitDecimals(const QString& unitName);
void ForgetUnitDecimals();  // after the unit window saves

}  // namespace kv
