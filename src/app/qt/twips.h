#pragma once
#include <QPoint>
#include <QSize>

namespace pathnab {

// Twips per pixel of the primary screen: 1440 over its logical DPI, one factor per axis.
class TwipScale {
public:
    static TwipScale OfPrimaryScreen();

    float PerPixelX() const { return perPixelX_; }
    float PerPixelY() const { return perPixelY_; }
    int PixelsX(float twips) const;
    int PixelsY(float twips) const;
    float TwipsX(int pixels) const { return static_cast<float>(pixels * static_cast<double>(perPixelX_)); }
    float TwipsY(int pixels) const { return static_cast<float>(pixels * static_cast<double>(perPixelY_)); }

private:
    TwipScale(float perPixelX, float perPixelY) : perPixelX_(perPixelX), perPixelY_(perPixelY) {}
    float perPixelX_;
    float perPixelY_;
};

}  // namespace pathnab
