// Registry path splitting: a split path puts its parts back together to the input, the root
// name aside; a path without two separators never splits; the root's letter case never matters.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/reg_access.h"
#include "fuzz_support.h"

namespace {

using pathnab::fuzz::Require;

std::string WithRootCaseSwapped(std::string path, std::size_t rootLength) {
    for (std::size_t i = 0; i < rootLength; ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        path[i] = static_cast<char>(std::islower(c) ? std::toupper(c) : std::tolower(c));
    }
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    const auto parts = pathnab::SplitRegPath(path);
    if (!parts) return 0;
    const std::size_t first = path.find('\\');
    Require(first != std::string::npos && path.find('\\', first + 1) != std::string::npos);
    Require(path.substr(first + 1) == parts->subKey + "\\" + parts->valueName);
    Require(parts->valueName.find('\\') == std::string::npos);
    const auto swapped = pathnab::SplitRegPath(WithRootCaseSwapped(path, first));
    Require(swapped && swapped->root == parts->root && swapped->subKey == parts->subKey);
    return 0;
}
