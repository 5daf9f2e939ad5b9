#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "settings/reg_value.h"
#include "case_name.h"

namespace pathnab {
namespace {

struct Conversion {
    const char* label;
    RegValue input;
    RegValue expected;
};

void PrintTo(const Conversion& conversion, std::ostream* out) { *out << conversion.label; }

const RegValue kNotConvertible = std::int16_t{0};

class SafeLongTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(SafeLongTest, ConvertsToLongOrIntegerZero) {
    RegValue result = SafeLong(GetParam().input);
    EXPECT_EQ(result.TypeName(), GetParam().expected.TypeName());
    EXPECT_EQ(result, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SafeLongTest,
    ::testing::Values(
        Conversion{"text 2.5 rounds to even 2", "2.5", std::int32_t{2}},
        Conversion{"text 3.5 rounds to even 4", "3.5", std::int32_t{4}},
        Conversion{"text -2.5 rounds to even -2", "-2.5", std::int32_t{-2}},
        Conversion{"text 2.51 rounds up", "2.51", std::int32_t{3}},
        Conversion{"text 2.5000001 is past the half", "2.5000001", std::int32_t{3}},
        Conversion{"text 2.49 rounds down", "2.49", std::int32_t{2}},
        Conversion{"blanks around", " 42 ", std::int32_t{42}},
        Conversion{"tab and plus sign", "\t+7", std::int32_t{7}},
        Conversion{"leading zeros", "000123", std::int32_t{123}},
        Conversion{"fraction only", ".6", std::int32_t{1}},
        Conversion{"text 3000", "3000", std::int32_t{3000}},
        Conversion{"smallest Long as text", "-2147483648", std::int32_t{-2147483647 - 1}},
        Conversion{"largest Long as text", "2147483647", std::int32_t{2147483647}},
        Conversion{"past the largest Long", "2147483648", kNotConvertible},
        Conversion{"rounds past the largest Long", "2147483647.5", kNotConvertible},
        Conversion{"huge digit run", "99999999999999999999999", kNotConvertible},
        Conversion{"letters", "abc", kNotConvertible},
        Conversion{"digits then letters", "12ab", kNotConvertible},
        Conversion{"blank inside", "1 2", kNotConvertible},
        Conversion{"sign only", "-", kNotConvertible},
        Conversion{"point only", ".", kNotConvertible},
        Conversion{"two points", "1.2.3", kNotConvertible},
        Conversion{"exponent", "1e3", kNotConvertible},
        Conversion{"empty text", "", kNotConvertible},
        Conversion{"blanks only", "   ", kNotConvertible},
        Conversion{"Empty", RegValue(), std::int32_t{0}},
        Conversion{"Null", RegValue::Null(), kNotConvertible},
        Conversion{"byte array", RegByteArray{{1, 2}, 0}, kNotConvertible},
        Conversion{"Integer", std::int16_t{-5}, std::int32_t{-5}},
        Conversion{"Byte", std::uint8_t{200}, std::int32_t{200}},
        Conversion{"Long", std::int32_t{2535}, std::int32_t{2535}},
        Conversion{"Single 2535", 2535.0f, std::int32_t{2535}},
        Conversion{"Single 0.5 to even 0", 0.5f, std::int32_t{0}},
        Conversion{"Double 1.5 to even 2", 1.5, std::int32_t{2}},
        Conversion{"Double -3.5 to even -4", -3.5, std::int32_t{-4}},
        Conversion{"Double out of range", 3e9, kNotConvertible},
        Conversion{"Double NaN", std::nan(""), kNotConvertible},
        Conversion{"Double infinity", std::numeric_limits<double>::infinity(), kNotConvertible},
        Conversion{"Boolean true", true, std::int32_t{-1}},
        Conversion{"Boolean false", false, std::int32_t{0}}), CaseName());

class SafeTextTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(SafeTextTest, GivesTheTextForm) {
    EXPECT_EQ(SafeText(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SafeTextTest,
    ::testing::Values(
        Conversion{"text unchanged", " a\\b ", " a\\b "},
        Conversion{"Single 2535", 2535.0f, "2535"},
        Conversion{"Single -7695", -7695.0f, "-7695"},
        Conversion{"Single fraction, shortest form", 2535.1f, "2535.1"},
        Conversion{"Single lowest 32-bit whole", -2147483648.0f, "-2147483648"},
        Conversion{"Single 2^31 past 32 bits", 2147483648.0f, "2147483648"},
        Conversion{"Double highest 32-bit whole", 2147483647.0, "2147483647"},
        Conversion{"Double 2^31 past 32 bits", 2147483648.0, "2147483648"},
        Conversion{"Double fraction", 0.25, "0.25"},
        Conversion{"Double whole past 32 bits", 1e20, "1e+20"},
        Conversion{"Single whole past 32 bits, every digit", 3e12f, "3000000053248"},
        Conversion{"Double sum, shortest form", 0.1 + 0.2, "0.30000000000000004"},
        Conversion{"Double large fraction", -123456789012.5, "-123456789012.5"},
        Conversion{"Double small, leading zeros", 1.5e-6, "0.0000015"},
        Conversion{"Double below 1e-6 with exponent", -1.5e-7, "-1.5e-07"},
        Conversion{"Double 1e15 with exponent", 1e15, "1e+15"},
        Conversion{"Double 2^60, shortest form", 1152921504606846976.0, "1.152921504606847e+18"},
        Conversion{"Double 2^-24, next decimal up", 0x1p-24, "5.960464477539063e-08"},
        Conversion{"Double 2^89, next decimal up", 0x1p89, "6.189700196426902e+26"},
        Conversion{"Single 2^87, next decimal up", 0x1p87f, "1.5474251e+26"},
        Conversion{"Double smallest", 0x1p-1074, "5e-324"},
        Conversion{"Single largest", std::numeric_limits<float>::max(), "3.4028235e+38"},
        Conversion{"Double NaN", std::nan(""), "NaN"},
        Conversion{"Long", std::int32_t{-2147483647 - 1}, "-2147483648"},
        Conversion{"Integer", std::int16_t{-12}, "-12"},
        Conversion{"Byte", std::uint8_t{255}, "255"},
        Conversion{"Boolean", true, "True"},
        Conversion{"Empty", RegValue(), ""},
        Conversion{"Null", RegValue::Null(), ""},
        Conversion{"byte array", RegByteArray{{65, 66}, 0}, ""}), CaseName());

TEST(RegValueTest, TypeNamesAreTheKindsNames) {
    EXPECT_EQ(RegValue().TypeName(), "Empty");
    EXPECT_EQ(RegValue::Null().TypeName(), "Null");
    EXPECT_EQ(RegValue(std::int16_t{1}).TypeName(), "Integer");
    EXPECT_EQ(RegValue(std::int32_t{1}).TypeName(), "Long");
    EXPECT_EQ(RegValue(std::uint8_t{1}).TypeName(), "Byte");
    EXPECT_EQ(RegValue(RegByteArray{}).TypeName(), "Byte()");
    EXPECT_EQ(RegValue(1.0f).TypeName(), "Single");
    EXPECT_EQ(RegValue(1.0).TypeName(), "Double");
    EXPECT_EQ(RegValue(true).TypeName(), "Boolean");
    EXPECT_EQ(RegValue("x").TypeName(), "String");
}

TEST(RegValueTest, SafeLongNumberGivesThePlainNumberOrZero) {
    EXPECT_EQ(SafeLongNumber("3.5"), 4);
    EXPECT_EQ(SafeLongNumber("letters"), 0);
    EXPECT_EQ(SafeLongNumber(RegByteArray{{1}, 0}), 0);
}

}  // namespace
}  // namespace pathnab
