#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace pathnab {

// One share as listed. Fields a listing level does not supply stay 0 or empty.
struct ShareEntry {
    std::string NetName;
    std::int32_t Type = 0;
    std::string Remark;
    std::int32_t Permissions = 0;
    std::int32_t MaxUses = 0;
    std::int32_t CurrentUses = 0;
    std::string Path;
    std::string Password;
};

// The shares a server offers (NetShareEnum of the NT platform).
class ShareListing {
public:
    virtual ~ShareListing() = default;
    // Lists every share of server (empty: the local computer) at level 2 or 1 into records,
    // with the fields that level supplies. Returns the platform's code (0 = listed,
    // netcode::kAccessDenied when the level is refused). records is left alone on failure.
    virtual std::uint32_t Enumerate(const std::string& server, std::uint32_t level,
                                    std::vector<ShareEntry>& records) = 0;
};

// The shares a 9x server offers (NetShareEnum of svrapi, level 50), as raw records.
class ShareListing9x {
public:
    virtual ~ShareListing9x() = default;
    // Fills buffer (whose size is the caller's) with consecutive level-50 records and sets
    // entriesRead. Returns the platform's code (0 = listed).
    virtual std::uint32_t Enumerate50(const std::string& server, std::vector<std::uint8_t>& buffer,
                                      std::uint16_t& entriesRead) = 0;
    // The NUL-terminated ANSI text at a 32-bit address that a record holds, or empty text
    // for a null address.
    virtual std::string AnsiTextAt(std::uint32_t address) = 0;
};

}  // namespace pathnab
