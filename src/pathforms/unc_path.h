#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pathforms/network_connections.h"
#include "pathforms/path_conventions.h"
#include "pathforms/platform_info.h"
#include "pathforms/share_listing.h"

namespace pathnab {

// The messages shown in place of a UNC path.
inline constexpr const char* kNoFileSelected = "(No file selected)";
inline constexpr const char* kNotShared = "(The file is not located on a shared device)";
inline constexpr const char* kNeedAdmin = "(You need admin priviledges to view this)";

struct UncPorts {
    NetworkConnections& network;
    ShareListing& shares;
    ShareListing9x& shares9x;
    OperatingSystem& os;
    MessageBox& messages;
};

// The network-path module: the UNC form of a path and the state it keeps for the whole run
// (the refused-listing flag and the two remembered platform answers).
class ModUncPath {
public:
    ModUncPath(UncPorts ports, const PathConventions& conventions = HostPathConventions());

    std::string GetUncPath(const std::string& path);
    std::string ResolveUncPath(const std::string& path);
    std::string UncFromLocalShare(const std::string& path);

    // Count: n > 0 detailed entries, -n short entries, 0 for none or failure.
    int EnumShares(const std::string& server, std::vector<ShareEntry>& listing);
    int EnumSharesNt(const std::string& server, std::vector<ShareEntry>& listing);
    int EnumShares9x(const std::string& server, std::vector<ShareEntry>& listing);

    bool IsNtPlatform();
    bool IsWindows95();
    std::string GetLocalComputerName();

    bool SharesAccessDenied() const { return sharesAccessDenied_; }

private:
    UncPorts ports_;
    const PathConventions& conventions_;
    bool sharesAccessDenied_ = false;
    OsVersion ntVersion_;
    OsVersion win95Version_;
};

// Text helpers for the platform's buffers.
std::string TrimAtNul(const std::string& text);

// Decodes count consecutive 42-byte level-50 share records from the start of buffer; the
// remark and folder addresses are read through textAt. Records the buffer does not hold
// completely are not read.
class ShareListing9x;
std::vector<ShareEntry> DecodeShareInfo50(std::span<const std::uint8_t> buffer, int count,
                                          ShareListing9x& textAt);

}  // namespace pathnab
