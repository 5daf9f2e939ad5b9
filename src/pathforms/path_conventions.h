#pragma once
#include <string>

namespace pathnab {

// Where local paths on this platform differ from Windows paths. Every rule that depends on
// the platform's path syntax asks here, so the Windows build and the Linux build share all
// other code.
struct PathConventions {
    // A path that can be resolved to a UNC form: "X:" on Windows, an absolute "/..." on Linux.
    bool (*HasLocalRoot)(const std::string& path);
    // Whether two local paths (or a path and a share folder) are the same text under this
    // platform's letter-case rule.
    bool (*SameText)(const std::string& a, const std::string& b);
    // The separator of local paths, turned into "\" in a UNC form.
    char separator;
};

// The conventions of the platform the program was built for (given by the platform's backends).
const PathConventions& HostPathConventions();
// Windows paths as seen from anywhere: letter case folded for ASCII only, since a portable
// program has no table of the platform's own case rule. The Windows build uses that table.
const PathConventions& WindowsPathConventions();
const PathConventions& PosixPathConventions();

// Drive-letter paths ("X:...") are the ones that have a local root on Windows.
bool HasDriveLetter(const std::string& path);

}  // namespace pathnab
