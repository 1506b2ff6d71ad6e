#include "core/platform/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// The largest picture taken: a header may declare far more than its bytes hold, and the
// decoder would ask for the memory before it finds out.
constexpr JDIMENSION kMaxSide = 8192;
constexpr unsigned long long kMaxPixels = 64ULL * 1000 * 1000;

bool withinBounds(const jpeg_decompress_struct& info) {
    return info.image_width <= kMaxSide && info.image_height <= kMaxSide &&
           static_cast<unsigned long long>(info.image_width) * info.image_height <= kMaxPixels;
}

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool warned;
};

[[noreturn]] void onError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    // Level -1 is a warning about corrupt data (for example a stream that
    // ends early, which libjpeg pads with grey); treat it as a failure.
    if (level < 0)
        reinterpret_cast<ErrorManager*>(info->err)->warned = true;
}

// Kept apart from decode() so that nothing with a destructor lives in the
// frame that setjmp returns into.
bool decodeInto(const QByteArray& bytes, QImage& image) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;

    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (!withinBounds(info)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0) {
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
    return !errors.warned;
}

} // namespace

DecodedPicture JpegDecoder::decode(const QByteArray& jpegBytes) {
    DecodedPicture picture;
    if (jpegBytes.isEmpty() || !decodeInto(jpegBytes, picture.image)) {
        picture.image = QImage();
        picture.error = QStringLiteral("Das Bild ist kein vollständiges JPEG-Bild von höchstens "
                                       "8192 Pixeln je Seite und 64 Megapixeln.");
    }
    return picture;
}
