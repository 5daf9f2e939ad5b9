#include <algorithm>

#include "pathforms/unc_path.h"

namespace pathnab {
namespace {

constexpr std::size_t kShareInfo50Bytes = 42;
constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kNameBytes = 13;
constexpr std::size_t kTypeOffset = 13;
constexpr std::size_t kRemarkAddressOffset = 16;
constexpr std::size_t kPathAddressOffset = 20;
constexpr std::size_t kReadWritePasswordOffset = 24;
constexpr std::size_t kReadOnlyPasswordOffset = 33;
constexpr std::size_t kPasswordBytes = 9;
constexpr char32_t kReplacementCharacter = 0xFFFD;

std::string BytesAsText(std::span<const std::uint8_t> record, std::size_t offset, std::size_t length) {
    const auto field = record.subspan(offset, length);
    return std::string(field.begin(), field.end());
}

std::uint32_t LittleEndian32(std::span<const std::uint8_t> record, std::size_t offset) {
    return static_cast<std::uint32_t>(record[offset]) | static_cast<std::uint32_t>(record[offset + 1]) << 8 |
           static_cast<std::uint32_t>(record[offset + 2]) << 16 |
           static_cast<std::uint32_t>(record[offset + 3]) << 24;
}

ShareEntry DecodeOneShareInfo50(std::span<const std::uint8_t> record, ShareListing9x& textAt) {
    ShareEntry entry;
    entry.NetName = TrimAtNul(BytesAsText(record, kNameOffset, kNameBytes));
    entry.Type = record[kTypeOffset];
    entry.Remark = textAt.AnsiTextAt(LittleEndian32(record, kRemarkAddressOffset));
    entry.Path = textAt.AnsiTextAt(LittleEndian32(record, kPathAddressOffset));
    const std::size_t passwordOffset =
        record[kReadWritePasswordOffset] != 0 ? kReadWritePasswordOffset : kReadOnlyPasswordOffset;
    entry.Password = TrimAtNul(BytesAsText(record, passwordOffset, kPasswordBytes));
    return entry;
}

void AppendUtf8(std::string& text, char32_t codePoint) {
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string TrimAtNul(const std::string& text) {
    const auto nul = text.find('\0');
    if (nul != std::string::npos) return text.substr(0, nul);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string StringFromAnsiPtr(const char* address) {
    return address ? std::string(address) : std::string{};
}

// An unpaired surrogate becomes U+FFFD rather than an invalid UTF-8 sequence.
std::string StringFromWidePtr(const char16_t* address) {
    std::string text;
    if (!address) return text;
    for (const char16_t* unit = address; *unit != 0; ++unit) {
        if (IsHighSurrogate(unit[0]) && IsLowSurrogate(unit[1])) {
            AppendUtf8(text, 0x10000 + ((char32_t{unit[0]} - 0xD800) << 10) + (char32_t{unit[1]} - 0xDC00));
            ++unit;
        } else if (IsHighSurrogate(*unit) || IsLowSurrogate(*unit)) {
            AppendUtf8(text, kReplacementCharacter);
        } else {
            AppendUtf8(text, *unit);
        }
    }
    return text;
}

std::vector<ShareEntry> DecodeShareInfo50(std::span<const std::uint8_t> buffer, int count,
                                          ShareListing9x& textAt) {
    std::vector<ShareEntry> entries;
    const std::size_t whole = buffer.size() / kShareInfo50Bytes;
    const std::size_t wanted = count > 0 ? std::min(static_cast<std::size_t>(count), whole) : 0;
    for (std::size_t i = 0; i < wanted; ++i) {
        entries.push_back(DecodeOneShareInfo50(buffer.subspan(i * kShareInfo50Bytes, kShareInfo50Bytes), textAt));
    }
    return entries;
}

}  // namespace pathnab
