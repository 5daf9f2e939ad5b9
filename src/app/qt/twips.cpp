#include "app/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace pathnab {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kUsualDpi = 96;

int Rounded(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

TwipScale TwipScale::OfPrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpiX = screen && screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : kUsualDpi;
    const double dpiY = screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : kUsualDpi;
    return TwipScale(static_cast<float>(kTwipsPerInch / dpiX), static_cast<float>(kTwipsPerInch / dpiY));
}

int TwipScale::PixelsX(float twips) const { return Rounded(twips / static_cast<double>(perPixelX_)); }
int TwipScale::PixelsY(float twips) const { return Rounded(twips / static_cast<double>(perPixelY_)); }

}  // namespace pathnab
