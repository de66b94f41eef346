#pragma once
// The one description of every table: used to create the database, to list and
// rebuild tables, and by tests. Widths are GBK byte limits of text columns.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace kv {

enum class ColumnType { Text, Integer, Float, Bcd, Date, Time, DateTime, Boolean, Memo, Blob };

struct ColumnDef {
    const char* name;
    ColumnType type;
    int width = 0;       // GBK bytes for Text; 0 otherwise
    bool key = false;    // used by modify / delete statements to find the row
    const char* label = "";  // the column's caption in the system's words, "" when none
};

struct IndexDef {
    std::vector<const char*> columns;
    bool unique = false;
};

struct TableDef {
    const char* name;                 // e.g. "SYS_USER_TABLE"
    std::vector<ColumnDef> columns;   // in stored order
    std::vector<IndexDef> indexes;    // extra look-up indexes beyond the key
    bool uniqueKey = true;            // the key columns form a unique index

    const ColumnDef* column(const QString& name) const;  // case-insensitive
    QStringList keyColumns() const;
};

// A reference row that comes with the empty database.
struct ReferenceRow {
    const char* table;
    std::vector<std::pair<const char*, QVariant>> values;
};

const std::vector<TableDef>& AllTables();
const TableDef* FindTable(const QString& name);  // case-insensitive, ".DB" ignored
const std::vector<ReferenceRow>& ReferenceRows();

// SQL (SQLite) that creates one table with its indexes and width checks.
QStringList CreateTableStatements(const TableDef& table);

}  // namespace kv
