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
#include "settings/version_info.h"

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
    // The product name titles the message boxes, as in every other box of the program.
    VersionSource& version;
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
    std::string ResolveThroughUniversalName(const std::string& path);
    std::string ResolveThroughDriveConnection(const std::string& path);
    std::string ResolveByCode(const std::string& path, std::uint32_t code);
    std::string UniversalNameOfSize(const std::string& path, std::uint32_t bufferSize);
    std::string ReportNetworkError(std::uint32_t code);
    // The part of path below folder: empty for the folder itself, else beginning with a
    // separator; nullopt when folder does not hold path.
    std::optional<std::string> RestBelowFolder(const std::string& path, const std::string& folder) const;
    const OsVersion& AskedOnce(OsVersion& record);

    UncPorts ports_;
    const PathConventions& conventions_;
    bool sharesAccessDenied_ = false;
    OsVersion ntVersion_;
    OsVersion win95Version_;
};

// Text helpers for the platform's buffers.
// The characters before the first NUL; without a NUL, the text without surrounding spaces.
std::string TrimAtNul(const std::string& text);
// A NUL-terminated text at address; empty text for null.
std::string StringFromAnsiPtr(const char* address);

// Decodes count consecutive 42-byte level-50 share records from the start of buffer; the
// remark and folder addresses are read through textAt. Records the buffer does not hold
// completely are not read.
std::vector<ShareEntry> DecodeShareInfo50(std::span<const std::uint8_t> buffer, int count,
                                          ShareListing9x& textAt);

}  // namespace pathnab
