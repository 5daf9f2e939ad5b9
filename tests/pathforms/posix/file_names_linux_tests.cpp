#include "pathforms/posix/file_names_linux.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "app/path_list.h"
#include "pathforms/fakes/path_forms_fakes.h"
#include "pathforms/posix/linux_backends.h"
#include "case_name.h"

namespace pathnab {
namespace {

using testing::ElementsAre;

// Removes a tree below an open folder, name by name, so that trees deeper than PATH_MAX go too.
void RemoveTreeAt(int parent, const char* name) {
    if (unlinkat(parent, name, 0) == 0) return;
    const int folder = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) return;
    if (DIR* entries = fdopendir(folder)) {
        while (const dirent* entry = readdir(entries)) {
            const std::string child = entry->d_name;
            if (child != "." && child != "..") RemoveTreeAt(folder, child.c_str());
        }
        closedir(entries);
    }
    unlinkat(parent, name, AT_REMOVEDIR);
}

class LinuxFileNamesTest : public testing::Test {
protected:
    LinuxFileNamesTest() {
        std::string pattern = testing::TempDir() + "pathnab-names-XXXXXX";
        root = mkdtemp(pattern.data());
    }
    ~LinuxFileNamesTest() override { RemoveTreeAt(AT_FDCWD, root.c_str()); }

    std::string MakeFile(const std::string& name) {
        const std::string path = root + "/" + name;
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        EXPECT_GE(fd, 0) << path;
        close(fd);
        return path;
    }

    std::vector<PathForm> Rows(const std::string& path) {
        fakes::UncWorld world(PosixPathConventions());
        return BuildPathForms(path, kSyntaxNormal, *files, world.unc);
    }

    std::string root;
    std::unique_ptr<FileNames> files = MakeLinuxFileNames();
};

struct NameCase {
    const char* what;
    std::string name;  // created below the temporary folder, then looked up there
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }

class ExistingNameTest : public LinuxFileNamesTest, public testing::WithParamInterface<NameCase> {};
TEST_P(ExistingNameTest, LongAndShortFormsAreThePathItself) {
    const std::string path = MakeFile(GetParam().name);
    EXPECT_EQ(files->LongPathName(path), path);
    EXPECT_EQ(files->ShortPathName(path), path);
}
INSTANTIATE_TEST_SUITE_P(
    Names, ExistingNameTest,
    testing::Values(NameCase{"plain", "a.txt"}, NameCase{"dotfile", ".profile"},
                    NameCase{"double extension", "archive.tar.gz"},
                    NameCase{"spaces, tab and newline", "a b\tc\nd.txt"},
                    NameCase{"not UTF-8", "caf\xE9\xFF.txt"}, NameCase{"backslash", "a\\b.txt"},
                    NameCase{"quote in the name", "\"q\".txt"}), CaseName());

TEST_F(LinuxFileNamesTest, MissingOrUnsoundPathsHaveNoForm) {
    MakeFile("a.txt");
    for (const std::string& path : {root + "/missing.txt", "\"" + root + "/a.txt\"", root + "/a.txt/",
                                    std::string(), root + std::string("/a.txt\0junk", 11),
                                    root + "/missing/../a.txt"}) {
        EXPECT_EQ(files->LongPathName(path), std::nullopt) << path;
        EXPECT_EQ(files->ShortPathName(path), std::nullopt) << path;
    }
}

TEST_F(LinuxFileNamesTest, FoldersFifosAndTheRootExist) {
    ASSERT_EQ(mkdir((root + "/folder").c_str(), 0700), 0);
    ASSERT_EQ(mkfifo((root + "/fifo").c_str(), 0600), 0);
    for (const std::string& path : {root + "/folder", root + "/folder/", root + "/fifo", std::string("/"),
                                    root + "/folder/..", root + "//folder"}) {
        EXPECT_EQ(files->LongPathName(path), path);
    }
}

TEST_F(LinuxFileNamesTest, SymbolicLinksAreNotResolvedAndDanglingOnesCount) {
    const std::string target = MakeFile("target.txt");
    ASSERT_EQ(symlink(target.c_str(), (root + "/link").c_str()), 0);
    ASSERT_EQ(symlink((root + "/gone").c_str(), (root + "/dangling").c_str()), 0);
    EXPECT_EQ(files->LongPathName(root + "/link"), root + "/link");
    EXPECT_EQ(files->LongPathName(root + "/dangling"), root + "/dangling");
    EXPECT_EQ(files->LongPathName(root + "/dangling/"), std::nullopt);
}

TEST_F(LinuxFileNamesTest, RelativePathStaysRelative) {
    MakeFile("a.txt");
    ASSERT_EQ(mkdir((root + "/sub").c_str(), 0700), 0);
    const std::string previous = std::filesystem::current_path();
    ASSERT_EQ(chdir(root.c_str()), 0);
    for (const std::string path : {"a.txt", "./a.txt", "sub/../a.txt", "sub"}) {
        EXPECT_EQ(files->LongPathName(path), path);
    }
    EXPECT_EQ(files->LongPathName("missing.txt"), std::nullopt);
    EXPECT_EQ(chdir(previous.c_str()), 0);
}

// Nested folders whose full path is longer than the kernel takes at once.
class DeepTreeTest : public LinuxFileNamesTest {
protected:
    void SetUp() override {
        const std::string component(200, 'd');
        int folder = open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        deep = root;
        while (deep.size() <= PATH_MAX + 200) {
            ASSERT_EQ(mkdirat(folder, component.c_str(), 0700), 0);
            const int child = openat(folder, component.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            close(folder);
            ASSERT_GE(child, 0);
            folder = child;
            deep += "/" + component;
        }
        const int file = openat(folder, "deep.txt", O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(file, 0);
        close(file);
        ASSERT_EQ(symlinkat("nowhere", folder, "dangling"), 0);
        close(folder);
    }

    std::string deep;
};

TEST_F(DeepTreeTest, PathsLongerThanPathMaxAreLookedUpComponentByComponent) {
    ASSERT_GT(deep.size(), static_cast<std::size_t>(PATH_MAX));
    const std::string component(200, 'd');
    for (const std::string& path : {deep + "/deep.txt", deep + "/dangling", deep, deep + "/",
                                    deep + "/../" + component + "/deep.txt", deep + "//deep.txt"}) {
        EXPECT_EQ(files->LongPathName(path), path) << path.substr(path.size() - 40);
    }
    for (const std::string& path : {deep + "/missing.txt", deep + "/deep.txt/", deep + "/dangling/",
                                    deep + "/missing/deep.txt", deep + "/" + std::string(300, 'x')}) {
        EXPECT_EQ(files->LongPathName(path), std::nullopt) << path.substr(path.size() - 40);
    }
}

TEST_F(LinuxFileNamesTest, ALongRunOfSlashesIsTheRoot) {
    const std::string slashes(PATH_MAX + 10, '/');
    EXPECT_EQ(files->LongPathName(slashes), slashes);
}

TEST_F(DeepTreeTest, RowsOfADeepFile) {
    const auto rows = Rows(deep + "/deep.txt");
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].text, deep + "/deep.txt");
    EXPECT_EQ(rows[1].text, "deep.txt");
}

struct RowsCase {
    const char* what;
    std::string name;
    std::string fileName;
    std::string baseName;
};

void PrintTo(const RowsCase& c, std::ostream* os) { *os << c.what; }

class RealRowsTest : public LinuxFileNamesTest, public testing::WithParamInterface<RowsCase> {};
TEST_P(RealRowsTest, ListTheExistingFile) {
    const std::string path = MakeFile(GetParam().name);
    EXPECT_THAT(Rows(path), ElementsAre(PathForm{"longFullName", "Full Path", path},
                                        PathForm{"longFileName", "File Name", GetParam().fileName},
                                        PathForm{"longBaseName", "Base Name", GetParam().baseName},
                                        PathForm{"short", "Short Path", path},
                                        PathForm{"URL", "URL", "file://" + path},
                                        PathForm{"UNC", "UNC", kNotShared},
                                        PathForm{"UNCURL", "UNC URL", kNotShared}));
}
INSTANTIATE_TEST_SUITE_P(Files, RealRowsTest,
                         testing::Values(RowsCase{"plain", "report.txt", "report.txt", "report"},
                                         RowsCase{"dotfile", ".profile", ".profile", ""},
                                         RowsCase{"double extension", "archive.tar.gz", "archive.tar.gz", "archive.tar"},
                                         RowsCase{"spaces", "my file.txt", "my file.txt", "my file"},
                                         RowsCase{"not UTF-8", "\xE9t\xE9.txt", "\xE9t\xE9.txt", "\xE9t\xE9"}), CaseName());

TEST_F(LinuxFileNamesTest, MissingFileGivesEmptyRows) {
    const auto rows = Rows("\"" + MakeFile("a.txt") + "\"");
    EXPECT_THAT(rows, ElementsAre(PathForm{"longFullName", "Full Path", ""}, PathForm{"longFileName", "File Name", ""},
                                  PathForm{"longBaseName", "Base Name", ""}, PathForm{"short", "Short Path", ""},
                                  PathForm{"URL", "URL", "file://"}, PathForm{"UNC", "UNC", kNoFileSelected},
                                  PathForm{"UNCURL", "UNC URL", kNoFileSelected}));
}

TEST_F(LinuxFileNamesTest, RootFolderHasEmptyFileName) {
    const auto rows = Rows("/");
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].text, "/");
    EXPECT_EQ(rows[1].text, "");
    EXPECT_EQ(rows[4].text, "file:///");
}

TEST_F(LinuxFileNamesTest, TheLinuxBackendsUseTheseFileNames) {
    const std::string path = MakeFile("a.txt");
    auto backends = MakeLinuxPathFormsBackends();
    EXPECT_EQ(backends.files->LongPathName(path), path);
    EXPECT_EQ(backends.files->LongPathName(root + "/missing"), std::nullopt);
}

}  // namespace
}  // namespace pathnab
