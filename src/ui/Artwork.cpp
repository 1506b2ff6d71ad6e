#include "ui/Artwork.h"

#include "ui/JpegDecoder.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>

// The pictures are compiled into a static library, so they are registered by hand before
// their first use.
static void registerArtwork() {
    Q_INIT_RESOURCE(artwork);
}

namespace Artwork {

namespace {

QString resourcePath(const QString& name) {
    static const bool registered = (registerArtwork(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/artwork/") + name;
}

// On a high-density screen the double-size companion "name@2x.png", marked
// with its pixel ratio so that it is laid out at the 1x size.
QPixmap loadPng(const QString& name) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0 && name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        QPixmap doubled(resourcePath(name.chopped(4) + QStringLiteral("@2x.png")));
        if (!doubled.isNull()) {
            doubled.setDevicePixelRatio(2.0);
            return doubled;
        }
    }
    return QPixmap(resourcePath(name));
}

QPixmap loadJpeg(const QString& name) {
    QFile file(resourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(JpegDecoder::decode(file.readAll()).image);
}

} // namespace

QPixmap pixmap(const QString& name) {
    static QHash<QString, QPixmap> cache;
    const auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;

    const QPixmap result =
        name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ? loadJpeg(name) : loadPng(name);
    if (!result.isNull())
        cache.insert(name, result);
    return result;
}

QIcon icon(const QString& name) {
    if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        return QIcon(pixmap(name));
    // QIcon from a file name finds the @2x sibling itself.
    return QFile::exists(resourcePath(name)) ? QIcon(resourcePath(name)) : QIcon();
}

} // namespace Artwork
