#pragma once
// Translates the local SQL dialect into SQLite's: table names with ".DB", 'MM/DD/YYYY'
// literals, EXTRACT, SUBSTRING ... FROM ... FOR and :NAME parameters. Done with a
// tokenizer so that text inside string literals is never touched.

#include <QString>
#include <QStringList>

namespace kv {

struct Translation {
    QString sql;               // SQLite text
    QStringList parameters;    // :NAME parameters in order of first use, without the colon
};

// parseParameters false: a colon is left as it is and no parameter is listed.
// Results are cached per distinct text.
Translation TranslateSql(const QString& localSql, bool parseParameters = true);

}  // namespace kv
