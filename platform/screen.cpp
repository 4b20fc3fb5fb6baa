#include "screen.h"

#include "seam.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace platform {
namespace {

QSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

Seam<QSize()>& screenSeam() {
    static Seam<QSize()> seam(primaryScreenSize);
    return seam;
}

} // namespace

QSize screenSize() {
    return screenSeam()();
}

ScreenSizeSource setScreenSizeSource(ScreenSizeSource source) {
    return screenSeam().replace(std::move(source));
}

} // namespace platform
