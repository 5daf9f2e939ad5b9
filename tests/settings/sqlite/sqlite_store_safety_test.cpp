#include <gtest/gtest.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/reg_access.h"
#include "temp_stores.h"

namespace pathnab {
namespace {

constexpr const char* kHeightPath = "HKCU\\Software\\Tallwick\\Pathnab\\Height";

// Runs body in a child process; its exit status (0 = every check held there).
int InChild(const std::function<int()>& body) {
    pid_t child = fork();
    if (child == 0) _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::vector<char> RandomBytes(std::size_t count) {
    std::mt19937 generator(2535);
    std::vector<char> bytes(count);
    for (char& byte : bytes) byte = static_cast<char>(generator());
    return bytes;
}

// The store's own verdict on the file and one value's text, read without the program.
std::string SqliteAnswer(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    std::string answer;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
        if (sqlite3_step(statement) == SQLITE_ROW) {
            answer = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return answer;
}

// As root, file modes are not enforced: checks about them run as the unprivileged account.
bool DropRootPrivileges() {
    if (geteuid() != 0) return true;
    const passwd* nobody = getpwnam("nobody");
    return nobody != nullptr && setgid(nobody->pw_gid) == 0 && setuid(nobody->pw_uid) == 0;
}

class StoreSafetyTest : public TempStores {
protected:
    // Every read misses and every write fails, and the file's bytes stay as they were.
    void ExpectUnusableAndUntouched(const std::string& path) {
        std::vector<char> before = FileBytes(path);
        auto registry = Open();
        EXPECT_TRUE(ReadRegValue(*registry, kHeightPath).IsNull());
        EXPECT_EQ(GetAppSetting(*registry, "Tallwick", "Pathnab", "Height", std::int16_t{2535}),
                  RegValue(std::int16_t{2535}));
        EXPECT_FALSE(WriteRegValue(*registry, kHeightPath, 3000.0f));
        EXPECT_FALSE(SaveAppSetting(*registry, "Tallwick", "Pathnab", "Width", 100.0f));
        RegKey key = 0;
        EXPECT_NE(registry->CreateKey(regroot::kCurrentUser, "New", regaccess::kWrite, key), 0);
        EXPECT_EQ(FileBytes(path), before);
    }
};

TEST_F(StoreSafetyTest, FirstWriteCreatesPrivateUserFileAndFolders) {
    mode_t old = umask(0);  // the modes must not depend on the caller's umask
    bool saved = WriteRegValue(*Open(), kHeightPath, 3000.0f);
    umask(old);
    ASSERT_TRUE(saved);
    EXPECT_EQ(ModeOf(paths.userStore), 0600u);
    EXPECT_EQ(ModeOf(root + "/config/pathnab"), 0700u);
    EXPECT_EQ(ModeOf(root + "/config"), 0700u);
}

TEST_F(StoreSafetyTest, MachineStoreIsReadableByEveryone) {
    mode_t old = umask(077);
    bool saved = WriteRegValue(*Open(), "HKLM\\Software\\X\\V", "x");
    umask(old);
    ASSERT_TRUE(saved);
    EXPECT_EQ(ModeOf(paths.machineStore), 0644u);
    EXPECT_EQ(ModeOf(root + "/xdg/pathnab"), 0755u);
}

TEST_F(StoreSafetyTest, ExistingFoldersKeepTheirModes) {
    std::filesystem::create_directories(root + "/config");
    chmod((root + "/config").c_str(), 0751);
    ASSERT_TRUE(WriteRegValue(*Open(), kHeightPath, "1"));
    EXPECT_EQ(ModeOf(root + "/config"), 0751u);
}

TEST_F(StoreSafetyTest, CorruptFileIsNeitherUsedNorChanged) {
    WriteFile(paths.userStore, RandomBytes(8192));
    ExpectUnusableAndUntouched(paths.userStore);
    EXPECT_FALSE(std::filesystem::exists(paths.userStore + "-journal"));
}

TEST_F(StoreSafetyTest, DamagedDatabaseIsNeitherUsedNorChanged) {
    ASSERT_TRUE(WriteRegValue(*Open(), kHeightPath, "3000"));
    std::vector<char> bytes = FileBytes(paths.userStore);
    std::vector<char> noise = RandomBytes(bytes.size() - 100);
    std::copy(noise.begin(), noise.end(), bytes.begin() + 100);  // header kept, pages ruined
    WriteFile(paths.userStore, bytes);
    ExpectUnusableAndUntouched(paths.userStore);
}

struct ForeignDatabase {
    const char* name;
    const char* sql;
};

class ForeignDatabaseTest : public StoreSafetyTest,
                            public ::testing::WithParamInterface<ForeignDatabase> {};

// Another program's database, even one still without tables, is never taken for ours.
TEST_P(ForeignDatabaseTest, IsNeitherUsedNorChanged) {
    std::filesystem::create_directories(root + "/config/pathnab");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(paths.userStore.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, GetParam().sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    ExpectUnusableAndUntouched(paths.userStore);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ForeignDatabaseTest,
    ::testing::Values(
        ForeignDatabase{"OwnTable", "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine');"},
        ForeignDatabase{"EmptyWithItsUserVersion", "PRAGMA user_version = 7;"},
        ForeignDatabase{"EmptyWithItsApplicationId", "PRAGMA application_id = 42;"},
        ForeignDatabase{"OurIdButANewerVersion",
                        "PRAGMA application_id = 1349411170; PRAGMA user_version = 2;"}),
    [](const ::testing::TestParamInfo<ForeignDatabase>& info) { return info.param.name; });

TEST_F(StoreSafetyTest, StorePathThatIsAFolderIsNeitherUsedNorRemoved) {
    std::filesystem::create_directories(paths.userStore);
    auto registry = Open();
    EXPECT_TRUE(ReadRegValue(*registry, kHeightPath).IsNull());
    EXPECT_FALSE(WriteRegValue(*registry, kHeightPath, "1"));
    EXPECT_TRUE(std::filesystem::is_directory(paths.userStore));
}

TEST_F(StoreSafetyTest, EmptyFileBecomesTheStore) {
    WriteFile(paths.userStore, {});
    auto registry = Open();
    EXPECT_TRUE(ReadRegValue(*registry, kHeightPath).IsNull());
    ASSERT_TRUE(WriteRegValue(*registry, kHeightPath, "3000"));
    EXPECT_EQ(ReadRegValue(*Open(), kHeightPath), RegValue("3000"));
}

TEST_F(StoreSafetyTest, UnreadableFileGivesDefaultsAndStaysAsItWas) {
    ASSERT_TRUE(WriteRegValue(*Open(), kHeightPath, "3000"));
    chmod(paths.userStore.c_str(), 0);
    std::vector<char> before = FileBytes(paths.userStore);
    for (const std::string& folder : {root, root + "/config", root + "/config/pathnab"}) {
        chmod(folder.c_str(), 0755);
    }
    int failures = InChild([&] {
        if (!DropRootPrivileges()) return 99;
        if (access(paths.userStore.c_str(), R_OK) == 0) return 98;
        auto registry = Open();
        int wrong = 0;
        wrong += !ReadRegValue(*registry, kHeightPath).IsNull();
        wrong += WriteRegValue(*registry, kHeightPath, "1");
        wrong += GetAppSetting(*registry, "Tallwick", "Pathnab", "Height", std::int16_t{2535}) !=
                 RegValue(std::int16_t{2535});
        return wrong;
    });
    EXPECT_NE(failures, 99) << "could not drop to the unprivileged account";
    EXPECT_NE(failures, 98) << "the file stayed readable";
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(FileBytes(paths.userStore), before);
}

TEST_F(StoreSafetyTest, ReadOnlyMachineStoreRefusesWritesButReads) {
    ASSERT_TRUE(WriteRegValue(*Open(), "HKLM\\Software\\X\\V", "machine"));
    chmod(root.c_str(), 0755);
    chmod(paths.machineStore.c_str(), 0444);  // not even its owner may write it now
    int failures = InChild([&] {
        if (!DropRootPrivileges()) return 99;
        auto registry = Open();
        int wrong = 0;
        wrong += ReadRegValue(*registry, "HKLM\\Software\\X\\V") != RegValue("machine");
        wrong += WriteRegValue(*registry, "HKLM\\Software\\X\\V", "changed");
        return wrong;
    });
    EXPECT_NE(failures, 99) << "could not drop to the unprivileged account";
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(ReadRegValue(*Open(), "HKLM\\Software\\X\\V"), RegValue("machine"));
}

TEST_F(StoreSafetyTest, TwoProgramsSavingAtOnceLoseNothing) {
    constexpr int kWrites = 500;
    ASSERT_TRUE(WriteRegValue(*Open(), kHeightPath, "0"));  // both start from one store
    auto writer = [&](const std::string& name) {
        return [&, name] {
            auto registry = Open();
            int failures = 0;
            for (int i = 0; i < kWrites; ++i) {
                failures += !SaveAppSetting(*registry, "Tallwick", "Pathnab", name, std::int32_t{i});
                failures += !SaveAppSetting(*registry, "Tallwick", "Pathnab", "Shared", name);
            }
            return failures == 0 ? 0 : 1;
        };
    };
    pid_t first = fork();
    if (first == 0) _exit(writer("First")());
    pid_t second = fork();
    if (second == 0) _exit(writer("Second")());
    int firstStatus = 0;
    int secondStatus = 0;
    waitpid(first, &firstStatus, 0);
    waitpid(second, &secondStatus, 0);
    EXPECT_TRUE(WIFEXITED(firstStatus) && WEXITSTATUS(firstStatus) == 0);
    EXPECT_TRUE(WIFEXITED(secondStatus) && WEXITSTATUS(secondStatus) == 0);
    EXPECT_EQ(SqliteAnswer(paths.userStore, "PRAGMA integrity_check"), "ok");
    auto registry = Open();
    const std::string key = "HKCU\\Software\\Tallwick\\Pathnab\\";
    EXPECT_EQ(ReadRegValue(*registry, key + "First"), RegValue(std::int32_t{kWrites - 1}));
    EXPECT_EQ(ReadRegValue(*registry, key + "Second"), RegValue(std::int32_t{kWrites - 1}));
    RegValue shared = ReadRegValue(*registry, key + "Shared");
    EXPECT_TRUE(shared == RegValue("First") || shared == RegValue("Second"));
}

}  // namespace
}  // namespace pathnab
