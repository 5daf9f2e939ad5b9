// Pathnab for Windows: the window that lists one path's forms and puts the chosen one on the
// clipboard.
#include "about/win32/about_backends_win32.h"
#include "about/win32/frm_about_win32.h"
#include "app/computed_path_forms.h"
#include "app/main_window.h"
#include "app/win32/frm_main_win32.h"
#include "app/win32/win32_clipboard.h"
#include "app/win32/win32_command_line.h"
#include "app/win32/win32_message_box.h"
#include "app/win32/win32_screen.h"
#include "pathforms/win32/win32_backends.h"
#include "settings/win32/resource_version.h"
#include "settings/win32/win32_registry.h"
// After the Win32 headers, which it needs.
#include <commctrl.h>

int main() {
    using namespace pathnab;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const std::string arguments = ArgumentStringOf(GetCommandLineW());
    PathFormsBackends pathBackends = MakeWin32PathFormsBackends();
    const auto version = MakeResourceVersionSource();
    const auto registry = MakeWin32Registry();
    Win32MessageBox messages;
    ModUncPath unc(pathBackends.Ports(messages, *version));
    ComputedPathForms forms(*pathBackends.files, unc);
    const auto starter = MakeWin32ProgramStarter();
    const auto fileProbe = MakeWin32FileProbe();
    const AboutServices about{*version, *registry, *starter, *fileProbe, messages};

    Win32FrmMain window([&about] { ShowWin32AboutBox(about); });
    Win32Clipboard clipboard(window.Handle());
    Win32Screen screen(window.Handle());
    MainWindowHandlers handlers({window, clipboard, screen, *version, *registry, forms, messages});

    handlers.Load(arguments);
    if (!window.Ended()) window.ShowAndRun();
    return 0;
}
