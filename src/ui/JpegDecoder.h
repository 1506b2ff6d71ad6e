#pragma once

#include <QByteArray>
#include <QImage>

// Decodes the JPEG pictures among the program's artwork with libjpeg.
class JpegDecoder final {
public:
    JpegDecoder() = delete;

    // Returns the decoded picture, or a null image when the bytes are not a
    // complete, valid JPEG stream or declare more than 8192 pixels on a side or 64
    // megapixels. Never aborts on bad input.
    static QImage decode(const QByteArray& jpegBytes);
};
