#include "data/Switches.h"

#include "data/Database.h"
#include "data/MessageService.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

namespace kv {

bool IsAutoNumbered(const QString& name) {
    const QVariant v = QueryValue(QString::fromUtf8(kDatabaseName),
                                  QStringLiteral("SELECT AUTO_ID FROM SYS_ID_TABLE WHERE NAME_ID = ") + Quoted(name));
    return v.toString() == QString::fromUtf8(kYes);
}

bool SaveAutoNumbered(const QString& name, const QString& value) {
    const QString db = QString::fromUtf8(kDatabaseName);
    const bool exists =
        QueryNumber(db, QStringLiteral("SELECT COUNT(AUTO_ID) FROM SYS_ID_TABLE WHERE NAME_ID = ") + Quoted(name)) > 0;
    const QString sql = exists ? QStringLiteral("UPDATE SYS_ID_TABLE SET AUTO_ID = ") + Quoted(value) +
                                     QStringLiteral("  WHERE NAME_ID = ") + Quoted(name)
                               : QStringLiteral("INSERT INTO SYS_ID_TABLE(NAME_ID,AUTO_ID) VALUES(") + Quoted(name) +
                                     QLatin1Char(',') + Quoted(value) + QLatin1Char(')');
    if (ExecSql(db, sql)) return true;
    ShowWarning(QStringLiteral("参数保存过程发生错误"));
    return false;
}

}  // namespace kv
