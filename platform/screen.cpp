#include "screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace platform {
namespace {

QSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

ScreenSizeSource& installedSource() {
    static ScreenSizeSource source = primaryScreenSize;
    return source;
}

} // namespace

QSize screenSize() {
    return installedSource()();
}

ScreenSizeSource setScreenSizeSource(ScreenSizeSource source) {
    if (!source)
        source = primaryScreenSize;
    return std::exchange(installedSource(), std::move(source));
}

} // namespace platform
