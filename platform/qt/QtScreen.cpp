#include "platform/qt/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace qv {

ScreenSize QtScreen::size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize size = screen->geometry().size();
    return {size.width(), size.height()};
}

} // namespace qv

namespace qv {

double QtScreen::devicePixelRatio() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace qv
