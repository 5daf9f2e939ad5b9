#include "pathforms/unc_path.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "fakes/path_forms_fakes.h"
#include "case_name.h"

namespace pathnab {
namespace {

using fakes::DiskShare;
using fakes::NetAnswer;
using fakes::UncWorld;
using testing::ElementsAre;
using testing::Pair;

class GetUncPathTest : public testing::Test {
protected:
    void LocalShares(std::vector<ShareEntry> shares) {
        world.network.universalAnswers = {NetAnswer::Code(netcode::kNotConnected)};
        world.shares.Answer(2, std::move(shares));
    }

    UncWorld world;
};

TEST_F(GetUncPathTest, UncPathComesBackUnchangedWithoutAskingThePlatform) {
    EXPECT_EQ(world.unc.GetUncPath("\\\\srv\\share\\dir\\a.txt"), "\\\\srv\\share\\dir\\a.txt");
    EXPECT_TRUE(world.network.universalCalls.empty());
    EXPECT_EQ(world.os.versionCalls, 0);
}

TEST_F(GetUncPathTest, EmptyPathMeansNoFileSelected) {
    EXPECT_EQ(world.unc.GetUncPath(""), kNoFileSelected);
}

class NoDriveLetterTest : public GetUncPathTest, public testing::WithParamInterface<std::string> {};
TEST_P(NoDriveLetterTest, GivesEmptyTextWithoutPlatformCallOrMessage) {
    EXPECT_EQ(world.unc.GetUncPath(GetParam()), "");
    EXPECT_TRUE(world.network.universalCalls.empty());
    EXPECT_TRUE(world.messages.shown.empty());
}
INSTANTIATE_TEST_SUITE_P(Windows, NoDriveLetterTest,
                         testing::Values("dir\\a.txt", "C", "1:\\a.txt", ":\\a.txt", "CC:\\a.txt", "/home/a.txt"), CaseName());

TEST_F(GetUncPathTest, RelativePathHasNoUncFormOnPosix) {
    UncWorld posix(PosixPathConventions());
    EXPECT_EQ(posix.unc.GetUncPath("dir/a.txt"), "");
    EXPECT_EQ(posix.unc.GetUncPath("C:\\a.txt"), "");
    EXPECT_TRUE(posix.network.universalCalls.empty());
}

TEST_F(GetUncPathTest, MappedDriveGivesTheUniversalNameOfTheReportedSize) {
    world.network.universalAnswers = {NetAnswer::MoreData(300), NetAnswer::Success("\\\\srv\\share\\dir\\a.txt")};
    EXPECT_EQ(world.unc.GetUncPath("z:\\dir\\a.txt"), "\\\\srv\\share\\dir\\a.txt");
    ASSERT_EQ(world.network.universalCalls.size(), 2u);
    EXPECT_EQ(world.network.universalCalls[0].pathOrDrive, "z:\\dir\\a.txt");
    EXPECT_EQ(world.network.universalCalls[0].sizeGiven, 0u);
    EXPECT_EQ(world.network.universalCalls[1].sizeGiven, 300u);
}

TEST_F(GetUncPathTest, UniversalNameGivenAtOnceIsTaken) {
    world.network.universalAnswers = {NetAnswer::Success("\\\\srv\\share\\a.txt")};
    EXPECT_EQ(world.unc.GetUncPath("Z:\\a.txt"), "\\\\srv\\share\\a.txt");
    EXPECT_TRUE(world.messages.shown.empty());
}

TEST_F(GetUncPathTest, FailedSecondUniversalNameQueryGivesEmptyTextSilently) {
    world.network.universalAnswers = {NetAnswer::MoreData(300), NetAnswer::Code(netcode::kNoNetwork)};
    EXPECT_EQ(world.unc.GetUncPath("Z:\\a.txt"), "");
    EXPECT_TRUE(world.messages.shown.empty());
}

class NetworkErrorTest : public GetUncPathTest, public testing::WithParamInterface<std::uint32_t> {};
TEST_P(NetworkErrorTest, ShowsTheCodeOnceAndGivesEmptyText) {
    world.network.universalAnswers = {NetAnswer::Code(GetParam())};
    EXPECT_EQ(world.unc.GetUncPath("C:\\a.txt"), "");
    EXPECT_THAT(world.messages.shown,
                ElementsAre(Pair("Bad network. Error code " + std::to_string(GetParam()), "Pathnab")));
    EXPECT_TRUE(world.shares.levelsAsked.empty());
}
INSTANTIATE_TEST_SUITE_P(Codes, NetworkErrorTest,
                         testing::Values(5u, 53u, netcode::kUnexpectedNetworkError, 1200u, 1201u, 1203u,
                                         std::numeric_limits<std::uint32_t>::max()),
                         CaseName());

TEST_F(GetUncPathTest, NetworkErrorIsTitledWithTheProductName) {
    world.version.info.ProductName = "Pathnab Portable";
    world.network.universalAnswers = {NetAnswer::Code(53)};
    world.unc.GetUncPath("C:\\a.txt");
    EXPECT_THAT(world.messages.shown, ElementsAre(Pair("Bad network. Error code 53", "Pathnab Portable")));
}

// Not connected, or no network at all: either way the drive is local.
class LocalDriveCodeTest : public GetUncPathTest, public testing::WithParamInterface<std::uint32_t> {};
TEST_P(LocalDriveCodeTest, IsLookedUpInTheLocalSharesWithoutAMessage) {
    world.network.universalAnswers = {NetAnswer::Code(GetParam()), NetAnswer::Code(GetParam())};
    world.shares.Answer(2, {DiskShare("DATA", "C:\\data")});
    EXPECT_EQ(world.unc.GetUncPath("C:\\data\\a.txt"), "\\\\PC\\DATA\\a.txt");
    EXPECT_EQ(world.unc.GetUncPath("C:\\other\\a.txt"), kNotShared);
    EXPECT_TRUE(world.messages.shown.empty());
}
INSTANTIATE_TEST_SUITE_P(Codes, LocalDriveCodeTest, testing::Values(netcode::kNotConnected, netcode::kNoNetwork),
                         CaseName());

TEST_F(GetUncPathTest, LocalDriveIsResolvedThroughTheLocalShares) {
    LocalShares({DiskShare("DATA", "C:\\data")});
    EXPECT_EQ(world.unc.GetUncPath("C:\\data\\x\\y.txt"), "\\\\PC\\DATA\\x\\y.txt");
    EXPECT_THAT(world.shares.levelsAsked, ElementsAre(2u));
    EXPECT_THAT(world.shares.serversAsked, ElementsAre(""));
    EXPECT_FALSE(world.unc.SharesAccessDenied());
}

TEST_F(GetUncPathTest, LocalFileOutsideEveryShareIsNotShared) {
    LocalShares({DiskShare("DATA", "C:\\data")});
    EXPECT_EQ(world.unc.GetUncPath("D:\\x.txt"), kNotShared);
}

TEST_F(GetUncPathTest, RefusedDetailedListingFallsBackToTheShortOneAndAsksForAdmin) {
    world.network.universalAnswers = {NetAnswer::Code(netcode::kNotConnected)};
    world.shares.Answer(1, {DiskShare("DATA", "C:\\data")});
    EXPECT_EQ(world.unc.GetUncPath("C:\\data\\a.txt"), kNeedAdmin);
    EXPECT_THAT(world.shares.levelsAsked, ElementsAre(2u, 1u));
    EXPECT_TRUE(world.unc.SharesAccessDenied());
}

TEST_F(GetUncPathTest, EveryNtListingSetsTheRefusalFlagAnew) {
    world.shares.Answer(1, {DiskShare("DATA", "C:\\data")});
    std::vector<ShareEntry> listing;
    EXPECT_EQ(world.unc.EnumShares("", listing), -1);
    EXPECT_TRUE(world.unc.SharesAccessDenied());

    world.shares.Answer(2, {}, 2114);
    EXPECT_EQ(world.unc.EnumShares("", listing), 0);
    EXPECT_FALSE(world.unc.SharesAccessDenied());
}

TEST_F(GetUncPathTest, ResultDifferingOnlyInLetterCaseIsNoUncForm) {
    world.network.universalAnswers = {NetAnswer::Success("c:\\DIR\\A.TXT")};
    EXPECT_EQ(world.unc.GetUncPath("C:\\dir\\a.txt"), kNotShared);
}

TEST_F(GetUncPathTest, OnPosixADifferentLetterCaseIsADifferentPath) {
    UncWorld posix(PosixPathConventions());
    posix.network.universalAnswers = {NetAnswer::Success("/srv/Data/a.txt"), NetAnswer::Success("/srv/data/a.txt")};
    EXPECT_EQ(posix.unc.GetUncPath("/srv/data/a.txt"), "/srv/Data/a.txt");
    EXPECT_EQ(posix.unc.GetUncPath("/srv/data/a.txt"), kNotShared);
}

TEST_F(GetUncPathTest, MissingComputerNameLeavesThreeBackslashes) {
    LocalShares({DiskShare("DATA", "C:\\data")});
    world.os.computerName.reset();
    EXPECT_EQ(world.unc.GetUncPath("C:\\data\\a.txt"), "\\\\\\DATA\\a.txt");
}

struct ShareCase {
    const char* what;
    const PathConventions* conventions;
    std::vector<ShareEntry> shares;
    std::string path;
    std::string expected;  // the path itself when no share holds it
};

void PrintTo(const ShareCase& c, std::ostream* os) { *os << c.what; }

const PathConventions* const kWindows = &WindowsPathConventions();
const PathConventions* const kPosix = &PosixPathConventions();

class UncFromLocalShareTest : public testing::TestWithParam<ShareCase> {};
TEST_P(UncFromLocalShareTest, GivesTheUncFormThroughTheFirstHoldingDiskShare) {
    UncWorld world(*GetParam().conventions);
    world.shares.Answer(2, GetParam().shares);
    EXPECT_EQ(world.unc.UncFromLocalShare(GetParam().path), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Windows, UncFromLocalShareTest,
    testing::Values(
        ShareCase{"folder share", kWindows, {DiskShare("DATA", "C:\\data")}, "C:\\data\\x\\y.txt",
                  "\\\\PC\\DATA\\x\\y.txt"},
        ShareCase{"drive root share", kWindows, {DiskShare("CROOT", "C:\\")}, "C:\\x\\y.txt",
                  "\\\\PC\\CROOT\\x\\y.txt"},
        ShareCase{"the folder itself", kWindows, {DiskShare("DATA", "C:\\data")}, "C:\\data", "\\\\PC\\DATA"},
        ShareCase{"letter case ignored, the input's kept", kWindows, {DiskShare("DATA", "C:\\data")},
                  "c:\\DATA\\x.txt", "\\\\PC\\DATA\\x.txt"},
        ShareCase{"first match wins", kWindows, {DiskShare("CROOT", "C:\\"), DiskShare("DATA", "C:\\data")},
                  "C:\\data\\a.txt", "\\\\PC\\CROOT\\data\\a.txt"},
        ShareCase{"folder must end at a separator", kWindows, {DiskShare("DATA", "C:\\data")},
                  "C:\\database\\x", "C:\\database\\x"},
        ShareCase{"a longer folder after a prefix", kWindows,
                  {DiskShare("DATA", "C:\\data"), DiskShare("DB", "C:\\database")}, "C:\\database\\x",
                  "\\\\PC\\DB\\x"},
        ShareCase{"folder written with a trailing separator", kWindows, {DiskShare("DATA", "C:\\data\\")},
                  "C:\\data\\x.txt", "\\\\PC\\DATA\\x.txt"},
        ShareCase{"other drive", kWindows, {DiskShare("CROOT", "C:\\")}, "D:\\x.txt", "D:\\x.txt"},
        ShareCase{"printer", kWindows, {DiskShare("LP", "C:\\data", 1)}, "C:\\data\\a", "C:\\data\\a"},
        ShareCase{"device", kWindows, {DiskShare("DEV", "C:\\data", 2)}, "C:\\data\\a", "C:\\data\\a"},
        ShareCase{"interprocess", kWindows, {DiskShare("IPC$", "C:\\data", 3)}, "C:\\data\\a", "C:\\data\\a"},
        ShareCase{"administrative", kWindows,
                  {DiskShare("C$", "C:\\", std::numeric_limits<std::int32_t>::min())}, "C:\\a", "C:\\a"},
        ShareCase{"special flag past a skipped share", kWindows,
                  {DiskShare("C$", "C:\\", std::numeric_limits<std::int32_t>::min()), DiskShare("DATA", "C:\\data")},
                  "C:\\data\\a", "\\\\PC\\DATA\\a"},
        ShareCase{"share without a folder", kWindows, {DiskShare("NONE", "")}, "C:\\a", "C:\\a"},
        ShareCase{"no shares", kWindows, {}, "C:\\a", "C:\\a"}), CaseName());
INSTANTIATE_TEST_SUITE_P(
    Posix, UncFromLocalShareTest,
    testing::Values(
        ShareCase{"rest joined with backslashes", kPosix, {DiskShare("DATA", "/srv/data")}, "/srv/data/x/y.txt",
                  "\\\\PC\\DATA\\x\\y.txt"},
        ShareCase{"folder must end at a separator", kPosix, {DiskShare("DATA", "/srv/data")}, "/srv/database/x",
                  "/srv/database/x"},
        ShareCase{"letter case counts", kPosix, {DiskShare("DATA", "/srv/Data")}, "/srv/data/x", "/srv/data/x"},
        ShareCase{"root share", kPosix, {DiskShare("ROOT", "/")}, "/x/y.txt", "\\\\PC\\ROOT\\x\\y.txt"},
        ShareCase{"share without a folder", kPosix, {DiskShare("NONE", "")}, "/x/y.txt", "/x/y.txt"},
        ShareCase{"short folder", kPosix, {DiskShare("A", "/a")}, "/a/b", "\\\\PC\\A\\b"},
        ShareCase{"trailing separator, the folder itself", kPosix, {DiskShare("DATA", "/srv/data/")}, "/srv/data",
                  "\\\\PC\\DATA"}), CaseName());

TEST(EnumSharesNtTest, ShortListingCarriesOnlyNameTypeAndRemarkAndCountsNegative) {
    UncWorld world;
    ShareEntry shortEntry = DiskShare("DATA", "");
    shortEntry.Remark = "team files";
    world.shares.Answer(1, {shortEntry, DiskShare("PUB", "")});
    std::vector<ShareEntry> listing;
    EXPECT_EQ(world.unc.EnumSharesNt("", listing), -2);
    ASSERT_EQ(listing.size(), 2u);
    EXPECT_EQ(listing[0].Remark, "team files");
}

TEST(EnumSharesNtTest, FailedListingLeavesTheListingAsItWas) {
    UncWorld world;
    world.shares.Answer(2, {DiskShare("X", "C:\\x")}, 2114);
    std::vector<ShareEntry> listing{DiskShare("OLD", "C:\\old")};
    EXPECT_EQ(world.unc.EnumSharesNt("", listing), 0);
    EXPECT_THAT(world.shares.levelsAsked, ElementsAre(2u));
    ASSERT_EQ(listing.size(), 1u);
    EXPECT_EQ(listing[0].NetName, "OLD");
}

TEST(EnumSharesNtTest, EmptyListingCountsZero) {
    UncWorld world;
    world.shares.Answer(2, {});
    std::vector<ShareEntry> listing;
    EXPECT_EQ(world.unc.EnumSharesNt("", listing), 0);
}

TEST(PlatformAnswers, AreAskedOncePerRecordAndRemembered) {
    UncWorld world;
    EXPECT_TRUE(world.unc.IsNtPlatform());
    EXPECT_TRUE(world.unc.IsNtPlatform());
    EXPECT_EQ(world.os.versionCalls, 1);
    EXPECT_FALSE(world.unc.IsWindows95());
    EXPECT_FALSE(world.unc.IsWindows95());
    EXPECT_EQ(world.os.versionCalls, 2);
}

TEST(PlatformAnswers, AnUnfilledRecordIsAskedAgain) {
    UncWorld world;
    world.os.version = {0, 0};
    EXPECT_FALSE(world.unc.IsNtPlatform());
    world.os.version = {2, 0};
    EXPECT_TRUE(world.unc.IsNtPlatform());
    EXPECT_EQ(world.os.versionCalls, 2);
}

struct VersionCase {
    OsVersion version;
    bool nt;
    bool windows95;
};
void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << "platform " << c.version.platformId << " version " << c.version.minorVersion;
}

class PlatformVersionTest : public testing::TestWithParam<VersionCase> {};
TEST_P(PlatformVersionTest, TellsNtAndWindows95Apart) {
    UncWorld world;
    world.os.version = GetParam().version;
    EXPECT_EQ(world.unc.IsNtPlatform(), GetParam().nt);
    EXPECT_EQ(world.unc.IsWindows95(), GetParam().windows95);
}
INSTANTIATE_TEST_SUITE_P(Versions, PlatformVersionTest,
                         testing::Values(VersionCase{{2, 0}, true, false}, VersionCase{{2, 1}, true, false},
                                         VersionCase{{1, 0}, false, true}, VersionCase{{1, 9}, false, true},
                                         VersionCase{{1, 10}, false, false}, VersionCase{{1, 90}, false, false},
                                         VersionCase{{3, 0}, false, false}), CaseName());

}  // namespace
}  // namespace pathnab
