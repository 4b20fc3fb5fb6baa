// The size of the primary screen, through a source that tests can replace.
#pragma once

#include <QSize>

#include <functional>

namespace platform {

using ScreenSizeSource = std::function<QSize()>;

// The primary screen's size in pixels, from the installed source.
QSize screenSize();

// Installs a source and returns the one it replaces; an empty source restores the real screen.
ScreenSizeSource setScreenSizeSource(ScreenSizeSource source);

} // namespace platform
