#pragma once
// Short builders for the table descriptions.

#include "data/Schema.h"

#include <initializer_list>
#include <utility>

namespace kv::schema {

using Columns = std::vector<ColumnDef>;

// Audit columns receive the user name, which is up to 20 bytes: narrower audit
// columns would refuse every save by a user with a long name.
inline constexpr int kAuditNameWidth = 20;

inline ColumnDef text(const char* name, int width, const char* label = "") {
    return {name, ColumnType::Text, width, false, label};
}
inline ColumnDef keyText(const char* name, int width, const char* label = "") {
    return {name, ColumnType::Text, width, true, label};
}
inline ColumnDef number(const char* name, const char* label = "") { return {name, ColumnType::Float, 0, false, label}; }
inline ColumnDef integer(const char* name, const char* label = "") {
    return {name, ColumnType::Integer, 0, false, label};
}
inline ColumnDef keyInteger(const char* name, const char* label = "") {
    return {name, ColumnType::Integer, 0, true, label};
}
inline ColumnDef date(const char* name, const char* label = "") { return {name, ColumnType::Date, 0, false, label}; }

inline TableDef table(const char* name, Columns columns, std::vector<IndexDef> indexes = {}, bool uniqueKey = true) {
    return {name, std::move(columns), std::move(indexes), uniqueKey};
}

inline Columns cat(std::initializer_list<Columns> parts) {
    Columns all;
    for (const Columns& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

inline Columns editCreate() {
    return {text("EDIT_NAME", kAuditNameWidth, "修改人员"), date("EDIT_DATE", "修改日期"),
            text("CREATE_NAME", kAuditNameWidth, "建档人员"), date("CREATE_DATE", "建档日期")};
}
inline Columns createEdit() {
    return {text("CREATE_NAME", kAuditNameWidth, "建档人员"), date("CREATE_DATE", "建档日期"),
            text("EDIT_NAME", kAuditNameWidth, "修改人员"), date("EDIT_DATE", "修改日期")};
}
inline Columns verifyEditCreate() {
    return cat({{text("VERIFY_NAME", kAuditNameWidth, "审核人员"), date("VERIFY_DATE", "审核日期")}, editCreate()});
}

}  // namespace kv::schema
