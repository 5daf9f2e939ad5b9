#include "pathforms/posix/mount_table_network.h"
#include "case_name.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace pathnab {
namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) { return std::string(PATHNAB_TEST_DATA) + "/mountinfo/" + name; }

// The full two-step query: the size first, then the name into a buffer of that size.
std::uint32_t UniversalName(MountTableNetwork& network, const std::string& path, std::string& name) {
    std::uint32_t size = 0;
    const std::uint32_t code = network.GetUniversalName(path, size, name);
    if (code != netcode::kMoreData) return code;
    return network.GetUniversalName(path, size, name);
}

struct MountCase {
    const char* path;
    std::uint32_t code;
    const char* universalName;
};
void PrintTo(const MountCase& c, std::ostream* os) { *os << c.path; }

void ExpectCase(const std::string& table, const MountCase& expected) {
    MountTableNetwork network(Fixture(table));
    std::string name;
    EXPECT_EQ(UniversalName(network, expected.path, name), expected.code);
    EXPECT_EQ(name, expected.universalName);
}

class MountTableCase : public ::testing::TestWithParam<MountCase> {};

TEST_P(MountTableCase, NamesThePathByTheMountInSight) { ExpectCase("network.mountinfo", GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Fixture, MountTableCase,
    ::testing::Values(
        MountCase{"/mnt/nas/docs/a.txt", 0, R"(\\nas\public\docs\a.txt)"},
        MountCase{"/mnt/nas", 0, R"(\\nas\public)"},
        MountCase{"/mnt/nasty/a.txt", 2250, ""},
        MountCase{"/mnt/nas/archive/2020/x.tar", 0, R"(\\files.example.org\srv\archive\2020\x.tar)"},
        MountCase{"/mnt/nas/archive/local/x.txt", 2250, ""},
        MountCase{"/mnt/nas/archived/x.txt", 0, R"(\\nas\public\archived\x.txt)"},
        MountCase{"/mnt/smb3/a/b.txt", 0, R"(\\fileserver\team\projects\a\b.txt)"},
        MountCase{"/mnt/old nfs/me/notes.txt", 0, R"(\\legacy\export\home\me\notes.txt)"},
        MountCase{"/media/My Share/x.doc", 0, R"(\\nas\My Share\x.doc)"},
        MountCase{"/srv/backup/db/x", 0, R"(\\[fd00::30]\db\x)"},
        MountCase{"/srv/data/x", 2250, ""},
        MountCase{"/dev/shm/x", 2250, ""},
        MountCase{"/net/over/a.txt", 2250, ""},
        MountCase{"/net/under/a.txt", 0, R"(\\second\share\a.txt)"},
        MountCase{"/cover/share/a.txt", 2250, ""},
        MountCase{"/mnt/not-a-host/a.txt", 2250, ""},
        MountCase{"/mnt/backslashed/a.txt", 2250, ""},
        MountCase{"/home/me/a.txt", 2250, ""}), CaseName());

class DesktopFuseCase : public ::testing::TestWithParam<MountCase> {};

TEST_P(DesktopFuseCase, NamesTheShareByTheMountsOwnFolderNames) { ExpectCase("desktop-fuse.mountinfo", GetParam()); }

#define GVFS "/run/user/1000/gvfs/"
#define KIO "/run/user/1000/kio-fuse-QpXzTb/"

INSTANTIATE_TEST_SUITE_P(
    Gvfs, DesktopFuseCase,
    ::testing::Values(
        MountCase{GVFS "smb-share:server=nas,share=public/docs/a.txt", 0, R"(\\nas\public\docs\a.txt)"},
        MountCase{GVFS "smb-share:server=nas,share=public", 0, R"(\\nas\public)"},
        MountCase{GVFS "smb-share:server=nas,share=my%20docs/Q3 Report (final).ODS", 0,
                  R"(\\nas\my docs\Q3 Report (final).ODS)"},
        MountCase{GVFS "smb-share:server=nas,share=déjà%20vu/Ünïcode/ß.txt", 0, R"(\\nas\déjà vu\Ünïcode\ß.txt)"},
        MountCase{GVFS "smb-share:server=nas,share=x~y%21z%23%40%2C%3D%25/a", 0, R"(\\nas\x~y!z#@,=%\a)"},
        MountCase{GVFS "smb-share:server=nas,share=a&b'(c)$/a", 0, R"(\\nas\a&b'(c)$\a)"},
        MountCase{GVFS "smb-share:server=%5B%3A%3A1%5D,share=docs/a.txt", 0, R"(\\[::1]\docs\a.txt)"},
        MountCase{GVFS "smb-share:server=%5Bfd00%3A%3A30%5D,share=docs/a.txt", 0, R"(\\[fd00::30]\docs\a.txt)"},
        MountCase{GVFS "smb-share:server=192.168.1.20,share=docs/a.txt", 0, R"(\\192.168.1.20\docs\a.txt)"},
        MountCase{GVFS "smb-share:domain=WORK,port=4445,server=files,share=team,user=bob/a/b/c.txt", 0,
                  R"(\\files\team\a\b\c.txt)"},
        MountCase{GVFS "smb-share:share=team,server=files/a", 0, R"(\\files\team\a)"},
        MountCase{GVFS "smb-share:server=files,share=team/%41 stays%20as named", 0, R"(\\files\team\%41 stays%20as named)"},
        MountCase{GVFS "smb-share:server=files/a", 2250, ""},
        MountCase{GVFS "smb-share:share=team/a", 2250, ""},
        MountCase{GVFS "smb-share:server=,share=team/a", 2250, ""},
        MountCase{GVFS "smb-share:server=files,share=te%2Fam/a", 2250, ""},
        MountCase{GVFS "smb-share:server=files,share=te%5Cam/a", 2250, ""},
        MountCase{GVFS "smb-share:server=files,share=te%00am/a", 2250, ""},
        MountCase{GVFS "smb-share:server=files,share=team%2/a", 2250, ""},
        MountCase{GVFS "smb-share:server=files,share=team%zz/a", 2250, ""},
        MountCase{GVFS "smb-share:myserver=files,myshare=team/a", 2250, ""},
        MountCase{GVFS "smb-server:server=files/team", 2250, ""},
        MountCase{GVFS "sftp:host=files,user=bob/home/bob/a.txt", 2250, ""},
        MountCase{GVFS "dav:host=files,ssl=true/a.txt", 2250, ""},
        MountCase{GVFS "ftp:host=files/pub/a.txt", 2250, ""},
        MountCase{GVFS "google-drive:host=gmail.com,user=bob/a", 2250, ""},
        MountCase{GVFS "mtp:host=Phone_1234/Internal/a.jpg", 2250, ""},
        MountCase{"/run/user/1000/gvfs", 2250, ""},
        MountCase{"/run/user/1000/smb-share:server=nas,share=public/a.txt", 2250, ""},
        MountCase{"/home/me/smb-share:server=nas,share=public/a.txt", 2250, ""},
        MountCase{"/home/me/sshfs/smb-share:server=nas,share=public/a.txt", 2250, ""}), CaseName());

INSTANTIATE_TEST_SUITE_P(
    KioFuse, DesktopFuseCase,
    ::testing::Values(
        MountCase{KIO "smb/nas/public/docs/a.txt", 0, R"(\\nas\public\docs\a.txt)"},
        MountCase{KIO "smb/nas/public", 0, R"(\\nas\public)"},
        MountCase{KIO "smb/bob@nas:4445/public/My Docs/ä.txt", 0, R"(\\nas\public\My Docs\ä.txt)"},
        MountCase{KIO "smb/WORK;bob@nas/Team Share/a", 0, R"(\\nas\Team Share\a)"},
        MountCase{KIO "smb/[fd00::30]:445/docs/a", 0, R"(\\[fd00::30]\docs\a)"},
        MountCase{KIO "smb/[fd00::30/docs/a", 2250, ""},
        MountCase{KIO "smb/10.0.0.7/docs/a", 0, R"(\\10.0.0.7\docs\a)"},
        MountCase{KIO "smb/nas", 2250, ""},
        MountCase{KIO "smb", 2250, ""},
        MountCase{KIO "sftp/bob@nas/home/bob/a", 2250, ""},
        MountCase{KIO "fish/nas/home/a", 2250, ""},
        MountCase{"/run/user/1000/kio-fuse-QpXzTb", 2250, ""},
        MountCase{"/run/user/1000/kio-fuse-Other/smb/nas/public/a", 2250, ""}), CaseName());

INSTANTIATE_TEST_SUITE_P(
    Smbnetfs, DesktopFuseCase,
    ::testing::Values(
        MountCase{"/home/me/net/nas/public/docs/a.txt", 0, R"(\\nas\public\docs\a.txt)"},
        MountCase{"/home/me/net/192.168.1.20/public", 0, R"(\\192.168.1.20\public)"},
        MountCase{"/home/me/net/bob:secret@nas/public/a", 0, R"(\\nas\public\a)"},
        MountCase{"/home/me/net/nas", 2250, ""},
        MountCase{"/home/me/net", 2250, ""}), CaseName());

#undef GVFS
#undef KIO

TEST(MountTableNetwork, NetworkRootMountHoldsEveryPath) {
    MountTableNetwork network(Fixture("nfs-root.mountinfo"));
    std::string name;
    EXPECT_EQ(UniversalName(network, "/home/me/a.txt", name), 0u);
    EXPECT_EQ(name, R"(\\10.0.0.1\exports\root\home\me\a.txt)");
    EXPECT_EQ(UniversalName(network, "/proc/x", name = ""), 2250u);
}

TEST(MountTableNetwork, TooSmallBufferAsksForTheNameAndItsNul) {
    MountTableNetwork network(Fixture("network.mountinfo"));
    const std::string expected = R"(\\nas\public\a.txt)";
    std::string name = "untouched";
    for (std::uint32_t given : {0u, static_cast<std::uint32_t>(expected.size())}) {
        std::uint32_t size = given;
        EXPECT_EQ(network.GetUniversalName("/mnt/nas/a.txt", size, name), netcode::kMoreData);
        EXPECT_EQ(size, expected.size() + 1);
        EXPECT_EQ(name, "untouched");
    }
    std::uint32_t size = expected.size() + 1;
    EXPECT_EQ(network.GetUniversalName("/mnt/nas/a.txt", size, name), netcode::kSuccess);
    EXPECT_EQ(name, expected);
}

TEST(MountTableNetwork, LocalPathLeavesTheBufferSizeAlone) {
    MountTableNetwork network(Fixture("network.mountinfo"));
    std::uint32_t size = 7;
    std::string name;
    EXPECT_EQ(network.GetUniversalName("/tmp/a.txt", size, name), netcode::kNotConnected);
    EXPECT_EQ(size, 7u);
}

TEST(MountTableNetwork, UnreadableTableIsANetworkError) {
    MountTableNetwork network(Fixture("no-such.mountinfo"));
    std::uint32_t size = 0;
    std::string name;
    EXPECT_EQ(network.GetUniversalName("/mnt/nas/a.txt", size, name), kMountTableUnreadable);
}

TEST(MountTableNetwork, EmptyTableHoldsNoNetworkPath) {
    MountTableNetwork network(Fixture("empty.mountinfo"));
    std::string name;
    EXPECT_EQ(UniversalName(network, "/mnt/nas/a.txt", name), netcode::kNotConnected);
}

TEST(MountTableNetwork, DriveConnectionsDoNotExist) {
    MountTableNetwork network(Fixture("network.mountinfo"));
    std::uint32_t length = 260;
    std::string buffer;
    EXPECT_EQ(network.GetConnection("Z:", length, buffer), netcode::kNotConnected);
}

TEST(MountTableNetwork, LinkIntoANetworkMountIsNamedByThatMount) {
    const fs::path dir = fs::temp_directory_path() / ("pathnab-mount-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(dir);
    fs::create_directories(dir / "share" / "sub");
    std::ofstream(dir / "share" / "sub" / "a.txt") << "x";
    fs::create_directory_symlink(dir / "share", dir / "link");
    const fs::path table = dir / "mountinfo";
    std::ofstream(table) << "26 1 259:2 / / rw - ext4 /dev/sda1 rw\n"
                         << "90 26 0:50 / " << fs::canonical(dir / "share").string()
                         << " rw - cifs //server/data rw,vers=3.1.1\n";

    MountTableNetwork network(table.string());
    std::string name;
    EXPECT_EQ(UniversalName(network, (dir / "link" / "sub" / "a.txt").string(), name), 0u);
    EXPECT_EQ(name, R"(\\server\data\sub\a.txt)");
    fs::remove_all(dir);
}

TEST(MountTableNetwork, ThisProcessTableIsReadable) {
    MountTableNetwork network;
    std::string name;
    EXPECT_NE(UniversalName(network, "/", name), kMountTableUnreadable);
}

}  // namespace
}  // namespace pathnab
