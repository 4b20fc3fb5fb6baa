#include "glyphs.h"

#include "pixel_art.h"

namespace {

constexpr int side = 16;

// A sheet with a black edge and lines of writing; later sheets cover earlier ones.
void page(PixelArt& art, int left, int top, char ink) {
    const int right = left + 8;
    const int bottom = top + 10;
    art.fill(left, top, right, bottom, 'w');
    art.frame(left, top, right, bottom, 'k');
    for (int y = top + 2; y <= bottom - 2; y += 2)
        art.fill(left + 2, y, y == bottom - 2 ? right - 3 : right - 2, y, ink);
}

} // namespace

QImage drawCopyGlyph() {
    PixelArt art(side, side);
    page(art, 1, 0, 'g');
    page(art, 4, 2, 'g');
    page(art, 7, 4, 'n');
    return art.toImage();
}

QImage drawSaveGlyph() {
    PixelArt art(side, side);
    art.fill(1, 1, 14, 14, 'n');
    art.frame(1, 1, 14, 14, 'k');
    art.set(14, 1, '.'); // the cut corner
    art.set(13, 2, 'k');
    // The metal shutter with its window onto the disk.
    art.fill(4, 2, 11, 6, 's');
    art.fill(9, 3, 10, 5, 'n');
    // The paper label.
    art.fill(3, 9, 12, 14, 'w');
    art.fill(3, 9, 12, 9, 'r');
    art.fill(4, 11, 11, 11, 'g');
    art.fill(4, 13, 9, 13, 'g');
    art.frame(1, 1, 14, 14, 'k');
    art.set(14, 1, '.');
    return art.toImage();
}

QImage drawMeasureGlyph() {
    PixelArt art(side, side);
    art.fill(2, 0, 13, 15, 's');
    art.frame(2, 0, 13, 15, 'k');
    // The display, showing a number.
    art.fill(4, 2, 11, 4, 'l');
    art.frame(4, 2, 11, 4, 'k');
    art.fill(7, 3, 10, 3, 'e');
    // Three rows of keys, the last key red.
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int x = 4 + column * 3;
            const int y = 7 + row * 3;
            const bool last = row == 2 && column == 2;
            art.fill(x, y, x + 1, y + 1, last ? 'r' : 'w');
            art.fill(x, y + 1, x + 1, y + 1, last ? 'm' : 'g');
        }
    }
    return art.toImage();
}

QImage drawExitGlyph() {
    PixelArt art(side, side);
    // The doorway, with daylight beyond it.
    art.fill(7, 3, 14, 15, 'y');
    art.frame(7, 3, 14, 15, 'k');
    art.fill(8, 14, 13, 14, 'o');
    // The door leaf, swung open towards the viewer on its hinges at the left post: its free
    // edge is nearer and looks taller.
    for (int x = 1; x <= 7; ++x) {
        const int top = 3 - (8 - x) / 2;
        const int bottom = 15;
        art.fill(x, top, x, bottom, x == 1 ? 'k' : 'm');
        art.set(x, top, 'k');
        art.set(x, bottom, 'k');
    }
    art.fill(3, 8, 3, 9, 'y'); // the handle
    return art.toImage();
}
