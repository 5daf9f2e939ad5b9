#pragma once
#include "about/twips.h"
#include "app/main_window_ports.h"

namespace pathnab {

// Twips and pixels at the primary screen's logical density.
TwipScale PrimaryScreenTwips();

// The mouse cursor and the primary screen as Qt sees them.
class QtScreen final : public Screen {
public:
    CursorPosition CursorPos() override;
    float WidthTwips() override;
    float HeightTwips() override;
    float TwipsPerPixelX() override;
    float TwipsPerPixelY() override;
};

}  // namespace pathnab
