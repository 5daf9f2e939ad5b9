#pragma once
#include <array>
#include <span>

#include "about/twips.h"
#include "app/main_window_ports.h"

namespace pathnab {

// The main window as designed; every view builds the same window from it. Places are twips. The
// list is laid over the whole client area at every resize, so the buttons lie behind it.
namespace main_window_design {

inline constexpr const char* kCaptionAtDesign = "Pathnab";
inline constexpr int kClientWidth = 7455;
inline constexpr int kClientHeight = 1725;
inline constexpr TwipsRect kList{0, 0, 4935, 1380};
inline constexpr TwipsRect kSelect{3600, 1440, 1365, 330};
inline constexpr TwipsRect kCancel{2115, 1440, 1455, 330};
// Select is the default button (Enter), Cancel the cancel button (Escape).
inline constexpr const char* kSelectCaption = "Select";
inline constexpr const char* kCancelCaption = "Cancel";

struct MenuItem {
    const char* caption;
    MenuCommand command;
    // Only the syntax items carry a check mark; Normal's is set when the window opens.
    bool checkable;
    bool checked;
};

struct Menu {
    const char* caption;
    std::span<const MenuItem> items;
};

inline constexpr std::array kFileItems{MenuItem{"E&xit", MenuCommand::FileExit, false, false}};
inline constexpr std::array kSyntaxItems{MenuItem{"&Normal", MenuCommand::SyntaxNormal, true, true},
                                         MenuItem{"&C++ and C#", MenuCommand::SyntaxCType, true, false}};
inline constexpr std::array kHelpItems{MenuItem{"&About", MenuCommand::HelpAbout, false, false}};
// The menu bar, left to right.
inline constexpr std::array kMenus{Menu{"&File", kFileItems}, Menu{"&Syntax", kSyntaxItems},
                                   Menu{"&Help", kHelpItems}};

}  // namespace main_window_design

}  // namespace pathnab
