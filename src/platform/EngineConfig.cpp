#include "platform/EngineConfig.h"

#include "data/Database.h"
#include "data/Errors.h"
#include "data/SqlFunctions.h"
#include "platform/Home.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace kv {

QString EngineConfigFile() { return KvshopHome() + QStringLiteral("/engine.ini"); }

std::optional<QString> AliasDirectory(const QString& alias) {
    QSettings ini(EngineConfigFile(), QSettings::IniFormat);
    const QString dir = ini.value(QStringLiteral("Aliases/") + alias).toString();
    if (dir.isEmpty()) return std::nullopt;
    return dir;
}

bool RegisterAlias(const QString& alias, const QString& directory) {
    QDir().mkpath(KvshopHome());
    QSettings ini(EngineConfigFile(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Aliases/") + alias, QDir(directory).absolutePath());
    ini.sync();
    return ini.status() == QSettings::NoError;
}

QString CreateDatabase(const QString& directory, const QString& alias) {
    QDir dir(directory);
    if (dir.exists() && !dir.isEmpty())
        return QStringLiteral("数据目录不是空目录: ") + dir.absolutePath();
    if (QFileInfo(directory).exists() && !QFileInfo(directory).isDir())
        return QStringLiteral("数据目录不是目录: ") + directory;
    if (!QDir().mkpath(directory)) return QStringLiteral("不能建立数据目录: ") + directory;
    try {
        Database db(QStringLiteral("create"));
        db.open(directory, Database::OpenMode::Create);
        db.createSchema();
        db.close();
    } catch (const Exception& e) {
        QDir(directory).removeRecursively();
        return QStringLiteral("数据库建立错误: ") + e.message();
    }
    // The installation folder is ours: start-up clean-up may work only inside it.
    QFile marker(QFileInfo(dir.absolutePath()).dir().filePath(QString::fromUtf8(kInstallMarker)));
    if (!marker.exists() && marker.open(QIODevice::WriteOnly)) marker.write("kvshop\n");
    if (!RegisterAlias(alias, directory)) return QStringLiteral("不能写入数据库连接参数: ") + EngineConfigFile();
    return {};
}

}  // namespace kv
