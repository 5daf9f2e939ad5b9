#pragma once
#include <memory>

#include "pathforms/file_names.h"
#include "pathforms/network_connections.h"
#include "pathforms/platform_info.h"
#include "pathforms/share_listing.h"
#include "pathforms/unc_path.h"

namespace pathnab {

// The platform's answers the path forms need, owned together.
struct PathFormsBackends {
    std::unique_ptr<FileNames> files;
    std::unique_ptr<NetworkConnections> network;
    std::unique_ptr<ShareListing> shares;
    std::unique_ptr<ShareListing9x> shares9x;
    std::unique_ptr<OperatingSystem> os;

    UncPorts Ports(MessageBox& messages, VersionSource& version) {
        return UncPorts{*network, *shares, *shares9x, *os, messages, version};
    }
};

// For a platform of the NT family only: there is no 9x share listing to ask.
class No9xShares final : public ShareListing9x {
public:
    std::uint32_t Enumerate50(const std::string&, std::vector<std::uint8_t>&, std::uint16_t& entriesRead) override {
        entriesRead = 0;
        return kNotSupported;
    }
    std::string AnsiTextAt(std::uint32_t) override { return {}; }

private:
    static constexpr std::uint32_t kNotSupported = 50;
};

}  // namespace pathnab
