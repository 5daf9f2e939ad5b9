#pragma once
#include "about/about_design.h"

namespace pathnab {

// The main window as designed, twips; every view builds the same window from it. The list is
// laid over the whole client area at every resize, so the buttons lie behind it.
namespace main_window_design {

inline constexpr int kClientWidth = 7455;
inline constexpr int kClientHeight = 1725;
inline constexpr TwipsRect kList{0, 0, 4935, 1380};
inline constexpr TwipsRect kSelect{3600, 1440, 1365, 330};
inline constexpr TwipsRect kCancel{2115, 1440, 1455, 330};

}  // namespace main_window_design

}  // namespace pathnab
