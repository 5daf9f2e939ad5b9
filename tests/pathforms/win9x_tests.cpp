#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/path_forms_fakes.h"
#include "pathforms/unc_path.h"
#include "case_name.h"

namespace pathnab {
namespace {

using fakes::NetAnswer;
using fakes::UncWorld;
using testing::ElementsAre;
using testing::Pair;

constexpr std::uint32_t kRemarkAddress = 0x00401000;
constexpr std::uint32_t kPathAddress = 0x00402000;

// A field of fixed width: the text's bytes, then NULs up to the width.
void PutField(std::vector<std::uint8_t>& record, const std::string& text, std::size_t width) {
    std::vector<std::uint8_t> field(width, 0);
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(text.size(), width)), field.begin());
    record.insert(record.end(), field.begin(), field.end());
}

void PutLittleEndian(std::vector<std::uint8_t>& record, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) record.push_back(static_cast<std::uint8_t>(value >> shift));
}

struct Record50 {
    std::string name;
    std::uint8_t type = 0;
    std::uint32_t remark = kRemarkAddress;
    std::uint32_t path = kPathAddress;
    std::string readWritePassword = {};
    std::string readOnlyPassword = {};

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> record;
        PutField(record, name, 13);
        record.push_back(type);
        record.insert(record.end(), {0xA5, 0x5A});  // flags
        PutLittleEndian(record, remark);
        PutLittleEndian(record, path);
        PutField(record, readWritePassword, 9);
        PutField(record, readOnlyPassword, 9);
        return record;
    }
};

std::vector<std::uint8_t> Records(std::initializer_list<Record50> records) {
    std::vector<std::uint8_t> bytes;
    for (const auto& record : records) {
        const auto one = record.Bytes();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

class Win9xTest : public testing::Test {
protected:
    Win9xTest() {
        world.os.version = {1, 0};
        world.shares9x.texts = {{kRemarkAddress, "files"}, {kPathAddress, "C:\\DATA"}};
    }
    UncWorld world;
};

TEST_F(Win9xTest, RecordsAreDecodedFieldByField) {
    world.shares9x.texts[kRemarkAddress + 1] = "other";
    const auto bytes = Records({{"DATA", 0x83, kRemarkAddress, kPathAddress, "SECRET", "READ"},
                                {"ABCDEFGHIJKLM", 0, kRemarkAddress + 1, 0, "", "READONLY"}});
    const auto entries = DecodeShareInfo50(bytes, 2, world.shares9x);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].NetName, "DATA");
    EXPECT_EQ(entries[0].Type, 0x83);
    EXPECT_EQ(entries[0].Remark, "files");
    EXPECT_EQ(entries[0].Path, "C:\\DATA");
    EXPECT_EQ(entries[0].Password, "SECRET");
    EXPECT_EQ(entries[1].NetName, "ABCDEFGHIJKLM");
    EXPECT_EQ(entries[1].Remark, "other");
    EXPECT_EQ(entries[1].Path, "");
    EXPECT_EQ(entries[1].Password, "READONLY");
}

TEST_F(Win9xTest, FullWidthFieldsWithoutNulAreTrimmedOfSpaces) {
    const auto bytes = Records({{"  SPACED     ", 0, 0, 0, "ABCDEFGHI", "ignored"}});
    const auto entries = DecodeShareInfo50(bytes, 1, world.shares9x);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].NetName, "SPACED");
    EXPECT_EQ(entries[0].Password, "ABCDEFGHI");
}

struct TruncationCase {
    std::size_t bufferBytes;
    int count;
    std::size_t decoded;
};
void PrintTo(const TruncationCase& c, std::ostream* os) {
    *os << c.bufferBytes << " bytes, count " << c.count;
}

class TruncatedBufferTest : public Win9xTest, public testing::WithParamInterface<TruncationCase> {};
TEST_P(TruncatedBufferTest, ReadsOnlyRecordsTheBufferHoldsCompletely) {
    auto bytes = Records({{"A"}, {"B"}, {"C"}});
    bytes.resize(GetParam().bufferBytes);
    EXPECT_EQ(DecodeShareInfo50(bytes, GetParam().count, world.shares9x).size(), GetParam().decoded);
}
INSTANTIATE_TEST_SUITE_P(Buffers, TruncatedBufferTest,
                         testing::Values(TruncationCase{126, 3, 3}, TruncationCase{125, 3, 2}, TruncationCase{84, 5, 2},
                                         TruncationCase{41, 1, 0}, TruncationCase{0, 1, 0}, TruncationCase{126, 0, 0},
                                         TruncationCase{126, -1, 0}), CaseName());

TEST_F(Win9xTest, SharesAreListedIntoABufferOf16384Bytes) {
    world.shares9x.records = Records({{"DATA"}, {"PUB"}});
    world.shares9x.reportedEntries = 2;
    std::vector<ShareEntry> listing;
    EXPECT_EQ(world.unc.EnumShares("", listing), 2);
    EXPECT_EQ(world.shares9x.bufferSizeGiven, 16384u);
    EXPECT_THAT(listing, testing::SizeIs(2));
    EXPECT_EQ(listing[1].NetName, "PUB");
}

TEST_F(Win9xTest, UncompletedListingGivesNoSharesAndLeavesTheFlagAlone) {
    world.shares9x.records = Records({{"DATA"}});
    world.shares9x.reportedEntries = 1;
    world.shares9x.code = 234;
    std::vector<ShareEntry> listing{fakes::DiskShare("OLD", "C:\\old")};
    EXPECT_EQ(world.unc.EnumShares("", listing), 0);
    EXPECT_EQ(listing[0].NetName, "OLD");
    EXPECT_FALSE(world.unc.SharesAccessDenied());
    EXPECT_TRUE(world.shares.levelsAsked.empty());
}

TEST_F(Win9xTest, MappedDriveGivesTheConnectionFollowedByThePath) {
    world.network.connectionAnswers = {NetAnswer::Success(std::string("\\\\srv\\share\0junk", 16))};
    EXPECT_EQ(world.unc.GetUncPath("z:\\dir\\a.txt"), "\\\\srv\\share\\dir\\a.txt");
    ASSERT_EQ(world.network.connectionCalls.size(), 1u);
    EXPECT_EQ(world.network.connectionCalls[0].pathOrDrive, "z:");
    EXPECT_EQ(world.network.connectionCalls[0].sizeGiven, 260u);
    EXPECT_TRUE(world.network.universalCalls.empty());
}

TEST_F(Win9xTest, LongRemoteNameIsAskedForOnceMoreWithTheReportedLength) {
    world.network.connectionAnswers = {NetAnswer::MoreData(400), NetAnswer::Success("\\\\srv\\long")};
    EXPECT_EQ(world.unc.GetUncPath("Z:\\a.txt"), "\\\\srv\\long\\a.txt");
    ASSERT_EQ(world.network.connectionCalls.size(), 2u);
    EXPECT_EQ(world.network.connectionCalls[1].sizeGiven, 400u);
    EXPECT_TRUE(world.messages.shown.empty());
}

TEST(Win9xPosixRootTest, ARootOfOneCharacterIsTheWholeDrive) {
    UncWorld world(PosixPathConventions());
    world.os.version = {1, 0};
    world.network.connectionAnswers = {NetAnswer::Success("\\\\srv\\share")};
    EXPECT_EQ(world.unc.GetUncPath("/"), "\\\\srv\\share");
    ASSERT_EQ(world.network.connectionCalls.size(), 1u);
    EXPECT_EQ(world.network.connectionCalls[0].pathOrDrive, "/");
}

class FailedRetryTest : public Win9xTest, public testing::WithParamInterface<std::uint32_t> {};
TEST_P(FailedRetryTest, IsReportedAsANetworkError) {
    world.network.connectionAnswers = {NetAnswer::MoreData(400), NetAnswer::Code(GetParam())};
    EXPECT_EQ(world.unc.GetUncPath("Z:\\a.txt"), "");
    EXPECT_THAT(world.messages.shown,
                ElementsAre(Pair("Bad network. Error code " + std::to_string(GetParam()), "Pathnab")));
    EXPECT_EQ(world.network.connectionCalls.size(), 2u);
    EXPECT_TRUE(world.network.universalCalls.empty());
}
INSTANTIATE_TEST_SUITE_P(Codes, FailedRetryTest, testing::Values(234u, 53u), CaseName());

TEST_F(Win9xTest, OtherConnectionErrorsShowTheirCode) {
    world.network.connectionAnswers = {NetAnswer::Code(53)};
    EXPECT_EQ(world.unc.GetUncPath("Z:\\a.txt"), "");
    EXPECT_THAT(world.messages.shown, ElementsAre(Pair("Bad network. Error code 53", "Pathnab")));
}

class LocalDrive9xTest : public Win9xTest, public testing::WithParamInterface<std::uint32_t> {};
TEST_P(LocalDrive9xTest, IsResolvedThroughThe9xShares) {
    world.network.connectionAnswers = {NetAnswer::Code(GetParam())};
    world.shares9x.records = Records({{"DATA"}});
    world.shares9x.reportedEntries = 1;
    EXPECT_EQ(world.unc.GetUncPath("c:\\data\\x.txt"), "\\\\PC\\DATA\\x.txt");
    EXPECT_TRUE(world.messages.shown.empty());
}
INSTANTIATE_TEST_SUITE_P(Codes, LocalDrive9xTest, testing::Values(netcode::kNotConnected, netcode::kNoNetwork),
                         CaseName());

TEST_F(Win9xTest, LaterWindows9xUsesTheUniversalName) {
    world.os.version = {1, 10};
    world.network.universalAnswers = {NetAnswer::Code(netcode::kNotConnected)};
    world.shares9x.records = Records({{"DATA"}});
    world.shares9x.reportedEntries = 1;
    EXPECT_EQ(world.unc.GetUncPath("C:\\data\\x.txt"), "\\\\PC\\DATA\\x.txt");
    EXPECT_TRUE(world.network.connectionCalls.empty());
    EXPECT_TRUE(world.shares.levelsAsked.empty());
}

}  // namespace
}  // namespace pathnab
