#include "pixel_art.h"

#include <cstdio>
#include <cstdlib>

namespace {

QRgb colourOf(char letter) {
    switch (letter) {
    case '.':
        return qRgba(0, 0, 0, 0);
    case 'k':
        return qRgb(0, 0, 0);
    case 'm':
        return qRgb(128, 0, 0);
    case 'e':
        return qRgb(0, 128, 0);
    case 'o':
        return qRgb(128, 128, 0);
    case 'n':
        return qRgb(0, 0, 128);
    case 'p':
        return qRgb(128, 0, 128);
    case 't':
        return qRgb(0, 128, 128);
    case 's':
        return qRgb(192, 192, 192);
    case 'g':
        return qRgb(128, 128, 128);
    case 'r':
        return qRgb(255, 0, 0);
    case 'l':
        return qRgb(0, 255, 0);
    case 'y':
        return qRgb(255, 255, 0);
    case 'b':
        return qRgb(0, 0, 255);
    case 'f':
        return qRgb(255, 0, 255);
    case 'c':
        return qRgb(0, 255, 255);
    case 'w':
        return qRgb(255, 255, 255);
    }
    std::fprintf(stderr, "draw-pictures: no colour '%c'\n", letter);
    std::abort();
}

} // namespace

PixelArt::PixelArt(int width, int height) : m_image(width, height, QImage::Format_ARGB32) {
    m_image.fill(Qt::transparent);
}

void PixelArt::set(int x, int y, char colour) {
    m_image.setPixel(x, y, colourOf(colour));
}

void PixelArt::fill(int left, int top, int right, int bottom, char colour) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            set(x, y, colour);
}

void PixelArt::frame(int left, int top, int right, int bottom, char colour) {
    fill(left, top, right, top, colour);
    fill(left, bottom, right, bottom, colour);
    fill(left, top, left, bottom, colour);
    fill(right, top, right, bottom, colour);
}

QImage PixelArt::toImage() const {
    return toSixteenColours(m_image);
}

namespace {

// Every transparent pixel shares one palette entry, whatever colour it hides.
QRgb normalised(QRgb pixel) {
    return qAlpha(pixel) == 0 ? qRgba(0, 0, 0, 0) : pixel;
}

} // namespace

QImage toSixteenColours(const QImage& image) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> palette;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (!palette.contains(normalised(source.pixel(x, y))))
                palette.append(normalised(source.pixel(x, y)));
    if (palette.size() > 16) {
        std::fprintf(stderr, "draw-pictures: a picture of %d colours, at most 16 allowed\n",
                     static_cast<int>(palette.size()));
        std::abort();
    }
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            indexed.setPixel(x, y,
                             static_cast<uint>(palette.indexOf(normalised(source.pixel(x, y)))));
    return indexed;
}
