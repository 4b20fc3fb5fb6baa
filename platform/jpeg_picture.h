// Decoding of the program's JPEG pictures with libjpeg, reporting a broken picture as an error.
#pragma once

#include <QByteArray>
#include <QImage>

#include <stdexcept>
#include <string>

namespace platform {

// A picture that cannot be decoded; the message is libjpeg's own description of the fault.
class PictureError : public std::runtime_error {
public:
    explicit PictureError(const std::string& message) : std::runtime_error(message) {}
};

// Decodes JPEG bytes at full size into an image of Format_RGB32, carrying the file's pixel
// density. Throws PictureError on any error or warning (a truncated file, a corrupt stream,
// bytes that are no JPEG at all, no bytes) rather than returning a partial picture.
QImage decodeJpeg(const QByteArray& bytes);

} // namespace platform
