#pragma once
#include <string>

#include "app/main_window_ports.h"
#include "app/path_list.h"
#include "pathforms/platform_info.h"
#include "settings/registry.h"
#include "settings/version_info.h"

namespace pathnab {

inline constexpr const char* kHeightSetting = "Height";
inline constexpr const char* kWidthSetting = "Width";
inline constexpr std::int16_t kDefaultHeight = 2535;
inline constexpr std::int16_t kDefaultWidth = 7695;
inline constexpr const char* kClipboardUnavailable =
    "The path could not be copied: another program is using the clipboard. Please try again.";

struct MainWindowPorts {
    MainWindowView& view;
    Clipboard& clipboard;
    Screen& screen;
    VersionSource& version;
    Registry& registry;
    PathFormsSource& forms;
    MessageBox& messages;
};

// The main window's handlers; the view calls one of them for each event and user action. They
// hand themselves to the view for their own lifetime, so the view never calls handlers that
// are gone, whatever is destroyed after them.
class MainWindowHandlers {
public:
    explicit MainWindowHandlers(MainWindowPorts ports) : ports_(ports) { ports_.view.ForwardTo(this); }
    ~MainWindowHandlers() { ports_.view.ForwardTo(nullptr); }
    MainWindowHandlers(const MainWindowHandlers&) = delete;
    MainWindowHandlers& operator=(const MainWindowHandlers&) = delete;

    // Start-up with the command-line argument string. With an empty one only the About box
    // is shown and the program ends; otherwise the window is sized, filled and placed.
    void Load(const std::string& commandLine);
    // The list covers the client area; its columns stay as they are.
    void Resize();
    // The window's real frame became known only after the window was shown. The window is
    // placed by its real outer size, so it is placed again for the cursor position read at
    // load, and the text column is fitted to the changed client area.
    void FrameKnown();
    // The window's outer size goes to the settings.
    void Unload();

    void Populate(const SyntaxMode& syntax);
    // The selected row's text to the clipboard, then the ordinary close; nothing without a row.
    // When the clipboard cannot be reached the user is told and the window stays open.
    void SelectPath();

    void ListClick() { SelectPath(); }
    void SelectButton() { SelectPath(); }
    void CancelButton() { ports_.view.EndNow(); }
    void FileExit() { ports_.view.Close(); }
    void SyntaxNormal();
    void SyntaxCType();
    void HelpAbout() { ports_.view.ShowAboutBox(); }
    // The handler of the menu item chosen.
    void MenuChosen(MenuCommand command);

    const std::string& FilePath() const { return filePath_; }

private:
    void RestoreSize();
    void PlaceAt(CursorPosition cursor);
    void SetColumns();
    // The caption column as wide as its widest caption, then the text column.
    void FitColumns();
    void FitTextColumn();
    void AddRows(const std::vector<PathForm>& rows);

    MainWindowPorts ports_;
    std::string company_;
    std::string product_;
    std::string filePath_;
    CursorPosition cursor_;
};

}  // namespace pathnab
