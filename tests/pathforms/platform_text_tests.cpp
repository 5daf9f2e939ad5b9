#include <gtest/gtest.h>

#include "pathforms/unc_path.h"
#include "case_name.h"

namespace pathnab {
namespace {

struct TrimCase {
    std::string input;
    std::string expected;
};
void PrintTo(const TrimCase& c, std::ostream* os) { *os << c.input; }

class TrimAtNulTest : public testing::TestWithParam<TrimCase> {};
TEST_P(TrimAtNulTest, KeepsTheTextBeforeTheFirstNul) {
    EXPECT_EQ(TrimAtNul(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Texts, TrimAtNulTest,
                         testing::Values(TrimCase{std::string("abc\0def", 7), "abc"},
                                         TrimCase{std::string("\0abc", 4), ""},
                                         TrimCase{std::string(" ab \0", 5), " ab "},
                                         TrimCase{"  abc  ", "abc"}, TrimCase{"a b", "a b"}, TrimCase{"   ", ""},
                                         TrimCase{"", ""}), CaseName());

TEST(StringFromAnsiPtr, ReadsUpToTheNul) {
    EXPECT_EQ(StringFromAnsiPtr(nullptr), "");
    EXPECT_EQ(StringFromAnsiPtr(""), "");
    EXPECT_EQ(StringFromAnsiPtr("C:\\DATA"), "C:\\DATA");
    EXPECT_EQ(StringFromAnsiPtr("\xE9t\xE9"), "\xE9t\xE9");
}

struct WideCase {
    std::u16string input;
    std::string expected;
};
void PrintTo(const WideCase& c, std::ostream* os) { *os << c.expected; }

class StringFromWidePtrTest : public testing::TestWithParam<WideCase> {};
TEST_P(StringFromWidePtrTest, GivesUtf8) {
    EXPECT_EQ(StringFromWidePtr(GetParam().input.c_str()), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Texts, StringFromWidePtrTest,
                         testing::Values(WideCase{u"", ""}, WideCase{u"DATA", "DATA"},
                                         WideCase{u"\u00E9t\u00E9", "\xC3\xA9t\xC3\xA9"},
                                         WideCase{u"\u20AC", "\xE2\x82\xAC"},
                                         WideCase{u"\U0001F600", "\xF0\x9F\x98\x80"},
                                         WideCase{std::u16string(1, char16_t{0xD800}) + u"x", "\xEF\xBF\xBDx"},
                                         WideCase{std::u16string(1, char16_t{0xDC00}), "\xEF\xBF\xBD"}), CaseName());

TEST(StringFromWidePtr, NullIsEmpty) {
    EXPECT_EQ(StringFromWidePtr(nullptr), "");
}

}  // namespace
}  // namespace pathnab
