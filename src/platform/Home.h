#pragma once
// Where this machine keeps its settings: $KVSHOP_HOME, by default ~/.config/kvshop.

#include <QString>

namespace kv {

QString KvshopHome();
// The default data directory of a new local database.
QString DefaultDataDir();

}  // namespace kv
