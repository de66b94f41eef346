#pragma once
// Numbers filled into new rows: time stamps and serials that continue the largest
// number stored, per year, month or day where the number carries a date.

#include <QDateTime>
#include <QString>
#include <optional>

namespace kv {

// Prefix + "yymmddhhnnss". Two stamps of the same second within this process get
// distinct values (the later one moves on by a second): a line id must never repeat.
QString TimeStampId(const QString& prefix = {}, const QDateTime& now = QDateTime::currentDateTime());

struct SerialRequest {
    QString kind;            // "C", "Y", "M", "D"
    QString field;
    QString table;
    QString prefix;
    int width = 0;
    QString extraCondition;  // SQL
    QString monthKey;        // YYYYMM
    QString dayKey;          // YYYYMMDD
};

// The statement that finds the largest stored serial.
QString SerialStatement(const SerialRequest& r);
// The next number, with prefix and date key; empty when the kind needs a key it lacks.
std::optional<QString> NextSerialNumber(const SerialRequest& r, const QString& databaseName);

}  // namespace kv
