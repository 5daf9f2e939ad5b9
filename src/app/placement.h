#pragma once
#include "app/main_window_ports.h"

namespace pathnab {

// What placing the window next to the cursor depends on. Lengths in twips unless named.
struct PlacementInput {
    CursorPosition cursor;  // pixels
    float twipsPerPixelX = 15;
    float twipsPerPixelY = 15;
    float outerWidth = 0;
    float outerHeight = 0;
    float clientWidth = 0;
    float clientHeight = 0;
    float screenWidth = 0;
    float screenHeight = 0;
};

struct WindowPosition {
    float left = 0;
    float top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// The window's outer top-left corner: its client area starts at the cursor's height, a sixth
// of its width left of the cursor, then pulled back onto the primary screen.
WindowPosition PlaceNextToCursor(const PlacementInput& in);

}  // namespace pathnab
