#pragma once
#include <memory>

#include "pathforms/path_forms_backends.h"

namespace pathnab {

std::unique_ptr<FileNames> MakeWin32FileNames();
std::unique_ptr<NetworkConnections> MakeWin32NetworkConnections();
std::unique_ptr<ShareListing> MakeWin32ShareListing();
std::unique_ptr<OperatingSystem> MakeWin32OperatingSystem();

// Windows itself answers every path-form question.
PathFormsBackends MakeWin32PathFormsBackends();

}  // namespace pathnab
