// The committed pictures are what the window expects: the schematics decode with our libjpeg
// decoder at their size and density, the splash is a 24-bit bitmap, the icon and the glyphs
// keep to 16 colours.
#include "jpeg_picture.h"

#include <QFile>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray readPicture(const char* name) {
    QFile file(QStringLiteral(PICTURE_FOLDER "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            colours.insert(argb.pixel(x, y));
    return static_cast<int>(colours.size());
}

int darkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
    return count;
}

const char* const schematicNames[] = {"Image1.jpg", "Image3.jpg", "Image2.jpg"};

TEST(Schematics, DecodeAt680By242WithADensityOf96DotsPerInch) {
    for (const char* name : schematicNames) {
        SCOPED_TRACE(name);
        const QByteArray bytes = readPicture(name);
        const QImage image = platform::decodeJpeg(bytes);
        EXPECT_EQ(image.size(), QSize(680, 242));
        // The JFIF header comes first: APP0, "JFIF", version, units 1 (dots per inch), X, Y.
        ASSERT_GT(bytes.size(), 18);
        EXPECT_EQ(bytes.mid(0, 4), QByteArray("\xFF\xD8\xFF\xE0"));
        EXPECT_EQ(bytes.mid(6, 5), QByteArray("JFIF", 5));
        EXPECT_EQ(bytes.at(13), 1);
        EXPECT_EQ(qFromBigEndian<quint16>(bytes.constData() + 14), 96);
        EXPECT_EQ(qFromBigEndian<quint16>(bytes.constData() + 16), 96);
    }
}

TEST(Schematics, AreBlackDrawingsOnWhite) {
    for (const char* name : schematicNames) {
        SCOPED_TRACE(name);
        const QImage image = platform::decodeJpeg(readPicture(name));
        const int total = image.width() * image.height();
        int white = 0;
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                white += qGray(p) > 230 ? 1 : 0;
                coloured += qAbs(qRed(p) - qBlue(p)) > 40 || qAbs(qRed(p) - qGreen(p)) > 40;
            }
        }
        EXPECT_GT(white, total * 80 / 100);
        EXPECT_GT(darkPixels(image), total * 3 / 100); // a drawing, not a blank page
        EXPECT_EQ(coloured, 0);
    }
}

TEST(Schematics, DifferFromEachOther) {
    const QImage images[] = {platform::decodeJpeg(readPicture(schematicNames[0])),
                             platform::decodeJpeg(readPicture(schematicNames[1])),
                             platform::decodeJpeg(readPicture(schematicNames[2]))};
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b) {
            SCOPED_TRACE(std::string(schematicNames[a]) + " and " + schematicNames[b]);
            int different = 0;
            for (int y = 0; y < images[a].height(); ++y)
                for (int x = 0; x < images[a].width(); ++x)
                    different +=
                        qAbs(qGray(images[a].pixel(x, y)) - qGray(images[b].pixel(x, y))) > 128;
            EXPECT_GT(different, 20); // at least a switch blade's worth of pixels
        }
    }
}

TEST(Splash, IsA400By300BitmapOf24BitsPerPixelOnBlueWithYellowLettering) {
    const QByteArray bytes = readPicture("Hello.bmp");
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<qint32>(bytes.constData() + 18), 400);
    EXPECT_EQ(qAbs(qFromLittleEndian<qint32>(bytes.constData() + 22)), 300);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 30), 0u); // uncompressed

    const QImage image = QImage::fromData(bytes, "BMP");
    ASSERT_EQ(image.size(), QSize(400, 300));
    const int total = image.width() * image.height();
    int blue = 0;
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            blue += qBlue(p) > 96 && qRed(p) < 64 && qGreen(p) < 64;
            yellow += qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 100;
        }
    }
    EXPECT_GT(blue, total * 60 / 100);
    EXPECT_GT(yellow, total * 4 / 100);
}

TEST(Glyphs, Are16By16InAtMost16ColoursOnATransparentGround) {
    for (const char* name :
         {"glyph_copy.png", "glyph_save.png", "glyph_measure.png", "glyph_exit.png"}) {
        SCOPED_TRACE(name);
        const QImage image = QImage::fromData(readPicture(name), "PNG");
        ASSERT_EQ(image.size(), QSize(16, 16));
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_LE(image.colorCount(), 16);
        for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
        EXPECT_GE(distinctColours(image), 3); // a picture, not a blot
    }
}

TEST(AppIcon, Is32By32InAtMost16Colours) {
    const QImage image = QImage::fromData(readPicture("app_icon.png"), "PNG");
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_LE(image.colorCount(), 16);
    EXPECT_GE(distinctColours(image), 2);
}

} // namespace
