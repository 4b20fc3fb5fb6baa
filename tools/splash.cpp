#include "splash.h"

#include "pixel_art.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor ground(0, 0, 128);
const QColor gold(255, 255, 0);
const QColor paleGold(255, 255, 170);

// The logo: a pulse rising out of noise above a dashed threshold, the event the detector is
// built to notice. Drawn in `gold` inside `box`, with lines `pen` pixels wide.
void drawLogo(QPainter& painter, const QRectF& box, double pen) {
    const double w = box.width();
    const double h = box.height();
    auto at = [&](double fx, double fy) {
        return QPointF(box.left() + fx * w, box.top() + fy * h);
    };

    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    // The time axis.
    painter.drawLine(at(0.0, 0.92), at(1.0, 0.92));
    // Noise, then the pulse standing on it, then noise again.
    const double noise[] = {0.8, 0.64, 0.77, 0.68, 0.84, 0.62, 0.75, 0.7, 0.82};
    QPainterPath trace(at(0.0, 0.74));
    for (int i = 0; i < 9; ++i)
        trace.lineTo(at(0.03 + i * 0.037, noise[i]));
    trace.lineTo(at(0.36, 0.74));
    trace.lineTo(at(0.36, 0.1));
    trace.lineTo(at(0.64, 0.1));
    trace.lineTo(at(0.64, 0.74));
    for (int i = 0; i < 9; ++i)
        trace.lineTo(at(0.67 + i * 0.037, noise[(i + 4) % 9]));
    trace.lineTo(at(1.0, 0.74));
    painter.drawPath(trace);
    // The threshold.
    QPen dashed(gold, pen, Qt::CustomDashLine, Qt::FlatCap);
    dashed.setDashPattern({2.0, 1.5});
    painter.setPen(dashed);
    painter.drawLine(at(0.0, 0.42), at(1.0, 0.42));
    painter.restore();
}

QFont lettering(int pixels, bool bold) {
    QFont font("Liberation Serif");
    font.setPixelSize(pixels);
    font.setItalic(true);
    font.setBold(bold);
    return font;
}

void centredLine(QPainter& painter, double top, double height, const QString& text) {
    painter.drawText(QRectF(0, top, painter.device()->width(), height), Qt::AlignCenter, text);
}

} // namespace

QImage drawSplash() {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(ground);
    image.setDotsPerMeterX(3780); // 96 dots per inch
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A double frame: a broad outer line and a thin inner one.
    painter.setPen(QPen(gold, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(8, 8, 384, 284));
    painter.setPen(QPen(gold, 1.2));
    painter.drawRect(QRectF(15, 15, 370, 270));

    painter.setPen(paleGold);
    painter.setFont(lettering(17, false));
    centredLine(painter, 24, 26, "Лабораторная работа");

    painter.setPen(gold);
    painter.setFont(lettering(31, true));
    centredLine(painter, 54, 40, "Исследование");
    centredLine(painter, 92, 40, "обнаружителя сигналов");

    drawLogo(painter, QRectF(125, 140, 150, 84), 2.6);

    painter.setPen(paleGold);
    painter.setFont(lettering(16, false));
    centredLine(painter, 232, 22, "Дисперсия шума · ложная тревога · обнаружение");
    painter.setFont(lettering(12, false));
    centredLine(painter, 258, 18, "Щёлкните мышью, чтобы продолжить");
    return image;
}

QImage drawAppIcon() {
    // The logo again, drawn pixel by pixel with hard edges: at this size the smooth drawing
    // turns into a blur, and the icon keeps to a handful of colours.
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(gold);
    painter.drawRect(1, 1, 29, 29);
    painter.drawLine(3, 26, 28, 26); // the time axis
    painter.drawPolyline(QPolygon{{3, 22}, {5, 19}, {7, 23}, {9, 20}, {11, 22}});
    painter.drawPolyline(QPolygon{{20, 22}, {22, 19}, {24, 23}, {26, 20}, {28, 22}});
    painter.fillRect(11, 6, 2, 17, gold); // the pulse
    painter.fillRect(11, 6, 10, 2, gold);
    painter.fillRect(19, 6, 2, 17, gold);
    for (const int x : {3, 7, 14, 22, 26}) // the threshold
        painter.fillRect(x, 13, 3, 1, gold);
    painter.end();
    return toSixteenColours(image);
}
