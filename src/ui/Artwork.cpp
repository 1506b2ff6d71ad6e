#include "ui/Artwork.h"

#include "core/platform/JpegDecoder.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPalette>

#include <array>
#include <optional>

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

bool isJpeg(const QString& name) {
    return name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

// The file of the picture in the shade: its dark twin where it has one, else the picture itself,
// which then suits both.
QString inShade(const QString& name, Shade shade) {
    const qsizetype dot = name.lastIndexOf(u'.');
    if (shade == Shade::Light || dot <= 0)
        return name;
    const QString dark = name.left(dot) + QStringLiteral("_dark") + name.mid(dot);
    return QFile::exists(resourcePath(dark)) ? dark : name;
}

// The picture file as it is stored: JPEG pictures through JpegDecoder, PNG pictures through Qt.
QPixmap decode(const QString& name) {
    if (!isJpeg(name))
        return QPixmap(resourcePath(name));
    QFile file(resourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(JpegDecoder::decode(file.readAll()).image);
}

// On a high-density screen the double-size companion "name@2x.png" or "name@2x.jpg", marked
// with its pixel ratio so that it is laid out at the 1x size. Only the variant shown is
// decoded.
QPixmap load(const QString& name) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const qsizetype dot = name.lastIndexOf(u'.');
    if (ratio > 1.0 && dot > 0) {
        QPixmap doubled = decode(name.left(dot) + QStringLiteral("@2x") + name.mid(dot));
        if (!doubled.isNull()) {
            doubled.setDevicePixelRatio(2.0);
            return doubled;
        }
    }
    return decode(name);
}

// An icon that reads its picture file only when it is first drawn: menus, windows and
// buttons get their icons at start-up, but decoding them then would delay the first paint.
// It is drawn in the shade that suits the application's palette each time, so that menus
// follow the desktop when it turns dark or light.
class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(QString name) : m_name(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(m_name); }

private:
    // QIcon from a file name finds the @2x sibling itself.
    const QIcon& loaded() {
        const Shade shade = shadeFor(QGuiApplication::palette());
        std::optional<QIcon>& icon = m_icons.at(std::size_t(shade));
        if (!icon)
            icon.emplace(resourcePath(inShade(m_name, shade)));
        return *icon;
    }

    QString m_name;
    std::array<std::optional<QIcon>, 2> m_icons;
};

} // namespace

Shade shadeFor(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128 ? Shade::Dark : Shade::Light;
}

QPixmap pixmap(const QString& name, Shade shade) {
    static QHash<QString, QPixmap> cache;
    const QString file = inShade(name, shade);
    const auto found = cache.constFind(file);
    if (found != cache.constEnd())
        return *found;

    const QPixmap result = load(file);
    if (!result.isNull())
        cache.insert(file, result);
    return result;
}

QIcon icon(const QString& name) {
    if (isJpeg(name))
        return QIcon(pixmap(name));
    return QFile::exists(resourcePath(name)) ? QIcon(new DeferredIconEngine(name)) : QIcon();
}

} // namespace Artwork
