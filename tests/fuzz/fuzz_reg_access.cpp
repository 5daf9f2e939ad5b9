// Registry reads and writes over a scripted registry: each input is a script of raw values put
// in place, values written, values read and failures injected into the registry's calls.
// Invariants: every key opened is closed again, and nothing else; a value read with no failure
// injected is what was last put or written, in its stored form; a write that fails leaves the
// stored value as it was; a read under a failure gives Null or that value; a path that does not
// split touches no key.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/fakes/fake_registry.h"
#include "settings/reg_access.h"
#include "fuzz_support.h"

namespace {

using pathnab::FakeRegistry;
using pathnab::RegByteArray;
using pathnab::RegValue;
using pathnab::fuzz::Require;
namespace regroot = pathnab::regroot;
namespace regtype = pathnab::regtype;

// A place for a value, and two spellings of its path that the registry takes as the same.
struct Slot {
    pathnab::RegKey root;
    const char* subKey;
    const char* name;
    std::array<const char*, 2> spellings;
};

const std::array<Slot, 4> kSlots = {{
    {regroot::kCurrentUser, "Software\\Tallwick\\Pathnab", "Height",
     {"HKEY_CURRENT_USER\\Software\\Tallwick\\Pathnab\\Height",
      "hkcu\\software\\TALLWICK\\pathnab\\height"}},
    {regroot::kCurrentUser, "Software\\Tallwick\\Pathnab", "Width",
     {"HKCU\\Software\\Tallwick\\Pathnab\\Width", "HKEY_current_user\\SOFTWARE\\Tallwick\\PATHNAB\\wIdTh"}},
    {regroot::kCurrentUser, "Software\\Tallwick\\Pathnab", "",
     {"HKCU\\Software\\Tallwick\\Pathnab\\", "hkey_current_user\\software\\tallwick\\pathnab\\"}},
    {regroot::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
     {"HKLM\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO\\PATH",
      "HKEY_LOCAL_MACHINE\\software\\microsoft\\shared tools\\msinfo\\path"}},
}};

constexpr std::array<std::int32_t, 6> kFailures = {2, 3, 5, 6, 161, 1016};

std::vector<std::uint8_t> Bytes(FuzzedDataProvider& script) {
    return script.ConsumeBytes<std::uint8_t>(script.ConsumeIntegralInRange<std::size_t>(0, 64));
}

RegValue AnyValue(FuzzedDataProvider& script) {
    switch (script.ConsumeIntegralInRange(0, 9)) {
        case 0: return RegValue();
        case 1: return RegValue::Null();
        case 2: return script.ConsumeIntegral<std::int16_t>();
        case 3: return script.ConsumeIntegral<std::int32_t>();
        case 4: return script.ConsumeIntegral<std::uint8_t>();
        case 5: return RegByteArray{Bytes(script), script.ConsumeIntegralInRange(-2, 2)};
        case 6: return script.ConsumeFloatingPoint<float>();
        case 7: return script.ConsumeFloatingPoint<double>();
        case 8: return script.ConsumeBool();
        default: return script.ConsumeRandomLengthString(64);
    }
}

// How a value written by path reads back: whole numbers as a Long, a byte array as its bytes
// (none reads as Empty), anything else as its text.
RegValue WrittenForm(const RegValue& value) {
    const std::string type = value.TypeName();
    if (type == "Integer") return std::int32_t{value.As<std::int16_t>()};
    if (type == "Long") return value;
    if (type == "Byte") return std::int32_t{value.As<std::uint8_t>()};
    if (type == "Byte()") {
        const auto& bytes = value.As<RegByteArray>().bytes;
        return bytes.empty() ? RegValue() : RegValue(RegByteArray{bytes, 0});
    }
    return pathnab::SafeText(value);
}

// How a value put in place with a registry type reads: text without one trailing NUL (whole
// when it has none), the bytes of a binary value, a little-endian double word of up to four
// bytes; Empty for no bytes of text or binary; Null for any other type or a longer double word.
RegValue StoredForm(std::uint32_t type, const std::vector<std::uint8_t>& data) {
    if ((type == regtype::kSz || type == regtype::kBinary) && data.empty()) return RegValue();
    if (type == regtype::kSz) return std::string(data.begin(), data.back() == 0 ? data.end() - 1 : data.end());
    if (type == regtype::kBinary) return RegByteArray{data, 0};
    if (type != regtype::kDword || data.size() > 4) return RegValue::Null();
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < data.size(); ++i) number |= std::uint32_t{data[i]} << (8 * i);
    return static_cast<std::int32_t>(number);
}

class Script {
public:
    explicit Script(FuzzedDataProvider& script) : script_(script) {}

    void Step() {
        switch (script_.ConsumeIntegralInRange(0, 5)) {
            case 0: PutRaw(); break;
            case 1: Write(); break;
            case 2: Read(); break;
            case 3: InjectFailures(); break;
            case 4: ClearFailures(); break;
            default: UseUnsplittablePath(); break;
        }
        Require(registry_.OpenHandles() == 0 && registry_.strayCloses == 0);
    }

private:
    std::size_t PickSlot() { return script_.ConsumeIntegralInRange<std::size_t>(0, kSlots.size() - 1); }
    const char* Spelling(std::size_t slot) { return kSlots[slot].spellings[script_.ConsumeBool()]; }
    bool Failing() const {
        return registry_.openStatus || registry_.createStatus || registry_.sizeQueryStatus ||
               registry_.fetchStatus || registry_.setStatus;
    }
    RegValue Expected(std::size_t slot) const { return expected_[slot].value_or(RegValue::Null()); }

    void PutRaw() {
        const std::size_t slot = PickSlot();
        const auto type = script_.ConsumeBool() ? script_.ConsumeIntegral<std::uint32_t>()
                                                : script_.PickValueInArray({regtype::kSz, regtype::kBinary,
                                                                            regtype::kDword, regtype::kExpandSz});
        std::vector<std::uint8_t> data = Bytes(script_);
        expected_[slot] = StoredForm(type, data);
        registry_.Put(kSlots[slot].root, kSlots[slot].subKey, kSlots[slot].name, type, std::move(data));
    }

    void Write() {
        const std::size_t slot = PickSlot();
        const RegValue value = AnyValue(script_);
        const bool written = pathnab::WriteRegValue(registry_, Spelling(slot), value);
        Require(written || Failing());
        if (written) expected_[slot] = WrittenForm(value);
    }

    void Read() {
        const std::size_t slot = PickSlot();
        const RegValue read = pathnab::ReadRegValue(registry_, Spelling(slot));
        Require(read == Expected(slot) || (Failing() && read.IsNull()));
    }

    void InjectFailures() {
        for (std::int32_t* status : {&registry_.openStatus, &registry_.createStatus, &registry_.sizeQueryStatus,
                                     &registry_.fetchStatus, &registry_.setStatus}) {
            *status = script_.ConsumeBool() ? script_.PickValueInArray(kFailures) : 0;
        }
    }

    void ClearFailures() {
        registry_.openStatus = registry_.createStatus = registry_.sizeQueryStatus = 0;
        registry_.fetchStatus = registry_.setStatus = 0;
    }

    void UseUnsplittablePath() {
        const std::string path = script_.ConsumeRandomLengthString(64);
        if (pathnab::SplitRegPath(path)) return;
        const int opens = registry_.opens;
        const int creates = registry_.creates;
        Require(pathnab::ReadRegValue(registry_, path).IsNull());
        Require(!pathnab::WriteRegValue(registry_, path, AnyValue(script_)));
        Require(registry_.opens == opens && registry_.creates == creates);
    }

    FuzzedDataProvider& script_;
    FakeRegistry registry_;
    std::array<std::optional<RegValue>, kSlots.size()> expected_{};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    Script script(provider);
    while (provider.remaining_bytes() > 0) script.Step();
    return 0;
}
