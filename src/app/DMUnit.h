#pragma once
#include "data/Database.h"

namespace kv {

// The data module: the one database of the program, reached through its alias.
class TDM {
public:
    TDM();  // warns and sets startFailed() when the alias is missing
    ~TDM();
    bool startFailed() const { return startFailed_; }
    // Opens the alias's data directory; EngineError when it is missing or not ours.
    void connect();
    Database MainDatabase;
    QString aliasDirectory() const { return directory_; }

private:
    bool startFailed_ = false;
    QString directory_;
};

QString MissingAliasText();

}  // namespace kv
