#include "pathforms/posix/samba_backends.h"

#include <unistd.h>

#include "pathforms/network_connections.h"

#include <utility>

namespace pathnab {
namespace {

constexpr std::uint32_t kNtPlatformId = 2;

std::string HostName() {
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) != 0) return {};
    return host;
}

}  // namespace

SambaShareListing::SambaShareListing(std::shared_ptr<LocalSambaServer> samba) : samba_(std::move(samba)) {}

std::uint32_t SambaShareListing::Enumerate(const std::string& server, std::uint32_t level,
                                           std::vector<ShareEntry>& records) {
    if (!server.empty()) return samba_->EnumerateShares(server, level, records);
    if (!samba_->Answers()) {
        records.clear();
        return netcode::kSuccess;
    }
    return samba_->EnumerateShares("127.0.0.1", level, records);
}

SambaOperatingSystem::SambaOperatingSystem(std::shared_ptr<LocalSambaServer> samba) : samba_(std::move(samba)) {}

bool SambaOperatingSystem::GetVersion(OsVersion& version) {
    version.platformId = kNtPlatformId;
    version.minorVersion = 0;
    return true;
}

bool SambaOperatingSystem::GetComputerName(std::string& name) {
    std::optional<std::string> configured;
    if (samba_->Answers()) configured = samba_->ConfiguredNetbiosName();
    name = configured && !configured->empty() ? *configured : NetbiosNameFromHostName(HostName());
    return !name.empty();
}

}  // namespace pathnab
