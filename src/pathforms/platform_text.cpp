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
