#include "platform/win32/windows_api.h"

#include "pathforms/win32/win32_backends.h"
#include "platform/win32/wide_text.h"

namespace pathnab {
namespace {

std::string TextOf(const wchar_t* text) {
    return text ? Utf8(text) : std::string{};
}

ShareEntry EntryOf(const SHARE_INFO_1& info) {
    ShareEntry entry;
    entry.NetName = TextOf(info.shi1_netname);
    entry.Type = static_cast<std::int32_t>(info.shi1_type);
    entry.Remark = TextOf(info.shi1_remark);
    return entry;
}

ShareEntry EntryOf(const SHARE_INFO_2& info) {
    ShareEntry entry;
    entry.NetName = TextOf(info.shi2_netname);
    entry.Type = static_cast<std::int32_t>(info.shi2_type);
    entry.Remark = TextOf(info.shi2_remark);
    entry.Permissions = static_cast<std::int32_t>(info.shi2_permissions);
    entry.MaxUses = static_cast<std::int32_t>(info.shi2_max_uses);
    entry.CurrentUses = static_cast<std::int32_t>(info.shi2_current_uses);
    entry.Path = TextOf(info.shi2_path);
    entry.Password = TextOf(info.shi2_passwd);
    return entry;
}

template <typename Info>
std::vector<ShareEntry> EntriesOf(const BYTE* buffer, DWORD count) {
    std::vector<ShareEntry> entries;
    const auto* infos = reinterpret_cast<const Info*>(buffer);
    for (DWORD i = 0; i < count; ++i) entries.push_back(EntryOf(infos[i]));
    return entries;
}

class Win32ShareListing final : public ShareListing {
public:
    std::uint32_t Enumerate(const std::string& server, std::uint32_t level,
                            std::vector<ShareEntry>& records) override {
        std::wstring wideServer = Wide(server);
        BYTE* buffer = nullptr;
        DWORD read = 0;
        DWORD total = 0;
        const NET_API_STATUS code = NetShareEnum(server.empty() ? nullptr : wideServer.data(), level, &buffer,
                                                 MAX_PREFERRED_LENGTH, &read, &total, nullptr);
        if (code == NERR_Success) {
            records = level == 2 ? EntriesOf<SHARE_INFO_2>(buffer, read) : EntriesOf<SHARE_INFO_1>(buffer, read);
        }
        if (buffer) NetApiBufferFree(buffer);
        return code;
    }
};

class Win32OperatingSystem final : public OperatingSystem {
public:
    // GetVersionExW, not RtlGetVersion: only the platform id and, for the 9x family, the
    // minor version are read, and no compatibility shim changes the platform id.
    bool GetVersion(OsVersion& version) override {
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof(info);
        if (!GetVersionExW(&info)) return false;
        version.platformId = info.dwPlatformId;
        version.minorVersion = info.dwMinorVersion;
        return true;
    }

    bool GetComputerName(std::string& name) override {
        wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 1];
        DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
        if (!GetComputerNameW(buffer, &length)) return false;
        name = Utf8(buffer, length);
        return true;
    }
};

}  // namespace

std::unique_ptr<ShareListing> MakeWin32ShareListing() {
    return std::make_unique<Win32ShareListing>();
}

std::unique_ptr<OperatingSystem> MakeWin32OperatingSystem() {
    return std::make_unique<Win32OperatingSystem>();
}

}  // namespace pathnab
