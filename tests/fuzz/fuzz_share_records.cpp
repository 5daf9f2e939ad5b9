// The platform-buffer helpers: level-50 share records decode field by field from their bytes
// (no record beyond the buffer or the count, names cut at the first NUL), TrimAtNul keeps what
// precedes a NUL, and UTF-16 text becomes valid UTF-8 that reads back to the same units, an
// unpaired surrogate as U+FFFD.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
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

// The UTF-16 units of strictly valid UTF-8, or nullopt.
std::optional<std::u16string> Utf16OfUtf8(const std::string& text) {
    std::u16string units;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            point = point << 6 | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) return std::nullopt;
        if (point >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(point);
        }
        i += length;
    }
    return units;
}

// The units up to the first NUL with every unpaired surrogate replaced.
std::u16string Repaired(const std::u16string& units) {
    std::u16string repaired;
    for (std::size_t i = 0; i < units.size() && units[i] != 0; ++i) {
        const bool high = units[i] >= 0xD800 && units[i] < 0xDC00;
        const bool low = units[i] >= 0xDC00 && units[i] < 0xE000;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            repaired += units.substr(i++, 2);
        } else {
            repaired += high || low ? u'\uFFFD' : units[i];
        }
    }
    return repaired;
}

void CheckWideText(std::span<const std::uint8_t> input) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < input.size(); i += 2) units += static_cast<char16_t>(input[i] | input[i + 1] << 8);
    const std::string text = pathnab::StringFromWidePtr(units.c_str());
    const auto decoded = Utf16OfUtf8(text);
    Require(decoded && *decoded == Repaired(units));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    CheckShareRecords(input);
    CheckTrimAtNul(std::string(reinterpret_cast<const char*>(data), size));
    CheckWideText(input);
    return 0;
}
