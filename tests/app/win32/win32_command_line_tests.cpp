#include "app/win32/win32_command_line.h"

#include <gtest/gtest.h>

namespace pathnab {
namespace {

struct ArgumentStringCase {
    const wchar_t* commandLine;
    const char* arguments;
};

class ArgumentStringTest : public ::testing::TestWithParam<ArgumentStringCase> {};

TEST_P(ArgumentStringTest, IsTheCommandLineLessTheProgramName) {
    EXPECT_EQ(ArgumentStringOf(GetParam().commandLine), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramNames, ArgumentStringTest,
    ::testing::Values(ArgumentStringCase{L"pathnab.exe C:\\a b.txt", "C:\\a b.txt"},
                      ArgumentStringCase{L"\"C:\\Program Files\\pathnab.exe\" C:\\x", "C:\\x"},
                      ArgumentStringCase{L"\"C:\\Pro gram\\p.exe\"C:\\x", "C:\\x"},
                      ArgumentStringCase{L"p.exe \"C:\\quoted\"  ", "\"C:\\quoted\"  "},
                      ArgumentStringCase{L"p.exe \t  C:\\x", "C:\\x"},
                      ArgumentStringCase{L"p.exe", ""},
                      ArgumentStringCase{L"\"unclosed name", ""},
                      ArgumentStringCase{L"p.exe C:\\Données\\日本語.txt", "C:\\Données\\日本語.txt"}));

// No Windows path holds a double quote: one quoted argument can only name the path inside.
INSTANTIATE_TEST_SUITE_P(
    Quotes, ArgumentStringTest,
    ::testing::Values(ArgumentStringCase{L"p.exe \"C:\\x\\plain.txt\"", "C:\\x\\plain.txt"},
                      ArgumentStringCase{L"p.exe \"C:\\a b\\Données 日本.txt\"", "C:\\a b\\Données 日本.txt"},
                      ArgumentStringCase{L"\"C:\\P F\\p.exe\" \"C:\\x y\"", "C:\\x y"},
                      ArgumentStringCase{L"p.exe \"C:\\lone.txt", "\"C:\\lone.txt"},
                      ArgumentStringCase{L"p.exe C:\\trailing.txt\"", "C:\\trailing.txt\""},
                      ArgumentStringCase{L"p.exe \"C:\\a\" \"C:\\b\"", "\"C:\\a\" \"C:\\b\""},
                      ArgumentStringCase{L"p.exe \"", "\""},
                      ArgumentStringCase{L"p.exe \"\"", ""}));

TEST(ArgumentsOf, SplitsByThePlatformRulesWithoutTheProgramName) {
    EXPECT_EQ(ArgumentsOf(L"p.exe --json \"C:\\a b\" C:\\Ünï"),
              (std::vector<std::string>{"--json", "C:\\a b", "C:\\Ünï"}));
}

}  // namespace
}  // namespace pathnab
