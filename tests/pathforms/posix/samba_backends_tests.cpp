#include "pathforms/posix/samba_backends.h"
#include "case_name.h"

#include <dlfcn.h>
#include <netinet/in.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>

namespace pathnab {
namespace {

namespace fs = std::filesystem;

struct TextCase {
    const char* given;
    const char* expected;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.given; }

class SambaFolderCase : public ::testing::TestWithParam<TextCase> {};

TEST_P(SambaFolderCase, BecomesTheLinuxFolder) {
    EXPECT_EQ(PosixFolderFromSamba(GetParam().given), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Folders, SambaFolderCase,
                         ::testing::Values(TextCase{R"(C:\dir\sub)", "/dir/sub"}, TextCase{R"(C:\)", "/"},
                                           TextCase{R"(C:\dir\)", "/dir"},
                                           TextCase{R"(C:\my docs\Ünïcode)", "/my docs/Ünïcode"},
                                           TextCase{"", ""}, TextCase{"C:", "C:"}), CaseName());

class HostNameCase : public ::testing::TestWithParam<TextCase> {};

TEST_P(HostNameCase, BecomesTheNetbiosName) {
    EXPECT_EQ(NetbiosNameFromHostName(GetParam().given), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, HostNameCase,
                         ::testing::Values(TextCase{"vm", "VM"}, TextCase{"build-01.example.org", "BUILD-01"},
                                           TextCase{"averyveryverylonghostname", "AVERYVERYVERYLO"},
                                           TextCase{"fifteen-chars-x.lan", "FIFTEEN-CHARS-X"}, TextCase{"", ""}), CaseName());

// A deleter type of its own: pclose's declaration carries attributes (nonnull in newer C
// libraries) that a function-pointer template argument would drop, which GCC 14 warns about.
struct PipeCloser {
    void operator()(FILE* pipe) const { pclose(pipe); }
};

std::string RunAndRead(const std::string& command) {
    std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    std::string output;
    char chunk[256];
    while (pipe && fgets(chunk, sizeof chunk, pipe.get())) output += chunk;
    while (!output.empty() && (output.back() == '\n' || output.back() == ' ')) output.pop_back();
    return output;
}

// A loopback port that nothing listens on.
std::uint16_t UnusedPort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

bool NetapiLoaded() {
    void* handle = dlopen("libnetapi.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

TEST(SambaShareListing, NoServerMeansNoSharesAndNoLibrary) {
    // A fresh process of its own, so that no other test has loaded the library before.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SambaShareListing shares(std::make_shared<LocalSambaServer>(UnusedPort()));
            std::vector<ShareEntry> records(1);
            const bool listedNothing = shares.Enumerate("", 2, records) == 0 && records.empty();
            std::exit(listedNothing && !NetapiLoaded() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(SambaPrefetch, NoServerMeansNoSharesTheHostNameAndNoLibrary) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto samba = std::make_shared<LocalSambaServer>(UnusedPort());
            auto prefetch = std::make_shared<SambaPrefetch>(samba);
            SambaShareListing shares(samba, prefetch);
            SambaOperatingSystem os(samba, prefetch);
            std::vector<ShareEntry> records(1);
            const bool listedNothing = shares.Enumerate("", 2, records) == 0 && records.empty();
            char host[256] = {};
            gethostname(host, sizeof host - 1);
            std::string name;
            const bool hostNamed = os.GetComputerName(name) && name == NetbiosNameFromHostName(host);
            std::exit(listedNothing && hostNamed && !NetapiLoaded() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(SambaOperatingSystem, AnswersAsAnNtPlatform) {
    SambaOperatingSystem os(std::make_shared<LocalSambaServer>(UnusedPort()));
    OsVersion version;
    EXPECT_TRUE(os.GetVersion(version));
    EXPECT_EQ(version.platformId, 2u);
}

TEST(SambaOperatingSystem, WithoutServerTheNameComesFromTheHostName) {
    SambaOperatingSystem os(std::make_shared<LocalSambaServer>(UnusedPort()));
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    std::string name;
    EXPECT_TRUE(os.GetComputerName(name));
    EXPECT_EQ(name, NetbiosNameFromHostName(host));
}

// A real smbd on 127.0.0.1:445 for the tests of this suite. Test processes may run side by
// side, so a lock file lets one server run at a time.
class LoopbackSmbd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        lockFd_ = open("/tmp/pathnab-loopback-smbd.lock", O_CREAT | O_RDWR | O_CLOEXEC, 0666);
        flock(lockFd_, LOCK_EX);
        char pattern[] = "/tmp/pathnab-smbd-XXXXXX";
        dir_ = mkdtemp(pattern);
        started_ = std::system(Helper("smbd_start \"$1\" && echo $smbd_pid >\"$1/smbd.pid\"").c_str()) == 0;
    }

    static void TearDownTestSuite() {
        std::system(Helper("smbd_pid=$(cat \"$1/smbd.pid\") && smbd_config=\"$1/smb.conf\" && smbd_stop").c_str());
        fs::remove_all(dir_);
        flock(lockFd_, LOCK_UN);
        close(lockFd_);
    }

    void SetUp() override { ASSERT_TRUE(started_) << "smbd did not start on 127.0.0.1:445"; }

    static std::string Helper(const std::string& script) {
        const std::string helper = std::string(PATHNAB_TEST_DATA) + "/../e2e/tools/loopback_smbd.sh";
        return "bash -c 'source \"$0\" && " + script + "' '" + helper + "' '" + dir_.string() + "' </dev/null";
    }

    static const ShareEntry* Find(const std::vector<ShareEntry>& records, const std::string& name) {
        const auto found = std::find_if(records.begin(), records.end(),
                                        [&](const ShareEntry& entry) { return entry.NetName == name; });
        return found == records.end() ? nullptr : &*found;
    }

    static std::vector<ShareEntry> Listing(std::uint32_t level) {
        SambaShareListing shares(std::make_shared<LocalSambaServer>());
        std::vector<ShareEntry> records;
        EXPECT_EQ(shares.Enumerate("", level, records), 0u);
        return records;
    }

    static void ExpectDocsShare(const std::vector<ShareEntry>& records, const std::string& folder) {
        const ShareEntry* docs = Find(records, "docs");
        ASSERT_NE(docs, nullptr);
        EXPECT_EQ(docs->Type, 0);
        EXPECT_EQ(docs->Remark, "Documents");
        EXPECT_EQ(docs->Path, folder);
    }

    static inline int lockFd_ = -1;
    static inline fs::path dir_;
    static inline bool started_ = false;
};

TEST_F(LoopbackSmbd, DetailedListingGivesTheLinuxFolders) {
    const auto records = Listing(2);
    ExpectDocsShare(records, (dir_ / "shares" / "docs").string());
    ASSERT_NE(Find(records, "printer"), nullptr);
    EXPECT_EQ(Find(records, "printer")->Type, 1);
    ASSERT_NE(Find(records, "IPC$"), nullptr);
    EXPECT_LT(Find(records, "IPC$")->Type, 0);  // the special-share flag is the top bit
}

TEST_F(LoopbackSmbd, ShortListingGivesNoFolders) { ExpectDocsShare(Listing(1), ""); }

TEST_F(LoopbackSmbd, OtherLevelsAreRefusedWithoutAsking) {
    SambaShareListing shares(std::make_shared<LocalSambaServer>());
    std::vector<ShareEntry> records(1);
    EXPECT_EQ(shares.Enumerate("", 502, records), kInvalidLevel);
    EXPECT_EQ(records.size(), 1u);
}

TEST_F(LoopbackSmbd, ComputerNameIsSambasNetbiosName) {
    SambaOperatingSystem os(std::make_shared<LocalSambaServer>());
    std::string name;
    ASSERT_TRUE(os.GetComputerName(name));
    EXPECT_EQ(name, RunAndRead("testparm -s --parameter-name='netbios name' 2>/dev/null"));
}

std::vector<std::tuple<std::string, std::int32_t, std::string, std::string>> Described(
    const std::vector<ShareEntry>& records) {
    std::vector<std::tuple<std::string, std::int32_t, std::string, std::string>> described;
    for (const ShareEntry& entry : records) described.emplace_back(entry.NetName, entry.Type, entry.Remark, entry.Path);
    std::sort(described.begin(), described.end());
    return described;
}

TEST_F(LoopbackSmbd, ServersAliveTogetherShareTheLibrarysContext) {
    auto first = std::make_unique<LocalSambaServer>();
    LocalSambaServer second;
    std::vector<ShareEntry> records;
    ASSERT_EQ(first->EnumerateShares("127.0.0.1", 2, records), 0u);
    ASSERT_EQ(second.EnumerateShares("127.0.0.1", 2, records), 0u);
    first.reset();  // the context the second one uses must outlive the first
    records.clear();
    ASSERT_EQ(second.EnumerateShares("127.0.0.1", 2, records), 0u);
    ExpectDocsShare(records, (dir_ / "shares" / "docs").string());
}

class PrefetchedSmbd : public LoopbackSmbd {
protected:
    std::shared_ptr<LocalSambaServer> samba_ = std::make_shared<LocalSambaServer>();
    std::shared_ptr<SambaPrefetch> prefetch_ = std::make_shared<SambaPrefetch>(samba_);
    SambaShareListing shares_{samba_, prefetch_};
    SambaOperatingSystem os_{samba_, prefetch_};
};

TEST_F(PrefetchedSmbd, FirstListingEqualsALiveOne) {
    std::vector<ShareEntry> records;
    ASSERT_EQ(shares_.Enumerate("", 2, records), 0u);
    ExpectDocsShare(records, (dir_ / "shares" / "docs").string());
    EXPECT_EQ(Described(records), Described(Listing(2)));
}

TEST_F(PrefetchedSmbd, LaterListingsAreAskedLiveOnTheSameConnection) {
    std::vector<ShareEntry> first;
    std::vector<ShareEntry> second;
    ASSERT_EQ(shares_.Enumerate("", 2, first), 0u);
    ASSERT_EQ(shares_.Enumerate("", 2, second), 0u);
    EXPECT_EQ(Described(second), Described(first));
}

TEST_F(PrefetchedSmbd, ADifferentFirstRequestIsAskedLive) {
    std::vector<ShareEntry> records;
    ASSERT_EQ(shares_.Enumerate("", 1, records), 0u);
    ExpectDocsShare(records, "");  // the short level, not the prefetched detailed one
    ASSERT_EQ(shares_.Enumerate("", 2, records), 0u);
    ExpectDocsShare(records, (dir_ / "shares" / "docs").string());
}

TEST_F(PrefetchedSmbd, FirstComputerNameIsSambasNetbiosName) {
    std::string name;
    ASSERT_TRUE(os_.GetComputerName(name));
    EXPECT_EQ(name, RunAndRead("testparm -s --parameter-name='netbios name' 2>/dev/null"));
    std::string again;
    ASSERT_TRUE(os_.GetComputerName(again));
    EXPECT_EQ(again, name);
}

TEST_F(LoopbackSmbd, DestroyingAPrefetchWaitsForItsWork) {
    auto samba = std::make_shared<LocalSambaServer>();
    { SambaPrefetch prefetch(samba); }
    EXPECT_EQ(samba.use_count(), 1);
    EXPECT_TRUE(samba->LibraryLoaded());
    std::vector<ShareEntry> records;
    ASSERT_EQ(SambaShareListing(samba).Enumerate("", 2, records), 0u);
    ExpectDocsShare(records, (dir_ / "shares" / "docs").string());
}

}  // namespace
}  // namespace pathnab
