#include "about/win32/about_backends_win32.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace pathnab {
namespace {

class Win32ProgramStarter final : public ProgramStarter {
public:
    bool Start(const std::string& path) override {
        const std::wstring program = Wide(path);
        // The program sees its own name, quoted, as its command line and nothing else.
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &started)) {
            return false;
        }
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        return true;
    }
};

class Win32FileProbe final : public FileProbe {
public:
    bool IsOrdinaryFile(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
        constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotOrdinary) == 0;
    }
};

}  // namespace

std::unique_ptr<ProgramStarter> MakeWin32ProgramStarter() { return std::make_unique<Win32ProgramStarter>(); }

std::unique_ptr<FileProbe> MakeWin32FileProbe() { return std::make_unique<Win32FileProbe>(); }

}  // namespace pathnab
