#pragma once

#include "core/platform/Outcome.h"

#include <QByteArray>
#include <QImage>

// A decoded picture, or why there is none.
struct [[nodiscard]] DecodedPicture : Outcome {
    QImage image;
};

// Decodes the JPEG pictures among the program's artwork with libjpeg.
class JpegDecoder final {
public:
    JpegDecoder() = delete;

    // The decoded picture; no picture and an error when the bytes are not a complete, valid
    // JPEG stream or declare more than 8192 pixels on a side or 64 megapixels. Never aborts
    // on bad input.
    static DecodedPicture decode(const QByteArray& jpegBytes);
};
