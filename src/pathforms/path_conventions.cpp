#include "pathforms/path_conventions.h"

#include <algorithm>

namespace pathnab {
namespace {

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool HasDriveLetter(const std::string& path) {
    if (path.size() < 2) return false;
    const char letter = AsciiUpper(path[0]);
    return letter >= 'A' && letter <= 'Z' && path[1] == ':';
}

bool IsAbsolute(const std::string& path) {
    return path.starts_with('/');
}

}  // namespace

bool PathConventions::SameText(const std::string& a, const std::string& b) const {
    if (caseSensitive) return a == b;
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

const PathConventions& WindowsPathConventions() {
    static const PathConventions conventions{&HasDriveLetter, false, '\\'};
    return conventions;
}

const PathConventions& PosixPathConventions() {
    static const PathConventions conventions{&IsAbsolute, true, '/'};
    return conventions;
}

const PathConventions& HostPathConventions() {
#ifdef _WIN32
    return WindowsPathConventions();
#else
    return PosixPathConventions();
#endif
}

}  // namespace pathnab
