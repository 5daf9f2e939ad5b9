#pragma once
#include <optional>
#include <string>

namespace pathnab {

// What the file system says about a path's spellings (GetLongPathName / GetShortPathName).
class FileNames {
public:
    virtual ~FileNames() = default;
    // The long form of path, or nullopt when the file system cannot give one.
    virtual std::optional<std::string> LongPathName(const std::string& path) = 0;
    // The short (8.3) form of path, or nullopt when the file system cannot give one.
    virtual std::optional<std::string> ShortPathName(const std::string& path) = 0;
};

}  // namespace pathnab
