#pragma once
#include <string>

namespace pathnab {

// Where local paths on this platform differ from Windows paths. Every rule that depends on
// the platform's path syntax asks here, so the Windows build and the Linux build share all
// other code.
struct PathConventions {
    // A path that can be resolved to a UNC form: "X:" on Windows, an absolute "/..." on Linux.
    bool (*HasLocalRoot)(const std::string& path);
    // Whether two local paths (or a path and a share folder) are compared with letter case.
    bool caseSensitive;
    // The separator of local paths, turned into "\" in a UNC form.
    char separator;

    // Whether a and b are the same text under this platform's letter-case rule.
    bool SameText(const std::string& a, const std::string& b) const;
};

// The conventions of the platform the program was built for.
const PathConventions& HostPathConventions();
const PathConventions& WindowsPathConventions();
const PathConventions& PosixPathConventions();

}  // namespace pathnab
