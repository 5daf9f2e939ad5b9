// The platform-buffer helpers: level-50 share records decode field by field from their bytes
// (no record beyond the buffer or the count, names cut at the first NUL), TrimAtNul keeps what
// precedes a NUL.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "pathforms/share_listing.h"
#include "pathforms/unc_path.h"
#include "fuzz_support.h"

namespace {

using pathnab::fuzz::Require;

// Texts that name the address they were read at.
class AddressTexts final : public pathnab::ShareListing9x {
public:
    std::uint32_t Enumerate50(const std::string&, std::vector<std::uint8_t>&, std::uint16_t&) override { return 0; }
    std::string AnsiTextAt(std::uint32_t address) override { return "@" + std::to_string(address); }
};

std::uint32_t LittleEndianAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

void CheckShareRecords(std::span<const std::uint8_t> input) {
    if (input.empty()) return;
    const int count = static_cast<std::int8_t>(input[0]);
    const auto buffer = input.subspan(1);
    AddressTexts texts;
    const auto entries = pathnab::DecodeShareInfo50(buffer, count, texts);
    const std::size_t expected = count > 0 ? std::min<std::size_t>(count, buffer.size() / 42) : 0;
    Require(entries.size() == expected);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto record = buffer.subspan(i * 42, 42);
        const std::string name(record.begin(), record.begin() + 13);
        Require(entries[i].NetName == pathnab::TrimAtNul(name));
        Require(entries[i].Type == record[13]);
        Require(entries[i].Remark == "@" + std::to_string(LittleEndianAt(record, 16)));
        Require(entries[i].Path == "@" + std::to_string(LittleEndianAt(record, 20)));
    }
}

void CheckTrimAtNul(const std::string& text) {
    const std::string trimmed = pathnab::TrimAtNul(text);
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        Require(trimmed == text.substr(0, nul));
        return;
    }
    // Without a NUL only the spaces around the text go.
    Require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
    const std::size_t at = trimmed.empty() ? text.size() : text.find(trimmed);
    Require(at != std::string::npos);
    Require(text.substr(0, at).find_first_not_of(' ') == std::string::npos);
    Require(text.substr(at + trimmed.size()).find_first_not_of(' ') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    CheckShareRecords(input);
    CheckTrimAtNul(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
