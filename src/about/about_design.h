#pragma once
#include "about/twips.h"

namespace pathnab {

// The About box as designed; every view builds the same window from it.
namespace about_design {

inline constexpr const char* kDesignCaption = "About MyApp";
// The client area, placed from the screen's top-left corner.
inline constexpr TwipsRect kClientArea{2340, 1935, 6915, 4710};

// Controls in creation order. Tab order: cmdOK, cmdSysInfo, lblTitle, lblVersion, Label1,
// Picture1.
inline constexpr TwipsRect kPicture1{0, 0, 2460, 4710};
inline constexpr TwipsRect kCmdOK{5400, 4200, 1260, 345};
inline constexpr TwipsRect kCmdSysInfo{3960, 4200, 1245, 345};
inline constexpr TwipsRect kLabel1{2670, 1185, 3885, 735};
inline constexpr TwipsRect kLblTitle{2670, 330, 3885, 480};
inline constexpr TwipsRect kLblVersion{2670, 870, 3885, 225};

inline constexpr const char* kOkCaption = "OK";
inline constexpr const char* kSysInfoCaption = "&System Info...";
inline constexpr const char* kTitleAtDesign = "Application Title";
inline constexpr const char* kVersionAtDesign = "Version";
inline constexpr const char* kDescription =
    "With this program installed you can right click on any file name and select \"Pathnab\". "
    "This will copy the selected file name to the clip board. Try it!";

// The description label's height for a text that needs `needed` pixels at the label's width: a
// font wider than the design's must not cut the description off, so the label grows downwards
// into the free space above the buttons; it never shrinks below its `designed` height.
int DescriptionHeight(int designed, int needed);

}  // namespace about_design

}  // namespace pathnab
