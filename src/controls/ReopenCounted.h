#pragma once
#include <QString>

namespace kv {

class TQuery;

// Reopens with the wait cursor and the progress window, then tells how many rows
// were found, or the not-found text.
void ReopenQueryCounted(TQuery& query, const QString& sql, const QString& notFoundText);
void ReopenQueryCounted(TQuery& query, const QString& sql);

}  // namespace kv
