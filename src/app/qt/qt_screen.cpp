#include "app/qt/qt_screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "app/qt/twips.h"

namespace pathnab {
namespace {

QSize PrimaryScreenPixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

}  // namespace

CursorPosition QtScreen::CursorPos() {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

float QtScreen::WidthTwips() { return TwipScale::OfPrimaryScreen().TwipsX(PrimaryScreenPixels().width()); }
float QtScreen::HeightTwips() { return TwipScale::OfPrimaryScreen().TwipsY(PrimaryScreenPixels().height()); }
float QtScreen::TwipsPerPixelX() { return TwipScale::OfPrimaryScreen().PerPixelX(); }
float QtScreen::TwipsPerPixelY() { return TwipScale::OfPrimaryScreen().PerPixelY(); }

}  // namespace pathnab
