#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace pathnab {

struct RegEmpty {
    bool operator==(const RegEmpty&) const = default;
};
struct RegNull {
    bool operator==(const RegNull&) const = default;
};
struct RegByteArray {
    std::vector<std::uint8_t> bytes;
    int lowerBound = 0;
    bool operator==(const RegByteArray&) const = default;
};

// A dynamically typed registry value, copied by value. The alternatives' order is the kinds'.
using RegValueData = std::variant<RegEmpty, RegNull, std::int16_t /*Integer*/, std::int32_t /*Long*/,
                                  std::uint8_t /*Byte*/, RegByteArray, float /*Single*/,
                                  double /*Double*/, bool /*Boolean*/, std::string /*String*/>;

class RegValue {
public:
    RegValue() = default;
    template <typename T>
        requires std::is_constructible_v<RegValueData, T>
    RegValue(T value) : data_(std::move(value)) {}  // NOLINT: a value converts implicitly
    RegValue(const char* text) : data_(std::string(text)) {}

    static RegValue Null() { return RegValue(RegNull{}); }

    // The kind's type name: "Empty", "Null", "Integer", "Long", "Byte", "Byte()", "Single",
    // "Double", "Boolean", "String".
    std::string TypeName() const;

    bool IsEmpty() const { return std::holds_alternative<RegEmpty>(data_); }
    bool IsNull() const { return std::holds_alternative<RegNull>(data_); }
    template <typename T>
    bool Is() const { return std::holds_alternative<T>(data_); }
    template <typename T>
    const T& As() const { return std::get<T>(data_); }
    const RegValueData& Data() const { return data_; }

    bool operator==(const RegValue&) const = default;

private:
    RegValueData data_;
};

// The value as a Long, or the Integer 0 when it has no 32-bit whole-number form
// (banker's rounding of fractions). Never fails.
RegValue SafeLong(const RegValue& value);
// The value's text form, or empty text when it has none. Never fails.
RegValue SafeText(const RegValue& value);
// What SafeLong gives, as a plain number: its Long, or 0.
std::int32_t SafeLongNumber(const RegValue& value);

}  // namespace pathnab
