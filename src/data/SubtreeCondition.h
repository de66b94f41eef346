#pragma once
// The SQL condition that selects a node of one of the tree tables together with
// everything below it (each row names its parent in PRIOR_ID).

#include <QString>

namespace kv {

enum class TreeTable {
    Company,         // SYS_COMPANY_TABLE by COMPANY_ID
    GoodsType,       // BOM_ENDPRODUCT_TYPE_TABLE by ENDPRODUCT_TYPE_ID
    ProviderRegion,  // KV_PROVIDER_REGION_TABLE by PROVIDER_REGION_ID
};

// Appends one term per descendant of node to condition, depth first (a child's own
// descendants follow it before its next sibling). With an alias the terms are
// "A.ID = 'x'" joined by " OR "; without one the first term of an empty condition
// starts with a blank. A node without children leaves the condition as it was.
// Open errors of the queries pass to the caller.
void SubtreeCondition(TreeTable table, const QString& node, QString& condition, const QString& alias);
// The departments' form: never with an alias.
void SubtreeCondition(const QString& companyId, QString& condition);
// The descendants' condition alone.
QString SubtreeText(TreeTable table, const QString& node, const QString& alias = QString());

// What the category and region pickers return for the chosen node:
// "(A.ID = 'x' OR <descendants>)", or "A.ID = 'x'" for a leaf; without an alias the
// alias and its dot are left out.
QString GoodsTypeCondition(const QString& chosenId, const QString& alias = QString());
QString RegionCondition(const QString& chosenId, const QString& alias = QString());

}  // namespace kv
