#include "app/qt/qt_screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace pathnab {
namespace {

QSize PrimaryScreenPixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

}  // namespace

TwipScale PrimaryScreenTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TwipScale(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()) : TwipScale(0.0);
}

CursorPosition QtScreen::CursorPos() {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

float QtScreen::WidthTwips() { return PrimaryScreenTwips().TwipsX(PrimaryScreenPixels().width()); }
float QtScreen::HeightTwips() { return PrimaryScreenTwips().TwipsY(PrimaryScreenPixels().height()); }
float QtScreen::TwipsPerPixelX() { return PrimaryScreenTwips().PerPixelX(); }
float QtScreen::TwipsPerPixelY() { return PrimaryScreenTwips().PerPixelY(); }

}  // namespace pathnab
