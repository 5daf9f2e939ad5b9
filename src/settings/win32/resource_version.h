#pragma once
#include <memory>

#include "settings/version_info.h"

namespace pathnab {

// The version resource of the running executable; empty information when it has none.
std::unique_ptr<VersionSource> MakeResourceVersionSource();

}  // namespace pathnab
