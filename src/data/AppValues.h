#pragma once
// The process-wide values set at start-up and read everywhere.

#include <QString>

namespace kv {

enum class SqlType { urStandard, urSql_Server, urAccess };

extern QString AppUserId;
extern QString AppUserName;
extern bool AppIsAdmin;
extern QString AppStoreName;
extern QString AppToday;        // "YYYY-MM-DD"
extern QString AppImeName;
extern QString AppDataDir;
extern QString AppInstallDir;
// Colours as $BBGGRR values; the controls turn them into colours.
extern unsigned AppBrowseColor;
extern unsigned AppFocusColor;
extern unsigned AppEditColor;
extern unsigned AppLabelColor;
extern QString AppLanguage;
extern SqlType AppSqlType;
extern int AppScreenWidth;
extern int AppHelpContext;
extern QString AppHelpFile;
extern QString AppStatusText;

// Stores today's date as the working date.
void LoadToday();

}  // namespace kv
