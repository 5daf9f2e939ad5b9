#pragma once
#include <string>

namespace pathnab {

// The program's own version information (the version resource on Windows).
struct VersionInfo {
    std::string CompanyName;
    std::string ProductName;
    int Major = 0;
    int Minor = 0;
    int Build = 0;
    int Revision = 0;
};

class VersionSource {
public:
    virtual ~VersionSource() = default;
    virtual VersionInfo Read() = 0;
};

}  // namespace pathnab
