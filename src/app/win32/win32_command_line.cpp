#include "app/win32/win32_command_line.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace pathnab {
namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::size_t EndOfProgramName(const std::wstring& commandLine) {
    if (commandLine.starts_with(L'"')) {
        const std::size_t closing = commandLine.find(L'"', 1);
        return closing == std::wstring::npos ? commandLine.size() : closing + 1;
    }
    std::size_t end = 0;
    while (end < commandLine.size() && !IsBlank(commandLine[end])) ++end;
    return end;
}

// A double quote can never be part of a Windows path, so an argument string that is one quoted
// argument (a quote at each end and none between) can only mean the path inside: what a file
// dropped on the program, a Send To shortcut, cmd and most file managers pass. Anything else,
// a lone leading quote included, is handed over as received.
std::wstring PathInsideQuotes(std::wstring arguments) {
    const bool enclosed = arguments.size() >= 2 && arguments.front() == L'"' && arguments.back() == L'"';
    if (enclosed && arguments.find(L'"', 1) == arguments.size() - 1) return arguments.substr(1, arguments.size() - 2);
    return arguments;
}

}  // namespace

std::string ArgumentStringOf(const std::wstring& commandLine) {
    std::size_t start = EndOfProgramName(commandLine);
    while (start < commandLine.size() && IsBlank(commandLine[start])) ++start;
    return Utf8(PathInsideQuotes(commandLine.substr(start)));
}

}  // namespace pathnab
