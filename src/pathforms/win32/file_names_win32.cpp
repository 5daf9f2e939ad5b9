#include "platform/win32/windows_api.h"

#include "pathforms/win32/win32_backends.h"
#include "platform/win32/wide_text.h"

namespace pathnab {
namespace {

using PathNameCall = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

// Asks again with the size the call names until the answer fits, so no length is too long.
std::optional<std::string> AskPathName(PathNameCall call, const std::string& path) {
    const std::wstring widePath = Wide(path);
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = call(widePath.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::nullopt;
        if (length < buffer.size()) return Utf8(buffer.data(), length);
        buffer.assign(length, L'\0');
    }
}

class Win32FileNames final : public FileNames {
public:
    std::optional<std::string> LongPathName(const std::string& path) override {
        return AskPathName(&GetLongPathNameW, path);
    }
    std::optional<std::string> ShortPathName(const std::string& path) override {
        return AskPathName(&GetShortPathNameW, path);
    }
};

}  // namespace

std::unique_ptr<FileNames> MakeWin32FileNames() {
    return std::make_unique<Win32FileNames>();
}

}  // namespace pathnab
