#include "settings/reg_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

namespace pathnab {

namespace {

constexpr std::array<const char*, std::variant_size_v<RegValueData>> kTypeNames = {
    "Empty", "Null", "Integer", "Long", "Byte", "Byte()", "Single", "Double", "Boolean", "String"};

constexpr std::int64_t kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kLongMax = std::numeric_limits<std::int32_t>::max();

RegValue NotConvertible() { return RegValue(std::int16_t{0}); }

RegValue LongIfInRange(std::int64_t whole) {
    if (whole < kLongMin || whole > kLongMax) return NotConvertible();
    return RegValue(static_cast<std::int32_t>(whole));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TakeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && IsDigit(text[count])) ++count;
    std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

// Whether a fraction's digits round the magnitude up, halves going to the even neighbour.
bool FractionRoundsUp(std::string_view fraction, bool wholeIsOdd) {
    if (fraction.empty() || fraction.front() < '5') return false;
    if (fraction.front() > '5') return true;
    bool moreThanHalf = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
    return moreThanHalf || wholeIsOdd;
}

// The magnitude of a run of digits, or nullopt once it is past any 32-bit value.
std::optional<std::int64_t> Magnitude(std::string_view digits) {
    std::int64_t magnitude = 0;
    for (char digit : digits) {
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude > kLongMax + 1) return std::nullopt;
    }
    return magnitude;
}

// Text of the form [blanks][sign]digits[.digits][blanks], rounded exactly in decimal.
RegValue LongFromText(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    std::string_view whole = TakeDigits(text);
    std::string_view fraction;
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        fraction = TakeDigits(text);
    }
    if (!text.empty() || (whole.empty() && fraction.empty())) return NotConvertible();
    std::optional<std::int64_t> magnitude = Magnitude(whole);
    if (!magnitude) return NotConvertible();
    if (FractionRoundsUp(fraction, *magnitude % 2 != 0)) ++*magnitude;
    return LongIfInRange(negative ? -*magnitude : *magnitude);
}

RegValue LongFromFloating(double number) {
    if (!std::isfinite(number)) return NotConvertible();
    double rounded = std::nearbyint(number);  // the default rounding mode sends halves to even
    if (rounded < static_cast<double>(kLongMin) || rounded > static_cast<double>(kLongMax)) {
        return NotConvertible();
    }
    return RegValue(static_cast<std::int32_t>(rounded));
}

// A positive number as significant digits and the power of ten of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal Trimmed(Decimal decimal) {
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
    return decimal;
}

// The digits of printf's "%.*e" text. Its decimal point is the locale's, so every byte before
// the exponent that is not a digit is skipped.
Decimal DecimalOf(const char* text) {
    Decimal decimal;
    const char* c = text;
    for (; *c != '\0' && *c != 'e'; ++c) {
        if (IsDigit(*c)) decimal.digits += *c;
    }
    if (*c == 'e') decimal.exponent = std::atoi(c + 1);
    return Trimmed(decimal);
}

std::string ExponentText(int exponent) {
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2) digits.insert(0, 1, '0');
    return std::string("e") + (exponent < 0 ? '-' : '+') + digits;
}

std::string ScientificText(const Decimal& decimal) {
    std::string text = decimal.digits.substr(0, 1);
    if (decimal.digits.size() > 1) text += "." + decimal.digits.substr(1);
    return text + ExponentText(decimal.exponent);
}

std::string FixedText(const Decimal& decimal) {
    const int point = decimal.exponent + 1;  // digits before the point
    const int count = static_cast<int>(decimal.digits.size());
    if (point <= 0) return "0." + std::string(-point, '0') + decimal.digits;
    if (point >= count) return decimal.digits + std::string(point - count, '0');
    return decimal.digits.substr(0, point) + "." + decimal.digits.substr(point);
}

template <typename Floating>
bool ReadsBackAs(const Decimal& decimal, Floating magnitude) {
    const std::string text = ScientificText(decimal);
    Floating back{};
    std::from_chars(text.data(), text.data() + text.size(), back);
    return back == magnitude;
}

// The next decimal up with `count` significant digits.
Decimal NextUp(Decimal decimal, std::size_t count) {
    decimal.digits.resize(count, '0');
    std::size_t place = count;
    while (place > 0 && decimal.digits[place - 1] == '9') decimal.digits[--place] = '0';
    if (place == 0) {
        decimal.digits.insert(0, 1, '1');
        ++decimal.exponent;
    } else {
        ++decimal.digits[place - 1];
    }
    return Trimmed(decimal);
}

// The fewest significant digits that read back as the same number, the nearest such if several:
// the number rounded to one digit, then two, and so on. Just above a power of two numbers lie
// twice as far apart as just below it, so there the next decimal up may read back when the
// nearest does not.
template <typename Floating>
Decimal ShortestDecimal(Floating magnitude) {
    Decimal nearest;
    for (int count = 1; count <= std::numeric_limits<Floating>::max_digits10; ++count) {
        std::array<char, 64> text{};
        std::snprintf(text.data(), text.size(), "%.*e", count - 1, static_cast<double>(magnitude));
        nearest = DecimalOf(text.data());
        if (ReadsBackAs(nearest, magnitude)) break;
        Decimal above = NextUp(nearest, count);
        if (ReadsBackAs(above, magnitude)) return above;
    }
    return nearest;
}

// Whole numbers in 32-bit range as plain digits; other numbers in the shortest text that reads
// back to the same number, with a '.' and no exponent unless the number is very large or small.
template <typename Floating>
std::string FloatingText(Floating number) {
    if (std::isnan(number)) return "NaN";
    if (std::isinf(number)) return number < 0 ? "-Infinity" : "Infinity";
    // Compared as double: the limits are exact there, while as a float 2147483647 would round
    // up to 2147483648 and let that one number through.
    double value = number;
    double magnitude = std::fabs(value);
    bool plain = magnitude < 1e15 && magnitude >= 1e-6;
    bool whole = value == std::trunc(value);
    bool isLong = value >= static_cast<double>(kLongMin) && value <= static_cast<double>(kLongMax);
    // A whole number below 1e15 is exact as a 64-bit integer and written with all its digits.
    if (whole && (isLong || plain)) return std::to_string(static_cast<std::int64_t>(value));
    Decimal decimal = ShortestDecimal(static_cast<Floating>(magnitude));
    return (value < 0 ? "-" : "") + (plain ? FixedText(decimal) : ScientificText(decimal));
}

struct LongVisitor {
    RegValue operator()(const RegEmpty&) const { return RegValue(std::int32_t{0}); }
    RegValue operator()(const RegNull&) const { return NotConvertible(); }
    RegValue operator()(std::int16_t number) const { return RegValue(std::int32_t{number}); }
    RegValue operator()(std::int32_t number) const { return RegValue(number); }
    RegValue operator()(std::uint8_t number) const { return RegValue(std::int32_t{number}); }
    RegValue operator()(const RegByteArray&) const { return NotConvertible(); }
    RegValue operator()(float number) const { return LongFromFloating(number); }
    RegValue operator()(double number) const { return LongFromFloating(number); }
    // True is the whole number with every bit set, as in the registry's own languages.
    RegValue operator()(bool flag) const { return RegValue(std::int32_t{flag ? -1 : 0}); }
    RegValue operator()(const std::string& text) const { return LongFromText(text); }
};

struct TextVisitor {
    std::string operator()(const RegEmpty&) const { return {}; }
    std::string operator()(const RegNull&) const { return {}; }
    std::string operator()(std::int16_t number) const { return std::to_string(number); }
    std::string operator()(std::int32_t number) const { return std::to_string(number); }
    std::string operator()(std::uint8_t number) const { return std::to_string(number); }
    std::string operator()(const RegByteArray&) const { return {}; }
    std::string operator()(float number) const { return FloatingText(number); }
    std::string operator()(double number) const { return FloatingText(number); }
    std::string operator()(bool flag) const { return flag ? "True" : "False"; }
    std::string operator()(const std::string& text) const { return text; }
};

}  // namespace

std::string RegValue::TypeName() const { return kTypeNames[data_.index()]; }

RegValue SafeLong(const RegValue& value) {
    try {
        return std::visit(LongVisitor{}, value.Data());
    } catch (...) {
        return NotConvertible();
    }
}

RegValue SafeText(const RegValue& value) {
    try {
        return RegValue(std::visit(TextVisitor{}, value.Data()));
    } catch (...) {
        return RegValue(std::string());
    }
}

std::int32_t SafeLongNumber(const RegValue& value) {
    RegValue whole = SafeLong(value);
    return whole.Is<std::int32_t>() ? whole.As<std::int32_t>() : 0;
}

}  // namespace pathnab
