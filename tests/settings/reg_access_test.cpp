#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/fakes/fake_registry.h"
#include "settings/reg_access.h"
#include "case_name.h"

namespace pathnab {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct SplitCase {
    const char* path;
    std::optional<RegPathParts> expected;
};

void PrintTo(const SplitCase& split, std::ostream* out) { *out << split.path; }

class SplitRegPathTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitRegPathTest, SplitsIntoRootKeyAndName) {
    std::optional<RegPathParts> parts = SplitRegPath(GetParam().path);
    ASSERT_EQ(parts.has_value(), GetParam().expected.has_value());
    if (!parts) return;
    EXPECT_EQ(parts->root, GetParam().expected->root);
    EXPECT_EQ(parts->subKey, GetParam().expected->subKey);
    EXPECT_EQ(parts->valueName, GetParam().expected->valueName);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitRegPathTest,
    ::testing::Values(
        SplitCase{"HKEY_CURRENT_USER\\Software\\A\\B\\Name",
                  RegPathParts{regroot::kCurrentUser, "Software\\A\\B", "Name"}},
        SplitCase{"hkcu\\Software\\A\\B\\Name",
                  RegPathParts{regroot::kCurrentUser, "Software\\A\\B", "Name"}},
        SplitCase{"Hkey_Current_User\\K\\N", RegPathParts{regroot::kCurrentUser, "K", "N"}},
        SplitCase{"HKEY_CLASSES_ROOT\\K\\N", RegPathParts{regroot::kClassesRoot, "K", "N"}},
        SplitCase{"HKCR\\K\\N", RegPathParts{regroot::kClassesRoot, "K", "N"}},
        SplitCase{"HKEY_LOCAL_MACHINE\\K\\N", RegPathParts{regroot::kLocalMachine, "K", "N"}},
        SplitCase{"hklm\\K\\N", RegPathParts{regroot::kLocalMachine, "K", "N"}},
        SplitCase{"HKEY_USERS\\K\\N", RegPathParts{regroot::kUsers, "K", "N"}},
        SplitCase{"HKUR\\K\\N", RegPathParts{regroot::kUsers, "K", "N"}},
        SplitCase{"HKCU\\Software\\A\\", RegPathParts{regroot::kCurrentUser, "Software\\A", ""}},
        SplitCase{"HKCU\\\\Name", RegPathParts{regroot::kCurrentUser, "", "Name"}},
        SplitCase{"HKCU\\\\", RegPathParts{regroot::kCurrentUser, "", ""}},
        SplitCase{"HKCU\\A\\\\Name", RegPathParts{regroot::kCurrentUser, "A\\", "Name"}},
        SplitCase{"HKCU\\Name", std::nullopt},
        SplitCase{"HKCU\\", std::nullopt},
        SplitCase{"HKCU", std::nullopt},
        SplitCase{"", std::nullopt},
        SplitCase{"HKU\\K\\N", std::nullopt},
        SplitCase{"HKEY_CURRENT_CONFIG\\K\\N", std::nullopt},
        SplitCase{" HKCU\\K\\N", std::nullopt},
        SplitCase{"\\K\\N", std::nullopt},
        SplitCase{"HKCU/K/N", std::nullopt}), CaseName());

class RegAccessTest : public ::testing::Test {
protected:
    void ExpectEveryKeyClosed() const {
        EXPECT_EQ(registry.OpenHandles(), 0u);
        EXPECT_EQ(registry.strayCloses, 0);
    }
    FakeRegistry registry;
};

TEST_F(RegAccessTest, ReadsTextWithoutItsTerminator) {
    registry.PutText(regroot::kCurrentUser, "Software\\A", "Name", "2535");
    EXPECT_EQ(ReadRegValue(registry, "HKCU\\Software\\A\\Name"), RegValue("2535"));
    EXPECT_EQ(registry.accessMasks, std::vector<std::uint32_t>{regaccess::kRead});
    ExpectEveryKeyClosed();
}

TEST_F(RegAccessTest, TextWithoutTerminatorReadsWhole) {
    registry.Put(regroot::kCurrentUser, "K", "N", regtype::kSz, Bytes{'a', 'b', 'c'});
    EXPECT_EQ(ReadRegValue(registry, "HKCU\\K\\N"), RegValue("abc"));
}

TEST_F(RegAccessTest, OnlyOneTrailingTerminatorIsDropped) {
    registry.Put(regroot::kCurrentUser, "K", "N", regtype::kSz, Bytes{'a', 'b', 0});
    registry.Put(regroot::kCurrentUser, "K", "Two", regtype::kSz, Bytes{'a', 0, 0});
    registry.Put(regroot::kCurrentUser, "K", "Nul", regtype::kSz, Bytes{0});
    EXPECT_EQ(ReadRegValue(registry, "HKCU\\K\\N"), RegValue("ab"));
    EXPECT_EQ(ReadRegValue(registry, "HKCU\\K\\Two"), RegValue(std::string("a\0", 2)));
    EXPECT_EQ(ReadRegValue(registry, "HKCU\\K\\Nul"), RegValue(""));
}

TEST_F(RegAccessTest, ReadsDwordAsLittleEndianLong) {
    registry.Put(regroot::kLocalMachine, "K", "N", regtype::kDword, Bytes{0xB8, 0x0B, 0, 0});
    registry.Put(regroot::kLocalMachine, "K", "M", regtype::kDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(ReadRegValue(registry, "HKLM\\K\\N"), RegValue(std::int32_t{3000}));
    EXPECT_EQ(ReadRegValue(registry, "HKLM\\K\\M"), RegValue(std::int32_t{-1}));
}

TEST_F(RegAccessTest, ReadsBinaryAsByteArrayFromZero) {
    registry.Put(regroot::kUsers, "K", "N", regtype::kBinary, Bytes{1, 0, 255});
    EXPECT_EQ(ReadRegValue(registry, "HKUR\\K\\N"), RegValue(RegByteArray{{1, 0, 255}, 0}));
}

TEST_F(RegAccessTest, ZeroByteTextOrBinaryIsEmpty) {
    registry.Put(regroot::kCurrentUser, "K", "T", regtype::kSz, {});
    registry.Put(regroot::kCurrentUser, "K", "B", regtype::kBinary, {});
    EXPECT_TRUE(ReadRegValue(registry, "HKCU\\K\\T").IsEmpty());
    EXPECT_TRUE(ReadRegValue(registry, "HKCU\\K\\B").IsEmpty());
}

TEST_F(RegAccessTest, UnsupportedTypesReadAsNull) {
    for (std::uint32_t type : {regtype::kExpandSz, regtype::kMultiSz, 11u, 0u}) {
        registry.Put(regroot::kCurrentUser, "K", "N", type, Bytes{'a', 0});
        std::int32_t status = 0;
        RegKey key = 0;
        ASSERT_EQ(registry.OpenKey(regroot::kCurrentUser, "K", regaccess::kRead, key), 0);
        EXPECT_TRUE(ReadKeyValue(registry, key, "N", status).IsEmpty());
        EXPECT_EQ(status, regstatus::kUnsupportedType);
        registry.CloseKey(key);
        EXPECT_TRUE(ReadRegValue(registry, "HKCU\\K\\N").IsNull()) << type;
    }
    ExpectEveryKeyClosed();
}

TEST_F(RegAccessTest, DefaultValueAndRootKeyValue) {
    registry.PutText(regroot::kCurrentUser, "K", "", "default");
    registry.PutText(regroot::kCurrentUser, "", "Name", "at root");
    EXPECT_EQ(ReadRegValue(registry, "HKCU\\K\\"), RegValue("default"));
    EXPECT_EQ(ReadRegValue(registry, "HKCU\\\\Name"), RegValue("at root"));
}

TEST_F(RegAccessTest, InvalidPathsNeitherReadNorWrite) {
    registry.PutText(regroot::kCurrentUser, "", "Name", "at root");
    for (const char* path : {"HKCU\\Name", "HKU\\K\\Name", "Name", "HKCC\\K\\Name"}) {
        EXPECT_TRUE(ReadRegValue(registry, path).IsNull()) << path;
        EXPECT_FALSE(WriteRegValue(registry, path, "x")) << path;
    }
    EXPECT_EQ(registry.opens + registry.creates, 0);
}

struct StatusCase {
    const char* label;
    std::int32_t FakeRegistry::* failure;
};

void PrintTo(const StatusCase& status, std::ostream* out) { *out << status.label; }

class ReadFailureTest : public RegAccessTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(ReadFailureTest, GivesNullAndClosesWhatItOpened) {
    registry.PutText(regroot::kCurrentUser, "K", "N", "value");
    registry.*GetParam().failure = regstatus::kAccessDenied;
    EXPECT_TRUE(ReadRegValue(registry, "HKCU\\K\\N").IsNull());
    ExpectEveryKeyClosed();
}

INSTANTIATE_TEST_SUITE_P(Statuses, ReadFailureTest,
                         ::testing::Values(StatusCase{"open", &FakeRegistry::openStatus},
                                           StatusCase{"size query", &FakeRegistry::sizeQueryStatus},
                                           StatusCase{"fetch", &FakeRegistry::fetchStatus}), CaseName());

TEST_F(RegAccessTest, MissingKeyOrValueReadsNull) {
    registry.PutText(regroot::kCurrentUser, "K", "N", "value");
    EXPECT_TRUE(ReadRegValue(registry, "HKCU\\Other\\N").IsNull());
    EXPECT_TRUE(ReadRegValue(registry, "HKCU\\K\\Other").IsNull());
    EXPECT_EQ(registry.opens, 2);
    ExpectEveryKeyClosed();
}

TEST_F(RegAccessTest, ReadKeyValueReportsTheRegistrysStatus) {
    RegKey key = 0;
    registry.PutText(regroot::kCurrentUser, "K", "N", "value");
    ASSERT_EQ(registry.OpenKey(regroot::kCurrentUser, "K", regaccess::kRead, key), 0);
    std::int32_t status = 0;
    EXPECT_TRUE(ReadKeyValue(registry, key, "missing", status).IsEmpty());
    EXPECT_EQ(status, regstatus::kFileNotFound);
    EXPECT_EQ(ReadKeyValue(registry, key, "n", status), RegValue("value"));
    EXPECT_EQ(status, regstatus::kSuccess);
    EXPECT_EQ(registry.OpenHandles(), 1u) << "ReadKeyValue closes nothing";
}

struct WriteCase {
    const char* label;
    RegValue value;
    std::uint32_t type;
    Bytes data;
};

void PrintTo(const WriteCase& write, std::ostream* out) { *out << write.label; }

class WriteTypeTest : public RegAccessTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteTypeTest, ChoosesTheTypeByTheValuesKind) {
    ASSERT_TRUE(WriteRegValue(registry, "HKCU\\Software\\New\\Deep\\Name", GetParam().value));
    std::optional<FakeRegistry::StoredValue> stored =
        registry.Get(regroot::kCurrentUser, "Software\\New\\Deep", "Name");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, GetParam().type);
    EXPECT_EQ(stored->data, GetParam().data);
    EXPECT_EQ(registry.accessMasks,
              (std::vector<std::uint32_t>{regaccess::kWrite, regaccess::kWrite}));
    ExpectEveryKeyClosed();
}

INSTANTIATE_TEST_SUITE_P(
    Table, WriteTypeTest,
    ::testing::Values(
        WriteCase{"Single 2535 as text", 2535.0f, regtype::kSz, Bytes{'2', '5', '3', '5', 0}},
        WriteCase{"Long as dword", std::int32_t{2535}, regtype::kDword, Bytes{0xE7, 0x09, 0, 0}},
        WriteCase{"negative Long", std::int32_t{-2}, regtype::kDword, Bytes{0xFE, 0xFF, 0xFF, 0xFF}},
        WriteCase{"Integer as dword", std::int16_t{7}, regtype::kDword, Bytes{7, 0, 0, 0}},
        WriteCase{"Byte as dword", std::uint8_t{200}, regtype::kDword, Bytes{200, 0, 0, 0}},
        WriteCase{"byte array as binary", RegByteArray{{1, 2, 3}, 5}, regtype::kBinary,
                  Bytes{1, 2, 3}},
        WriteCase{"text", "ab", regtype::kSz, Bytes{'a', 'b', 0}},
        WriteCase{"empty text", "", regtype::kSz, Bytes{0}},
        WriteCase{"Empty as empty text", RegValue(), regtype::kSz, Bytes{0}},
        WriteCase{"Boolean as text", true, regtype::kSz, Bytes{'T', 'r', 'u', 'e', 0}},
        WriteCase{"Double fraction as text", 0.5, regtype::kSz, Bytes{'0', '.', '5', 0}}), CaseName());

TEST_F(RegAccessTest, WritesTheDefaultValueAndTheRootKeysValue) {
    ASSERT_TRUE(WriteRegValue(registry, "HKCU\\K\\", "default"));
    ASSERT_TRUE(WriteRegValue(registry, "HKCU\\\\Name", "at root"));
    EXPECT_TRUE(registry.Get(regroot::kCurrentUser, "K", "").has_value());
    EXPECT_TRUE(registry.Get(regroot::kCurrentUser, "", "Name").has_value());
}

TEST_F(RegAccessTest, WriteFailsWhenTheOpenFails) {
    registry.openStatus = regstatus::kAccessDenied;
    EXPECT_FALSE(WriteRegValue(registry, "HKCU\\K\\N", "x"));
    ExpectEveryKeyClosed();
}

TEST_F(RegAccessTest, FailedCreateShowsOnlyAsFailedOpen) {
    registry.PutText(regroot::kCurrentUser, "K", "N", "old");
    registry.createStatus = regstatus::kAccessDenied;
    EXPECT_TRUE(WriteRegValue(registry, "HKCU\\K\\N", "new"));
    EXPECT_FALSE(WriteRegValue(registry, "HKCU\\Missing\\N", "new"));
    ExpectEveryKeyClosed();
}

TEST_F(RegAccessTest, WriteFailsWhenTheStoreFails) {
    registry.setStatus = regstatus::kAccessDenied;
    EXPECT_FALSE(WriteRegValue(registry, "HKCU\\K\\N", "x"));
    ExpectEveryKeyClosed();
}

TEST_F(RegAccessTest, WriteKeyValueOfOtherTypesWritesNothing) {
    RegKey key = 0;
    ASSERT_EQ(registry.CreateKey(regroot::kCurrentUser, "K", regaccess::kWrite, key), 0);
    EXPECT_EQ(WriteKeyValue(registry, key, "N", regtype::kExpandSz, "x"), regstatus::kSuccess);
    EXPECT_FALSE(registry.Get(regroot::kCurrentUser, "K", "N").has_value());
    EXPECT_NE(WriteKeyValue(registry, key, "N", regtype::kBinary, "not bytes"), regstatus::kSuccess);
    EXPECT_FALSE(registry.Get(regroot::kCurrentUser, "K", "N").has_value());
    EXPECT_EQ(WriteKeyValue(registry, key, "N", regtype::kDword, "3.5"), regstatus::kSuccess);
    EXPECT_EQ(registry.Get(regroot::kCurrentUser, "K", "N")->data, (Bytes{4, 0, 0, 0}));
    EXPECT_EQ(registry.OpenHandles(), 1u) << "WriteKeyValue closes nothing";
}

TEST_F(RegAccessTest, WrittenValuesReadBack) {
    for (const RegValue& value : {RegValue("text"), RegValue(std::int32_t{-7}),
                                  RegValue(RegByteArray{{9, 8}, 0})}) {
        ASSERT_TRUE(WriteRegValue(registry, "hkcu\\A\\B\\V", value));
        EXPECT_EQ(ReadRegValue(registry, "HKEY_CURRENT_USER\\a\\b\\v"), value);
    }
    ExpectEveryKeyClosed();
}

}  // namespace
}  // namespace pathnab
