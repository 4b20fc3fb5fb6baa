// Decoding of JPEG bytes through libjpeg: a sound picture comes back whole, a broken one throws.
#include "jpeg_picture.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>

namespace {

// Red on the left half, blue on the right, 96 dots per inch.
QByteArray twoColourJpeg() {
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(80, 0, 80, 120, Qt::blue);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 95));
    return bytes;
}

bool near(QRgb actual, QColor expected) {
    const int tolerance = 8;
    return qAbs(qRed(actual) - expected.red()) <= tolerance &&
           qAbs(qGreen(actual) - expected.green()) <= tolerance &&
           qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}

TEST(DecodeJpeg, GivesTheWholePictureWithItsColoursAndDensity) {
    const QImage image = platform::decodeJpeg(twoColourJpeg());
    EXPECT_EQ(image.size(), QSize(160, 120));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(near(image.pixel(20, 60), Qt::red));
    EXPECT_TRUE(near(image.pixel(140, 60), Qt::blue));
    EXPECT_TRUE(near(image.pixel(140, 119), Qt::blue)); // the last row is decoded too
    EXPECT_EQ(image.dotsPerMeterX(), 3780);
    EXPECT_EQ(image.dotsPerMeterY(), 3780);
}

struct BrokenCase {
    const char* name;
    QByteArray bytes;
    std::string message; // libjpeg's own text, expected inside the exception's message
};

TEST(DecodeJpeg, ThrowsWithLibjpegsMessageForBrokenInput) {
    const QByteArray good = twoColourJpeg();
    // Cut inside the compressed data: libjpeg decodes what is there and only warns.
    const qsizetype startOfScan = good.indexOf("\xFF\xDA");
    ASSERT_GT(startOfScan, 0);
    const QByteArray truncated = good.left(startOfScan + (good.size() - startOfScan) / 2);
    const BrokenCase cases[] = {
        {"truncated in the picture data", truncated, "Premature end of JPEG file"},
        {"truncated in the header", good.left(startOfScan), "Premature end of JPEG file"},
        {"garbage", QByteArray("this is not a picture at all"), "Not a JPEG file"},
        {"empty", QByteArray(), "Empty input file"},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            platform::decodeJpeg(c.bytes);
            ADD_FAILURE() << "no exception";
        } catch (const platform::PictureError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

} // namespace
