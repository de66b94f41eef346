#pragma once
// One-statement SQL work and single-value look-ups. Functions that report failure
// by their result never throw; the look-ups pass open errors to the caller.

#include "data/Query.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace kv {

// Replaces each %s / %d of the format with the next argument, in order.
QString SqlFormat(const QString& format, const QStringList& args);

bool ExecSql(const QString& database, const QString& sql);
bool ExecSqlFmt(const QString& database, const QString& format, const QStringList& args);

// The open query, owned by the caller. A colon in the text is no parameter.
std::unique_ptr<TQuery> OpenSqlQuery(const QString& database, const QString& sql);

QString QueryString(const QString& database, const QString& sql);
QString QueryStringFmt(const QString& database, const QString& format, const QStringList& args);
double QueryNumber(const QString& database, const QString& sql);
// One column: its value; several: a QVariantList in column order; no row: null.
QVariant QueryValue(const QString& database, const QString& sql);
QVariant QueryValueFmt(const QString& database, const QString& format, const QStringList& args);

// Closes the query, replaces its text and opens it again.
void ReopenQuery(TQuery& query, const QString& sql);

// Text, date and file helpers.
bool CheckDateText(const QString& text, const QString& label);
bool IsDirectory(const QString& path);
QString GetTempDir();
bool CopyFiles(const QString& fromPattern, const QString& toDir);
// The marker file that makes a folder the program's own installation folder.
inline constexpr const char* kInstallMarker = ".kvshop-install";
// Deletes leftover table files (".DB", ".MB", any case) but "SYS_BACK_TABLE.DB",
// only inside a folder that carries the installation marker: elsewhere (a home
// folder, say) such files belong to other programs. Returns the files deleted.
int DeleteTableFiles(const QString& directory);

}  // namespace kv
