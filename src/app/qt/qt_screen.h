#pragma once
#include "app/main_window_ports.h"

namespace pathnab {

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
