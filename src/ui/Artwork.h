#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's built-in pictures, embedded under ":/artwork".
namespace Artwork {

// The picture with the given file name, e.g. "splash.jpg" or "tb_save.png".
// JPEG pictures are decoded with JpegDecoder. On high-density screens the
// "name@2x.png" or "name@2x.jpg" companion is taken instead (device pixel
// ratio 2, same layout size). Pictures are cached; an unknown name gives a
// null pixmap.
QPixmap pixmap(const QString& name);

// The same picture as an icon; PNG pictures carry their @2x variant.
QIcon icon(const QString& name);

} // namespace Artwork
