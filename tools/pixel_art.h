// Small pictures drawn pixel by pixel in the sixteen standard colours, kept as indexed images.
#pragma once

#include <QImage>

// A canvas of single pixels, each a colour letter: '.' transparent, 'k' black, 'm' maroon,
// 'e' green, 'o' olive, 'n' navy, 'p' purple, 't' teal, 's' silver, 'g' grey, 'r' red,
// 'l' lime, 'y' yellow, 'b' blue, 'f' fuchsia, 'c' aqua, 'w' white.
class PixelArt {
public:
    PixelArt(int width, int height);

    void set(int x, int y, char colour);
    // Corners are included.
    void fill(int left, int top, int right, int bottom, char colour);
    void frame(int left, int top, int right, int bottom, char colour);

    QImage toImage() const;

private:
    QImage m_image;
};

// The image in Format_Indexed8 with one palette entry per colour it uses. A picture of more
// than 16 colours is a drawing fault: it aborts the program with a message.
QImage toSixteenColours(const QImage& image);
