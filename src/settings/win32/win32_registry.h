#pragma once
#include <memory>

#include "settings/registry.h"

namespace pathnab {

// The real registry through advapi32. Text values are UTF-16 there and UTF-8 (with their
// terminator) at this port.
std::unique_ptr<Registry> MakeWin32Registry();

}  // namespace pathnab
