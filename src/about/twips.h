#pragma once

namespace pathnab {

// A rectangle in twips (1/1440 inch).
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// A rectangle in screen pixels.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

// Twips and pixels at one screen density, one factor per axis: 1440 / the logical dots per
// inch twips to a pixel. A density that is not a usable number is taken as the usual one.
class TwipScale {
public:
    TwipScale(double dpiX, double dpiY);
    explicit TwipScale(double dpi) : TwipScale(dpi, dpi) {}

    float PerPixelX() const { return static_cast<float>(perPixelX_); }
    float PerPixelY() const { return static_cast<float>(perPixelY_); }
    // To the nearest pixel.
    int PixelsX(double twips) const;
    int PixelsY(double twips) const;
    float TwipsX(int pixels) const { return static_cast<float>(pixels * perPixelX_); }
    float TwipsY(int pixels) const { return static_cast<float>(pixels * perPixelY_); }
    PixelRect Pixels(const TwipsRect& rect) const;

private:
    double perPixelX_;
    double perPixelY_;
};

}  // namespace pathnab
