#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/reg_access.h"
#include "temp_stores.h"
#include "case_name.h"

namespace pathnab {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Raw {
    std::int32_t status = -100;
    std::uint32_t type = 0;
    Bytes data;
};

// The value's type and bytes exactly as the store holds them.
Raw QueryRaw(Registry& registry, RegKey root, const std::string& subKey, const std::string& name) {
    Raw raw;
    RegKey key = 0;
    raw.status = registry.OpenKey(root, subKey, regaccess::kRead, key);
    if (raw.status != regstatus::kSuccess) return raw;
    std::uint32_t size = 0;
    raw.status = registry.QueryValue(key, name, raw.type, nullptr, size);
    if (raw.status == regstatus::kSuccess) {
        raw.data.resize(size);
        raw.status = registry.QueryValue(key, name, raw.type, raw.data.data(), size);
    }
    registry.CloseKey(key);
    return raw;
}

std::int32_t SetRaw(Registry& registry, RegKey root, const std::string& subKey,
                    const std::string& name, std::uint32_t type, const Bytes& data) {
    RegKey key = 0;
    std::int32_t status = registry.CreateKey(root, subKey, regaccess::kWrite, key);
    if (status != regstatus::kSuccess) return status;
    status = registry.SetValue(key, name, type, data);
    registry.CloseKey(key);
    return status;
}

// The names of the store's keys as written in the file.
std::vector<std::string> StoredKeyNames(const std::string& path) {
    sqlite3* db = nullptr;
    std::vector<std::string> names;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT name FROM keys ORDER BY id", -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return names;
}

struct RoundTrip {
    const char* label;
    RegValue written;
    std::uint32_t type;
    Bytes stored;
    RegValue read;
};

void PrintTo(const RoundTrip& trip, std::ostream* out) { *out << trip.label; }

class SqliteRoundTripTest : public TempStores, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(SqliteRoundTripTest, StoresTheRegistryTypeAndReadsItBack) {
    const RoundTrip& trip = GetParam();
    ASSERT_TRUE(WriteRegValue(*Open(), "HKCU\\Software\\Tallwick\\Pathnab\\V", trip.written));
    auto later = Open();  // a new program run
    Raw raw = QueryRaw(*later, regroot::kCurrentUser, "Software\\Tallwick\\Pathnab", "V");
    ASSERT_EQ(raw.status, regstatus::kSuccess);
    EXPECT_EQ(raw.type, trip.type);
    EXPECT_EQ(raw.data, trip.stored);
    EXPECT_EQ(ReadRegValue(*later, "HKCU\\Software\\Tallwick\\Pathnab\\V"), trip.read);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SqliteRoundTripTest,
    ::testing::Values(
        RoundTrip{"Single 2535", 2535.0f, regtype::kSz, Bytes{'2', '5', '3', '5', 0}, "2535"},
        RoundTrip{"Long", std::int32_t{-3000}, regtype::kDword, Bytes{0x48, 0xF4, 0xFF, 0xFF},
                  std::int32_t{-3000}},
        RoundTrip{"Integer", std::int16_t{2535}, regtype::kDword, Bytes{0xE7, 0x09, 0, 0},
                  std::int32_t{2535}},
        RoundTrip{"Byte", std::uint8_t{9}, regtype::kDword, Bytes{9, 0, 0, 0}, std::int32_t{9}},
        RoundTrip{"byte array", RegByteArray{{0, 1, 255}, 1}, regtype::kBinary, Bytes{0, 1, 255},
                  RegByteArray{{0, 1, 255}, 0}},
        RoundTrip{"empty byte array", RegByteArray{}, regtype::kBinary, Bytes{}, RegValue()},
        RoundTrip{"empty text", "", regtype::kSz, Bytes{0}, ""},
        RoundTrip{"UTF-8 text", "\xC3\xA9t\xC3\xA9", regtype::kSz,
                  Bytes{0xC3, 0xA9, 't', 0xC3, 0xA9, 0}, "\xC3\xA9t\xC3\xA9"}), CaseName());

class SqliteRegistryTest : public TempStores {};

TEST_F(SqliteRegistryTest, OtherTypesAreKeptButReadAsNull) {
    auto registry = Open();
    ASSERT_EQ(SetRaw(*registry, regroot::kCurrentUser, "K", "Expand", regtype::kExpandSz,
                     Bytes{'%', 'A', '%', 0}), 0);
    ASSERT_EQ(SetRaw(*registry, regroot::kCurrentUser, "K", "Multi", regtype::kMultiSz,
                     Bytes{'a', 0, 'b', 0, 0}), 0);
    ASSERT_EQ(SetRaw(*registry, regroot::kCurrentUser, "K", "Odd", 0x12345u, Bytes{7}), 0);
    EXPECT_TRUE(ReadRegValue(*registry, "HKCU\\K\\Expand").IsNull());
    EXPECT_TRUE(ReadRegValue(*registry, "HKCU\\K\\Multi").IsNull());
    Raw odd = QueryRaw(*Open(), regroot::kCurrentUser, "K", "Odd");
    EXPECT_EQ(odd.type, 0x12345u);
    EXPECT_EQ(odd.data, Bytes{7});
    EXPECT_EQ(QueryRaw(*Open(), regroot::kCurrentUser, "K", "Multi").data,
              (Bytes{'a', 0, 'b', 0, 0}));
}

TEST_F(SqliteRegistryTest, TextWithoutItsTerminatorReadsWhole) {
    auto registry = Open();
    ASSERT_EQ(SetRaw(*registry, regroot::kCurrentUser, "K", "N", regtype::kSz, Bytes{'3', '0', '0'}), 0);
    EXPECT_EQ(ReadRegValue(*registry, "HKCU\\K\\N"), RegValue("300"));
}

TEST_F(SqliteRegistryTest, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    auto registry = Open();
    ASSERT_TRUE(WriteRegValue(*registry, "HKCU\\Software\\MixedCase\\Value", "first"));
    ASSERT_TRUE(WriteRegValue(*registry, "hkcu\\SOFTWARE\\mixedcase\\VALUE", "second"));
    EXPECT_EQ(ReadRegValue(*registry, "HKEY_CURRENT_USER\\software\\MIXEDCASE\\value"),
              RegValue("second"));
    EXPECT_EQ(StoredKeyNames(paths.userStore), (std::vector<std::string>{"Software", "MixedCase"}));
}

TEST_F(SqliteRegistryTest, DefaultValueIsItsOwnValue) {
    auto registry = Open();
    ASSERT_TRUE(WriteRegValue(*registry, "HKCU\\K\\", "default"));
    ASSERT_TRUE(WriteRegValue(*registry, "HKCU\\K\\Named", "named"));
    EXPECT_EQ(ReadRegValue(*registry, "HKCU\\K\\"), RegValue("default"));
    EXPECT_EQ(ReadRegValue(*registry, "HKCU\\K\\Named"), RegValue("named"));
}

TEST_F(SqliteRegistryTest, RootKeysHoldValuesToo) {
    auto registry = Open();
    ASSERT_TRUE(WriteRegValue(*registry, "HKCU\\\\Name", "at root"));
    EXPECT_EQ(ReadRegValue(*registry, "HKCU\\\\Name"), RegValue("at root"));
    EXPECT_TRUE(ReadRegValue(*registry, "HKCU\\Name\\").IsNull());
}

TEST_F(SqliteRegistryTest, CreateMakesEveryMissingKeyAndOpenFailsOnMissingOnes) {
    auto registry = Open();
    RegKey key = 0;
    EXPECT_EQ(registry->OpenKey(regroot::kCurrentUser, "A\\B\\C", regaccess::kRead, key),
              regstatus::kFileNotFound);
    ASSERT_EQ(registry->CreateKey(regroot::kCurrentUser, "A\\B\\C", regaccess::kWrite, key), 0);
    registry->CloseKey(key);
    for (const char* path : {"A", "A\\B", "a\\b\\c"}) {
        ASSERT_EQ(registry->OpenKey(regroot::kCurrentUser, path, regaccess::kRead, key), 0) << path;
        registry->CloseKey(key);
    }
    EXPECT_EQ(registry->OpenKey(regroot::kCurrentUser, "A\\B\\D", regaccess::kRead, key),
              regstatus::kFileNotFound);
    EXPECT_EQ(registry->OpenKey(regroot::kCurrentUser, "A\\\\B", regaccess::kRead, key),
              regstatus::kBadPathname);
}

TEST_F(SqliteRegistryTest, OpenedKeysAreParentsToo) {
    auto registry = Open();
    RegKey parent = 0;
    RegKey child = 0;
    ASSERT_EQ(registry->CreateKey(regroot::kLocalMachine, "Software", regaccess::kAboutBox, parent), 0);
    ASSERT_EQ(registry->CreateKey(parent, "Child", regaccess::kAboutBox, child), 0);
    ASSERT_EQ(registry->SetValue(child, "V", regtype::kDword, Bytes{1, 0, 0, 0}), 0);
    EXPECT_EQ(ReadRegValue(*registry, "HKLM\\Software\\Child\\V"), RegValue(std::int32_t{1}));
    registry->CloseKey(child);
    registry->CloseKey(parent);
}

TEST_F(SqliteRegistryTest, QueryReportsSizeAndTooSmallBuffers) {
    auto registry = Open();
    ASSERT_TRUE(WriteRegValue(*registry, "HKCU\\K\\N", "abcd"));
    RegKey key = 0;
    ASSERT_EQ(registry->OpenKey(regroot::kCurrentUser, "K", regaccess::kRead, key), 0);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(registry->QueryValue(key, "N", type, nullptr, size), 0);
    EXPECT_EQ(type, regtype::kSz);
    EXPECT_EQ(size, 5u);
    std::uint8_t buffer[16] = {};
    size = 3;
    EXPECT_EQ(registry->QueryValue(key, "N", type, buffer, size), regstatus::kMoreData);
    EXPECT_EQ(size, 5u);
    size = sizeof buffer;
    EXPECT_EQ(registry->QueryValue(key, "n", type, buffer, size), 0);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer)), "abcd");
    EXPECT_EQ(registry->QueryValue(key, "missing", type, nullptr, size), regstatus::kFileNotFound);
    registry->CloseKey(key);
}

TEST_F(SqliteRegistryTest, ClosedAndUnknownHandlesAreInvalid) {
    auto registry = Open();
    RegKey first = 0;
    RegKey second = 0;
    ASSERT_EQ(registry->CreateKey(regroot::kCurrentUser, "K", regaccess::kAboutBox, first), 0);
    ASSERT_EQ(registry->OpenKey(regroot::kCurrentUser, "K", regaccess::kAboutBox, second), 0);
    EXPECT_NE(first, second);
    for (RegKey key : {first, second}) {
        EXPECT_FALSE(key >= regroot::kClassesRoot && key <= regroot::kUsers);
    }
    registry->CloseKey(first);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry->QueryValue(first, "", type, nullptr, size), regstatus::kInvalidHandle);
    EXPECT_EQ(registry->SetValue(first, "", regtype::kSz, Bytes{0}), regstatus::kInvalidHandle);
    EXPECT_EQ(registry->OpenKey(first, "", regaccess::kRead, first), regstatus::kInvalidHandle);
    EXPECT_EQ(registry->QueryValue(0x80000005u, "", type, nullptr, size), regstatus::kInvalidHandle);
    EXPECT_EQ(registry->SetValue(second, "", regtype::kSz, Bytes{0}), 0);
    registry->CloseKey(second);
}

TEST_F(SqliteRegistryTest, AccessMaskLimitsWhatAKeyAllows) {
    auto registry = Open();
    ASSERT_TRUE(WriteRegValue(*registry, "HKCU\\K\\N", "x"));
    RegKey readOnly = 0;
    RegKey writeOnly = 0;
    ASSERT_EQ(registry->OpenKey(regroot::kCurrentUser, "K", regaccess::kRead, readOnly), 0);
    ASSERT_EQ(registry->OpenKey(regroot::kCurrentUser, "K", regaccess::kWrite, writeOnly), 0);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry->SetValue(readOnly, "N", regtype::kSz, Bytes{0}), regstatus::kAccessDenied);
    EXPECT_EQ(registry->QueryValue(writeOnly, "N", type, nullptr, size), regstatus::kAccessDenied);
    registry->CloseKey(readOnly);
    registry->CloseKey(writeOnly);
}

TEST_F(SqliteRegistryTest, LocalMachineLivesInTheMachineStoreAndRootsAreSeparate) {
    ASSERT_TRUE(WriteRegValue(*Open(), "HKLM\\Software\\X\\V", "machine"));
    EXPECT_TRUE(std::filesystem::exists(paths.machineStore));
    EXPECT_FALSE(std::filesystem::exists(paths.userStore));
    auto later = Open();
    EXPECT_EQ(ReadRegValue(*later, "HKEY_LOCAL_MACHINE\\Software\\X\\V"), RegValue("machine"));
    for (const char* other : {"HKCU\\Software\\X\\V", "HKCR\\Software\\X\\V", "HKUR\\Software\\X\\V"}) {
        EXPECT_TRUE(ReadRegValue(*later, other).IsNull()) << other;
    }
    ASSERT_TRUE(WriteRegValue(*later, "HKCR\\Software\\X\\V", "classes"));
    EXPECT_EQ(ReadRegValue(*later, "HKLM\\Software\\X\\V"), RegValue("machine"));
    EXPECT_EQ(ReadRegValue(*later, "HKCR\\Software\\X\\V"), RegValue("classes"));
}

class SqliteAppSettingsTest : public TempStores {
protected:
    RegValue Setting(const char* name, std::int16_t fallback) {
        return GetAppSetting(*Open(), "Tallwick", "Pathnab", name, fallback);
    }
};

TEST_F(SqliteAppSettingsTest, FirstRunGivesTheDefaultsAndCreatesNothing) {
    EXPECT_EQ(Setting("Height", 2535), RegValue(std::int16_t{2535}));
    EXPECT_EQ(Setting("Width", 7695), RegValue(std::int16_t{7695}));
    EXPECT_FALSE(std::filesystem::exists(root + "/config")) << "reading created a folder";
}

TEST_F(SqliteAppSettingsTest, SavedSizesComeBackAsText) {
    auto registry = Open();
    ASSERT_TRUE(SaveAppSetting(*registry, "Tallwick", "Pathnab", "Height", 3000.0f));
    ASSERT_TRUE(SaveAppSetting(*registry, "Tallwick", "Pathnab", "Width", 8000.0f));
    EXPECT_EQ(Setting("Height", 2535), RegValue("3000"));
    EXPECT_EQ(Setting("Width", 7695), RegValue("8000"));
}

TEST_F(SqliteAppSettingsTest, StoredFormsConvertThroughSafeLong) {
    auto registry = Open();
    const std::string key = "Software\\Tallwick\\Pathnab";
    ASSERT_EQ(SetRaw(*registry, regroot::kCurrentUser, key, "Height", regtype::kDword,
                     Bytes{0xB8, 0x0B, 0, 0}), 0);
    EXPECT_EQ(SafeLong(Setting("Height", 2535)), RegValue(std::int32_t{3000}));
    ASSERT_TRUE(WriteRegValue(*registry, "HKCU\\" + key + "\\Height", "3000"));
    EXPECT_EQ(SafeLong(Setting("Height", 2535)), RegValue(std::int32_t{3000}));
    ASSERT_TRUE(WriteRegValue(*registry, "HKCU\\" + key + "\\Height", "letters"));
    EXPECT_EQ(SafeLong(Setting("Height", 2535)), RegValue(std::int16_t{0}));
    ASSERT_EQ(SetRaw(*registry, regroot::kCurrentUser, key, "Height", regtype::kExpandSz,
                     Bytes{'1', 0}), 0);
    EXPECT_EQ(Setting("Height", 2535), RegValue(std::int16_t{2535}));
}

class StorePathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"}) {
            const char* value = std::getenv(name);
            saved_.push_back({name, value != nullptr, value != nullptr ? value : ""});
        }
        setenv("HOME", "/home/someone", 1);
    }
    void TearDown() override {
        for (const Saved& saved : saved_) {
            if (saved.set) setenv(saved.name, saved.value.c_str(), 1);
            else unsetenv(saved.name);
        }
    }
    static void Set(const char* name, const char* value) {
        if (value == nullptr) unsetenv(name);
        else setenv(name, value, 1);
    }

private:
    struct Saved {
        const char* name;
        bool set;
        std::string value;
    };
    std::vector<Saved> saved_;
};

TEST_F(StorePathsTest, FollowsTheXdgVariables) {
    struct Case {
        const char* configHome;
        const char* configDirs;
        const char* user;
        const char* machine;
    };
    for (const Case& c : {
             Case{"/cfg", "/etc/one:/etc/two", "/cfg/pathnab/registry.db", "/etc/one/pathnab/registry.db"},
             Case{nullptr, nullptr, "/home/someone/.config/pathnab/registry.db",
                  "/etc/xdg/pathnab/registry.db"},
             Case{"", "", "/home/someone/.config/pathnab/registry.db", "/etc/xdg/pathnab/registry.db"},
             Case{"relative/cfg", "relative:/etc/abs", "/home/someone/.config/pathnab/registry.db",
                  "/etc/abs/pathnab/registry.db"},
             Case{"/cfg", ":::", "/cfg/pathnab/registry.db", "/etc/xdg/pathnab/registry.db"},
         }) {
        Set("XDG_CONFIG_HOME", c.configHome);
        Set("XDG_CONFIG_DIRS", c.configDirs);
        SqliteStorePaths found = StorePathsFromEnvironment();
        EXPECT_EQ(found.userStore, c.user) << (c.configHome ? c.configHome : "(unset)");
        EXPECT_EQ(found.machineStore, c.machine) << (c.configDirs ? c.configDirs : "(unset)");
    }
}

// Xubuntu puts its own folder before /etc/xdg; a store installed in /etc/xdg must be found.
TEST_F(StorePathsTest, MachineStoreIsTheFirstEntryThatHoldsOne) {
    std::string pattern = (std::filesystem::temp_directory_path() / "pathnab-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path root = pattern;
    const std::string dirs = (root / "desktop").string() + ":relative:" + (root / "second").string() +
                             ":" + (root / "third").string();
    setenv("XDG_CONFIG_DIRS", dirs.c_str(), 1);
    const auto store = [&](const char* folder) { return (root / folder / "pathnab/registry.db").string(); };
    EXPECT_EQ(StorePathsFromEnvironment().machineStore, store("desktop")) << "none holds one yet";
    for (const char* folder : {"third", "second", "desktop"}) {
        std::filesystem::create_directories(root / folder / "pathnab");
        std::ofstream(store(folder)).put('x');
        EXPECT_EQ(StorePathsFromEnvironment().machineStore, store(folder));
    }
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace pathnab
