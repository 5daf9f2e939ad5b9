#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "settings/reg_value.h"
#include "settings/registry.h"

namespace pathnab {

struct RegPathParts {
    RegKey root;
    std::string subKey;
    std::string valueName;
};

// ROOT\SUBKEY\NAME split into its parts; nullopt for an invalid path or an unknown root.
std::optional<RegPathParts> SplitRegPath(const std::string& path);

// The value at path as stored, or Null when anything fails.
RegValue ReadRegValue(Registry& registry, const std::string& path);
// True only when the value was stored.
bool WriteRegValue(Registry& registry, const std::string& path, const RegValue& value);
// One value of an open key; status is the registry's code, -1 for an unsupported type.
RegValue ReadKeyValue(Registry& registry, RegKey key, const std::string& name, std::int32_t& status);
// Writes one value of an open key with the given registry type; returns the status.
std::int32_t WriteKeyValue(Registry& registry, RegKey key, const std::string& name,
                           std::uint32_t type, const RegValue& value);

}  // namespace pathnab
