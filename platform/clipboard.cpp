#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void copyImageToClipboard(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image, QClipboard::Clipboard);
}

} // namespace platform
