// The path-form backends against Wine's real file system, network and computer name.
#include "pathforms/win32/win32_backends.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/cli/stream_message_box.h"
#include "app/path_list.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "settings/win32/resource_version.h"

namespace pathnab {
namespace {

std::string TempFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    return Utf8(buffer, length);  // ends in "\"
}

// Removes a folder with everything in it, at any depth. MinGW's std::filesystem::remove_all
// answers "No such file or directory" for these trees under Wine and would leave them to
// break the next run.
void RemoveTree(const std::wstring& folder) {  // folder is a "\\?\" path
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(folder + L"\\" + name);
            } else {
                DeleteFileW((folder + L"\\" + name).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

// A folder below the temp folder, made afresh for the test and removed after it with its files.
class MadeFolder {
public:
    explicit MadeFolder(const std::string& name) : path_(TempFolder() + name) {
        RemoveTree(L"\\\\?\\" + Wide(path_));
        CreateDirectoryW(Wide(path_).c_str(), nullptr);
    }
    ~MadeFolder() { RemoveTree(L"\\\\?\\" + Wide(path_)); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void MakeFile(const std::string& path) {
    const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    CloseHandle(file);
}

std::string TextOf(const std::vector<PathForm>& rows, const std::string& caption) {
    for (const PathForm& row : rows) {
        if (row.caption == caption) return row.text;
    }
    return "(no row)";
}

class Win32Backends : public ::testing::Test {
protected:
    std::vector<PathForm> FormsOf(const std::string& path) {
        ModUncPath unc(backends.Ports(messages, *version));
        return BuildPathForms(path, kSyntaxNormal, *backends.files, unc);
    }

    PathFormsBackends backends = MakeWin32PathFormsBackends();
    const std::unique_ptr<VersionSource> version = MakeResourceVersionSource();
    std::ostringstream shown;
    StreamMessageBox messages{shown, "test"};
};

TEST_F(Win32Backends, LongNameHasARealShortNameThatRoundTrips) {
    MadeFolder folder("pathnab long folder name");
    const std::string file = folder.Path() + "\\a long file name.text";
    MakeFile(file);

    const auto shortPath = backends.files->ShortPathName(file);
    ASSERT_TRUE(shortPath.has_value());
    EXPECT_THAT(*shortPath, ::testing::HasSubstr("~"));
    EXPECT_EQ(backends.files->LongPathName(*shortPath), file);

    const auto rows = FormsOf(file);
    EXPECT_EQ(TextOf(rows, "Short Path"), *shortPath);
    EXPECT_EQ(TextOf(rows, "Short File Name"), shortPath->substr(shortPath->rfind('\\') + 1));
}

TEST_F(Win32Backends, EightDotThreeNameHasNoShortFileNameRow) {
    MadeFolder folder("PNTEST83");
    const std::string file = folder.Path() + "\\SHORT.TXT";
    MakeFile(file);
    EXPECT_EQ(TextOf(FormsOf(file), "Short File Name"), "(no row)");
}

TEST_F(Win32Backends, NonAsciiAndCjkNamesThroughEveryForm) {
    MadeFolder folder("Données 日本語");
    const std::string file = folder.Path() + "\\résumé 中文.txt";
    MakeFile(file);
    const auto rows = FormsOf(file);
    EXPECT_EQ(TextOf(rows, "Full Path"), file);
    EXPECT_EQ(TextOf(rows, "File Name"), "résumé 中文.txt");
    EXPECT_EQ(TextOf(rows, "Base Name"), "résumé 中文");
    EXPECT_EQ(backends.files->LongPathName(TextOf(rows, "Short Path")), file);
    EXPECT_THAT(TextOf(rows, "URL"), ::testing::HasSubstr("Donn"));
    // Wine runs no network (its answer for a local drive is 1222) and lists no shares of its
    // own: the file is local and on no shared device, with no network error shown.
    EXPECT_EQ(TextOf(rows, "UNC"), kNotShared);
    EXPECT_EQ(TextOf(rows, "UNC URL"), kNotShared);
    EXPECT_EQ(shown.str(), "");
}

TEST_F(Win32Backends, PathLongerThanMaxPathThroughEveryForm) {
    MadeFolder top("pathnab deep");
    std::string path = "\\\\?\\" + top.Path();
    while (path.size() <= 300) {
        path += "\\a folder name of some length";
        ASSERT_TRUE(CreateDirectoryW(Wide(path).c_str(), nullptr)) << path;
    }
    const std::string file = path + "\\the file.txt";
    MakeFile(file);

    // Wine gives the long spelling of a "\\?\" path as it was asked, so only the short one
    // is checked against the file system here.
    const auto shortPath = backends.files->ShortPathName(file);
    ASSERT_TRUE(shortPath.has_value());
    EXPECT_LT(shortPath->size(), file.size());
    EXPECT_THAT(*shortPath, ::testing::HasSubstr("~"));
    const auto rows = FormsOf(file);
    EXPECT_EQ(TextOf(rows, "Full Path"), file);
    EXPECT_EQ(TextOf(rows, "Short Path"), *shortPath);
    EXPECT_EQ(TextOf(rows, "File Name"), "the file.txt");
}

TEST_F(Win32Backends, ComputerNameIsTheOneWindowsPublishes) {
    std::string name;
    ASSERT_TRUE(backends.os->GetComputerName(name));
    const wchar_t* published = _wgetenv(L"COMPUTERNAME");
    ASSERT_NE(published, nullptr);
    EXPECT_EQ(name, Utf8(published));
}

TEST_F(Win32Backends, PlatformIsNt) {
    OsVersion version;
    ASSERT_TRUE(backends.os->GetVersion(version));
    EXPECT_EQ(version.platformId, 2u);  // VER_PLATFORM_WIN32_NT
}

TEST_F(Win32Backends, LocalDriveIsNotANetworkConnection) {
    std::uint32_t length = 260;
    std::string remote;
    EXPECT_EQ(backends.network->GetConnection("C:", length, remote), netcode::kNotConnected);
}

TEST_F(Win32Backends, UniversalNameOfALocalPathIsRefused) {
    std::uint32_t size = 1024;
    std::string name = "untouched";
    EXPECT_NE(backends.network->GetUniversalName(TempFolder(), size, name), netcode::kSuccess);
    EXPECT_EQ(name, "untouched");
}

// Wine lists no shares of its own computer: the answer is a failure and the records stay.
TEST_F(Win32Backends, UnlistedSharesLeaveTheRecordsAlone) {
    std::vector<ShareEntry> records(1);
    records[0].NetName = "kept";
    EXPECT_NE(backends.shares->Enumerate("", 2, records), 0u);
    EXPECT_EQ(records[0].NetName, "kept");
}

TEST(Win32PathConventions, LetterCaseFollowsThePlatformRule) {
    const PathConventions& conventions = HostPathConventions();
    EXPECT_TRUE(conventions.SameText("C:\\Données", "c:\\DONNÉES"));
    EXPECT_TRUE(conventions.SameText("C:\\straße", "C:\\STRAßE"));
    EXPECT_FALSE(conventions.SameText("C:\\Données", "C:\\Donnees"));
    EXPECT_FALSE(conventions.SameText("C:\\a", "C:\\ab"));
    EXPECT_TRUE(conventions.HasLocalRoot("c:\\x"));
    EXPECT_FALSE(conventions.HasLocalRoot("\\\\server\\share"));
    EXPECT_EQ(conventions.separator, '\\');
}

}  // namespace
}  // namespace pathnab
