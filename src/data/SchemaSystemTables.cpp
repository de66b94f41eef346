// Users and rights, settings, print templates, grid layouts, organisation,
// goods, providers, members and the small code lists.

#include "data/SchemaBuilders.h"

namespace kv {
namespace {

using namespace schema;

// Yes/no texts ("是" / "否") take two GBK bytes.
constexpr int kYesNo = 2;

void addUsersAndSettings(std::vector<TableDef>& t) {
    t.push_back(table("SYS_USER_TABLE",
                 {keyText("USE_ID", 6, "用户编号"), text("USE_NAME", 20, "用户姓名"),
                  text("USE_PASSWORD", 10, "用户口令"), text("SYS_USER", 2, "是否系统用户"),
                  text("STOP_RIGHT", 4, "用户状态"), text("NOTE", 30, "备注"), text("CREATE_NAME", 20, "建档人员"),
                  date("CREATE_DATE", "建档日期"), text("EDIT_NAME", 20, "修改人员"), date("EDIT_DATE", "修改日期")}));

    // Group and program names are the window's own words; 40 and 60 bytes hold the longest
    // (program names reach 14 characters).
    t.push_back(table("SYS_COMPOSE_TABLE", {keyInteger("COMPOSE_ID"), text("COMPOSE_NAME", 40)}));
    t.push_back(table("SYS_PROGRAM_TABLE",
                 {keyInteger("COMPOSE_ID"), keyInteger("PROGRAM_ID"), text("PROGRAM_NAME", 60),
                  text("ADD_RIGHT", kYesNo), text("BROWSE_RIGHT", kYesNo), text("PRINT_RIGHT", kYesNo),
                  text("VERIFY_RIGHT", kYesNo), text("CURRENCY_RIGHT", kYesNo)}));
    t.push_back(table("SYS_RIGHT_TABLE",
                 {keyText("USE_ID", 6), keyInteger("COMPOSE_ID"), keyInteger("PROGRAM_ID"),
                  text("ADD_RIGHT", kYesNo), text("EDIT_RIGHT", kYesNo), text("DELETE_RIGHT", kYesNo),
                  text("BROWSE_RIGHT", kYesNo), text("PRINT_RIGHT", kYesNo), text("VERIFY_RIGHT", kYesNo),
                  text("CURRENCY_RIGHT", kYesNo)}));

    // Switch names are window-like names; 60 bytes as KV_DECIMAL_TABLE.FORM_NAME.
    t.push_back(table("SYS_ID_TABLE", {keyText("NAME_ID", 60), text("AUTO_ID", kYesNo)}));

    t.push_back(table("KV_DECIMAL_TABLE",
                 {keyText("FORM_NAME", 60, "窗口名称"), integer("DECIMAL_NUMBER", "金额小数位数"),
                  text("SET_ABANDON", 10, "进位方式"), integer("SELL_TAX", "开票税率"), text("EDIT_NAME", kAuditNameWidth, "修改人员"),
                  date("EDIT_DATE", "修改日期"), text("CREATE_NAME", kAuditNameWidth, "建档人员"), date("CREATE_DATE", "建档日期")}));

    t.push_back(table("KV_SET_INTEGRAL_TABLE",
                 cat({{keyText("SET_ID", 12), number("BUY_MONEY_INTEGRAL"), number("BUY_MIN_INTEGRAL"),
                       text("USE_DECIMAL_INTEGRAL", 10, "不够积一分是否保留小数位"), number("INTEGRAL_NUMBER"),
                       number("INTEGRAL_MONEY_NUMBER"), number("ADVANCE_BIRTHDAY_NUMBER"),
                       text("INTEGRAL_NOTE", 120)},
                      editCreate()})));

    Columns data{keyText("RECORD_ID", 10), keyInteger("DATA_ID")};
    static const char* const kIntegers[] = {"DATA_NUMBER1", "DATA_NUMBER2", "DATA_NUMBER3",
                                            "DATA_NUMBER4", "DATA_NUMBER5", "DATA_NUMBER6"};
    static const char* const kFloats[] = {"DATA_NUMBER7", "DATA_NUMBER8", "DATA_NUMBER9", "DATA_NUMBER10"};
    static const char* const kShort[] = {"DATA_STR1", "DATA_STR2", "DATA_STR3", "DATA_STR4", "DATA_STR5", "DATA_STR6"};
    static const char* const kLong[] = {"DATA_STR7", "DATA_STR8", "DATA_STR9", "DATA_STR10"};
    for (const char* c : kIntegers) data.push_back(integer(c));
    for (const char* c : kFloats) data.push_back(number(c));
    for (const char* c : kShort) data.push_back(text(c, 80));
    for (const char* c : kLong) data.push_back(text(c, 200));
    t.push_back(table("KV_DATA_TABLE", data));
}

void addPrintingAndLayouts(std::vector<TableDef>& t) {
    // Modified and deleted by PRINT_INDEX with PRINT_ID; the template window also finds
    // rows by PRINT_INDEX with PRINT_NAME, which may repeat within a group.
    t.push_back(table("SYS_PRINT_NAME_TABLE",
                 {keyText("PRINT_INDEX", 80), text("PRINT_NAME", 180), text("PRINT_TYPE", 2), keyText("PRINT_ID", 16)},
                 {{{"PRINT_INDEX", "PRINT_NAME"}}}));
    t.push_back(table("SYS_PRINT_DATA_TABLE",
                 {keyText("PRINT_ID", 16), {"PRINT_TABLE", ColumnType::Blob}}));

    // Grid layouts: user ids are 6 bytes; window, grid and field names are component
    // names (e.g. "SumPosQueryForm1", "ENDPRODUCT_KICKBACK_PERCENT"), 60 bytes leave room.
    static const char* const kLayoutTables[] = {
        "SYS_CLIENT_ENDPRODUCT_TABLE",   "SYS_CLIENT_GIFT_TABLE",          "SYS_CLIENT_SELL_ANALYZE_TABLE",
        "SYS_CLIENT_SELL_QUERY_TABLE",   "SYS_CLIENT_TABLE",               "SYS_ENDPRODUCT_NAME_TABLE",
        "SYS_OPERATION_TABLE",           "SYS_POS_QUERY_TABLE",            "SYS_STOCK_INTO_TABLE",
        "SYS_STOCK_PAY_RETURN_TABLE",    "SYS_STOCK_PAY_TABLE",            "SYS_STOCK_PLAN_RETURN_TABLE",
        "SYS_STOCK_PLAN_TABLE",          "SYS_STOCK_RETURN_TABLE",         "SYS_SUM_POS_QUERY_TABLE",
        "SYS_SUM_POS_TABLE",             "SYS_SUM_SELL_ENDPRODUCT_TABLE",  "SYS_SUM_STOCK_ENDPRODUCT_TABLE"};
    for (const char* name : kLayoutTables)
        t.push_back(table(name,
                     {keyText("USE_ID", 6), keyText("FORM_NAME", 60), keyText("DBGRID_NAME", 60),
                      keyText("FIELD_NAME", 60), integer("FIELD_WIDTH"), integer("FIELD_ORDER")}));

    // Skipped by backup, restore and pack and read by nobody; its shape is ours.
    t.push_back(table("SYS_BACK_TABLE", {text("BACK_NAME", 255), date("BACK_DATE")}, {}, false));
}

void addOrganisation(std::vector<TableDef>& t) {
    t.push_back(table("SYS_COMPANY_TABLE",
                 cat({{keyText("COMPANY_ID", 12, "纪录编号"), text("COMPANY_NAME", 40, "商店名称"),
                       text("COMPANY_ADDRESS", 50, "商店地址"), text("COMPANY_POSTCODE", 10, "邮编"),
                       text("COMPANY_PHONE", 40, "电话"), text("COMPANY_FAX", 20, "传真"),
                       text("COMPANY_EMAIL", 30, "E_MAIL"), text("ACCOUNT_NUMBER", 20, "银行账号"),
                       text("COMPANY_BANK", 30, "开户银行"), text("PRIOR_ID", 12), integer("ORDER_ID", "序号"),
                       text("NOTE", 80, "备注")},
                      editCreate()}),
                 {{{"PRIOR_ID", "ORDER_ID"}}}));

    t.push_back(table("KV_EMPLOYEE_TABLE",
                 cat({{keyText("EMPLOYEE_ID", 10, "员工编号"), text("EMPLOYEE_NAME", 20, "经办人员"),
                       text("EMPLOYEE_CARD", 20, "身份证"), text("COMPANY_ID", 12), text("EMPLOYEE_POST", 12, "职务"),
                       text("EMPLOYEE_PHONE", 20, "联系电话"), text("EMPLOYEE_HANDSET", 20, "手机"),
                       text("NOTE", 100, "备注")},
                      editCreate()}),
                 {{{"COMPANY_ID"}}}));
}

void addGoods(std::vector<TableDef>& t) {
    t.push_back(table("BOM_ENDPRODUCT_TYPE_TABLE",
                 cat({{keyText("ENDPRODUCT_TYPE_ID", 16, "商品类别编号"), text("ENDPRODUCT_TYPE_NAME", 20, "商品类别"),
                       text("PRIOR_ID", 16), integer("ORDER_ID", "序号"), text("NOTE", 40, "备注")},
                      editCreate(), {number("CLIENT_AGIO")}}),
                 {{{"PRIOR_ID", "ORDER_ID"}}}));

    // Two goods may share a code but never code and name together, so the key is unique.
    // Its index leads with ENDPRODUCT_ID, which serves the cashier's scan of a code.
    t.push_back(table("BOM_ENDPRODUCT_TABLE",
                 cat({{keyText("ENDPRODUCT_ID", 16, "商品编码"), keyText("ENDPRODUCT_TYPE_ID", 16, "商品类别编号"),
                       text("ENDPRODUCT_RECORD_ID", 16, "纪录编号"), keyText("ENDPRODUCT_NAME", 50, "商品名称"),
                       text("ENDPRODUCT_UNIT", 10, "单位"), number("ENDPRODUCT_NUMBER", "商品数量"),
                       number("ENDPRODUCT_MIN_NUMBER", "库存下限"), number("ENDPRODUCT_MAX_NUMBER", "库存上限"),
                       number("COST_PRICE", "商品成本"), number("SELL_PRICE", "商品售价"),
                       number("CLIENT_SELL_PRICE", "会员售价"), text("NOTE", 60, "备注"),
                       text("ENDPRODUCT_PICTURE", 60)},
                      editCreate()}),
                 {{{"ENDPRODUCT_RECORD_ID"}}, {{"ENDPRODUCT_TYPE_ID"}}, {{"ENDPRODUCT_NAME"}}}));

    t.push_back(table("KV_ENDPRODUCT_UNIT_TABLE",
                 cat({{keyText("ENDPRODUCT_UNIT", 10, "单位"), integer("DECIMAL_NUMBER", "单位小数位数"),
                       text("NOTE", 60, "备注")},
                      editCreate()})));

    // A scratch list of labels: one row per label, the same code repeated.
    t.push_back(table("KV_ENDPRODUCT_EAN_NUMBER_TABLE", {text("ENDPRODUCT_ID", 16), number("ORDER_ID")}, {}, false));
}

void addProviders(std::vector<TableDef>& t) {
    t.push_back(table("KV_PROVIDER_REGION_TABLE",
                 cat({{keyText("PROVIDER_REGION_ID", 16), text("PRIOR_ID", 16),
                       text("PROVIDER_REGION_NAME", 20, "厂商区域"), integer("ORDER_ID", "序号"), text("NOTE", 40, "备注")},
                      editCreate()}),
                 {{{"PRIOR_ID", "ORDER_ID"}}}));

    t.push_back(table("KV_PROVIDER_TABLE",
                 cat({{keyText("PROVIDER_ID", 16, "厂商编号"), text("PROVIDER_REGION_ID", 16),
                       keyText("PROVIDER_RECORD_ID", 16), text("PROVIDER_NAME", 40, "厂商名称"),
                       text("PROVIDER_ADD", 80, "厂商地址"), text("PROVIDER_POSTCODE", 10, "厂商邮编"),
                       text("PROVIDER_PHONE", 40, "厂商电话"), text("PROVIDER_FAX", 20, "厂商传真"),
                       text("PROVIDER_EMAIL", 40, "厂商E_MAIL"), text("PROVIDER_HOME", 30, "厂商主页"),
                       text("PROVIDER_ACCOUNT_NUMBER", 26, "开户帐号"), text("PROVIDER_BANK", 30, "银行名称"),
                       date("TRUCK_DATE", "往来日期"), text("PROVIDER_KIND_NAME", 20, "厂商类别"),
                       text("PROVIDER_STATUS", 20, "厂商状态"), text("EMPLOYEE_NAME", 20, "经办人员"),
                       text("EMPLOYEE_ID", 10, "员工编号"), text("NOTE", 160, "备注")},
                      editCreate()}),
                 {{{"PROVIDER_RECORD_ID"}}, {{"PROVIDER_REGION_ID"}}}));

    t.push_back(table("KV_PROVIDER_RELATION_MAN_TABLE",
                 cat({{keyText("PROVIDER_RECORD_ID", 16), keyText("RELATION_MAN_NAME", 20, "联系人"),
                       text("RELATION_MAN_SEX", 2, "性别"), date("RELATION_MAN_BIRTHDAY", "出生日期"),
                       text("RELATION_MAN_POST", 16, "职务"), text("RELATION_MAN_DEPT", 30, "任职部门"),
                       text("RELATION_MAN_WORK_PHONE", 30, "工作电话"), text("RELATION_MAN_PHONE", 30, "家庭电话"),
                       text("RELATION_MAN_HANDSET", 20, "手机"), text("RELATION_MAN_FAX", 20, "传真"),
                       text("RELATION_MAN_E_MAIL", 30, "电子邮箱"), text("RELATION_MAN_WORK_ADD", 60, "工作地址"),
                       text("RELATION_MAN_FAMILY_ADD", 60, "家庭地址"), text("RELATION_MAN_CHARACTER", 20, "性格"),
                       text("RELATION_MAN_LIKE", 20, "爱好"), integer("ORDER_ID", "序号"), text("NOTE", 160, "备注")},
                      editCreate()})));

    t.push_back(table("KV_PROVIDER_FILE_TABLE",
                 cat({{keyText("FILE_RECORD_ID", 16, "纪录编号"), keyText("PROVIDER_RECORD_ID", 16),
                       text("FILE_TITLE_NAME", 160, "文档题目"), text("FILE_SAVE_NAME", 160, "文档名称"),
                       date("SAVE_DATE", "保存日期"), text("NOTE", 255, "备注")},
                      editCreate()}),
                 {{{"PROVIDER_RECORD_ID"}}}));

    t.push_back(table("KV_PROVIDER_TRUCK_TABLE",
                 cat({{keyText("TRUCK_RECORD_ID", 16), keyText("PROVIDER_RECORD_ID", 16), date("TRUCK_DATE", "往来日期"),
                       text("TRUCK_CAUSE", 30, "往来事由"), text("TRUCK_NOTE", 255, "简要说明")},
                      editCreate()}),
                 {{{"PROVIDER_RECORD_ID"}}}));

    // At most one note per provider: the provider's record id finds it.
    t.push_back(table("KV_PROVIDER_NOTE_TABLE",
                 {keyText("PROVIDER_RECORD_ID", 16), {"PROVIDER_NOTE", ColumnType::Memo}}));

    // Only ENDPRODUCT_TYPE_ID is ever looked at; the rest is a plausible shape, no key.
    t.push_back(table("KV_PROVIDER_ENDPRODUCT_TABLE",
                 cat({{text("PROVIDER_RECORD_ID", 16), text("ENDPRODUCT_ID", 16), text("ENDPRODUCT_TYPE_ID", 16),
                       text("ENDPRODUCT_NAME", 50), text("ENDPRODUCT_UNIT", 10), number("STOCK_PRICE"),
                       text("NOTE", 60)},
                      editCreate()}),
                 {},
                 false));
}

void addMembers(std::vector<TableDef>& t) {
    t.push_back(table("KV_CLIENT_TABLE",
                 {keyText("CLIENT_ID", 13, "会员卡号"), date("CLIENT_DATE", "办卡日期"), text("CLIENT_NAME", 20, "会员名称"),
                  text("CLIENT_SEX", 2, "性别"), date("CLIENT_BIRTHDAY", "出生日期"),
                  text("CLIENT_CARD_TYPE", 20, "证件类别"), text("CLIENT_CARD_ID", 20, "证件编号"),
                  text("CLIENT_ADD", 100, "会员地址"), text("CLIENT_PHONE", 26, "联系电话"),
                  date("REJECT_DATE", "作废日期"), number("SUM_INTEGRAL", "积分累计"),
                  number("SUM_GUERDON_MONEY", "赠送累计"), number("SUM_USE_MONEY", "消费累计"),
                  text("STATUS", 10, "状态"), text("NOTE", 160, "备注"), text("VERIFY_NAME", kAuditNameWidth, "审核人员"),
                  date("VERIFY_DATE", "审核日期"), text("EDIT_NAME", kAuditNameWidth, "修改人员"), date("EDIT_DATE", "修改日期"),
                  text("CREATE_NAME", kAuditNameWidth, "建档人员"), date("CREATE_DATE", "建档日期")}));
}

void addCodeLists(std::vector<TableDef>& t) {
    // Each value is copied into a column elsewhere; its width is that column's, the
    // narrower one where two columns take it (BILL_TYPE 20 goes into MONEY_NAME 30 too).
    struct CodeList {
        const char* table;
        const char* column;
        int width;
        const char* label;
    };
    static const CodeList kLists[] = {
        {"KV_GIFT_NAME_TABLE", "GIFT_NAME", 30, "礼品名称"},
        {"KV_EMPLOYEE_NAME_TABLE", "EMPLOYEE_NAME", 20, "经办人员"},
        {"KV_STOCK_BILL_TYPE_TABLE", "BILL_TYPE", 20, "帐款名称"},
        {"KV_STOCK_PAY_MODE_TABLE", "PAY_MODE", 20, "付款方式"},
        {"KV_PROVIDER_KIND_TABLE", "PROVIDER_KIND_NAME", 20, "厂商类别"},
        {"KV_RELATION_MAN_POST_TABLE", "RELATION_MAN_POST", 16, "职务"},
        {"KV_RELATION_MAN_CHARACTER_TABLE", "RELATION_MAN_CHARACTER", 20, "性格"},
        {"KV_RELATION_MAN_DEPT_TABLE", "RELATION_MAN_DEPT", 30, "任职部门"},
        {"KV_RELATION_MAN_LIKE_TABLE", "RELATION_MAN_LIKE", 20, "爱好"},
        {"KV_PROVIDER_TRUCK_CAUSE_TABLE", "TRUCK_CAUSE", 30, "往来事由"},
        {"KV_PROVIDER_STATUS_TABLE", "PROVIDER_STATUS", 20, "厂商状态"},
        {"KV_INVOICE_TYPE_TABLE", "INVOICE_TYPE", 12, "发票类别"},
        {"KV_CLIENT_CARD_TYPE_TABLE", "CLIENT_CARD_TYPE", 20, "证件类别"},
        {"KV_EMPLOYEE_POST_TABLE", "EMPLOYEE_POST", 12, "职务"},
        {"KV_OUT_CAUSE_TABLE", "OUT_CAUSE", 20, ""},  // label given by the calling window
        // Read-only list of the money-name picker, kept in the same shape.
        {"KV_STOCK_MONEY_NAME_TABLE", "MONEY_NAME", 30, "帐款名称"},
    };
    for (const CodeList& l : kLists)
        t.push_back(table(l.table, cat({{keyText(l.column, l.width, l.label)}, editCreate()})));
}

}  // namespace

void AppendSystemTables(std::vector<TableDef>& tables) {
    addUsersAndSettings(tables);
    addPrintingAndLayouts(tables);
    addOrganisation(tables);
    addGoods(tables);
    addProviders(tables);
    addMembers(tables);
    addCodeLists(tables);
}

}  // namespace kv
