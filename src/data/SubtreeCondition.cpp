#include "data/SubtreeCondition.h"

#include "data/Database.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

#include <QSet>
#include <QStringList>
#include <vector>

namespace kv {

namespace {

struct TreeDef {
    const char* table;
    const char* idColumn;
};

TreeDef defOf(TreeTable t) {
    switch (t) {
    case TreeTable::Company: return {"SYS_COMPANY_TABLE", "COMPANY_ID"};
    case TreeTable::GoodsType: return {"BOM_ENDPRODUCT_TYPE_TABLE", "ENDPRODUCT_TYPE_ID"};
    case TreeTable::ProviderRegion: return {"KV_PROVIDER_REGION_TABLE", "PROVIDER_REGION_ID"};
    }
    return {"", ""};
}

QStringList childrenOf(const TreeDef& def, const QString& node) {
    auto q = OpenSqlQuery(QString::fromUtf8(kDatabaseName),
                          QStringLiteral("SELECT ") + QLatin1String(def.idColumn) + QStringLiteral(" FROM ") +
                              QLatin1String(def.table) + QStringLiteral(" WHERE PRIOR_ID = ") + Quoted(node));
    QStringList ids;
    for (q->first(); !q->eof(); q->next()) ids << q->field(0)->asString();
    return ids;
}

QString column(const TreeDef& def, const QString& alias) {
    const QString id = QLatin1String(def.idColumn);
    return alias.isEmpty() ? id : alias + QLatin1Char('.') + id;
}

QString ownAndBelow(TreeTable table, const QString& chosenId, const QString& alias) {
    const QString own = column(defOf(table), alias) + QStringLiteral(" = ") + Quoted(chosenId);
    const QString below = SubtreeText(table, chosenId, alias);
    return below.isEmpty() ? own : QLatin1Char('(') + own + QStringLiteral(" OR ") + below + QLatin1Char(')');
}

}  // namespace

void SubtreeCondition(TreeTable table, const QString& node, QString& condition, const QString& alias) {
    const TreeDef def = defOf(table);
    const QString col = column(def, alias);
    // An explicit stack instead of recursion, and a visited set: a PRIOR_ID cycle in
    // damaged data ends at the first node seen twice instead of looping.
    QSet<QString> visited{node};
    std::vector<QStringList> pending{childrenOf(def, node)};
    std::vector<int> next{0};
    while (!pending.empty()) {
        if (next.back() >= pending.back().size()) {
            pending.pop_back();
            next.pop_back();
            continue;
        }
        const QString child = pending.back().at(next.back()++);
        if (visited.contains(child)) continue;
        visited.insert(child);
        const QString term = col + QStringLiteral(" = ") + Quoted(child);
        if (!condition.isEmpty()) condition += QStringLiteral(" OR ") + term;
        else condition = alias.isEmpty() ? QLatin1Char(' ') + term : term;
        pending.push_back(childrenOf(def, child));
        next.push_back(0);
    }
}

void SubtreeCondition(const QString& companyId, QString& condition) {
    SubtreeCondition(TreeTable::Company, companyId, condition, QString());
}

QString SubtreeText(TreeTable table, const QString& node, const QString& alias) {
    QString condition;
    SubtreeCondition(table, node, condition, alias);
    return condition;
}

QString GoodsTypeCondition(const QString& chosenId, const QString& alias) {
    return ownAndBelow(TreeTable::GoodsType, chosenId, alias);
}

QString RegionCondition(const QString& chosenId, const QString& alias) {
    return ownAndBelow(TreeTable::ProviderRegion, chosenId, alias);
}

}  // namespace kv
