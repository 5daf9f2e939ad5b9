#include "about/posix/about_backends.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "about/posix/about_test_folder.h"

namespace pathnab {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

class AboutFileProbe : public ::testing::Test {
protected:
    bool Probe(const fs::path& path) { return probe->IsOrdinaryFile(path.string()); }

    TestFolder folder;
    std::unique_ptr<FileProbe> probe = MakePosixFileProbe();
};

TEST_F(AboutFileProbe, RegularFileCounts) {
    EXPECT_TRUE(Probe(folder.Write("MSINFO32.EXE", "x")));
}

TEST_F(AboutFileProbe, EmptyRegularFileCounts) {
    EXPECT_TRUE(Probe(folder.Write("empty", "")));
}

TEST_F(AboutFileProbe, HiddenFileDoesNotCount) {
    EXPECT_FALSE(Probe(folder.Write(".MSINFO32.EXE", "x")));
}

TEST_F(AboutFileProbe, FileInHiddenFolderCounts) {
    fs::create_directory(folder.path / ".tools");
    EXPECT_TRUE(Probe(folder.Write(".tools/MSINFO32.EXE", "x")));
}

TEST_F(AboutFileProbe, FolderDoesNotCount) {
    fs::create_directory(folder.path / "MSINFO32.EXE");
    EXPECT_FALSE(Probe(folder.path / "MSINFO32.EXE"));
}

TEST_F(AboutFileProbe, MissingFileAndEmptyPathDoNotCount) {
    EXPECT_FALSE(Probe(folder.path / "MSINFO32.EXE"));
    EXPECT_FALSE(probe->IsOrdinaryFile(""));
}

TEST_F(AboutFileProbe, PathThroughAFileDoesNotCount) {
    folder.Write("plain", "x");
    EXPECT_FALSE(Probe(folder.path / "plain" / "MSINFO32.EXE"));
}

// A link is judged by what it points to, under its own name.
TEST_F(AboutFileProbe, LinkToRegularFileCounts) {
    fs::create_symlink(folder.Write("target", "x"), folder.path / "MSINFO32.EXE");
    EXPECT_TRUE(Probe(folder.path / "MSINFO32.EXE"));
}

TEST_F(AboutFileProbe, HiddenLinkAndLinksToFoldersOrNothingDoNotCount) {
    fs::create_symlink(folder.Write("target", "x"), folder.path / ".hidden-link");
    fs::create_symlink(folder.path, folder.path / "folder-link");
    fs::create_symlink(folder.path / "gone", folder.path / "dangling");
    EXPECT_FALSE(Probe(folder.path / ".hidden-link"));
    EXPECT_FALSE(Probe(folder.path / "folder-link"));
    EXPECT_FALSE(Probe(folder.path / "dangling"));
}

// Waits up to a generous limit for a condition the started program brings about.
template <typename Condition>
bool Eventually(Condition condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

// Whether pid is still a process, a zombie included.
bool ProcessExists(pid_t pid) { return fs::exists("/proc/" + std::to_string(pid)); }

class AboutProgramStarter : public ::testing::Test {
protected:
    TestFolder folder;
    std::unique_ptr<ProgramStarter> starter = MakePosixProgramStarter();
};

TEST_F(AboutProgramStarter, StartsTheProgramAndLeavesNoZombie) {
    // The program writes its process id next to itself, then ends.
    const fs::path script = folder.WriteProgram(
        "sysinfo", "#!/bin/sh\necho $$ > \"$0.tmp\" && mv \"$0.tmp\" \"$0.pid\"\n");
    ASSERT_TRUE(starter->Start(script.string()));
    const fs::path pidFile = script.string() + ".pid";
    ASSERT_TRUE(Eventually([&] { return fs::exists(pidFile); })) << "program never ran";
    pid_t pid = 0;
    std::ifstream(pidFile) >> pid;
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(Eventually([&] { return !ProcessExists(pid); })) << "process " << pid << " not reaped";
}

TEST_F(AboutProgramStarter, PathWithSpacesAndShellCharactersIsNotInterpreted) {
    const fs::path script = folder.WriteProgram(
        "sys info; touch hacked", "#!/bin/sh\ntouch \"$0.ran\"\n");
    ASSERT_TRUE(starter->Start(script.string()));
    EXPECT_TRUE(Eventually([&] { return fs::exists(script.string() + ".ran"); }));
    EXPECT_FALSE(fs::exists(fs::current_path() / "hacked"));
}

TEST_F(AboutProgramStarter, ProgramDoesNotInheritPathnabsDescriptors) {
    // A descriptor without close-on-exec, as Pathnab may inherit one from a file manager.
    const fs::path lock = folder.Write("inherited.lock", "");
    const int inherited = open(lock.c_str(), O_RDONLY);
    ASSERT_GE(inherited, 0);
    const fs::path script = folder.WriteProgram(
        "sysinfo", "#!/bin/sh\nreadlink /proc/$$/fd/* > \"$0.tmp\"; mv \"$0.tmp\" \"$0.fds\"\n");
    const bool started = starter->Start(script.string());
    close(inherited);
    ASSERT_TRUE(started);
    const fs::path fdsFile = script.string() + ".fds";
    ASSERT_TRUE(Eventually([&] { return fs::exists(fdsFile); })) << "program never ran";
    std::ifstream targets(fdsFile);
    int count = 0;
    for (std::string target; std::getline(targets, target); ++count) {
        EXPECT_NE(target, lock.string()) << "the started program holds Pathnab's descriptor";
    }
    EXPECT_GT(count, 0) << "the program's descriptors were not listed";
}

TEST_F(AboutProgramStarter, MissingProgramFails) {
    EXPECT_FALSE(starter->Start((folder.path / "MSINFO32.EXE").string()));
}

TEST_F(AboutProgramStarter, EmptyPathFolderAndNonExecutableFileFail) {
    EXPECT_FALSE(starter->Start(""));
    EXPECT_FALSE(starter->Start(folder.path.string()));
    EXPECT_FALSE(starter->Start(folder.Write("data.txt", "not a program").string()));
}

}  // namespace
}  // namespace pathnab
