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

}  // namespace
}  // namespace pathnab
