#include "schematic.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

constexpr int width = 680;
constexpr int height = 242;
constexpr double lineWidth = 1.4;
constexpr double rowY = 46; // the signal path along the top row

// The blocks, left to right along the top row and down the column under the filter output.
const QRectF signalSource(10, 22, 104, 48);
const QRectF matchedFilter(260, 22, 124, 48);
const QRectF thresholdDevice(462, 22, 104, 48);
const QRectF counter(596, 22, 76, 48);
const QRectF noiseSource(10, 184, 104, 44);
const QRectF squarer(382, 90, 68, 26);
const QRectF integrator(362, 130, 108, 48);
const QRectF recorder(360, 192, 112, 30);
const QPointF adder(218, rowY);
constexpr double adderRadius = 15;
const QPointF switchPivot(144, rowY);
const QPointF switchContact(176, rowY);
// The changeover switch at the filter output: its blade turns from the pivot either to the
// threshold device on the right or down to the squarer.
const QPointF outputPivot(416, rowY);
const QPointF thresholdContact(444, rowY);
const QPointF squarerContact(416, rowY + 26);
constexpr double ringRadius = 2.8;
// The amplifier: a triangle pointing up into the adder.
const QPointF amplifierTip(218, 96);
constexpr double amplifierBase = 138;
constexpr double amplifierHalfWidth = 20;

QFont labelFont(double pixels) {
    QFont font("Liberation Serif");
    font.setPixelSize(qRound(pixels));
    font.setItalic(true);
    return font;
}

class SchematicPainter {
public:
    explicit SchematicPainter(QImage& image) : m_painter(&image) {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        m_painter.setPen(QPen(Qt::black, lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        m_painter.setBrush(Qt::NoBrush);
    }

    void line(QPointF from, QPointF to) { m_painter.drawLine(from, to); }

    // A line ending in a filled arrowhead at `to`.
    void arrow(QPointF from, QPointF to) {
        const QPointF along = to - from;
        const double length = std::hypot(along.x(), along.y());
        const QPointF unit = along / length;
        const QPointF across(-unit.y(), unit.x());
        const double headLength = 9;
        const double headHalfWidth = 3.5;
        const QPointF base = to - unit * headLength;
        m_painter.drawLine(from, base);
        m_painter.save();
        m_painter.setBrush(Qt::black);
        m_painter.setPen(Qt::NoPen);
        m_painter.drawPolygon(
            QPolygonF{to, base + across * headHalfWidth, base - across * headHalfWidth});
        m_painter.restore();
    }

    void dot(QPointF centre) {
        m_painter.save();
        m_painter.setBrush(Qt::black);
        m_painter.setPen(Qt::NoPen);
        m_painter.drawEllipse(centre, ringRadius, ringRadius);
        m_painter.restore();
    }

    // An open contact: a small ring where a line may be joined.
    void terminal(QPointF centre) {
        m_painter.save();
        m_painter.setBrush(Qt::white);
        m_painter.drawEllipse(centre, ringRadius, ringRadius);
        m_painter.restore();
    }

    void rect(const QRectF& rect) { m_painter.drawRect(rect); }

    // A block with its label centred, one line of text per entry.
    void box(const QRectF& rect, const QStringList& lines, double fontPixels = 16) {
        m_painter.drawRect(rect);
        m_painter.setFont(labelFont(fontPixels));
        const QFontMetricsF metrics(m_painter.font());
        const double lineHeight = metrics.height() * 0.92;
        // Raised a little: Cyrillic descenders would otherwise touch the bottom edge.
        double y = rect.center().y() - lineHeight * lines.size() / 2 - 1.5;
        for (const QString& text : lines) {
            m_painter.drawText(QRectF(rect.left(), y, rect.width(), lineHeight), Qt::AlignCenter,
                               text);
            y += lineHeight;
        }
    }

    // Text whose baseline starts at `origin`, with an optional lowered or raised small part.
    // Returns where the next text on the same baseline would start.
    double text(QPointF origin, const QString& main, double pixels = 16) {
        m_painter.setFont(labelFont(pixels));
        m_painter.drawText(origin, main);
        return origin.x() + QFontMetricsF(m_painter.font()).horizontalAdvance(main);
    }
    double subscript(QPointF origin, const QString& small, double pixels = 16) {
        return text(origin + QPointF(0.5, pixels * 0.25), small, pixels * 0.68);
    }
    double superscript(QPointF origin, const QString& small, double pixels = 16) {
        return text(origin - QPointF(-0.5, pixels * 0.38), small, pixels * 0.68);
    }

    void polygon(const QPolygonF& points) { m_painter.drawPolygon(points); }
    void circle(QPointF centre, double radius) { m_painter.drawEllipse(centre, radius, radius); }

    // Text centred on a point, for signs inside symbols.
    void centredText(QPointF centre, const QString& text, const QFont& font) {
        m_painter.setFont(font);
        m_painter.drawText(QRectF(centre.x() - 20, centre.y() - 20, 40, 40), Qt::AlignCenter, text);
    }

private:
    QPainter m_painter;
};

void drawSignalBranch(SchematicPainter& p, bool signalOn) {
    p.box(signalSource, {"Источник", "сигнала"});
    const QPointF out(signalSource.right(), rowY);
    p.line(out, switchPivot);
    p.dot(switchPivot);
    p.terminal(switchContact);
    const double bladeLength = switchContact.x() - switchPivot.x();
    const double angle = signalOn ? 0.0 : 32.0 * std::numbers::pi / 180.0;
    p.line(switchPivot,
           switchPivot + QPointF(std::cos(angle), -std::sin(angle)) * (bladeLength - ringRadius));
    p.arrow(switchContact + QPointF(ringRadius, 0), adder - QPointF(adderRadius, 0));

    // The pulse that the source gives: its amplitude and its length.
    const double left = signalSource.left() + 8;
    double x = p.text(QPointF(left, 96), "V");
    x = p.subscript(QPointF(x, 96), "0");
    p.text(QPointF(x + 1, 96), " = 1 В");
    x = p.text(QPointF(left, 120), "τ");
    x = p.subscript(QPointF(x, 120), "и");
    p.text(QPointF(x + 1, 120), " = 100 мс");
}

void drawNoiseBranch(SchematicPainter& p) {
    p.circle(adder, adderRadius);
    QFont sigma("DejaVu Sans");
    sigma.setPixelSize(17);
    p.centredText(adder, "Σ", sigma);

    const QPolygonF amplifier{amplifierTip,
                              QPointF(amplifierTip.x() + amplifierHalfWidth, amplifierBase),
                              QPointF(amplifierTip.x() - amplifierHalfWidth, amplifierBase)};
    p.polygon(amplifier);
    p.arrow(amplifierTip, adder + QPointF(0, adderRadius));

    // The gain control enters the amplifier's right side halfway up.
    const double sideY = (amplifierTip.y() + amplifierBase) / 2;
    const double sideX = amplifierTip.x() + amplifierHalfWidth / 2;
    p.arrow(QPointF(sideX + 34, sideY), QPointF(sideX + 1, sideY));
    p.text(QPointF(sideX + 38, sideY + 5), "K");

    p.box(noiseSource, {"Источник", "шума"});
    const double noiseY = noiseSource.center().y();
    p.line(QPointF(noiseSource.right(), noiseY), QPointF(amplifierTip.x(), noiseY));
    p.arrow(QPointF(amplifierTip.x(), noiseY), QPointF(amplifierTip.x(), amplifierBase));
}

void drawDecisionBranch(SchematicPainter& p) {
    p.box(thresholdDevice, {"Пороговое", "устройство"});
    p.box(counter, {"Счётчик"});
    const double hX = thresholdDevice.center().x();
    p.arrow(QPointF(hX, thresholdDevice.bottom() + 32), QPointF(hX, thresholdDevice.bottom()));
    p.text(QPointF(hX + 6, thresholdDevice.bottom() + 32), "H");
    p.arrow(QPointF(thresholdDevice.right(), rowY), QPointF(counter.left(), rowY));

    p.terminal(thresholdContact);
    p.arrow(thresholdContact + QPointF(ringRadius, 0), QPointF(thresholdDevice.left(), rowY));
}

void drawIntegratorLabel(SchematicPainter& p) {
    const double midY = integrator.center().y();
    const double labelWidth = 74;
    double x = integrator.center().x() - labelWidth / 2;
    // The fraction 1/T.
    p.text(QPointF(x + 3, midY - 4), "1", 15);
    p.line(QPointF(x, midY), QPointF(x + 13, midY));
    p.text(QPointF(x + 2, midY + 14), "T", 15);
    x += 16;
    // The integral sign with its limits.
    QFont integral("DejaVu Sans");
    integral.setPixelSize(30);
    p.centredText(QPointF(x + 6, midY), "∫", integral);
    p.text(QPointF(x + 13, midY - 10), "t", 12);
    p.text(QPointF(x + 10, midY + 19), "0", 12);
    p.text(QPointF(x + 22, midY + 5), "(.)dt", 16);
}

void drawRecorderBranch(SchematicPainter& p) {
    p.rect(squarer);
    const double squarerBaseline = squarer.center().y() + 5;
    const double textWidth = 24;
    const double x =
        p.text(QPointF(squarer.center().x() - textWidth / 2 - 3, squarerBaseline), "(.)");
    p.superscript(QPointF(x, squarerBaseline), "2");

    p.rect(integrator);
    drawIntegratorLabel(p);
    p.box(recorder, {"Регистратор"});

    const double columnX = outputPivot.x();
    p.arrow(QPointF(columnX, squarer.bottom()), QPointF(columnX, integrator.top()));
    p.arrow(QPointF(columnX, integrator.bottom()), QPointF(columnX, recorder.top()));

    p.terminal(squarerContact);
    p.arrow(squarerContact + QPointF(0, ringRadius), QPointF(columnX, squarer.top()));
}

void drawOutputSwitch(SchematicPainter& p, bool toThreshold) {
    p.line(QPointF(matchedFilter.right(), rowY), outputPivot);
    p.dot(outputPivot);
    const QPointF contact = toThreshold ? thresholdContact : squarerContact;
    const QPointF reach = contact - outputPivot;
    p.line(outputPivot, outputPivot + reach * (1 - ringRadius / std::hypot(reach.x(), reach.y())));
}

} // namespace

QImage drawSchematic(BenchWiring wiring) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780); // 96 dots per inch
    image.setDotsPerMeterY(3780);
    SchematicPainter p(image);
    drawSignalBranch(p, wiring.signalOn);
    drawNoiseBranch(p);
    p.box(matchedFilter, {"Согласованный", "фильтр"});
    p.arrow(adder + QPointF(adderRadius, 0), QPointF(matchedFilter.left(), rowY));
    drawOutputSwitch(p, wiring.outputToThreshold);
    drawDecisionBranch(p);
    drawRecorderBranch(p);
    return image;
}
