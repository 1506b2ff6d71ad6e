#pragma once

#include <QByteArray>
#include <QImage>

// Decodes the JPEG pictures among the program's artwork with libjpeg.
class JpegDecoder final {
public:
    JpegDecoder() = delete;

    // Returns the decoded picture, or a null image when the bytes are not a
    // complete, valid JPEG stream. Never aborts on bad input.
    static QImage decode(const QByteArray& jpegBytes);
};
