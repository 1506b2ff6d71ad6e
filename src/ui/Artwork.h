#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QPalette;

// The program's built-in pictures, embedded under ":/artwork".
namespace Artwork {

// The look of a picture: drawn for a light window or for a dark one.
enum class Shade { Light, Dark };

// The look that suits a palette: dark where its window colour is dark.
Shade shadeFor(const QPalette& palette);

// The picture with the given file name, e.g. "splash.jpg" or "tb_save.png", in the shade
// given: a picture drawn for dark windows is named "name_dark.png" and is taken where there
// is one. JPEG pictures are decoded with JpegDecoder. On high-density screens the
// "name@2x.png" or "name@2x.jpg" companion is taken instead (device pixel ratio 2, same
// layout size). Pictures are cached; an unknown name gives a null pixmap.
QPixmap pixmap(const QString& name, Shade shade = Shade::Light);

// The same picture as an icon; PNG pictures carry their @2x variant and are drawn in the
// shade that suits the application's palette at the time.
QIcon icon(const QString& name);

} // namespace Artwork
