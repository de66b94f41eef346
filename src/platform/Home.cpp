#include "platform/Home.h"

#include <QDir>
#include <QStandardPaths>

namespace kv {

QString KvshopHome() {
    const QString env = qEnvironmentVariable("KVSHOP_HOME");
    if (!env.isEmpty()) return env;
    return QDir::homePath() + QStringLiteral("/.config/kvshop");
}

QString DefaultDataDir() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base = xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : xdg;
    return base + QStringLiteral("/kvshop/data");
}

}  // namespace kv
