#pragma once
// Database aliases: [Aliases] of $KVSHOP_HOME/engine.ini map an alias to its data directory.

#include <QString>
#include <optional>

namespace kv {

QString EngineConfigFile();
std::optional<QString> AliasDirectory(const QString& alias);
bool RegisterAlias(const QString& alias, const QString& directory);

// Creates DIR (absent or empty) with every table and reference row and registers
// it as the alias. Returns an error text in the program's words, empty on success.
QString CreateDatabase(const QString& directory, const QString& alias);

}  // namespace kv
