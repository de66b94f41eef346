// Rows that come with the empty database.

#include "data/Schema.h"

namespace kv {
namespace {

// Which rights the user window may grant for a program.
enum Right { Add = 1, Browse = 2, Print = 4, Verify = 8, Currency = 16 };

struct Program {
    const char* name;
    int rights;
};

struct Group {
    const char* name;
    std::vector<Program> programs;
};

// Groups and programs in menu order: COMPOSE_ID and PROGRAM_ID are the positions, which is
// what the first-run set-up grants (4, 4, 6, 1, 7, 6 and 3 programs). Analysis windows need
// the add right for their statistic command; the purchase query, the goods window and the
// sales windows use the money right; document windows, members, gifts and the settlement verify.
const std::vector<Group>& groups() {
    static const std::vector<Group> g = {
        {"商品销售管理",
         {{"商品销售管理", Add | Browse | Currency},
          {"商品销售日结管理", Browse | Print | Verify | Currency},
          {"商品销售日结数据查询", Browse | Print},
          {"已日结商品销售单据查询", Browse | Print | Currency}}},
        {"会员管理",
         {{"会员资料管理", Add | Browse | Print | Verify},
          {"会员生日查询", Add | Browse | Print},
          {"会员积分设置", Add | Browse},
          {"会员礼品赠送管理", Add | Browse | Verify}}},
        {"商品采购管理",
         {{"厂商资料录入编辑", Add | Browse | Print},
          {"商品采购入库单管理", Add | Browse | Print | Verify},
          {"商品采购退货单管理", Add | Browse | Print | Verify},
          {"商品采购数据查询管理", Add | Browse | Print | Currency},
          {"商品采购收付款单管理", Add | Browse | Print | Verify},
          {"商品采购应收应付帐款管理", Add | Browse | Print | Verify}}},
        {"商品库房管理", {{"商品资料录入编辑", Add | Browse | Print | Currency}}},
        {"数据统计报表",
         {{"商品采购应收应付金额统计报表", Add | Browse | Print},
          {"商品采购收付款金额统计报表", Add | Browse | Print},
          {"商品采购数据统计报表", Add | Browse | Print},
          {"商品销售数据统计报表", Add | Browse | Print},
          {"会员消费金额数据统计报表", Add | Browse | Print},
          {"会员消费金额数据查询", Add | Browse | Print},
          {"会员购买商品数据查询", Add | Browse | Print}}},
        {"基本数据录入编辑",
         {{"商品类别资料录入编辑", Add | Browse | Print},
          {"商品单位资料录入编辑", Add | Browse},
          {"金额小数位数及进位方式设置", Add | Browse},
          {"厂商区域资料录入编辑", Add | Browse | Print},
          {"门店部门资料录入编辑", Add | Browse | Print},
          {"门店员工资料录入编辑", Add | Browse | Print}}},
        // User management is opened by administrators only, but keeps its place in the
        // group so that the grant of three programs lines up with the menu.
        {"系统管理",
         {{"用户管理", Add | Browse | Print}, {"数据备份", Browse}, {"过时数据删除", Add | Browse}}},
    };
    return g;
}

QVariant yesNo(int rights, Right r) { return QString::fromUtf8((rights & r) ? "是" : "否"); }

// Windows with money settings. Amounts are in yuan with fen, so two decimals; the two
// purchase documents also carry a tax rate, which starts empty.
const char* const kDecimalWindows[] = {"商品销售单",      "商品销售单据",   "商品采购单据",
                                       "商品采购入库单",  "商品采购退货单", "商品资料中商品进价"};

std::vector<ReferenceRow> buildRows() {
    std::vector<ReferenceRow> rows;
    int composeId = 0;
    for (const Group& group : groups()) {
        ++composeId;
        rows.push_back({"SYS_COMPOSE_TABLE",
                        {{"COMPOSE_ID", composeId}, {"COMPOSE_NAME", QString::fromUtf8(group.name)}}});
        int programId = 0;
        for (const Program& p : group.programs)
            rows.push_back({"SYS_PROGRAM_TABLE",
                            {{"COMPOSE_ID", composeId},
                             {"PROGRAM_ID", ++programId},
                             {"PROGRAM_NAME", QString::fromUtf8(p.name)},
                             {"ADD_RIGHT", yesNo(p.rights, Add)},
                             {"BROWSE_RIGHT", yesNo(p.rights, Browse)},
                             {"PRINT_RIGHT", yesNo(p.rights, Print)},
                             {"VERIFY_RIGHT", yesNo(p.rights, Verify)},
                             {"CURRENCY_RIGHT", yesNo(p.rights, Currency)}}});
    }
    for (const char* window : kDecimalWindows)
        rows.push_back({"KV_DECIMAL_TABLE",
                        {{"FORM_NAME", QString::fromUtf8(window)},
                         {"DECIMAL_NUMBER", 2},
                         {"SET_ABANDON", QString::fromUtf8("四舍五入")}}});
    return rows;
}

}  // namespace

const std::vector<ReferenceRow>& ReferenceRows() {
    static const std::vector<ReferenceRow> rows = buildRows();
    return rows;
}

}  // namespace kv
