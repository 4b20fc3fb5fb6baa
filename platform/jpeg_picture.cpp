#include "jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace platform {
namespace {

// libjpeg's error manager extended with the way back out of a failed decode and the text of
// the first fault. A warning counts as a fault: libjpeg only warns about a truncated file and
// would otherwise hand back a picture whose missing part is grey.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
    bool failed;
};

ErrorTrap& trapOf(j_common_ptr info) {
    return *reinterpret_cast<ErrorTrap*>(info->err);
}

void recordFault(j_common_ptr info) {
    ErrorTrap& trap = trapOf(info);
    if (!trap.failed) {
        info->err->format_message(info, trap.message);
        trap.failed = true;
    }
}

[[noreturn]] void leaveOnError(j_common_ptr info) {
    recordFault(info);
    std::longjmp(trapOf(info).escape, 1);
}

void noteWarning(j_common_ptr info, int level) {
    // Level -1 is a warning about the data; higher levels are trace messages.
    if (level < 0)
        recordFault(info);
}

// Only plain C objects live in this frame, so the longjmp out of libjpeg skips no destructor.
// Returns false when libjpeg reported an error or a warning; trap.message then says which.
bool decodeInto(const QByteArray& bytes, QImage& image, ErrorTrap& trap) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = leaveOnError;
    trap.manager.emit_message = noteWarning;
    trap.failed = false;
    if (setjmp(trap.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull())
        ERREXIT(&info, JERR_OUT_OF_MEMORY);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    if (info.density_unit == 1) { // dots per inch
        image.setDotsPerMeterX(qRound(info.X_density / 0.0254));
        image.setDotsPerMeterY(qRound(info.Y_density / 0.0254));
    } else if (info.density_unit == 2) { // dots per centimetre
        image.setDotsPerMeterX(info.X_density * 100);
        image.setDotsPerMeterY(info.Y_density * 100);
    }
    jpeg_destroy_decompress(&info);
    return !trap.failed;
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes) {
    QImage image;
    ErrorTrap trap;
    if (!decodeInto(bytes, image, trap))
        throw PictureError(trap.message);
    return image;
}

} // namespace platform
