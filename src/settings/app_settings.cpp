#include "settings/app_settings.h"

#include "settings/reg_access.h"

namespace pathnab {

namespace {

std::string SettingPath(const std::string& company, const std::string& product,
                        const std::string& name) {
    return "HKEY_CURRENT_USER\\Software\\" + company + "\\" + product + "\\" + name;
}

}  // namespace

RegValue GetAppSetting(Registry& registry, const std::string& company, const std::string& product,
                       const std::string& name, const RegValue& fallback) {
    try {
        RegValue stored = ReadRegValue(registry, SettingPath(company, product, name));
        return stored.IsNull() ? fallback : stored;
    } catch (...) {
        return fallback;
    }
}

bool SaveAppSetting(Registry& registry, const std::string& company, const std::string& product,
                    const std::string& name, const RegValue& value) {
    try {
        return WriteRegValue(registry, SettingPath(company, product, name), value);
    } catch (...) {
        return false;
    }
}

}  // namespace pathnab
