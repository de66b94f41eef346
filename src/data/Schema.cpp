#include "data/Schema.h"

#include <QHash>

namespace kv {

// Filled by SchemaSystemTables.cpp and SchemaDocumentTables.cpp.
void AppendSystemTables(std::vector<TableDef>& tables);
void AppendDocumentTables(std::vector<TableDef>& tables);

namespace {

QString quoted(const char* identifier) {
    return QLatin1Char('"') + QString::fromLatin1(identifier) + QLatin1Char('"');
}

QString sqlType(ColumnType type) {
    switch (type) {
    case ColumnType::Text:
    case ColumnType::Memo:
    case ColumnType::Date:
    case ColumnType::Time:
    case ColumnType::DateTime: return QStringLiteral("TEXT");
    case ColumnType::Integer:
    case ColumnType::Boolean: return QStringLiteral("INTEGER");
    case ColumnType::Float:
    case ColumnType::Bcd: return QStringLiteral("REAL");
    case ColumnType::Blob: return QStringLiteral("BLOB");
    }
    return QStringLiteral("TEXT");
}

QString indexStatement(const TableDef& table, int number, const std::vector<const char*>& columns,
                       bool unique) {
    QStringList cols;
    for (const char* c : columns) cols << quoted(c);
    return QStringLiteral("CREATE %1INDEX \"IX_%2_%3\" ON %4 (%5)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), QString::fromLatin1(table.name))
        .arg(number)
        .arg(quoted(table.name), cols.join(QStringLiteral(", ")));
}

// Upper-case name without ".DB" -> position in AllTables(); built once, read on every column look-up.
const QHash<QString, int>& tableIndex() {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        const auto& tables = AllTables();
        for (int i = 0; i < int(tables.size()); ++i) h.insert(QString::fromLatin1(tables[i].name), i);
        return h;
    }();
    return index;
}

}  // namespace

const ColumnDef* TableDef::column(const QString& name) const {
    for (const ColumnDef& c : columns)
        if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

QStringList TableDef::keyColumns() const {
    QStringList keys;
    for (const ColumnDef& c : columns)
        if (c.key) keys << QString::fromLatin1(c.name);
    return keys;
}

const std::vector<TableDef>& AllTables() {
    static const std::vector<TableDef> tables = [] {
        std::vector<TableDef> t;
        AppendSystemTables(t);
        AppendDocumentTables(t);
        return t;
    }();
    return tables;
}

const TableDef* FindTable(const QString& name) {
    QString key = name.trimmed().toUpper();
    if (key.endsWith(QLatin1String(".DB"))) key.chop(3);
    const auto it = tableIndex().constFind(key);
    return it == tableIndex().constEnd() ? nullptr : &AllTables()[*it];
}

QStringList CreateTableStatements(const TableDef& table) {
    QStringList parts;
    for (const ColumnDef& c : table.columns) parts << quoted(c.name) + QLatin1Char(' ') + sqlType(c.type);
    // Named checks so that a failure tells which column was too long (the engine reads "W_").
    for (const ColumnDef& c : table.columns)
        if (c.type == ColumnType::Text && c.width > 0)
            parts << QStringLiteral("CONSTRAINT \"W_%1\" CHECK (gbk_len(%2) <= %3)")
                         .arg(QString::fromLatin1(c.name), quoted(c.name))
                         .arg(c.width);

    QStringList statements;
    statements << QStringLiteral("CREATE TABLE %1 (\n  %2\n)")
                      .arg(quoted(table.name), parts.join(QStringLiteral(",\n  ")));

    int number = 0;
    std::vector<const char*> keys;
    for (const ColumnDef& c : table.columns)
        if (c.key) keys.push_back(c.name);
    if (!keys.empty()) statements << indexStatement(table, ++number, keys, table.uniqueKey);
    for (const IndexDef& index : table.indexes)
        statements << indexStatement(table, ++number, index.columns, index.unique);
    return statements;
}

}  // namespace kv
