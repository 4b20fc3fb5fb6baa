// The 16 x 16 menu glyphs, in sixteen colours on a transparent ground.
#pragma once

#include <QImage>

QImage drawCopyGlyph();    // a stack of written pages
QImage drawSaveGlyph();    // a floppy disk
QImage drawMeasureGlyph(); // a pocket calculator
QImage drawExitGlyph();    // an open door
