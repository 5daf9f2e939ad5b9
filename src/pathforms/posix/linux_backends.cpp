#include "pathforms/posix/linux_backends.h"

#include "pathforms/posix/mount_table_network.h"
#include "pathforms/posix/samba_backends.h"

namespace pathnab {

std::unique_ptr<FileNames> MakeLinuxFileNames();

LinuxPathFormsBackends MakeLinuxPathFormsBackends() {
    LinuxPathFormsBackends b;
    b.files = MakeLinuxFileNames();
    b.network = std::make_unique<MountTableNetwork>();
    // The first fill's share listing and computer name start now, behind the program's start-up.
    auto samba = std::make_shared<LocalSambaServer>();
    auto prefetch = std::make_shared<SambaPrefetch>(samba);
    b.shares = std::make_unique<SambaShareListing>(samba, prefetch);
    b.shares9x = std::make_unique<No9xShares>();
    b.os = std::make_unique<SambaOperatingSystem>(samba, prefetch);
    return b;
}

}  // namespace pathnab
