#include "pathforms/path_conventions.h"

#include <algorithm>

namespace pathnab {
namespace {

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsAbsolute(const std::string& path) {
    return path.starts_with('/');
}

bool SameBytes(const std::string& a, const std::string& b) {
    return a == b;
}

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

}  // namespace

bool HasDriveLetter(const std::string& path) {
    if (path.size() < 2) return false;
    const char letter = AsciiUpper(path[0]);
    return letter >= 'A' && letter <= 'Z' && path[1] == ':';
}

const PathConventions& WindowsPathConventions() {
    static const PathConventions conventions{&HasDriveLetter, &SameIgnoringAsciiCase, '\\'};
    return conventions;
}

const PathConventions& PosixPathConventions() {
    static const PathConventions conventions{&IsAbsolute, &SameBytes, '/'};
    return conventions;
}

}  // namespace pathnab
