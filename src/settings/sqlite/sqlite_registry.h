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

// $XDG_CONFIG_HOME/pathnab/registry.db (default ~/.config) and the first $XDG_CONFIG_DIRS
// entry's pathnab/registry.db (default /etc/xdg), read from the environment now.
SqliteStorePaths StorePathsFromEnvironment();

std::unique_ptr<Registry> MakeSqliteRegistry(const SqliteStorePaths& paths);

}  // namespace pathnab
