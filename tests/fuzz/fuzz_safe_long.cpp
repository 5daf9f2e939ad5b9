// SafeLong and SafeText. Text: against a reference that rounds the decimal digits exactly,
// halves to even. Numbers: SafeLong of a Single or Double equals SafeLong of its SafeText when
// that has no exponent, so the text form never changes the whole number it stands for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "settings/reg_value.h"
#include "fuzz_support.h"

namespace {

using pathnab::RegValue;

using pathnab::fuzz::Require;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [blanks][sign]digits[.digits][blanks] rounded half to even, or nullopt: no Long.
std::optional<std::int32_t> ReferenceLong(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    for (char c : whole) if (!IsDigit(c)) return std::nullopt;
    for (char c : fraction) if (!IsDigit(c)) return std::nullopt;
    __int128 magnitude = 0;
    for (char c : whole) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > (__int128{1} << 40)) return std::nullopt;
    }
    const bool aboveHalf = !fraction.empty() && (fraction[0] > '5' ||
        (fraction[0] == '5' && fraction.substr(1).find_first_not_of('0') != std::string_view::npos));
    const bool exactlyHalf = !fraction.empty() && fraction[0] == '5' && !aboveHalf;
    if (aboveHalf || (exactlyHalf && magnitude % 2 != 0)) ++magnitude;
    const __int128 value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

void CheckText(const std::string& text) {
    const RegValue result = pathnab::SafeLong(RegValue(text));
    const std::optional<std::int32_t> expected = ReferenceLong(text);
    Require(expected ? result == RegValue(*expected) : result == RegValue(std::int16_t{0}));
    Require(pathnab::SafeText(RegValue(text)) == RegValue(text));
}

template <typename Number>
void CheckNumber(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(Number)) return;
    Number number;
    std::memcpy(&number, data, sizeof number);
    const RegValue text = pathnab::SafeText(RegValue(number));
    Require(text.Is<std::string>());
    // Very large and very small numbers are written with an exponent, which no text converts from.
    if (text.As<std::string>().find('e') != std::string::npos) return;
    Require(pathnab::SafeLong(RegValue(number)) == pathnab::SafeLong(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckText(std::string(reinterpret_cast<const char*>(data), size));
    CheckNumber<double>(data, size);
    CheckNumber<float>(data, size);
    return 0;
}
