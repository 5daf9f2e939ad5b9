#pragma once
#include <string>

namespace pathnab {

// The command-line argument string: every argument after the program's own name, joined by
// single spaces. Nothing is trimmed and no quote is removed.
std::string ArgumentString(int argc, const char* const* argv);

}  // namespace pathnab
