#include "pathforms/unc_path.h"

#include <algorithm>

namespace pathnab {
namespace {

constexpr std::uint32_t kDetailedLevel = 2;
constexpr std::uint32_t kShortLevel = 1;
constexpr std::int32_t kDiskShare = 0;
constexpr std::size_t kShareBuffer9xBytes = 16384;
constexpr std::uint32_t kConnectionBufferBytes = 260;
constexpr std::uint32_t kPlatformWin9x = 1;
constexpr std::uint32_t kPlatformNt = 2;
constexpr std::uint32_t kFirstNon95MinorVersion = 10;

bool BeginsWithTwoBackslashes(const std::string& path) {
    return path.starts_with("\\\\");
}

// Both the universal-name and the drive-connection query answer 1222 when the network is
// unavailable (no provider started: a workstation without its network service, or Wine). Then no
// drive can be a network connection: the drive is local, and a file on it is looked up in the
// local shares like on any other local drive instead of being reported as a network error on
// every fill. A remembered connection that is unavailable (1201) or a provider that could not be
// asked (1203) may still be a network drive, and stays an error.
bool DriveIsLocal(std::uint32_t code) {
    return code == netcode::kNotConnected || code == netcode::kNoNetwork;
}

}  // namespace

ModUncPath::ModUncPath(UncPorts ports, const PathConventions& conventions)
    : ports_(ports), conventions_(conventions) {}

std::string ModUncPath::GetUncPath(const std::string& path) {
    if (BeginsWithTwoBackslashes(path)) return path;
    if (path.empty()) return kNoFileSelected;
    std::string resolved = ResolveUncPath(path);
    if (!conventions_.SameText(resolved, path)) return resolved;
    return sharesAccessDenied_ ? kNeedAdmin : kNotShared;
}

std::string ModUncPath::ResolveUncPath(const std::string& path) {
    if (!conventions_.HasLocalRoot(path)) return {};
    if (IsWindows95()) return ResolveThroughDriveConnection(path);
    return ResolveThroughUniversalName(path);
}

std::string ModUncPath::ResolveThroughUniversalName(const std::string& path) {
    std::uint32_t bufferSize = 0;
    std::string universalName;
    const std::uint32_t code = ports_.network.GetUniversalName(path, bufferSize, universalName);
    if (code == netcode::kSuccess) return universalName;
    if (code == netcode::kMoreData) return UniversalNameOfSize(path, bufferSize);
    return ResolveByCode(path, code);
}

std::string ModUncPath::UniversalNameOfSize(const std::string& path, std::uint32_t bufferSize) {
    std::string universalName;
    if (ports_.network.GetUniversalName(path, bufferSize, universalName) != netcode::kSuccess) return {};
    return universalName;
}

// A remote name longer than the buffer gets one more try with the length the platform asked
// for; should that fail too, the code (234 included) is reported like any other network error.
std::string ModUncPath::ResolveThroughDriveConnection(const std::string& path) {
    const std::string drive = path.substr(0, 2);
    std::uint32_t bufferLength = kConnectionBufferBytes;
    std::string buffer;
    std::uint32_t code = ports_.network.GetConnection(drive, bufferLength, buffer);
    if (code == netcode::kMoreData) code = ports_.network.GetConnection(drive, bufferLength, buffer);
    if (code == netcode::kSuccess) return TrimAtNul(buffer) + path.substr(drive.size());
    return ResolveByCode(path, code);
}

std::string ModUncPath::ResolveByCode(const std::string& path, std::uint32_t code) {
    if (DriveIsLocal(code)) return UncFromLocalShare(path);
    return ReportNetworkError(code);
}

std::string ModUncPath::ReportNetworkError(std::uint32_t code) {
    ports_.messages.Show("Bad network. Error code " + std::to_string(code), ports_.version.Read().ProductName);
    return {};
}

std::string ModUncPath::UncFromLocalShare(const std::string& path) {
    std::vector<ShareEntry> listing;
    const int count = EnumShares("", listing);
    for (int i = 0; i < count; ++i) {
        const ShareEntry& share = listing[static_cast<std::size_t>(i)];
        if (share.Type != kDiskShare) continue;
        const auto rest = RestBelowFolder(path, share.Path);
        if (!rest) continue;
        std::string uncRest = *rest;
        std::ranges::replace(uncRest, conventions_.separator, '\\');
        return "\\\\" + GetLocalComputerName() + "\\" + share.NetName + uncRest;
    }
    return path;
}

std::optional<std::string> ModUncPath::RestBelowFolder(const std::string& path,
                                                       const std::string& folder) const {
    if (folder.empty()) return std::nullopt;  // a share that names no folder holds no file
    std::string stem = folder;
    while (stem.ends_with(conventions_.separator)) stem.pop_back();
    if (path.size() < stem.size()) return std::nullopt;
    if (!conventions_.SameText(path.substr(0, stem.size()), stem)) return std::nullopt;
    std::string rest = path.substr(stem.size());
    if (!rest.empty() && rest.front() != conventions_.separator) return std::nullopt;
    return rest;
}

int ModUncPath::EnumShares(const std::string& server, std::vector<ShareEntry>& listing) {
    if (!IsNtPlatform()) return EnumShares9x(server, listing);
    const int count = EnumSharesNt(server, listing);
    sharesAccessDenied_ = count < 0;
    return count;
}

int ModUncPath::EnumSharesNt(const std::string& server, std::vector<ShareEntry>& listing) {
    std::vector<ShareEntry> records;
    std::uint32_t level = kDetailedLevel;
    std::uint32_t code = ports_.shares.Enumerate(server, level, records);
    if (code == netcode::kAccessDenied) {
        level = kShortLevel;
        code = ports_.shares.Enumerate(server, level, records);
    }
    if (code != netcode::kSuccess || records.empty()) return 0;
    const int count = static_cast<int>(records.size());
    listing = std::move(records);
    return level == kDetailedLevel ? count : -count;
}

int ModUncPath::EnumShares9x(const std::string& server, std::vector<ShareEntry>& listing) {
    std::vector<std::uint8_t> buffer(kShareBuffer9xBytes, 0);
    std::uint16_t entriesRead = 0;
    if (ports_.shares9x.Enumerate50(server, buffer, entriesRead) != netcode::kSuccess) return 0;
    std::vector<ShareEntry> records = DecodeShareInfo50(buffer, entriesRead, ports_.shares9x);
    if (records.empty()) return 0;
    listing = std::move(records);
    return static_cast<int>(listing.size());
}

// A record counts as filled once its platform id is nonzero; until then the platform is asked
// again at each use.
const OsVersion& ModUncPath::AskedOnce(OsVersion& record) {
    if (record.platformId == 0) ports_.os.GetVersion(record);
    return record;
}

bool ModUncPath::IsNtPlatform() {
    return AskedOnce(ntVersion_).platformId == kPlatformNt;
}

bool ModUncPath::IsWindows95() {
    const OsVersion& version = AskedOnce(win95Version_);
    return version.platformId == kPlatformWin9x && version.minorVersion < kFirstNon95MinorVersion;
}

std::string ModUncPath::GetLocalComputerName() {
    std::string name;
    if (!ports_.os.GetComputerName(name)) return {};
    return name;
}

}  // namespace pathnab
