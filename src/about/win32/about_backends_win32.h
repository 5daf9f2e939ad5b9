#pragma once
#include <memory>

#include "about/about_services.h"

namespace pathnab {

// Starts a program with CreateProcessW in a normal window that takes the focus, not waited for.
std::unique_ptr<ProgramStarter> MakeWin32ProgramStarter();

// A file that is neither a folder nor hidden nor a system file.
std::unique_ptr<FileProbe> MakeWin32FileProbe();

}  // namespace pathnab
