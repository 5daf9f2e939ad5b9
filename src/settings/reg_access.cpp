#include "settings/reg_access.h"

#include <array>
#include <string_view>
#include <utility>

#include "settings/opened_key.h"

namespace pathnab {

namespace {

struct RootName {
    std::string_view name;
    RegKey key;
};

constexpr std::array<RootName, 8> kRootNames = {{
    {"HKEY_CLASSES_ROOT", regroot::kClassesRoot},
    {"HKCR", regroot::kClassesRoot},
    {"HKEY_CURRENT_USER", regroot::kCurrentUser},
    {"HKCU", regroot::kCurrentUser},
    {"HKEY_LOCAL_MACHINE", regroot::kLocalMachine},
    {"HKLM", regroot::kLocalMachine},
    {"HKEY_USERS", regroot::kUsers},
    {"HKUR", regroot::kUsers},
}};

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::optional<RegKey> RootByName(std::string_view name) {
    std::string upper = AsciiUpper(name);
    for (const RootName& root : kRootNames) {
        if (root.name == upper) return root.key;
    }
    return std::nullopt;
}

std::uint32_t DecodeDword(const std::array<std::uint8_t, 4>& bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

std::array<std::uint8_t, 4> EncodeDword(std::uint32_t number) {
    return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
}

// Fetches exactly size bytes; status as the registry gives it, size as it reports.
std::vector<std::uint8_t> FetchBytes(Registry& registry, RegKey key, const std::string& name,
                                     std::uint32_t size, std::int32_t& status) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t type = 0;
    status = registry.QueryValue(key, name, type, bytes.data(), size);
    bytes.resize(status == regstatus::kSuccess ? std::min<std::size_t>(size, bytes.size()) : 0);
    return bytes;
}

RegValue ReadText(Registry& registry, RegKey key, const std::string& name, std::uint32_t size,
                  std::int32_t& status) {
    std::vector<std::uint8_t> bytes = FetchBytes(registry, key, name, size, status);
    if (status != regstatus::kSuccess) return RegValue();
    // A stored text may lack its terminator (whoever wrote it chose the size): one trailing NUL
    // is dropped when present, and a text without one is read whole.
    if (!bytes.empty() && bytes.back() == 0) bytes.pop_back();
    return RegValue(std::string(bytes.begin(), bytes.end()));
}

RegValue ReadBinary(Registry& registry, RegKey key, const std::string& name, std::uint32_t size,
                    std::int32_t& status) {
    std::vector<std::uint8_t> bytes = FetchBytes(registry, key, name, size, status);
    if (status != regstatus::kSuccess) return RegValue();
    return RegValue(RegByteArray{std::move(bytes), 0});
}

RegValue ReadDword(Registry& registry, RegKey key, const std::string& name, std::int32_t& status) {
    std::array<std::uint8_t, 4> bytes{};
    std::uint32_t type = 0;
    std::uint32_t size = bytes.size();
    status = registry.QueryValue(key, name, type, bytes.data(), size);
    if (status != regstatus::kSuccess) return RegValue();
    return RegValue(static_cast<std::int32_t>(DecodeDword(bytes)));
}

RegValue ReadKeyValueUnguarded(Registry& registry, RegKey key, const std::string& name,
                               std::int32_t& status) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    status = registry.QueryValue(key, name, type, nullptr, size);
    if (status != regstatus::kSuccess) return RegValue();
    bool sized = type == regtype::kSz || type == regtype::kBinary;
    if (sized && size == 0) return RegValue();
    switch (type) {
        case regtype::kSz: return ReadText(registry, key, name, size, status);
        case regtype::kBinary: return ReadBinary(registry, key, name, size, status);
        case regtype::kDword: return ReadDword(registry, key, name, status);
        default: status = regstatus::kUnsupportedType; return RegValue();
    }
}

std::int32_t WriteKeyValueUnguarded(Registry& registry, RegKey key, const std::string& name,
                                    std::uint32_t type, const RegValue& value) {
    switch (type) {
        case regtype::kSz: {
            std::string text = SafeText(value).As<std::string>();
            std::vector<std::uint8_t> bytes(text.begin(), text.end());
            bytes.push_back(0);
            return registry.SetValue(key, name, type, bytes);
        }
        case regtype::kBinary:
            if (!value.Is<RegByteArray>()) return regstatus::kInvalidParameter;
            return registry.SetValue(key, name, type, value.As<RegByteArray>().bytes);
        case regtype::kDword:
            return registry.SetValue(key, name, type,
                              EncodeDword(static_cast<std::uint32_t>(SafeLongNumber(value))));
        default: return regstatus::kSuccess;
    }
}

// The registry type a value is written as, and the value in that type's form.
std::pair<std::uint32_t, RegValue> StoredForm(const RegValue& value) {
    std::string typeName = value.TypeName();
    if (typeName == "Long" || typeName == "Integer" || typeName == "Byte") {
        return {regtype::kDword, SafeLong(value)};
    }
    if (typeName == "Byte()") return {regtype::kBinary, value};
    return {regtype::kSz, SafeText(value)};
}

RegValue ReadRegValueUnguarded(Registry& registry, const std::string& path) {
    std::optional<RegPathParts> parts = SplitRegPath(path);
    if (!parts) return RegValue::Null();
    OpenedKey opened(registry);
    if (!opened.Open(parts->root, parts->subKey, regaccess::kRead)) return RegValue::Null();
    std::int32_t status = regstatus::kSuccess;
    RegValue value = ReadKeyValue(registry, opened.Key(), parts->valueName, status);
    return status == regstatus::kSuccess ? value : RegValue::Null();
}

bool WriteRegValueUnguarded(Registry& registry, const std::string& path, const RegValue& value) {
    std::optional<RegPathParts> parts = SplitRegPath(path);
    if (!parts) return false;
    // Only the open below tells whether the key is there now.
    OpenedKey(registry).Create(parts->root, parts->subKey, regaccess::kWrite);
    OpenedKey opened(registry);
    if (!opened.Open(parts->root, parts->subKey, regaccess::kWrite)) return false;
    auto [type, data] = StoredForm(value);
    return WriteKeyValue(registry, opened.Key(), parts->valueName, type, data) == regstatus::kSuccess;
}

}  // namespace

std::optional<RegPathParts> SplitRegPath(const std::string& path) {
    std::size_t firstSeparator = path.find('\\');
    if (firstSeparator == std::string::npos) return std::nullopt;
    std::optional<RegKey> root = RootByName(std::string_view(path).substr(0, firstSeparator));
    if (!root) return std::nullopt;
    std::string rest = path.substr(firstSeparator + 1);
    std::size_t lastSeparator = rest.rfind('\\');
    if (lastSeparator == std::string::npos) return std::nullopt;
    return RegPathParts{*root, rest.substr(0, lastSeparator), rest.substr(lastSeparator + 1)};
}

RegValue ReadRegValue(Registry& registry, const std::string& path) {
    try {
        return ReadRegValueUnguarded(registry, path);
    } catch (...) {
        return RegValue::Null();
    }
}

bool WriteRegValue(Registry& registry, const std::string& path, const RegValue& value) {
    try {
        return WriteRegValueUnguarded(registry, path, value);
    } catch (...) {
        return false;
    }
}

RegValue ReadKeyValue(Registry& registry, RegKey key, const std::string& name, std::int32_t& status) {
    try {
        return ReadKeyValueUnguarded(registry, key, name, status);
    } catch (...) {  // allocation is all that can throw here; the registry itself does not
        status = regstatus::kOutOfMemory;
        return RegValue();
    }
}

std::int32_t WriteKeyValue(Registry& registry, RegKey key, const std::string& name,
                           std::uint32_t type, const RegValue& value) {
    try {
        return WriteKeyValueUnguarded(registry, key, name, type, value);
    } catch (...) {
        return regstatus::kOutOfMemory;
    }
}

}  // namespace pathnab
