#pragma once
#include <cstring>
#include <optional>
#include <string>

#include "settings/fakes/fake_registry.h"

namespace pathnab::fakes {

// The window's settings key below HKEY_CURRENT_USER.
inline constexpr const char* kWindowSettingsKey = "Software\\Tallwick\\Pathnab";

inline void StoreWindowText(FakeRegistry& registry, const std::string& name, const std::string& text) {
    registry.PutText(regroot::kCurrentUser, kWindowSettingsKey, name, text);
}

inline void StoreWindowDword(FakeRegistry& registry, const std::string& name, std::uint32_t number) {
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &number, 4);
    registry.Put(regroot::kCurrentUser, kWindowSettingsKey, name, regtype::kDword, bytes);
}

// A stored REG_SZ value without its terminating NUL; nullopt for none or another type.
inline std::optional<std::string> StoredWindowText(const FakeRegistry& registry, const std::string& name) {
    const auto stored = registry.Get(regroot::kCurrentUser, kWindowSettingsKey, name);
    if (!stored || stored->type != regtype::kSz) return std::nullopt;
    const std::string text(stored->data.begin(), stored->data.end());
    return text.substr(0, text.find('\0'));
}

// Every write begins by creating (opening for writing) the key.
inline bool StoreWritten(const FakeRegistry& registry) { return registry.creates > 0; }

}  // namespace pathnab::fakes
