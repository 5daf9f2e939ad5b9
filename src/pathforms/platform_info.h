#pragma once
#include <cstdint>
#include <string>

namespace pathnab {

// The operating system's version record (GetVersionEx): 0 in platformId means not filled.
struct OsVersion {
    std::uint32_t platformId = 0;
    std::uint32_t minorVersion = 0;
};

class OperatingSystem {
public:
    virtual ~OperatingSystem() = default;
    // Fills version; false when the platform gives no answer.
    virtual bool GetVersion(OsVersion& version) = 0;
    // The computer's network name (GetComputerName); false when there is none.
    virtual bool GetComputerName(std::string& name) = 0;
};

// The modal message box that reports an unexpected network error.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void Show(const std::string& text, const std::string& title) = 0;
};

}  // namespace pathnab
