#include "pathforms/path_forms.h"

#include <gtest/gtest.h>

#include "fakes/path_forms_fakes.h"
#include "case_name.h"

namespace pathnab {
namespace {

using TextOperation = std::string (*)(const std::string&);

struct TextCase {
    const char* operation;
    TextOperation apply;
    std::string input;
    std::string expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.operation << "('" << c.input << "') -> '" << c.expected << "'";
}

TextCase Url(std::string in, std::string out) { return {"GetUrl", &GetUrl, std::move(in), std::move(out)}; }
TextCase Cpp(std::string in, std::string out) { return {"CppVersion", &CppVersion, std::move(in), std::move(out)}; }
TextCase Name(std::string in, std::string out) { return {"GetFileName", &GetFileName, std::move(in), std::move(out)}; }
TextCase Base(std::string in, std::string out) {
    return {"RemoveExtension", &RemoveExtension, std::move(in), std::move(out)};
}

class TextOperationTest : public testing::TestWithParam<TextCase> {};
TEST_P(TextOperationTest, GivesTheExpectedText) {
    EXPECT_EQ(GetParam().apply(GetParam().input), GetParam().expected);
}

// A URL only turns backslashes into slashes: nothing is percent-encoded.
INSTANTIATE_TEST_SUITE_P(GetUrl, TextOperationTest,
                         testing::Values(Url("C:\\My Files\\a b.txt", "file://C:/My Files/a b.txt"),
                                         Url("\\\\srv\\share\\a.txt", "file:////srv/share/a.txt"),
                                         Url("", "file://"),
                                         Url("/home/u/a%20b#c.txt", "file:///home/u/a%20b#c.txt"),
                                         Url("/tmp/\xC3\xA9t\xC3\xA9", "file:///tmp/\xC3\xA9t\xC3\xA9")), CaseName());

INSTANTIATE_TEST_SUITE_P(CppVersion, TextOperationTest,
                         testing::Values(Cpp("C:\\dir\\a.txt", "C:\\\\dir\\\\a.txt"),
                                         Cpp("\\\\srv\\s", "\\\\\\\\srv\\\\s"),
                                         Cpp("/home/u/a.txt", "/home/u/a.txt"), Cpp("", "")), CaseName());

INSTANTIATE_TEST_SUITE_P(GetFileName, TextOperationTest,
                         testing::Values(Name("C:\\dir\\a.txt", "a.txt"), Name("C:/dir/a.txt", "a.txt"),
                                         Name("C:\\dir\\", ""), Name("a.txt", "a.txt"),
                                         Name("/home/u/archive.tar.gz", "archive.tar.gz"), Name("/", ""),
                                         Name("", ""), Name("/srv/back\\slash", "slash")), CaseName());

INSTANTIATE_TEST_SUITE_P(RemoveExtension, TextOperationTest,
                         testing::Values(Base("report.txt", "report"), Base("archive.tar.gz", "archive.tar"),
                                         Base("README", "README"), Base("name.", "name"), Base(".profile", ""),
                                         Base("", ""), Base("name..", "name."), Base("x.y\\a", "x.y\\a")), CaseName());

struct ExtensionCase {
    std::string path;
    std::string extension;
    std::string expected;
};
void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << c.path << " to " << c.extension; }

class ChangeExtensionTest : public testing::TestWithParam<ExtensionCase> {};
TEST_P(ChangeExtensionTest, ReplacesOnlyAnExtensionOfTheLastElement) {
    EXPECT_EQ(ChangeExtension(GetParam().path, GetParam().extension), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Examples, ChangeExtensionTest,
                         testing::Values(ExtensionCase{"C:\\x.y\\a", "bak", "C:\\x.y\\a.bak"},
                                         ExtensionCase{"a.txt", "bak", "a.bak"},
                                         ExtensionCase{"a.", "bak", "a.bak"},
                                         ExtensionCase{"a", "", "a."},
                                         ExtensionCase{"", "bak", ".bak"},
                                         ExtensionCase{"C:\\dir\\", "bak", "C:\\dir\\.bak"}), CaseName());

TEST(LongAndShortNames, AreTheFileSystemsAnswers) {
    fakes::FakeFileNames files;
    files.Add("c:\\progra~1\\a.txt", "C:\\Program Files\\a.txt", "C:\\PROGRA~1\\a.txt");
    EXPECT_EQ(GetLongName(files, "c:\\progra~1\\a.txt"), "C:\\Program Files\\a.txt");
    EXPECT_EQ(GetShortName(files, "C:\\Program Files\\a.txt"), "C:\\PROGRA~1\\a.txt");
}

TEST(LongAndShortNames, AreEmptyWhenTheFileSystemHasNoAnswer) {
    fakes::FakeFileNames files;
    EXPECT_EQ(GetLongName(files, "C:\\missing.txt"), "");
    EXPECT_EQ(GetShortName(files, "C:\\missing.txt"), "");
    EXPECT_EQ(GetLongName(files, ""), "");
}

}  // namespace
}  // namespace pathnab
