#pragma once
#include <cstdint>
#include <string>

#include "settings/registry.h"

namespace pathnab {

// A registry key opened for one operation and closed however the operation ends.
class OpenedKey {
public:
    explicit OpenedKey(Registry& registry) : registry_(registry) {}
    ~OpenedKey();
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    // True when the key below root could be opened with that access.
    bool Open(RegKey root, const std::string& subKey, std::uint32_t access);
    // True when the key below root, and any missing key above it, could be created or opened.
    bool Create(RegKey root, const std::string& subKey, std::uint32_t access);
    RegKey Key() const { return key_; }
    // The status of the last Open or Create.
    std::int32_t Status() const { return status_; }

private:
    bool Opened(std::int32_t status);

    Registry& registry_;
    RegKey key_ = 0;
    std::int32_t status_ = regstatus::kSuccess;
    bool opened_ = false;
};

}  // namespace pathnab
