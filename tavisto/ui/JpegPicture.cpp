#include "JpegPicture.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace tavisto {

namespace {

constexpr JDIMENSION kMaxSide = 4096;

// libjpeg's own error handler ends the process; this one jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf resume;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->resume, 1);
}

// Warnings (level -1) report corrupt data that libjpeg would paper over with grey: treat them
// as damage too. Trace messages (level >= 0) are ignored.
void stopOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        jumpBack(info);
}

void printNothing(j_common_ptr)
{ }

// Holds no objects with destructors, so that a jump back out of libjpeg skips nothing.
// `image` lives in the caller's frame and is only assigned through the reference.
bool decodeInto(const QByteArray& bytes, QImage& image)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.emit_message = stopOnWarning;
    errors.base.output_message = printNothing;
    if (setjmp(errors.resume)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width > kMaxSide || info.output_height > kMaxSide) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes)
{
    QImage image;
    if (!decodeInto(bytes, image))
        return {};
    return image;
}

QImage loadJpegResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}

}  // namespace tavisto
