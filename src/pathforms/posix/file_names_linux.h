#pragma once
#include <memory>

#include "pathforms/file_names.h"

namespace pathnab {

// Linux has no 8.3 names and no separate long spelling: both forms are the path itself when
// it names something that exists.
std::unique_ptr<FileNames> MakeLinuxFileNames();

}  // namespace pathnab
