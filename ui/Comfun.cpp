#include "Comfun.h"

#include "message_box.h"
#include "picture_box.h"
#include "question_box.h"
#include "save_dialog.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <array>
#include <charconv>
#include <new>
#include <optional>
#include <stdexcept>

QString DoubleToText(std::int32_t precision, double value) {
    // to_chars writes as printf's "%.Nf" and "%e" do in the C locale, whatever the user's
    // locale is; the buffer holds the longest fixed-point double (309 digits and 7 decimals).
    std::array<char, 400> text{};
    const bool fixed = precision >= 0 && precision <= 7;
    const auto result = fixed ? std::to_chars(text.data(), text.data() + text.size(), value,
                                              std::chars_format::fixed, precision)
                              : std::to_chars(text.data(), text.data() + text.size(), value,
                                              std::chars_format::scientific, 6);
    QString shown = QString::fromLatin1(text.data(), result.ptr - text.data());
    if (const qsizetype point = shown.indexOf(u'.'); point >= 0)
        shown[point] = u',';
    return shown;
}

namespace {

// The extension of the path's last component, from its last dot, in lower case; empty when
// that component has no dot.
QString lowerExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

// The path with the extension of its last component replaced by ".bmp", or ".bmp" appended.
QString withBitmapExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype cut = dot < 0 ? path.size() : path.size() - name.size() + dot;
    return path.left(cut) + QStringLiteral(".bmp");
}

// Writes through a temporary file in the same folder that replaces the target only once it
// is complete, so a failed write never damages a file that was there.
void writeBitmap(const QImage& image, const QString& path) {
    QSaveFile file(path);
    QImageWriter writer(&file, "BMP");
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        reason = file.errorString();
    else if (!writer.write(image))
        reason = writer.errorString();
    else if (!file.commit())
        reason = file.errorString();
    if (!reason.isEmpty())
        throw std::runtime_error(
            QStringLiteral("Не удаётся сохранить файл %1:\n%2").arg(path, reason).toStdString());
}

} // namespace

void SaveImageAsBitmap(const platform::PictureBox& image) {
    std::optional<QString> chosen;
    try {
        chosen = platform::runSaveDialog({QStringLiteral("bmp"), QStringLiteral("Bitmaps (*.bmp)"),
                                          QStringLiteral("Рисунок.bmp")});
    } catch (const std::bad_alloc&) {
        platform::showMessage(QStringLiteral("Не удаётся сохранить файл. Не достаточно памяти."));
        return;
    }
    if (!chosen)
        return;

    QString path = *chosen;
    const QString extension = lowerExtension(path);
    if (extension != QStringLiteral(".bmp")) {
        platform::showMessage(path + QStringLiteral(":\nФормат файлов ") + extension +
                              QStringLiteral(" не поддерживается.Произведена коррекция."));
        path = withBitmapExtension(path);
        // The dialog asked about the name the user chose, not about this one.
        if (QFileInfo::exists(path) &&
            !platform::askYesNo(QStringLiteral("Файл %1 уже существует.\nЗаменить его?").arg(path)))
            return;
    }
    writeBitmap(image.picture(), path);
}
