#pragma once
// Per-machine settings, kept under the same value names in $KVSHOP_HOME/registry.ini.

#include <QString>

namespace kv {

QString ReadSetting(const QString& name);
bool WriteSetting(const QString& name, const QString& value);
// The value only when it converts to an integer, else empty.
QString ReadIntSetting(const QString& name);
QString SettingsFile();

}  // namespace kv
