#pragma once
// Values put into SQL text: the one quoting helper and the date literal.

#include <QDate>
#include <QString>

namespace kv {

// 'text' with every single quote doubled: O'Brien is stored and found verbatim.
QString Quoted(const QString& value);
// The text between the quotes only (for LIKE patterns and built literals).
QString Escaped(const QString& value);
// The local dialect's date literal, 'MM/DD/YYYY' with its quotes.
QString DateLiteral(const QDate& date);
// A "YYYY-MM-DD" working date as the local dialect's literal.
QString DateLiteral(const QString& isoDate);

}  // namespace kv
