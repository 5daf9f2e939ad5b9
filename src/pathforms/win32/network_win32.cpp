#include "platform/win32/windows_api.h"

#include <vector>

#include "pathforms/win32/win32_backends.h"
#include "platform/win32/wide_text.h"

namespace pathnab {
namespace {

class Win32NetworkConnections final : public NetworkConnections {
public:
    std::uint32_t GetUniversalName(const std::string& path, std::uint32_t& bufferSize,
                                   std::string& universalName) override {
        const std::wstring widePath = Wide(path);
        // Aligned for the REMOTE_NAME_INFOW the call writes at the buffer's start.
        std::vector<std::uintptr_t> buffer(bufferSize / sizeof(std::uintptr_t) + 1);
        DWORD size = bufferSize;
        const DWORD code = WNetGetUniversalNameW(widePath.c_str(), REMOTE_NAME_INFO_LEVEL, buffer.data(), &size);
        if (code == ERROR_MORE_DATA) bufferSize = size;
        if (code == NO_ERROR) {
            const auto* info = reinterpret_cast<const REMOTE_NAME_INFOW*>(buffer.data());
            universalName = info->lpUniversalName ? Utf8(info->lpUniversalName) : std::string{};
        }
        return code;
    }

    // bufferLength counts the platform's UTF-16 characters; buffer gets the UTF-8 text and
    // its terminator.
    std::uint32_t GetConnection(const std::string& drive, std::uint32_t& bufferLength,
                                std::string& buffer) override {
        const std::wstring wideDrive = Wide(drive);
        std::wstring remote(bufferLength, L'\0');
        DWORD length = bufferLength;
        const DWORD code = WNetGetConnectionW(wideDrive.c_str(), remote.data(), &length);
        if (code == ERROR_MORE_DATA) bufferLength = length;
        if (code == NO_ERROR) buffer = Utf8(remote.c_str()) + '\0';
        return code;
    }
};

}  // namespace

std::unique_ptr<NetworkConnections> MakeWin32NetworkConnections() {
    return std::make_unique<Win32NetworkConnections>();
}

}  // namespace pathnab
