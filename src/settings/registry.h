#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pathnab {

using RegKey = std::uintptr_t;

namespace regroot {
inline constexpr RegKey kClassesRoot = 0x80000000u;
inline constexpr RegKey kCurrentUser = 0x80000001u;
inline constexpr RegKey kLocalMachine = 0x80000002u;
inline constexpr RegKey kUsers = 0x80000003u;
}  // namespace regroot

namespace regtype {
inline constexpr std::uint32_t kSz = 1;
inline constexpr std::uint32_t kExpandSz = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kMultiSz = 7;
}  // namespace regtype

namespace regaccess {
inline constexpr std::uint32_t kRead = 0x20019;
inline constexpr std::uint32_t kWrite = 0x20006;
inline constexpr std::uint32_t kAboutBox = 0x2003F;
inline constexpr std::uint32_t kQueryValueRight = 0x0001;
inline constexpr std::uint32_t kSetValueRight = 0x0002;
}  // namespace regaccess

namespace regstatus {
inline constexpr std::int32_t kSuccess = 0;
inline constexpr std::int32_t kFileNotFound = 2;
inline constexpr std::int32_t kPathNotFound = 3;
inline constexpr std::int32_t kAccessDenied = 5;
inline constexpr std::int32_t kInvalidHandle = 6;
inline constexpr std::int32_t kOutOfMemory = 14;
inline constexpr std::int32_t kInvalidParameter = 87;
inline constexpr std::int32_t kBadPathname = 161;
inline constexpr std::int32_t kMoreData = 234;
inline constexpr std::int32_t kBadDatabase = 1009;  // the store is not a readable registry
inline constexpr std::int32_t kStoreIoFailed = 1016;
inline constexpr std::int32_t kKeyDeleted = 1018;
// ReadKeyValue's own code for a value of a type it does not read.
inline constexpr std::int32_t kUnsupportedType = -1;
}  // namespace regstatus

// The registry's operations (RegOpenKeyEx, RegCreateKeyEx, RegQueryValueEx, RegSetValueEx,
// RegCloseKey). Every call returns a status: 0 is done, anything else failure.
class Registry {
public:
    virtual ~Registry() = default;
    // Opens subKey (may be empty: parent itself) below parent; fails when any key is missing.
    virtual std::int32_t OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                                 RegKey& key) = 0;
    // Opens subKey below parent, creating every missing key along the path.
    virtual std::int32_t CreateKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                                   RegKey& key) = 0;
    // Value name empty = the default value. With data null: type and size in bytes of the
    // data. With data: up to size bytes copied, size set to the bytes copied (kMoreData with
    // the size needed when the buffer is too small).
    virtual std::int32_t QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                                    std::uint8_t* data, std::uint32_t& size) = 0;
    virtual std::int32_t SetValue(RegKey key, const std::string& name, std::uint32_t type,
                                  std::span<const std::uint8_t> data) = 0;
    virtual void CloseKey(RegKey key) = 0;
};

}  // namespace pathnab
