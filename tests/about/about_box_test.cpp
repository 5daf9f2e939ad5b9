#include "about/about_box.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "about/about_design.h"
#include "about/fakes/fake_about_ports.h"
#include "settings/fakes/fake_registry.h"

namespace pathnab {
namespace {

using testing::FakeFileProbe;
using testing::FakeMessageBox;
using testing::FakeProgramStarter;
using testing::FixedVersion;

constexpr RegKey kHklm = regroot::kLocalMachine;

VersionInfo PathnabVersion(int major, int minor, int build, int revision) {
    return VersionInfo{"Tallwick", "Pathnab", major, minor, build, revision};
}

TEST(AboutLoad, FillsCaptionTitleAndThreeVersionNumbers) {
    const AboutTexts texts = LoadAboutTexts(PathnabVersion(2, 2, 0, 22));
    EXPECT_EQ(texts.caption, "About Pathnab from www.tallwick.example");
    EXPECT_EQ(texts.title, "Pathnab from www.tallwick.example");
    EXPECT_EQ(texts.version, "Version 2.2.22");
}

TEST(AboutLoad, VersionShowsRevisionNotBuild) {
    EXPECT_EQ(LoadAboutTexts(PathnabVersion(1, 0, 0, 1)).version, "Version 1.0.1");
    EXPECT_EQ(LoadAboutTexts(PathnabVersion(10, 20, 30, 40)).version, "Version 10.20.40");
}

TEST(Twips, BecomePixelsAtTheScreenDensity) {
    EXPECT_FLOAT_EQ(TwipScale(96).PerPixelX(), 15.0f);
    EXPECT_EQ(TwipScale(96).PixelsX(6915), 461);
    EXPECT_EQ(TwipScale(96).PixelsY(4710), 314);
    EXPECT_EQ(TwipScale(120).PixelsX(6915), 576);
    EXPECT_EQ(TwipScale(192).PixelsY(2460), 328);
}

TEST(Twips, EachAxisHasItsOwnDensity) {
    const TwipScale scale(96, 120);
    EXPECT_FLOAT_EQ(scale.PerPixelX(), 15.0f);
    EXPECT_FLOAT_EQ(scale.PerPixelY(), 12.0f);
    EXPECT_FLOAT_EQ(scale.TwipsX(100), 1500.0f);
    EXPECT_FLOAT_EQ(scale.TwipsY(100), 1200.0f);
    const PixelRect rect = scale.Pixels(TwipsRect{1500, 1200, 3000, 2400});
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 100);
    EXPECT_EQ(rect.width, 200);
    EXPECT_EQ(rect.height, 200);
}

TEST(Twips, PixelsAreRoundedToTheNearest) {
    EXPECT_EQ(TwipScale(96).PixelsX(22), 1);
    EXPECT_EQ(TwipScale(96).PixelsX(23), 2);
    EXPECT_EQ(TwipScale(96).PixelsX(-23), -2);
}

TEST(Twips, UnusableDensityCountsAsTheUsualOne) {
    EXPECT_FLOAT_EQ(TwipScale(0).PerPixelX(), 15.0f);
    EXPECT_FLOAT_EQ(TwipScale(-72).PerPixelY(), 15.0f);
    EXPECT_FLOAT_EQ(TwipScale(std::numeric_limits<double>::quiet_NaN()).PerPixelX(), 15.0f);
}

TEST(AboutDesign, DescriptionGrowsToItsTextButNeverShrinks) {
    EXPECT_EQ(about_design::DescriptionHeight(49, 64), 64);
    EXPECT_EQ(about_design::DescriptionHeight(49, 30), 49);
}

// --- GetKeyValue -------------------------------------------------------------------------

constexpr const char* kKey = "SOFTWARE\\Test";

struct KeyValueCase {
    const char* name;
    FakeRegistry::StoredValue value;
    std::string entryText;  // what KeyVal holds on entry
    bool expectedResult;
    std::string expectedText;
};

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

class AboutGetKeyValue : public ::testing::TestWithParam<KeyValueCase> {};

TEST_P(AboutGetKeyValue, ReadsTheValueAsText) {
    const KeyValueCase& c = GetParam();
    FakeRegistry registry;
    registry.Put(kHklm, kKey, "V", c.value.type, c.value.data);
    std::string keyVal = c.entryText;
    EXPECT_EQ(GetKeyValue(registry, kHklm, kKey, "V", keyVal), c.expectedResult);
    EXPECT_EQ(keyVal, c.expectedText);
    EXPECT_TRUE(registry.OpenHandles() == 0) << "key left open";
}

INSTANTIATE_TEST_SUITE_P(
    Types, AboutGetKeyValue,
    ::testing::Values(
        KeyValueCase{"TextWithNul", {regtype::kSz, Bytes(std::string("C:\\a.exe\0", 9))}, "x", true,
                     "C:\\a.exe"},
        KeyValueCase{"TextWithoutNul", {regtype::kSz, Bytes("C:\\a.exe")}, "x", true, "C:\\a.exe"},
        KeyValueCase{"EmptyText", {regtype::kSz, {}}, "x", true, ""},
        KeyValueCase{"OnlyNul", {regtype::kSz, {0}}, "x", true, ""},
        KeyValueCase{"OnlyTheLastNulDropped", {regtype::kSz, Bytes(std::string("ab\0\0", 4))}, "",
                     true, std::string("ab\0", 3)},
        KeyValueCase{"FullBuffer", {regtype::kSz, Bytes(std::string(1024, 'p'))}, "", true,
                     std::string(1024, 'p')},
        KeyValueCase{"FullBufferWithNul",
                     {regtype::kSz, Bytes(std::string(1023, 'p') + std::string(1, '\0'))}, "",
                     true, std::string(1023, 'p')},
        KeyValueCase{"TooLongCountsAsMissing", {regtype::kSz, Bytes(std::string(1025, 'p'))}, "x",
                     false, ""},
        KeyValueCase{"DwordBytesLastToFirst", {regtype::kDword, {0x78, 0x56, 0x34, 0x12}}, "", true,
                     "&h12345678"},
        // A top byte of zero reads as a terminating NUL; the other bytes lose leading zeros.
        KeyValueCase{"DwordWithZeroBytes", {regtype::kDword, {0x01, 0x0C, 0xAB, 0x00}}, "", true,
                     "&hABC1"},
        KeyValueCase{"DwordAppendsToEntryText", {regtype::kDword, {0xFF, 0, 0, 1}}, "9", true,
                     "&h9100FF"},
        KeyValueCase{"OtherTypeLeavesEntryText", {regtype::kBinary, {1, 2, 3}}, "kept", true,
                     "kept"},
        KeyValueCase{"ExpandableTextIsAnotherType", {regtype::kExpandSz, Bytes("%x%")}, "", true,
                     ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AboutGetKeyValueMissing, MissingKeyEmptiesTextAndOpensNothing) {
    FakeRegistry registry;
    std::string keyVal = "old";
    EXPECT_FALSE(GetKeyValue(registry, kHklm, kKey, "V", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_TRUE(registry.OpenHandles() == 0);
}

TEST(AboutGetKeyValueMissing, MissingValueEmptiesTextAndClosesTheKey) {
    FakeRegistry registry;
    registry.PutText(kHklm, kKey, "Other", "x");
    std::string keyVal = "old";
    EXPECT_FALSE(GetKeyValue(registry, kHklm, kKey, "V", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.opens, 1);
    EXPECT_TRUE(registry.OpenHandles() == 0);
}

TEST(AboutGetKeyValueMissing, OpensWithTheAboutBoxAccessMask) {
    FakeRegistry registry;
    registry.PutText(kHklm, kKey, "V", "x");
    std::string keyVal;
    GetKeyValue(registry, kHklm, kKey, "V", keyVal);
    ASSERT_EQ(registry.accessMasks.size(), 1u);
    EXPECT_EQ(registry.accessMasks[0], 0x2003Fu);
}

TEST(AboutGetKeyValueRefused, KeyThatRefusesChangesIsReadWithReadAccess) {
    FakeRegistry registry;
    registry.grantedRights = regaccess::kRead;
    registry.PutText(kHklm, kKey, "V", "C:\\info.exe");
    std::string keyVal;
    EXPECT_TRUE(GetKeyValue(registry, kHklm, kKey, "V", keyVal));
    EXPECT_EQ(keyVal, "C:\\info.exe");
    EXPECT_EQ(registry.accessMasks, (std::vector<std::uint32_t>{0x2003F, 0x20019}));
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST(AboutGetKeyValueRefused, KeyThatRefusesReadingToo) {
    FakeRegistry registry;
    registry.grantedRights = 0;
    registry.PutText(kHklm, kKey, "V", "x");
    std::string keyVal = "old";
    EXPECT_FALSE(GetKeyValue(registry, kHklm, kKey, "V", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.strayCloses, 0);
}

TEST(AboutGetKeyValueRefused, OtherOpenFailuresAreNotRetried) {
    FakeRegistry registry;
    registry.openStatus = regstatus::kBadPathname;
    std::string keyVal;
    EXPECT_FALSE(GetKeyValue(registry, kHklm, kKey, "V", keyVal));
    EXPECT_EQ(registry.opens, 1);
}

// --- StartSysInfo ------------------------------------------------------------------------

class AboutStartSysInfo : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(registry.OpenHandles(), 0u) << "key left open";
        EXPECT_EQ(registry.strayCloses, 0);
    }

    void RegisterProgram(const std::string& path) {
        registry.PutText(kHklm, kSysInfoProgramKey, "PATH", path);
    }
    void RegisterFolder(const std::string& folder) {
        registry.PutText(kHklm, kSysInfoFolderKey, "MSINFO", folder);
    }
    void Start(char separator = '\\') { StartSysInfo(services, separator); }

    bool ShowedUnavailable() const {
        return messages.shown.size() == 1 &&
               messages.shown[0] == std::pair<std::string, std::string>(
                                        "System Information Is Unavailable At This Time", "Pathnab");
    }
    // The first location is read with one open, the second with another.
    bool ReadSecondLocation() const { return registry.opens > 1; }

    FixedVersion version{PathnabVersion(1, 0, 0, 1)};
    FakeRegistry registry;
    FakeProgramStarter starter;
    FakeFileProbe files;
    FakeMessageBox messages;
    AboutServices services{version, registry, starter, files, messages};
};

TEST_F(AboutStartSysInfo, RegisteredProgramIsStartedAsGivenWithoutLookingFurther) {
    RegisterProgram("C:\\Program Files\\Info\\msinfo32.exe");
    RegisterFolder("C:\\Elsewhere");
    Start();
    EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\Program Files\\Info\\msinfo32.exe"});
    EXPECT_TRUE(files.asked.empty()) << "no existence test for the registered program";
    EXPECT_FALSE(ReadSecondLocation());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutStartSysInfo, LocationsOfOtherRootsAreNotRead) {
    registry.PutText(regroot::kCurrentUser, kSysInfoProgramKey, "PATH", "/usr/bin/info");
    registry.PutText(regroot::kCurrentUser, kSysInfoFolderKey, "MSINFO", "/usr/bin");
    files.files = {"/usr/bin/MSINFO32.EXE", "/usr/bin\\MSINFO32.EXE"};
    Start();
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(ShowedUnavailable());
    EXPECT_EQ(registry.accessMasks, (std::vector<std::uint32_t>{0x2003F, 0x2003F}));
}

TEST_F(AboutStartSysInfo, ProgramInRegisteredFolderIsStarted) {
    RegisterFolder("C:\\Tools");
    files.files = {"C:\\Tools\\MSINFO32.EXE"};
    Start();
    EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutStartSysInfo, FolderEndingInSeparatorStillGetsOneAdded) {
    RegisterFolder("C:\\Tools\\");
    files.files = {"C:\\Tools\\\\MSINFO32.EXE"};
    Start();
    EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\Tools\\\\MSINFO32.EXE"});
}

TEST_F(AboutStartSysInfo, FolderIsJoinedWithTheGivenSeparator) {
    RegisterFolder("/opt/sysinfo");
    files.files = {"/opt/sysinfo/MSINFO32.EXE"};
    Start('/');
    EXPECT_EQ(starter.started, std::vector<std::string>{"/opt/sysinfo/MSINFO32.EXE"});
}

TEST_F(AboutStartSysInfo, FolderWithoutTheProgramShowsTheMessage) {
    RegisterFolder("C:\\Tools");
    Start();
    EXPECT_EQ(files.asked, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(ShowedUnavailable());
}

TEST_F(AboutStartSysInfo, NothingRegisteredShowsTheMessage) {
    Start();
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(ShowedUnavailable());
}

TEST_F(AboutStartSysInfo, FailedStartShowsTheMessage) {
    RegisterProgram("C:\\gone.exe");
    starter.succeeds = false;
    Start();
    EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\gone.exe"});
    EXPECT_TRUE(ShowedUnavailable());
}

TEST_F(AboutStartSysInfo, ErrorWhileStartingShowsTheMessage) {
    RegisterProgram("C:\\info.exe");
    starter.throws = true;
    Start();
    EXPECT_TRUE(ShowedUnavailable());
}

TEST_F(AboutStartSysInfo, ValueOfAnotherTypeCountsAsFoundWithAnEmptyPath) {
    registry.Put(kHklm, kSysInfoProgramKey, "PATH", regtype::kBinary, {1, 2});
    RegisterFolder("C:\\Tools");
    files.files = {"C:\\Tools\\MSINFO32.EXE"};
    Start();
    EXPECT_FALSE(ReadSecondLocation());
    EXPECT_TRUE(starter.started.empty()) << "an empty path is never started";
    EXPECT_TRUE(ShowedUnavailable());
}

TEST_F(AboutStartSysInfo, OverlongProgramValueCountsAsMissing) {
    registry.Put(kHklm, kSysInfoProgramKey, "PATH", regtype::kSz, Bytes(std::string(1025, 'p')));
    RegisterFolder("C:\\Tools");
    files.files = {"C:\\Tools\\MSINFO32.EXE"};
    Start();
    EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
}

TEST_F(AboutStartSysInfo, UnterminatedProgramTextIsStartedWhole) {
    registry.Put(kHklm, kSysInfoProgramKey, "PATH", regtype::kSz, Bytes("C:\\info.exe"));
    Start();
    EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\info.exe"});
}

TEST_F(AboutStartSysInfo, UserWhoMayNotChangeTheMachineKeysStartsIt) {
    registry.grantedRights = regaccess::kRead;
    RegisterProgram("C:\\Program Files\\Info\\msinfo32.exe");
    Start();
    EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\Program Files\\Info\\msinfo32.exe"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutStartSysInfo, UserWhoMayNotChangeTheMachineKeysFindsTheFolder) {
    registry.grantedRights = regaccess::kRead;
    RegisterFolder("C:\\Tools");
    files.files = {"C:\\Tools\\MSINFO32.EXE"};
    Start();
    EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
}

TEST_F(AboutStartSysInfo, FirstRegisteredProgramThatIsThereIsStarted) {
    RegisterProgram("/usr/bin/hardinfo2\n/usr/bin/hardinfo");
    files.files = {"/usr/bin/hardinfo2", "/usr/bin/hardinfo"};
    Start('/');
    EXPECT_EQ(starter.started, std::vector<std::string>{"/usr/bin/hardinfo2"});
    EXPECT_EQ(files.asked, std::vector<std::string>{"/usr/bin/hardinfo2"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutStartSysInfo, LaterRegisteredProgramIsStartedWhenTheFirstIsMissing) {
    RegisterProgram("/usr/bin/hardinfo2\n/usr/bin/hardinfo");
    files.files = {"/usr/bin/hardinfo"};
    Start('/');
    EXPECT_EQ(starter.started, std::vector<std::string>{"/usr/bin/hardinfo"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutStartSysInfo, LastRegisteredProgramIsTriedAsGivenWhenNoneIsThere) {
    RegisterProgram("/opt/a\n/opt/b\n/opt/c");
    starter.succeeds = false;
    Start('/');
    EXPECT_EQ(files.asked, (std::vector<std::string>{"/opt/a", "/opt/b"}));
    EXPECT_EQ(starter.started, std::vector<std::string>{"/opt/c"});
    EXPECT_TRUE(ShowedUnavailable());
}

TEST(AboutSysInfoProgramText, NamesEachProgramOnALineOfItsOwn) {
    EXPECT_EQ(SysInfoProgramText({"/usr/bin/hardinfo2", "/usr/bin/hardinfo"}),
              "/usr/bin/hardinfo2\n/usr/bin/hardinfo");
    EXPECT_EQ(SysInfoProgramText({"C:\\info.exe"}), "C:\\info.exe");
}

TEST_F(AboutStartSysInfo, MessageCanBeShownAgain) {
    Start();
    Start();
    EXPECT_EQ(messages.shown.size(), 2u);
}

}  // namespace
}  // namespace pathnab
