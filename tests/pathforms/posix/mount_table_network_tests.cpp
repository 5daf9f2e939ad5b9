#include "pathforms/posix/mount_table_network.h"

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

class MountTableCase : public ::testing::TestWithParam<MountCase> {};

TEST_P(MountTableCase, NamesThePathByTheMountInSight) {
    MountTableNetwork network(Fixture("network.mountinfo"));
    std::string name;
    EXPECT_EQ(UniversalName(network, GetParam().path, name), GetParam().code);
    EXPECT_EQ(name, GetParam().universalName);
}

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
        MountCase{"/home/me/a.txt", 2250, ""}));

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
