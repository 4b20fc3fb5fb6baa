// Draws every picture that the program carries and writes them into one folder.
#include "glyphs.h"
#include "schematic.h"
#include "splash.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>

namespace {

bool write(const QImage& image, const QString& path, const char* format, int quality = -1) {
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "draw-pictures: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application, but no screen: draw offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral(DEFAULT_PICTURE_FOLDER));
    if (!folder.exists()) {
        std::fprintf(stderr, "draw-pictures: no folder %s\n", qPrintable(folder.path()));
        return EXIT_FAILURE;
    }
    // The JPEG quality is high because a line drawing shows every compression artefact.
    const int jpegQuality = 95;
    bool ok = write(drawSchematic({.signalOn = false, .outputToThreshold = false}),
                    folder.filePath("Image1.jpg"), "JPEG", jpegQuality);
    ok &= write(drawSchematic({.signalOn = false, .outputToThreshold = true}),
                folder.filePath("Image3.jpg"), "JPEG", jpegQuality);
    ok &= write(drawSchematic({.signalOn = true, .outputToThreshold = true}),
                folder.filePath("Image2.jpg"), "JPEG", jpegQuality);
    ok &= write(drawSplash(), folder.filePath("Hello.bmp"), "BMP");
    ok &= write(drawAppIcon(), folder.filePath("app_icon.png"), "PNG");
    ok &= write(drawCopyGlyph(), folder.filePath("glyph_copy.png"), "PNG");
    ok &= write(drawSaveGlyph(), folder.filePath("glyph_save.png"), "PNG");
    ok &= write(drawMeasureGlyph(), folder.filePath("glyph_measure.png"), "PNG");
    ok &= write(drawExitGlyph(), folder.filePath("glyph_exit.png"), "PNG");
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
