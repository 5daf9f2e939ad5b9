// Test equipment for the installer test, not part of Pathnab.
//   verb_probe.exe --run CLASS FILE
//       runs the command of the Explorer verb "Pathnab" registered for CLASS ("*" or "Directory")
//       on FILE as Explorer expands it: %1 replaced by the path, nothing added. (Wine's own shell
//       finds a file's class by its extension only and does not reach these classes.) Waits for
//       the program and exits with its code.
//   verb_probe.exe ANYTHING
//       standing in for pathnab.exe: writes the argument string it received, by pathnab.exe's
//       own rule, as UTF-8 to the file named in PATHNAB_PROBE_OUT.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/win32/win32_command_line.h"
#include "platform/win32/windows_api.h"
#include <shellapi.h>

namespace {

// Long enough for the real program's first window in a new prefix and a click on it.
constexpr DWORD kWaitMilliseconds = 120000;

std::wstring RegisteredCommand(const std::wstring& className) {
    const std::wstring key = L"Software\\Classes\\" + className + L"\\shell\\Pathnab\\command";
    wchar_t command[4096];
    DWORD size = sizeof(command);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, command, &size) != ERROR_SUCCESS) {
        return {};
    }
    return command;
}

int RunVerb(const std::wstring& className, const std::wstring& file) {
    std::wstring command = RegisteredCommand(className);
    const std::size_t placeholder = command.find(L"%1");
    if (placeholder == std::wstring::npos) return 100;
    command.replace(placeholder, 2, file);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return 101;
    }
    DWORD code = 102;
    if (WaitForSingleObject(process.hProcess, kWaitMilliseconds) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

int WriteArgumentString() {
    const wchar_t* out = _wgetenv(L"PATHNAB_PROBE_OUT");
    if (!out) return 103;
    FILE* file = _wfopen(out, L"wb");
    if (!file) return 104;
    const std::string received = pathnab::ArgumentStringOf(GetCommandLineW());
    const bool written = std::fwrite(received.data(), 1, received.size(), file) == received.size();
    return std::fclose(file) == 0 && written ? 0 : 105;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments && count == 4 && std::wstring(arguments[1]) == L"--run") return RunVerb(arguments[2], arguments[3]);
    return WriteArgumentString();
}
