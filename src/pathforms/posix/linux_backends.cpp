#include "pathforms/posix/linux_backends.h"

#include "pathforms/posix/mount_table_network.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>

namespace pathnab {
namespace {

class NoShares final : public ShareListing {
public:
    std::uint32_t Enumerate(const std::string&, std::uint32_t, std::vector<ShareEntry>& records) override {
        records.clear();
        return netcode::kSuccess;
    }
};

// Linux has no 9x share listing; the NT route is always taken.
class No9xShares final : public ShareListing9x {
public:
    std::uint32_t Enumerate50(const std::string&, std::vector<std::uint8_t>&, std::uint16_t& entriesRead) override {
        entriesRead = 0;
        return 50;  // ERROR_NOT_SUPPORTED
    }
    std::string AnsiTextAt(std::uint32_t) override { return {}; }
};

class LinuxSystem final : public OperatingSystem {
public:
    bool GetVersion(OsVersion& version) override {
        version.platformId = 2;  // answers as an NT platform
        version.minorVersion = 0;
        return true;
    }
    bool GetComputerName(std::string& name) override {
        char host[256] = {};
        if (gethostname(host, sizeof host - 1) != 0) return false;
        name.assign(host);
        name = name.substr(0, name.find('.'));
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return !name.empty();
    }
};

}  // namespace

std::unique_ptr<FileNames> MakeLinuxFileNames();

LinuxPathFormsBackends MakeLinuxPathFormsBackends() {
    LinuxPathFormsBackends b;
    b.files = MakeLinuxFileNames();
    b.network = std::make_unique<MountTableNetwork>();
    b.shares = std::make_unique<NoShares>();
    b.shares9x = std::make_unique<No9xShares>();
    b.os = std::make_unique<LinuxSystem>();
    return b;
}

}  // namespace pathnab
