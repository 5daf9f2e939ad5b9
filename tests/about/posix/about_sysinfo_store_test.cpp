#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "about/about_box.h"
#include "about/fakes/fake_about_ports.h"
#include "about/posix/about_backends.h"
#include "about/posix/about_test_folder.h"
#include "settings/sqlite/sqlite_registry.h"

namespace pathnab {
namespace {

namespace fs = std::filesystem;
using testing::FakeMessageBox;
using testing::FixedVersion;
using testing::TestFolder;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// The real machine-wide store in a temporary XDG_CONFIG_DIRS, the real starter and file test.
class AboutSysInfoStore : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder.path / "xdg" / "pathnab");
        fs::create_directories(folder.path / "home");
        registry = MakeSqliteRegistry(StorePathsFromEnvironment());
    }

    void RegisterText(const std::string& key, const std::string& name, const std::string& text) {
        RegKey opened = 0;
        ASSERT_EQ(registry->CreateKey(regroot::kLocalMachine, key, regaccess::kWrite, opened),
                  regstatus::kSuccess);
        std::string data = text;
        data.push_back('\0');
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
        EXPECT_EQ(registry->SetValue(opened, name, regtype::kSz, {bytes, data.size()}),
                  regstatus::kSuccess);
        registry->CloseKey(opened);
    }

    // A stand-in System Information program that leaves a mark next to itself when it runs.
    fs::path WriteSysInfoProgram(const fs::path& where) {
        return folder.WriteProgram(fs::relative(where, folder.path).string(),
                                   "#!/bin/sh\ntouch \"$0.ran\"\n");
    }

    void StartSysInfo() {
        FixedVersion version{VersionInfo{"Tallwick", "Pathnab", 1, 0, 0, 1}};
        AboutServices services{version, *registry, *starter, *files, messages};
        pathnab::StartSysInfo(services);
    }

    static bool Ran(const fs::path& program) {
        const fs::path mark = program.string() + ".ran";
        for (int i = 0; i < 1000 && !fs::exists(mark); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return fs::exists(mark);
    }

    TestFolder folder;
    // Only temporary folders: an installed package's store in /etc/xdg would be found first.
    ScopedEnvironment configDirs{"XDG_CONFIG_DIRS", (folder.path / "xdg").string()};
    ScopedEnvironment configHome{"XDG_CONFIG_HOME", (folder.path / "home").string()};
    std::unique_ptr<Registry> registry;
    std::unique_ptr<ProgramStarter> starter = MakePosixProgramStarter();
    std::unique_ptr<FileProbe> files = MakePosixFileProbe();
    FakeMessageBox messages;
};

TEST_F(AboutSysInfoStore, RegisteredProgramIsStarted) {
    const fs::path program = WriteSysInfoProgram(folder.path / "sysinfo");
    RegisterText(kSysInfoProgramKey, "PATH", program.string());
    StartSysInfo();
    EXPECT_TRUE(Ran(program));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutSysInfoStore, FirstRegisteredProgramThatIsThereIsStarted) {
    const fs::path program = WriteSysInfoProgram(folder.path / "older");
    RegisterText(kSysInfoProgramKey, "PATH",
                 SysInfoProgramText({(folder.path / "newer").string(), program.string()}));
    StartSysInfo();
    EXPECT_TRUE(Ran(program));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutSysInfoStore, ProgramInRegisteredFolderIsStarted) {
    fs::create_directory(folder.path / "tools");
    const fs::path program = WriteSysInfoProgram(folder.path / "tools" / "MSINFO32.EXE");
    RegisterText(kSysInfoFolderKey, "MSINFO", (folder.path / "tools").string());
    ASSERT_TRUE(fs::exists(folder.path / "xdg" / "pathnab" / "registry.db"))
        << "HKEY_LOCAL_MACHINE belongs in the machine-wide store";
    StartSysInfo();
    EXPECT_TRUE(Ran(program));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutSysInfoStore, NothingRegisteredShowsTheMessage) {
    StartSysInfo();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "System Information Is Unavailable At This Time");
}

TEST_F(AboutSysInfoStore, RegisteredFolderWithoutTheProgramShowsTheMessage) {
    fs::create_directory(folder.path / "tools");
    RegisterText(kSysInfoFolderKey, "MSINFO", (folder.path / "tools").string());
    StartSysInfo();
    EXPECT_EQ(messages.shown.size(), 1u);
}

// What the About box manages as an ordinary user with a store it may only read: 0 when the
// value was read and a write refused. Root reads and writes any file, so a child process
// run as root takes an id no account has first.
int ReadOnlyOutcome(const std::string& expected) {
    constexpr uid_t kThrowawayId = 61999;
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kThrowawayId) != 0 ||
                           setuid(kThrowawayId) != 0)) {
        return 10;
    }
    const auto reader = MakeSqliteRegistry(StorePathsFromEnvironment());
    std::string path;
    if (!GetKeyValue(*reader, regroot::kLocalMachine, kSysInfoProgramKey, "PATH", path)) return 11;
    if (path != expected) return 12;
    RegKey key = 0;
    if (reader->OpenKey(regroot::kLocalMachine, kSysInfoProgramKey, regaccess::kAboutBox, key) != 0) {
        return 13;
    }
    const std::uint8_t text[] = {'x', 0};
    return reader->SetValue(key, "PATH", regtype::kSz, text) == regstatus::kAccessDenied ? 0 : 14;
}

TEST_F(AboutSysInfoStore, OrdinaryUserReadsTheReadOnlyStoreAndCannotWriteIt) {
    RegisterText(kSysInfoProgramKey, "PATH", "/usr/bin/hardinfo");
    registry.reset();
    const fs::path storeFolder = folder.path / "xdg" / "pathnab";
    fs::permissions(folder.path, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(storeFolder / "registry.db", fs::perms::owner_read | fs::perms::group_read |
                                                     fs::perms::others_read);
    fs::permissions(storeFolder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(ReadOnlyOutcome("/usr/bin/hardinfo"));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    fs::permissions(storeFolder, fs::perms::owner_all, fs::perm_options::add);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10: no other id, 11: not read, 12: other text, "
                                         "13: key not opened, 14: write not refused";
}

}  // namespace
}  // namespace pathnab
