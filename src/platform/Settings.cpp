#include "platform/Settings.h"

#include "data/MessageService.h"
#include "platform/Home.h"

#include <QDir>
#include <QSettings>

namespace kv {
namespace {
const QString kKey = QStringLiteral("ZIROZAVAVA/");
}

QString SettingsFile() { return KvshopHome() + QStringLiteral("/registry.ini"); }

QString ReadSetting(const QString& name) {
    QSettings ini(SettingsFile(), QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        ShowWarning(QStringLiteral("注册表打开错误"));
        return {};
    }
    return ini.value(kKey + name).toString();
}

bool WriteSetting(const QString& name, const QString& value) {
    QDir().mkpath(KvshopHome());
    QSettings ini(SettingsFile(), QSettings::IniFormat);
    ini.setValue(kKey + name, value);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        ShowWarning(QStringLiteral("注册表打开错误"));
        return false;
    }
    return true;
}

QString ReadIntSetting(const QString& name) {
    const QString v = ReadSetting(name);
    bool ok = false;
    v.trimmed().toInt(&ok);
    return ok ? v : QString();
}

}  // namespace kv
