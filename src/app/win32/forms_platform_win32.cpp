#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "app/forms_platform.h"
#include "app/win32/win32_command_line.h"
#include "pathforms/win32/win32_backends.h"
#include "platform/win32/windows_api.h"
#include "settings/win32/resource_version.h"

namespace pathnab {

PathFormsBackends MakeHostPathFormsBackends() {
    return MakeWin32PathFormsBackends();
}

std::unique_ptr<VersionSource> MakeHostVersionSource() {
    return MakeResourceVersionSource();
}

// argv holds the text in the ANSI code page; the wide command line holds every name.
std::vector<std::string> ProgramArguments(int, char**) {
    return ArgumentsOf(GetCommandLineW());
}

// No "\r\n" for "\n", so a redirected output gets the same bytes as on Linux; a console is
// told the bytes are UTF-8.
void PrepareStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

}  // namespace pathnab
