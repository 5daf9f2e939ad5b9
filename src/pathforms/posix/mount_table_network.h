#pragma once
#include <cstdint>
#include <string>

#include "pathforms/network_connections.h"

namespace pathnab {

// The code for a mount table that cannot be read (ERROR_UNEXP_NET_ERR): any path may then be
// on a network mount, so the caller reports it as a network error.
inline constexpr std::uint32_t kMountTableUnreadable = netcode::kUnexpectedNetworkError;

// The network's connections as the kernel's mount table shows them: a path on a CIFS/SMB
// mount, an NFS mount, or an SMB share that GVFS, KIO-FUSE or smbnetfs shows through FUSE has
// a universal name; every other path is not connected.
class MountTableNetwork final : public NetworkConnections {
public:
    explicit MountTableNetwork(std::string mountinfoPath = "/proc/self/mountinfo");

    std::uint32_t GetUniversalName(const std::string& path, std::uint32_t& bufferSize,
                                   std::string& universalName) override;
    // Linux has no drive letters, so no drive is ever a connection.
    std::uint32_t GetConnection(const std::string& drive, std::uint32_t& bufferLength,
                                std::string& buffer) override;

private:
    std::string mountinfoPath_;
};

}  // namespace pathnab
