// The splash picture and the application icon, which share the program's logo.
#pragma once

#include <QImage>

// 400 x 300 pixels, 24 bits per pixel once written as a bitmap.
QImage drawSplash();
// 32 x 32 pixels in sixteen colours.
QImage drawAppIcon();
