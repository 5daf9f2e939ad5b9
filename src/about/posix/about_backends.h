#pragma once
#include <memory>

#include "about/about_services.h"

namespace pathnab {

// Starts programs with posix_spawn, without a shell; a started program is reaped in the
// background so that none is left as a zombie.
std::unique_ptr<ProgramStarter> MakePosixProgramStarter();

// A regular file (symbolic links followed) whose own name does not begin with ".".
std::unique_ptr<FileProbe> MakePosixFileProbe();

}  // namespace pathnab
