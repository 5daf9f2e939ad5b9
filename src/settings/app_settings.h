#pragma once
#include <string>

#include "settings/reg_value.h"
#include "settings/registry.h"

namespace pathnab {

// The stored setting below HKEY_CURRENT_USER\Software\company\product, or fallback when
// nothing readable is stored.
RegValue GetAppSetting(Registry& registry, const std::string& company, const std::string& product,
                       const std::string& name, const RegValue& fallback);
// True when the value was stored; every missing key is created.
bool SaveAppSetting(Registry& registry, const std::string& company, const std::string& product,
                    const std::string& name, const RegValue& value);

}  // namespace pathnab
