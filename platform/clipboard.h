// The system clipboard's picture format.
#pragma once

#include <QImage>

namespace platform {

// Replaces whatever the clipboard held with the picture; other programs can paste it as long
// as this program runs.
void copyImageToClipboard(const QImage& image);

} // namespace platform
