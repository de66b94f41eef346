// Front-desk sales, daily settlement, purchasing documents, provider payments
// and member gifts.

#include "data/SchemaBuilders.h"

namespace kv {
namespace {

using namespace schema;

// The money columns a ticket carries twice, once per document kind.
Columns ticketSellMoney() {
    return {number("SELL_COST_MONEY", "成本金额"),       number("SELL_TOTAL_MONEY", "销售金额"),
            number("SELL_KICKBACK_PERCENT", "消费扣率"), number("SELL_KICKBACK_MONEY", "销售折扣金额"),
            number("SELL_TOTAL_REAL_MONEY", "应付金额"), number("SELL_TOTAL_OWE_MONEY", "赊帐金额")};
}
Columns ticketReturnMoney() {
    return {number("RETURN_COST_MONEY", "退货成本金额"),     number("RETURN_TOTAL_MONEY", "退货金额"),
            number("RETURN_KICKBACK_PERCENT", "退货扣率"),   number("RETURN_KICKBACK_MONEY", "退货折扣金额"),
            number("RETURN_TOTAL_REAL_MONEY", "应退金额"),   number("RETURN_TOTAL_OWE_MONEY", "退货赊欠金额")};
}
Columns ticketMember() {
    return {text("CLIENT_ID", 13, "会员卡号"), text("CLIENT_NAME", 20, "会员名称"), number("SELL_INTEGRAL", "会员积分")};
}

Columns openTicketColumns() {
    return cat({{keyText("SELL_ID", 14, "单据编号"), keyText("SELL_RECORD_ID", 14, "纪录编号"),
                 text("SELL_TYPE", 10, "单据类别"), date("SELL_DATE", "单据日期"), text("SELL_TIME", 10, "销售时间")},
                ticketSellMoney(), ticketReturnMoney(), ticketMember(),
                {text("STATUS", 10, "状态"), text("NOTE", 160, "备注")}, verifyEditCreate()});
}

Columns lineGoods() {
    return {text("ENDPRODUCT_ID", 16, "商品编码"), text("ENDPRODUCT_TYPE_ID", 16, "商品类别编号"),
            text("ENDPRODUCT_NAME", 50, "商品名称"), text("ENDPRODUCT_UNIT", 10, "单位")};
}
Columns lineMoney() {
    return {number("SELL_COST_PRICE", "成本价"),          number("SELL_NUMBER", "销售数量"),
            number("SELL_PRICE", "商品售价"),             number("SELL_MONEY", "销售金额"),
            number("SELL_KICKBACK_MONEY", "销售折扣金额"), number("SELL_KICKBACK_PERCENT", "消费扣率"),
            number("SELL_REAL_MONEY", "实收金额"),        number("RETURN_COST_PRICE"),
            number("RETURN_NUMBER", "退货数量"),          number("RETURN_PRICE", "退货单价"),
            number("RETURN_MONEY", "退货金额"),           number("RETURN_KICKBACK_MONEY", "退货折扣金额"),
            number("RETURN_KICKBACK_PERCENT", "退货扣率"), number("RETURN_REAL_MONEY", "实退金额")};
}

// Line ids are a line counter of the ticket (up to 999) before a 12-digit time stamp,
// so they take 16 characters, not 14.
Columns openLineColumns() {
    return cat({{keyText("DETAIL_RECORD_ID", 16, "序号"), keyText("SELL_RECORD_ID", 14, "纪录编号"),
                 text("ENDPRODUCT_RECORD_ID", 16, "纪录编号")},
                lineGoods(), lineMoney(), createEdit()});
}

void addFrontDesk(std::vector<TableDef>& t) {
    t.push_back(table("KV_POS_SELL_MASTER_TABLE", openTicketColumns(), {{{"SELL_RECORD_ID"}}, {{"STATUS"}}}));
    t.push_back(table("KV_POS_SELL_DETAIL_TABLE", openLineColumns(), {{{"SELL_RECORD_ID"}}}));

    // Row buffers of the sales screen only; never written. Where the extra RECORD_ID
    // sits is not fixed, so it goes last.
    t.push_back(table("KV_TPOS_SELL_MASTER_TABLE", openTicketColumns()));
    t.push_back(table("KV_TPOS_SELL_DETAIL_TABLE", cat({openLineColumns(), {text("RECORD_ID", 14)}})));
}

void addSettledSales(std::vector<TableDef>& t) {
    t.push_back(table("KV_POS_MASTER_TABLE",
                 cat({{keyText("SELL_ID", 14, "单据编号"), keyText("SELL_RECORD_ID", 14, "纪录编号"),
                       keyText("SELL_TYPE", 10, "单据类别"), text("SUM_RECORD_ID", 14, "日结编号"),
                       date("SELL_DATE", "单据日期"), text("SELL_TIME", 10, "销售时间")},
                      ticketSellMoney(), ticketReturnMoney(), ticketMember(),
                      {text("STATUS", 10, "状态"), text("NOTE", 160, "备注"), text("SUM_NAME", 10, "日结人员"),
                       date("SUM_DATE", "日结日期")},
                      verifyEditCreate()}),
                 {{{"SELL_RECORD_ID"}}, {{"SUM_RECORD_ID"}}, {{"SELL_DATE"}}, {{"CLIENT_ID"}}}));

    t.push_back(table("KV_POS_DETAIL_TABLE",
                 cat({{keyText("DETAIL_RECORD_ID", 16, "序号"), keyText("SELL_RECORD_ID", 14, "纪录编号")},
                      lineGoods(), lineMoney(), createEdit()}),
                 {{{"SELL_RECORD_ID"}}, {{"ENDPRODUCT_ID"}}}));

    t.push_back(table("KV_SUM_POS_MASTER_TABLE",
                 {keyText("SUM_RECORD_ID", 14, "日结编号"), number("SELL_SUM_MONEY", "销售金额"),
                  number("SELL_SUM_KICKBACK_MONEY", "销售折扣金额"), number("SELL_SUM_REAL_MONEY", "实售金额"),
                  number("SELL_SUM_OWE_MONEY", "销售赊帐"), number("SELL_SUM_COST_MONEY", "销售商品成本"),
                  number("RETURN_SUM_MONEY", "退货金额"), number("RETURN_SUM_KICKBACK_MONEY", "退货折扣金额"),
                  number("RETURN_SUM_REAL_MONEY", "实退金额"), number("RETURN_SUM_OWE_MONEY", "退货赊帐"),
                  number("RETURN_SUM_COST_MONEY", "退货商品成本"), number("SELL_TOTAL_CASH_MONEY", "现金合计"),
                  number("SELL_SUM_INTEGRAL", "会员积分"), text("NOTE", 160, "备注"), text("SUM_NAME", 10, "日结人员"),
                  date("SUM_DATE", "日结日期")},
                 {{{"SUM_DATE"}}}));

    // Line ids are a counter that restarts after 9999 before a one-second time stamp:
    // a settlement writing more goods rows than that within a second repeats a key.
    t.push_back(table("KV_SUM_POS_DETAIL_TABLE",
                 {keyText("DETAIL_RECORD_ID", 16, "序号"), keyText("SUM_RECORD_ID", 14, "日结编号"),
                  text("ENDPRODUCT_ID", 16, "商品编码"), text("ENDPRODUCT_NAME", 50, "商品名称"),
                  text("ENDPRODUCT_UNIT", 10, "单位"), text("ENDPRODUCT_TYPE_ID", 16, "商品类别编号"),
                  number("SELL_COST_MONEY", "成本金额"), number("SELL_MONEY", "销售金额"),
                  number("SELL_NUMBER", "销售数量"), number("SELL_KICKBACK_MONEY", "销售折扣金额"),
                  number("SELL_REAL_MONEY", "实收金额"), number("RETURN_COST_MONEY", "退货成本金额"),
                  number("RETURN_NUMBER", "退货数量"), number("RETURN_MONEY", "退货金额"),
                  number("RETURN_KICKBACK_MONEY", "退货折扣金额"), number("RETURN_REAL_MONEY", "实退金额"),
                  text("CREATE_NAME", kAuditNameWidth, "建档人员"), date("CREATE_DATE", "建档日期")},
                 {{{"SUM_RECORD_ID"}}},
                 false));

    // Two goods may share a code, so (settlement, code) can repeat.
    t.push_back(table("KV_SELL_ENDPRODUCT_NAME_TABLE",
                 cat({{keyText("SUM_RECORD_ID", 14, "日结编号"), keyText("ENDPRODUCT_ID", 16, "商品编码"),
                       text("ENDPRODUCT_TYPE_ID", 16, "商品类别编号"), text("ENDPRODUCT_NAME", 50, "商品名称"),
                       text("ENDPRODUCT_UNIT", 10, "单位"), number("SELL_NUMBER", "销售数量"),
                       number("SELL_PRICE", "商品售价"), number("SELL_KICKBACK_PERCENT", "消费扣率"),
                       number("SELL_MONEY", "销售金额"), number("RETURN_NUMBER", "退货数量"),
                       number("RETURN_PRICE", "退货单价"), number("RETURN_KICKBACK_PERCENT", "退货扣率"),
                       number("RETURN_MONEY", "退货金额"), text("NOTE", 160, "备注")},
                      editCreate()}),
                 {},
                 false));

    t.push_back(table("KV_POS_SELL_TABLE",
                 cat({{keyText("SELL_ID", 14, "单据编号"), text("SUM_RECORD_ID", 14, "日结编号"), text("STATUS", 10, "状态"),
                       text("SELL_TYPE", 10, "单据类别"), date("SELL_DATE", "单据日期"), text("SELL_TIME", 10, "销售时间"),
                       number("SELL_TOTAL_MONEY", "销售金额"), number("SELL_KICKBACK_PERCENT", "消费扣率"),
                       number("SELL_TOTAL_MONEY_PAY"), number("RETURN_TOTAL_MONEY", "退货金额"),
                       number("RETURN_KICKBACK_PERCENT", "退货扣率"), number("RETURN_TOTAL_MONEY_PAY"),
                       text("NOTE", 160, "备注")},
                      verifyEditCreate()})));
}

void addPurchasing(std::vector<TableDef>& t) {
    t.push_back(table("KV_STOCK_MASTER_TABLE",
                 cat({{keyText("BILL_ID", 16, "单据编号"), keyText("BILL_RECORD_ID", 16, "纪录编号"),
                       keyText("BILL_TYPE", 20, "单据类别"), text("PLAN_TYPE", 10, "帐款类别"), date("BILL_DATE", "采购日期"),
                       text("PROVIDER_ID", 16, "厂商编号"), text("PROVIDER_NAME", 40, "厂商名称"),
                       text("PROVIDER_REGION_ID", 16), text("EMPLOYEE_NAME", 20, "经办人员"),
                       number("STOCK_COST_MONEY", "成本"), number("STOCK_MONEY", "商品金额"),
                       number("STOCK_TAX_MONEY", "税金折扣"), number("STOCK_SHOULD_MONEY", "应付金额"),
                       number("STOCK_ALREADY_MONEY", "已付金额"), number("STOCK_OWE_MONEY", "未付金额"),
                       number("RETURN_COST_MONEY", "退货成本金额"), number("RETURN_MONEY", "退货金额"),
                       number("RETURN_TAX_MONEY", "税金及折扣"), number("RETURN_SHOULD_MONEY", "实退金额"),
                       number("RETURN_ALREADY_MONEY", "已退金额"), number("RETURN_OWE_MONEY", "未退金额"),
                       text("RETURN_CAUSE", 20, "退货原因"), text("INVOICE_TYPE", 12, "发票类别"),
                       text("INVOICE_ID", 20, "发票编号"), text("STATUS", 10, "状态"), text("NOTE", 60, "备注")},
                      verifyEditCreate()}),
                 {{{"BILL_RECORD_ID"}}, {{"BILL_TYPE", "BILL_DATE"}}, {{"PROVIDER_ID"}}}));

    t.push_back(table("KV_STOCK_DETAIL_TABLE",
                 cat({{{"DETAIL_RECORD_ID", ColumnType::Integer, 0, true, "序号"},
                       keyText("BILL_RECORD_ID", 16, "纪录编号")},
                      lineGoods(),
                      {number("STOCK_COST_PRICE", "成本价"), number("STOCK_NUMBER", "商品数量"),
                       number("STOCK_PRICE", "商品单价"), number("STOCK_MONEY", "商品金额"),
                       number("STOCK_TAX_MONEY", "税金折扣"), number("STOCK_DETAIL_MONEY", "实购金额"),
                       number("RETURN_COST_PRICE"), number("RETURN_NUMBER", "退货数量"),
                       number("RETURN_PRICE", "退货单价"), number("RETURN_MONEY", "退货金额"),
                       number("RETURN_TAX_MONEY", "税金及折扣"), number("RETURN_DETAIL_MONEY", "实退金额"),
                       text("NOTE", 80, "备注")},
                      editCreate()}),
                 {{{"BILL_RECORD_ID"}}, {{"ENDPRODUCT_ID"}}}));

    t.push_back(table("KV_STOCK_MONEY_TABLE",
                 cat({{keyText("MONEY_RECORD_ID", 16, "纪录编号"), keyText("BILL_RECORD_ID", 16, "纪录编号"),
                       keyText("MONEY_TYPE", 12, "单据类别"), text("STATUS", 10, "状态"), date("MONEY_DATE", "单据日期"),
                       text("MONEY_NAME", 30, "帐款名称"), text("PROVIDER_NAME", 40, "厂商名称"),
                       text("PROVIDER_ID", 16, "厂商编号"), text("PROVIDER_REGION_ID", 16),
                       text("PAY_MODE", 20, "付款方式"), number("PAY_MONEY", "付款金额"), number("RETURN_MONEY", "退货金额"),
                       text("MONEY_ID", 20, "付款单号"), text("EMPLOYEE_NAME", 20, "经办人员"), text("NOTE", 160, "备注")},
                      verifyEditCreate()}),
                 {{{"BILL_RECORD_ID"}}, {{"PROVIDER_ID"}}, {{"MONEY_DATE"}}}));

    t.push_back(table("KV_ENDPRODUCT_INTO_OUT_TABLE",
                 {keyText("BILL_RECORD_ID", 16, "纪录编号"), keyText("BILL_TYPE", 10, "单据类别"),
                  keyText("BILL_ID", 20, "单据编号"), date("BILL_DATE", "采购日期"), number("STOCK_NUMBER", "商品数量"),
                  number("STOCK_MONEY", "商品金额"), number("SELL_NUMBER", "销售数量"), number("SELL_MONEY", "销售金额")}));
}

void addGifts(std::vector<TableDef>& t) {
    t.push_back(table("KV_CLIENT_GIFT_TABLE",
                 cat({{keyText("GIFT_ORDER_ID", 16, "赠送编号"), date("GIFT_DATE", "赠送日期"),
                       text("CLIENT_ID", 13, "会员卡号"), text("GIFT_NAME", 30, "礼品名称"),
                       number("GIFT_NUMBER", "赠送数量"), number("GIFT_MONEY", "礼品价值"),
                       number("DEC_INTEGRAL", "减去积分"), text("EMPLOYEE_NAME", 20, "经办人员"),
                       text("NOTE", 160, "备注"), text("STATUS", 10, "状态")},
                      verifyEditCreate()}),
                 {{{"CLIENT_ID"}}, {{"GIFT_DATE"}}}));
}

}  // namespace

void AppendDocumentTables(std::vector<TableDef>& tables) {
    addFrontDesk(tables);
    addSettledSales(tables);
    addPurchasing(tables);
    addGifts(tables);
}

}  // namespace kv
