#include "about/about_box.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "settings/opened_key.h"

namespace pathnab {

namespace {

constexpr std::uint32_t kValueBufferSize = 1024;

// The returned bytes as text, without a terminating NUL.
std::string ValueText(const std::uint8_t* data, std::uint32_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::string HexDigits(unsigned byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    if (byte >= 16) digits += kDigits[byte / 16];
    digits += kDigits[byte % 16];
    return digits;
}

// The number's bytes from the last to the first, each in hexadecimal without leading zeros,
// appended to what keyVal held, with the "&h" prefix kept as text.
std::string DwordText(const std::string& bytes, const std::string& keyVal) {
    std::string digits = keyVal;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        digits += HexDigits(static_cast<unsigned char>(*it));
    }
    return "&h" + digits;
}

// The About box asks for rights to change the key as well, which HKEY_LOCAL_MACHINE refuses to
// every user who is not elevated; reading needs none of them, so a refusal is retried with read
// access. A store that grants the asked access is read with it, as before.
bool OpenToRead(OpenedKey& key, RegKey keyRoot, const std::string& keyName) {
    if (key.Open(keyRoot, keyName, regaccess::kAboutBox)) return true;
    return key.Status() == regstatus::kAccessDenied && key.Open(keyRoot, keyName, regaccess::kRead);
}

std::string SysInfoProgramPath(Registry& registry, char folderSeparator, FileProbe& files) {
    std::string path;
    if (GetKeyValue(registry, regroot::kLocalMachine, kSysInfoProgramKey, kSysInfoProgramValue,
                    path)) {
        return ChooseSysInfoProgram(path, files);  // names the program itself
    }
    if (!GetKeyValue(registry, regroot::kLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue,
                     path)) {
        return {};
    }
    std::string program = SysInfoProgramInFolder(path, folderSeparator);
    return files.IsOrdinaryFile(program) ? program : std::string();
}

bool TryStartSysInfo(const AboutServices& services, char folderSeparator) {
    try {
        const std::string path = SysInfoProgramPath(services.registry, folderSeparator, services.files);
        return !path.empty() && services.starter.Start(path);
    } catch (...) {
        return false;  // any error while looking up or starting counts as unavailable
    }
}

}  // namespace

AboutTexts LoadAboutTexts(const VersionInfo& version) {
    const std::string productFromMaker = version.ProductName + " from " + kMakerWebAddress;
    return AboutTexts{
        .caption = "About " + productFromMaker,
        .title = productFromMaker,
        .version = "Version " + std::to_string(version.Major) + "." +
                   std::to_string(version.Minor) + "." + std::to_string(version.Revision),
    };
}

bool GetKeyValue(Registry& registry, RegKey keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
    OpenedKey key(registry);
    if (!OpenToRead(key, keyRoot, keyName)) {
        keyVal.clear();
        return false;
    }
    std::array<std::uint8_t, kValueBufferSize> buffer{};
    std::uint32_t size = kValueBufferSize;
    std::uint32_t type = 0;
    if (registry.QueryValue(key.Key(), subKeyRef, type, buffer.data(), size) != regstatus::kSuccess) {
        keyVal.clear();
        return false;
    }
    const std::string text = ValueText(buffer.data(), std::min(size, kValueBufferSize));
    if (type == regtype::kSz) {
        keyVal = text;
    } else if (type == regtype::kDword) {
        keyVal = DwordText(text, keyVal);
    }
    return true;
}

std::string SysInfoProgramText(const std::vector<std::string>& programs) {
    std::string text;
    for (const std::string& program : programs) {
        if (!text.empty()) text += kSysInfoProgramSeparator;
        text += program;
    }
    return text;
}

std::string ChooseSysInfoProgram(const std::string& registered, FileProbe& files) {
    std::string::size_type start = 0;
    for (auto end = registered.find(kSysInfoProgramSeparator); end != std::string::npos;
         start = end + 1, end = registered.find(kSysInfoProgramSeparator, start)) {
        std::string program = registered.substr(start, end - start);
        if (files.IsOrdinaryFile(program)) return program;
    }
    return registered.substr(start);
}

std::string SysInfoProgramInFolder(const std::string& folder, char separator) {
    return folder + separator + kSysInfoProgramFile;
}

void StartSysInfo(const AboutServices& services, char folderSeparator) {
    if (TryStartSysInfo(services, folderSeparator)) return;
    try {
        services.messages.Show(kSysInfoUnavailable, services.version.Read().ProductName);
    } catch (...) {
        // Nothing more can be reported; the box stays open either way.
    }
}

}  // namespace pathnab
