#pragma once
#include <memory>

#include "pathforms/platform_info.h"
#include "pathforms/posix/samba_client.h"
#include "pathforms/share_listing.h"

namespace pathnab {

// The shares that the local Samba server serves; none when no server answers.
class SambaShareListing final : public ShareListing {
public:
    explicit SambaShareListing(std::shared_ptr<LocalSambaServer> samba);
    std::uint32_t Enumerate(const std::string& server, std::uint32_t level,
                            std::vector<ShareEntry>& records) override;

private:
    std::shared_ptr<LocalSambaServer> samba_;
};

// The operating system as Samba presents it: an NT platform named by its NetBIOS name.
class SambaOperatingSystem final : public OperatingSystem {
public:
    explicit SambaOperatingSystem(std::shared_ptr<LocalSambaServer> samba);
    bool GetVersion(OsVersion& version) override;
    bool GetComputerName(std::string& name) override;

private:
    std::shared_ptr<LocalSambaServer> samba_;
};

}  // namespace pathnab
