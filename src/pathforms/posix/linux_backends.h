#pragma once
#include <memory>

#include "pathforms/file_names.h"
#include "pathforms/network_connections.h"
#include "pathforms/platform_info.h"
#include "pathforms/share_listing.h"
#include "pathforms/unc_path.h"

namespace pathnab {

// The Linux stand-ins for the path forms' platform calls, owned together.
struct LinuxPathFormsBackends {
    std::unique_ptr<FileNames> files;
    std::unique_ptr<NetworkConnections> network;
    std::unique_ptr<ShareListing> shares;
    std::unique_ptr<ShareListing9x> shares9x;
    std::unique_ptr<OperatingSystem> os;

    UncPorts Ports(MessageBox& messages) {
        return UncPorts{*network, *shares, *shares9x, *os, messages};
    }
};

LinuxPathFormsBackends MakeLinuxPathFormsBackends();

}  // namespace pathnab
