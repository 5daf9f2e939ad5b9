// Kept apart from the argument string: only pathnab-forms.exe splits its command line, so only
// it links shell32, which pathnab.exe need not load before its window shows.
#include "app/win32/win32_command_line.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include <shellapi.h>

namespace pathnab {

std::vector<std::string> ArgumentsOf(const std::wstring& commandLine) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** split = CommandLineToArgvW(commandLine.c_str(), &count);
    if (!split) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Utf8(split[i]));
    LocalFree(split);
    return arguments;
}

}  // namespace pathnab
