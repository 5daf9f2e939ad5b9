#include "settings/win32/resource_version.h"

#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace pathnab {
namespace {

std::wstring OwnExecutable() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        path.assign(path.size() * 2, L'\0');
    }
}

std::vector<BYTE> VersionBlock(const std::wstring& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    std::vector<BYTE> block(size);
    if (size == 0 || !GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return {};
    return block;
}

std::string StringOf(std::vector<BYTE>& block, const wchar_t* name) {
    void* text = nullptr;
    UINT length = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), query.c_str(), &text, &length) || length == 0) return {};
    return Utf8(static_cast<const wchar_t*>(text));
}

class ResourceVersionSource final : public VersionSource {
public:
    VersionInfo Read() override {
        std::vector<BYTE> block = VersionBlock(OwnExecutable());
        VersionInfo info;
        void* fixed = nullptr;
        UINT length = 0;
        if (block.empty() || !VerQueryValueW(block.data(), L"\\", &fixed, &length) ||
            length < sizeof(VS_FIXEDFILEINFO)) {
            return info;
        }
        const auto* numbers = static_cast<const VS_FIXEDFILEINFO*>(fixed);
        info.CompanyName = StringOf(block, L"CompanyName");
        info.ProductName = StringOf(block, L"ProductName");
        info.Major = HIWORD(numbers->dwFileVersionMS);
        info.Minor = LOWORD(numbers->dwFileVersionMS);
        info.Build = HIWORD(numbers->dwFileVersionLS);
        info.Revision = LOWORD(numbers->dwFileVersionLS);
        return info;
    }
};

}  // namespace

std::unique_ptr<VersionSource> MakeResourceVersionSource() {
    return std::make_unique<ResourceVersionSource>();
}

}  // namespace pathnab
