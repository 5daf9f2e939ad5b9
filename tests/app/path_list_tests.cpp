#include "app/path_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../pathforms/fakes/path_forms_fakes.h"
#include "case_name.h"

namespace pathnab {
namespace {

using fakes::DiskShare;
using fakes::FakeFileNames;
using fakes::NetAnswer;
using fakes::UncWorld;
using testing::ElementsAre;

std::vector<std::string> Keys(const std::vector<PathForm>& rows) {
    std::vector<std::string> keys;
    for (const auto& row : rows) keys.push_back(row.key);
    return keys;
}

class PathListTest : public testing::Test {
protected:
    std::vector<PathForm> Build(const std::string& path, const SyntaxMode& syntax = kSyntaxNormal) {
        return BuildPathForms(path, syntax, files, world.unc);
    }

    FakeFileNames files;
    UncWorld world;
};

TEST_F(PathListTest, SameShortAndLongFileNameGivesSevenRows) {
    files.Add("C:\\dir\\a.txt", "C:\\dir\\a.txt", "C:\\dir\\a.txt");
    world.network.universalAnswers = {NetAnswer::Code(netcode::kNotConnected)};
    EXPECT_THAT(Build("C:\\dir\\a.txt"),
                ElementsAre(PathForm{"longFullName", "Full Path", "C:\\dir\\a.txt"},
                            PathForm{"longFileName", "File Name", "a.txt"},
                            PathForm{"longBaseName", "Base Name", "a"},
                            PathForm{"short", "Short Path", "C:\\dir\\a.txt"},
                            PathForm{"URL", "URL", "file://C:/dir/a.txt"},
                            PathForm{"UNC", "UNC", kNotShared},
                            PathForm{"UNCURL", "UNC URL", kNotShared}));
}

TEST_F(PathListTest, DifferentShortFileNameIsTheFifthRow) {
    files.Add("C:\\Program Files\\long name.txt", "C:\\Program Files\\long name.txt", "C:\\PROGRA~1\\LONGNA~1.TXT");
    const auto rows = Build("C:\\Program Files\\long name.txt");
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[4], (PathForm{"shortFileName", "Short File Name", "LONGNA~1.TXT"}));
    EXPECT_EQ(rows[3].text, "C:\\PROGRA~1\\LONGNA~1.TXT");
}

TEST_F(PathListTest, ShortFileNameDifferingOnlyInLetterCaseStillGetsItsRow) {
    files.Add("C:\\dir\\Readme.txt", "C:\\dir\\Readme.txt", "C:\\dir\\README.TXT");
    EXPECT_THAT(Keys(Build("C:\\dir\\Readme.txt")),
                ElementsAre("longFullName", "longFileName", "longBaseName", "short", "shortFileName", "URL",
                            "UNC", "UNCURL"));
}

TEST_F(PathListTest, StartsFromTheLongFormOfTheGivenPath) {
    files.Add("c:\\progra~1\\a.txt", "C:\\Program Files\\a.txt", "C:\\PROGRA~1\\a.txt");
    const auto rows = Build("c:\\progra~1\\a.txt");
    EXPECT_EQ(rows[0].text, "C:\\Program Files\\a.txt");
    EXPECT_EQ(rows[3].text, "C:\\PROGRA~1\\a.txt");
    ASSERT_EQ(world.network.universalCalls.size(), 1u);
    EXPECT_EQ(world.network.universalCalls[0].pathOrDrive, "C:\\Program Files\\a.txt");
}

TEST_F(PathListTest, CSyntaxDoublesBackslashesButUrlsComeFromTheUndoubledPaths) {
    files.Add("Z:\\dir\\a.txt", "Z:\\dir\\a.txt", "Z:\\dir\\a.txt");
    world.network.universalAnswers = {NetAnswer::Success("\\\\srv\\share\\dir\\a.txt")};
    EXPECT_THAT(Build("Z:\\dir\\a.txt", kSyntaxC),
                ElementsAre(PathForm{"longFullName", "Full Path", "Z:\\\\dir\\\\a.txt"},
                            PathForm{"longFileName", "File Name", "a.txt"},
                            PathForm{"longBaseName", "Base Name", "a"},
                            PathForm{"short", "Short Path", "Z:\\\\dir\\\\a.txt"},
                            PathForm{"URL", "URL", "file://Z:/dir/a.txt"},
                            PathForm{"UNC", "UNC", "\\\\\\\\srv\\\\share\\\\dir\\\\a.txt"},
                            PathForm{"UNCURL", "UNC URL", "file:////srv/share/dir/a.txt"}));
}

class SyntaxTextTest : public PathListTest, public testing::WithParamInterface<std::string> {};
TEST_P(SyntaxTextTest, OnlyExactlyCSelectsTheDoubling) {
    files.Add("C:\\dir\\a.txt", "C:\\dir\\a.txt", "C:\\dir\\a.txt");
    EXPECT_EQ(Build("C:\\dir\\a.txt", GetParam())[0].text, "C:\\dir\\a.txt");
}
INSTANTIATE_TEST_SUITE_P(NotC, SyntaxTextTest, testing::Values("", "c", "C ", "CC", "C#"), CaseName());

TEST_F(PathListTest, MissingFileGivesEmptyFormsAndNoShortFileNameRow) {
    EXPECT_THAT(Build("C:\\missing.txt"),
                ElementsAre(PathForm{"longFullName", "Full Path", ""}, PathForm{"longFileName", "File Name", ""},
                            PathForm{"longBaseName", "Base Name", ""}, PathForm{"short", "Short Path", ""},
                            PathForm{"URL", "URL", "file://"}, PathForm{"UNC", "UNC", kNoFileSelected},
                            PathForm{"UNCURL", "UNC URL", kNoFileSelected}));
    EXPECT_TRUE(world.network.universalCalls.empty());
}

TEST_F(PathListTest, EmptyPathGivesTheSameRowsAsAMissingFile) {
    EXPECT_EQ(Build(""), Build("C:\\missing.txt"));
}

TEST_F(PathListTest, NetworkErrorShowsOneMessagePerFillAndLeavesTheUncRowEmpty) {
    files.Add("C:\\dir\\a.txt", "C:\\dir\\a.txt", "C:\\dir\\a.txt");
    world.network.universalAnswers = {NetAnswer::Code(53), NetAnswer::Code(53)};
    for (int fill = 1; fill <= 2; ++fill) {
        const auto rows = Build("C:\\dir\\a.txt");
        ASSERT_EQ(rows.size(), 7u);
        EXPECT_EQ(rows[5], (PathForm{"UNC", "UNC", ""}));
        EXPECT_EQ(rows[6], (PathForm{"UNCURL", "UNC URL", "file://"}));
        EXPECT_EQ(world.messages.shown.size(), static_cast<std::size_t>(fill));
    }
}

TEST_F(PathListTest, UncPathIsShownWithItsUrl) {
    files.Add("\\\\srv\\share\\a.txt", "\\\\srv\\share\\a.txt", "\\\\srv\\share\\a.txt");
    const auto rows = Build("\\\\srv\\share\\a.txt");
    EXPECT_EQ(rows[5].text, "\\\\srv\\share\\a.txt");
    EXPECT_EQ(rows[6].text, "file:////srv/share/a.txt");
}

}  // namespace
}  // namespace pathnab
