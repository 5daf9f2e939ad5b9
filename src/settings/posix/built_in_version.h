#pragma once
#include <memory>

#include "settings/version_info.h"

namespace pathnab {

// The version information the build generated from the project's declaration.
std::unique_ptr<VersionSource> MakeBuiltInVersionSource();

}  // namespace pathnab
