// Pathnab: the window that lists one path's forms and puts the chosen one on the clipboard.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "about/posix/about_backends.h"
#include "about/qt/show_about.h"
#include "app/command_line.h"
#include "app/computed_path_forms.h"
#include "app/main_window.h"
#include "app/posix/caller_link.h"
#include "app/posix/display_servers.h"
#include "app/qt/clipboard_keepers.h"
#include "app/qt/deferred_icons.h"
#include "app/qt/frm_main.h"
#include "app/qt/qt_clipboard.h"
#include "app/qt/qt_message_box.h"
#include "app/qt/qt_screen.h"
#include "pathforms/posix/linux_backends.h"
#include "settings/posix/built_in_version.h"
#include "settings/sqlite/sqlite_registry.h"

namespace pathnab {
namespace {

// How long an X clipboard manager may take to read the copied text, and then to take it over.
constexpr std::chrono::milliseconds kManagerReading{500};
constexpr std::chrono::milliseconds kManagerTakeover{2000};
// How long a Wayland session's clipboard keeper may take to read the copied text.
constexpr std::chrono::milliseconds kKeeperReading{2000};

// Qt aborts when it cannot reach the display server it picks, so the program looks first.
// A platform named by QT_QPA_PLATFORM other than X11 or Wayland needs neither.
bool ChooseDisplayServer() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string chosen = platform ? platform : "";
    if (!chosen.empty() && chosen.rfind("xcb", 0) != 0 && chosen.rfind("wayland", 0) != 0) return true;
    const DisplayServers servers = ReachableDisplayServers();
    if (chosen.empty() && !servers.x11 && servers.wayland) setenv("QT_QPA_PLATFORM", "wayland", 1);
    return servers.x11 || servers.wayland;
}

bool OnWayland() { return QGuiApplication::platformName().startsWith("wayland"); }

// After a copy the text must stay pasteable once the window is gone, and the command that
// started the program returns now. An X clipboard manager gets a moment to read the text, then
// the clipboard is handed over to it. A Wayland session's keeper reads every copied text at once
// and offers it itself when its owner has gone, so the program ends once the text has been
// read. Otherwise, or when the keeper does not read it, this process stays, invisible, until
// another program owns the clipboard.
void KeepCopiedText(QtClipboard& clipboard, CallerLink& caller) {
    if (!clipboard.HoldsCopiedText()) return;
    caller.Release();
    if (QGuiApplication::platformName() == "xcb" && X11ClipboardManagerRunning()) {
        clipboard.ServeUntilTaken(kManagerReading);
        if (clipboard.HandOver(kManagerTakeover)) return;
    }
    if (OnWayland() && WaylandClipboardKeeperRunning() && clipboard.WaitUntilRead(kKeeperReading)) return;
    clipboard.ServeUntilTaken();
}

// A launcher hands a Wayland activation token over in XDG_ACTIVATION_TOKEN, or, as GLib before
// 2.76 does, in DESKTOP_STARTUP_ID; the toolkit reads the first when the window asks to be
// activated. Without a token the compositor decides alone.
bool TakeActivationToken() {
    if (!OnWayland()) return false;
    const char* given = std::getenv("XDG_ACTIVATION_TOKEN");
    const char* startupId = std::getenv("DESKTOP_STARTUP_ID");
    const std::string token = given && *given ? given : startupId ? startupId : "";
    unsetenv("DESKTOP_STARTUP_ID");
    if (token.empty()) return false;
    setenv("XDG_ACTIVATION_TOKEN", token.c_str(), 1);
    return true;
}

int RunWindow(char** argv, const std::string& arguments, CallerLink& caller) {
    // Made before the toolkit starts: the first share listing they begin overlaps its start-up.
    LinuxPathFormsBackends pathBackends = MakeLinuxPathFormsBackends();
    // The arguments are the user's path, all of them: the toolkit sees only the program name,
    // so a path like "-platform x" or "-reverse" is never taken as one of its options.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    QApplication::setStyle(new DeferredIconsStyle);
    app.setQuitOnLastWindowClosed(false);
    InitAboutResources();

    const auto version = MakeBuiltInVersionSource();
    const auto registry = MakeSqliteRegistry(StorePathsFromEnvironment());
    QtMessageBox messages;
    ModUncPath unc(pathBackends.Ports(messages, *version));
    ComputedPathForms forms(*pathBackends.files, unc);
    const auto starter = MakePosixProgramStarter();
    const auto fileProbe = MakePosixFileProbe();
    const AboutServices about{*version, *registry, *starter, *fileProbe, messages};

    QtClipboard clipboard;
    QtScreen screen;
    FrmMain window([&about] { ShowAboutBox(about); });
    MainWindowHandlers handlers({window, clipboard, screen, *version, *registry, forms, messages});
    QObject::connect(&window, &FrmMain::Closed, &app, &QCoreApplication::quit);

    const bool activationToken = TakeActivationToken();
    handlers.Load(arguments);
    if (window.Ended()) return 0;
    window.show();
    if (activationToken) window.activateWindow();
    app.exec();
    if (!window.Ended()) KeepCopiedText(clipboard, caller);
    return 0;
}

}  // namespace
}  // namespace pathnab

int main(int argc, char** argv) {
    const std::string arguments = pathnab::ArgumentString(argc, argv);
    if (!pathnab::ChooseDisplayServer()) {
        std::fputs("pathnab: cannot open a window: no X server at DISPLAY and no Wayland compositor at "
                   "WAYLAND_DISPLAY could be reached\n",
                   stderr);
        return 1;
    }
    pathnab::CallerLink caller = pathnab::CallerLink::Fork();
    return pathnab::RunWindow(argv, arguments, caller);
}
