#include "data/AppValues.h"

#include <QDate>

namespace kv {

QString AppUserId = QStringLiteral("G001");
QString AppUserName = QStringLiteral("系统管理员");
bool AppIsAdmin = false;
QString AppStoreName = QStringLiteral("丰和超市");
QString AppToday;
QString AppImeName;
QString AppDataDir;
QString AppInstallDir;
unsigned AppBrowseColor = 0xF1FAFE;
unsigned AppFocusColor = 0xF8F7C7;
unsigned AppEditColor = 0xFDFDEE;
unsigned AppLabelColor = 0xB7FDBE;
QString AppLanguage = QStringLiteral("GB");
SqlType AppSqlType = SqlType::urStandard;
int AppScreenWidth = 1024;
int AppHelpContext = 2;
QString AppHelpFile = QStringLiteral("ZOZuvi");
QString AppStatusText = QStringLiteral("丰和超市收银管理系统  欢迎使用");

void LoadToday() { AppToday = QDate::currentDate().toString(Qt::ISODate); }

}  // namespace kv
