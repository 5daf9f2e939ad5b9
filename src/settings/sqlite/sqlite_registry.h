#pragma once
#include <memory>
#include <string>

#include "settings/registry.h"

namespace pathnab {

// Where the two stores live: HKEY_CURRENT_USER in the user's, every other root in the
// machine-wide one.
struct SqliteStorePaths {
    std::string userStore;
    std::string machineStore;
};

// $XDG_CONFIG_HOME/pathnab/registry.db (default ~/.config) and pathnab/registry.db in the
// first $XDG_CONFIG_DIRS entry that holds one (default /etc/xdg), else in the first entry;
// read from the environment and the file system now.
SqliteStorePaths StorePathsFromEnvironment();

std::unique_ptr<Registry> MakeSqliteRegistry(const SqliteStorePaths& paths);

}  // namespace pathnab
