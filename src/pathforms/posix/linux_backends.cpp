#include "pathforms/posix/linux_backends.h"

#include "pathforms/posix/mount_table_network.h"
#include "pathforms/posix/samba_backends.h"

namespace pathnab {
namespace {

// Linux has no 9x share listing; the NT route is always taken.
class No9xShares final : public ShareListing9x {
public:
    std::uint32_t Enumerate50(const std::string&, std::vector<std::uint8_t>&, std::uint16_t& entriesRead) override {
        entriesRead = 0;
        return 50;  // ERROR_NOT_SUPPORTED
    }
    std::string AnsiTextAt(std::uint32_t) override { return {}; }
};

}  // namespace

std::unique_ptr<FileNames> MakeLinuxFileNames();

LinuxPathFormsBackends MakeLinuxPathFormsBackends() {
    LinuxPathFormsBackends b;
    b.files = MakeLinuxFileNames();
    b.network = std::make_unique<MountTableNetwork>();
    auto samba = std::make_shared<LocalSambaServer>();
    b.shares = std::make_unique<SambaShareListing>(samba);
    b.shares9x = std::make_unique<No9xShares>();
    b.os = std::make_unique<SambaOperatingSystem>(samba);
    return b;
}

}  // namespace pathnab
