#include "settings/win32/win32_registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace pathnab {
namespace {

// The predefined roots are sign-extended handles on 64-bit Windows, not the 32-bit numbers.
HKEY HandleOf(RegKey key) {
    switch (key) {
        case regroot::kClassesRoot: return HKEY_CLASSES_ROOT;
        case regroot::kCurrentUser: return HKEY_CURRENT_USER;
        case regroot::kLocalMachine: return HKEY_LOCAL_MACHINE;
        case regroot::kUsers: return HKEY_USERS;
        default: return reinterpret_cast<HKEY>(key);
    }
}

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// UTF-8 bytes (terminator included, as the port hands them) to the UTF-16 bytes stored.
std::vector<BYTE> StoredText(std::span<const std::uint8_t> utf8) {
    const std::wstring wide = Wide(std::string(utf8.begin(), utf8.end()));
    const auto* bytes = reinterpret_cast<const BYTE*>(wide.data());
    return std::vector<BYTE>(bytes, bytes + wide.size() * sizeof(wchar_t));
}

// The stored UTF-16 bytes as UTF-8, terminator or not as stored.
std::vector<std::uint8_t> PortText(const std::vector<BYTE>& stored) {
    std::wstring wide(stored.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), stored.data(), wide.size() * sizeof(wchar_t));
    const std::string utf8 = Utf8(wide);
    return std::vector<std::uint8_t>(utf8.begin(), utf8.end());
}

LSTATUS ReadStored(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data) {
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.resize(size);
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            return status;
        }
    }
    return status;
}

class Win32Registry final : public Registry {
public:
    std::int32_t OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access, RegKey& key) override {
        HKEY opened = nullptr;
        const LSTATUS status = RegOpenKeyExW(HandleOf(parent), Wide(subKey).c_str(), 0, access, &opened);
        if (status == ERROR_SUCCESS) key = reinterpret_cast<RegKey>(opened);
        return status;
    }

    std::int32_t CreateKey(RegKey parent, const std::string& subKey, std::uint32_t access, RegKey& key) override {
        HKEY created = nullptr;
        const LSTATUS status = RegCreateKeyExW(HandleOf(parent), Wide(subKey).c_str(), 0, nullptr,
                                               REG_OPTION_NON_VOLATILE, access, nullptr, &created, nullptr);
        if (status == ERROR_SUCCESS) key = reinterpret_cast<RegKey>(created);
        return status;
    }

    std::int32_t QueryValue(RegKey key, const std::string& name, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) override {
        DWORD storedType = 0;
        std::vector<BYTE> stored;
        const LSTATUS status = ReadStored(HandleOf(key), Wide(name), storedType, stored);
        if (status != ERROR_SUCCESS) return status;
        const std::vector<std::uint8_t> value = IsText(storedType) ? PortText(stored) : stored;
        type = storedType;
        if (!data) {
            size = static_cast<std::uint32_t>(value.size());
            return ERROR_SUCCESS;
        }
        if (value.size() > size) {
            size = static_cast<std::uint32_t>(value.size());
            return ERROR_MORE_DATA;
        }
        std::copy(value.begin(), value.end(), data);
        size = static_cast<std::uint32_t>(value.size());
        return ERROR_SUCCESS;
    }

    std::int32_t SetValue(RegKey key, const std::string& name, std::uint32_t type,
                          std::span<const std::uint8_t> data) override {
        const std::vector<BYTE> stored = IsText(type) ? StoredText(data) : std::vector<BYTE>(data.begin(), data.end());
        return RegSetValueExW(HandleOf(key), Wide(name).c_str(), 0, type, stored.data(),
                              static_cast<DWORD>(stored.size()));
    }

    void CloseKey(RegKey key) override {
        RegCloseKey(HandleOf(key));
    }
};

}  // namespace

std::unique_ptr<Registry> MakeWin32Registry() {
    return std::make_unique<Win32Registry>();
}

}  // namespace pathnab
