// libjpeg's decompressor with its errors turned into the runtime's error. libjpeg reports a
// fatal error by calling error_exit, which must not return; the decoder jumps back to its own
// frame with longjmp, so that frame holds nothing with a destructor and raises the C++ error
// only after the jump.
#include "windows/JpegImage.h"

#include "base/Errors.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared
#include <jpeglib.h>
#include <string>

namespace {

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Warnings (such as a premature end of data, which libjpeg pads) are not printed.
void NoOutput(j_common_ptr) {}

// Decodes into *out. Returns false with manager.Message set when libjpeg fails.
bool DecodeRgb(const unsigned char* data, unsigned long size, QImage* out, ErrorManager& manager) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&manager.Base);
    manager.Base.error_exit = ErrorExit;
    manager.Base.output_message = NoOutput;
    if (setjmp(manager.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB888);
    if (out->isNull()) {
        std::snprintf(manager.Message, sizeof manager.Message, "image of %ux%u too large",
                      info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    ErrorManager manager{};
    QImage image;
    if (!DecodeRgb(reinterpret_cast<const unsigned char*>(data.constData()),
                   static_cast<unsigned long>(data.size()), &image, manager))
        throw ERuntimeError(std::string("JPEG error: ") + manager.Message);
    return image;
}
