// Draws every picture of Quillmark and writes it into the directory given on
// the command line (normally src/ui/artwork). Small PNG pictures are written
// at 1x and as name@2x.png; photo-like pictures (splash, banners, frame
// layout diagrams) are written as JPEG, at 1x and as name@2x.jpg. Each picture
// that sits on a window's background or in a menu is also drawn for dark
// windows, as name_dark.png or name_dark.jpg (and its @2x companion). The
// resource file artwork.qrc is written next to the output directory so it
// always lists exactly what was drawn.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// The colours every picture is drawn from, by the role they play. Each picture that sits on a
// window's background or in a menu is drawn twice: in the light colours for light windows and in
// the dark ones, whose pictures carry the "_dark" suffix, for dark windows.
struct Palette {
    const char* suffix;
    QColor ink;     // outlines, strokes and lettering
    QColor inkDark; // the darkest outlines
    QColor teal;
    QColor tealDark;
    QColor tealLight;
    QColor paper;      // the calm fills: banners, paper labels, the lower end of a face
    QColor paperShade; // a shade deeper than paper
    QColor paperEdge;  // the rim of a toolbar tile and a banner's bottom line
    QColor amber;
    QColor amberDark;
    QColor amberLight;
    QColor grey;
    QColor greyLight;
    QColor rust;
    QColor sheet;      // a sheet of paper inside a glyph
    QColor faceTop;    // the upper end of a tile's, key's or banner's face
    QColor pressedTop; // a pressed tile's face
    QColor pressedBottom;
    QColor keyRim;        // the rim of a position or Enter key
    QColor highlight;     // the lit upper edge of a face
    QColor shadow;        // the lower edge of a face
    QColor pressedShadow; // the upper and left inner edges of a pressed face
    QColor dropShadow;    // under a raised window
    QColor barBottom;     // the lower end of the post-editor's toolbar
    QColor bandStart;     // the third banner's band, from left to right
    QColor bandEnd;
    QColor onBand; // the writing and the quill on the band
};

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);

QColor alpha(QColor c, int a) {
    c.setAlpha(a);
    return c;
}

// The relative luminance of the colour, as the contrast of text and pictures is measured.
qreal luminance(const QColor& colour) {
    const auto linear = [](qreal v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Lettering that reads on the fill: white on deep colours, a dark blue on bright ones.
QColor legibleOn(const QColor& fill) {
    return luminance(fill) > 0.3 ? QColor(0x14, 0x27, 0x42) : kWhite;
}

const Palette kLight{
    .suffix = "",
    .ink = QColor(0x1F, 0x3A, 0x5F),
    .inkDark = QColor(0x14, 0x27, 0x42),
    .teal = QColor(0x2A, 0x9D, 0x8F),
    .tealDark = QColor(0x1E, 0x74, 0x6A),
    .tealLight = QColor(0x8E, 0xCF, 0xC6),
    .paper = QColor(0xF7, 0xF3, 0xE8),
    .paperShade = QColor(0xE6, 0xDE, 0xC9),
    .paperEdge = QColor(0xC9, 0xBF, 0xA8),
    .amber = QColor(0xE9, 0xA2, 0x3B),
    .amberDark = QColor(0xB0, 0x72, 0x1B),
    .amberLight = QColor(0xF6, 0xCC, 0x84),
    .grey = QColor(0x8A, 0x93, 0xA0),
    .greyLight = QColor(0xC8, 0xCD, 0xD5),
    .rust = QColor(0xC2, 0x55, 0x3B),
    .sheet = kWhite,
    .faceTop = kWhite,
    .pressedTop = QColor(0xE8, 0xF2, 0xEF),
    .pressedBottom = QColor(0xEE, 0xF4, 0xF2),
    .keyRim = QColor(0x8A, 0x93, 0xA0),
    .highlight = alpha(kWhite, 230),
    .shadow = alpha(QColor(0xC9, 0xBF, 0xA8), 160),
    .pressedShadow = alpha(QColor(0x14, 0x27, 0x42), 70),
    .dropShadow = alpha(QColor(0x14, 0x27, 0x42), 40),
    .barBottom = QColor(0xF0, 0xEA, 0xDC),
    .bandStart = QColor(0x2A, 0x9D, 0x8F),
    .bandEnd = QColor(0x1F, 0x3A, 0x5F),
    .onBand = QColor(0xF7, 0xF3, 0xE8),
};

// Light strokes on faces a little above a dark window's own grey.
const Palette kDark{
    .suffix = "_dark",
    .ink = QColor(0xC3, 0xD3, 0xE8),
    .inkDark = QColor(0xE4, 0xEC, 0xF6),
    .teal = QColor(0x4F, 0xC3, 0xB4),
    .tealDark = QColor(0x3B, 0xA7, 0x99),
    .tealLight = QColor(0x2E, 0x6B, 0x64),
    .paper = QColor(0x37, 0x3A, 0x40),
    .paperShade = QColor(0x30, 0x33, 0x38),
    .paperEdge = QColor(0x5F, 0x66, 0x70),
    .amber = QColor(0xE9, 0xA2, 0x3B),
    .amberDark = QColor(0xC2, 0x83, 0x27),
    .amberLight = QColor(0xF6, 0xCC, 0x84),
    .grey = QColor(0x9A, 0xA3, 0xAF),
    .greyLight = QColor(0x4E, 0x55, 0x5F),
    .rust = QColor(0xE4, 0x78, 0x5C),
    .sheet = QColor(0x2B, 0x2F, 0x35),
    .faceTop = QColor(0x3C, 0x40, 0x46),
    .pressedTop = QColor(0x32, 0x3C, 0x3B),
    .pressedBottom = QColor(0x35, 0x42, 0x3F),
    .keyRim = QColor(0x6A, 0x71, 0x7C),
    .highlight = alpha(kWhite, 36),
    .shadow = alpha(kBlack, 90),
    .pressedShadow = alpha(kBlack, 110),
    .dropShadow = alpha(kBlack, 90),
    .barBottom = QColor(0x32, 0x35, 0x3A),
    .bandStart = QColor(0x2F, 0xA5, 0x96),
    .bandEnd = QColor(0x5A, 0x93, 0xD0),
    .onBand = QColor(0xF7, 0xF3, 0xE8),
};

const QString kSerif = QStringLiteral("P052");
const QString kSans = QStringLiteral("DejaVu Sans");
const QString kMono = QStringLiteral("DejaVu Sans Mono");

using Draw = std::function<void(QPainter&)>;
// A glyph on the 16x16 grid of the menu pictures and the toolbar tiles.
using Glyph = void (*)(QPainter&, const Palette&);

QDir g_out;
QStringList g_files;

QFont font(const QString& family, qreal pixelSize, bool bold = false, bool italic = false) {
    QFont f(family);
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QImage render(QSize size, int scale, const Draw& draw, const QColor& background) {
    QImage img(size * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(background);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    draw(p);
    p.end();
    return img;
}

void record(const QString& file) {
    g_files << file;
    std::printf("  %s\n", qPrintable(file));
}

// Writes the picture in the palette's colours, named after it: "<base><suffix>.png".
void writePng(const Palette& c, const QString& base, QSize size, const Draw& draw,
              bool withDouble = true) {
    for (int scale : {1, 2}) {
        if (scale == 2 && !withDouble)
            break;
        const QString file = base + QLatin1String(c.suffix) +
                             (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
        const QImage img = render(size, scale, draw, Qt::transparent);
        if (!img.save(g_out.filePath(file), "PNG"))
            qFatal("cannot write %s", qPrintable(file));
        record(file);
    }
}

void writeJpg(const Palette& c, const QString& base, QSize size, const Draw& draw) {
    for (int scale : {1, 2}) {
        const QString file = base + QLatin1String(c.suffix) +
                             (scale == 2 ? QStringLiteral("@2x.jpg") : QStringLiteral(".jpg"));
        const QImage img =
            render(size, scale, draw, c.paper).convertToFormat(QImage::Format_RGB888);
        QImageWriter writer(g_out.filePath(file), "jpeg");
        writer.setQuality(90);
        if (!writer.write(img))
            qFatal("cannot write %s: %s", qPrintable(file), qPrintable(writer.errorString()));
        record(file);
    }
}

// ---------------------------------------------------------------------------
// Shared motifs

// A feather quill from the nib point to the tip of the vane.
void drawQuill(QPainter& p, QPointF nib, QPointF tip, qreal w, const QColor& vane,
               const QColor& vaneDark, const QColor& shaft, const QColor& nibColor) {
    const QLineF axis(nib, tip);
    const qreal L = axis.length();
    p.save();
    p.translate(nib);
    p.rotate(-axis.angle());

    QPainterPath vanePath;
    vanePath.moveTo(0.27 * L, 0);
    vanePath.cubicTo(0.38 * L, -1.05 * w, 0.78 * L, -1.18 * w, L, 0);
    vanePath.cubicTo(0.84 * L, 0.82 * w, 0.50 * L, 0.86 * w, 0.30 * L, 0.24 * w);
    vanePath.closeSubpath();

    QLinearGradient g(0, -w, 0, w);
    g.setColorAt(0.0, vane.lighter(115));
    g.setColorAt(0.5, vane);
    g.setColorAt(1.0, vane.darker(112));
    p.setPen(QPen(vaneDark, qMax(0.6, w * 0.06)));
    p.setBrush(g);
    p.drawPath(vanePath);

    // Barbs: fine strokes sweeping from the shaft towards the tip.
    p.save();
    p.setClipPath(vanePath);
    p.setPen(QPen(alpha(vaneDark, 120), qMax(0.5, w * 0.07), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const qreal t = (0.36 + i * 0.085) * L;
        p.drawLine(QPointF(t, 0), QPointF(t + 0.16 * L, -1.2 * w));
        p.drawLine(QPointF(t, 0), QPointF(t + 0.14 * L, 1.0 * w));
    }
    p.restore();

    p.setPen(QPen(shaft, qMax(0.8, w * 0.13), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.2 * L, 0), QPointF(0.975 * L, 0));

    QPainterPath nibPath;
    nibPath.moveTo(0, 0);
    nibPath.quadTo(0.10 * L, -0.24 * w, 0.27 * L, -0.21 * w);
    nibPath.lineTo(0.27 * L, 0.21 * w);
    nibPath.quadTo(0.10 * L, 0.24 * w, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(nibColor);
    p.drawPath(nibPath);
    p.setPen(QPen(alpha(kWhite, 150), qMax(0.4, w * 0.05)));
    p.drawLine(QPointF(0.03 * L, 0), QPointF(0.15 * L, 0));
    p.restore();
}

// A sheet with its upper right corner folded over.
void drawPage(QPainter& p, const Palette& c, const QRectF& r, qreal fold, const QColor& fill,
              const QColor& stroke, qreal penWidth) {
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    QPen pen(stroke, penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(fill);
    p.drawPath(sheet);

    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(c.paperShade);
    p.drawPath(corner);
}

// The tag sign "</>" inside the given box.
void drawBrackets(QPainter& p, const QRectF& r, const QColor& c, qreal penWidth) {
    const qreal h = r.height();
    const qreal cw = h * 0.42;
    const qreal cy = r.center().y();
    QPen pen(c, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(r.left() + cw, r.top()), QPointF(r.left(), cy),
                              QPointF(r.left() + cw, r.bottom())}));
    p.drawPolyline(QPolygonF({QPointF(r.right() - cw, r.top()), QPointF(r.right(), cy),
                              QPointF(r.right() - cw, r.bottom())}));
    const qreal cx = r.center().x();
    p.drawLine(QPointF(cx + h * 0.16, r.top()), QPointF(cx - h * 0.16, r.bottom()));
}

// Short rounded bars standing for lines of text.
void drawTextBars(QPainter& p, qreal x, qreal y, const QList<qreal>& widths, qreal step,
                  qreal thickness, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (qreal w : widths) {
        p.drawRoundedRect(QRectF(x, y, w, thickness), thickness / 2, thickness / 2);
        y += step;
    }
}

// ---------------------------------------------------------------------------
// Glyphs on a 16x16 grid; strokes of 1 px sit on half pixels so they stay
// sharp at 1x and 2x. Used by the menu pictures and inside the toolbar tiles.

void glyphNew(QPainter& p, const Palette& c) {
    drawPage(p, c, QRectF(2.5, 1.5, 10, 13), 3, c.sheet, c.ink, 1);
    p.setPen(QPen(c.amberDark, 1));
    p.setBrush(c.amber);
    p.drawEllipse(QPointF(12.5, 12.5), 3, 3);
    p.setPen(QPen(kWhite, 1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12.5, 10.5), QPointF(12.5, 14.5));
    p.drawLine(QPointF(10.5, 12.5), QPointF(14.5, 12.5));
}

void glyphOpen(QPainter& p, const Palette& c) {
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(7, 5);
    back.lineTo(12.5, 5);
    back.lineTo(12.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.setPen(QPen(c.amberDark, 1));
    p.setBrush(c.amber.darker(108));
    p.drawPath(back);
    p.setBrush(c.sheet);
    p.setPen(QPen(c.grey, 1));
    p.drawRect(QRectF(3.5, 6.5, 8, 4));
    QPainterPath flap;
    flap.moveTo(3.5, 8.5);
    flap.lineTo(15.5, 8.5);
    flap.lineTo(12.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    QLinearGradient g(0, 8.5, 0, 13.5);
    g.setColorAt(0, c.amberLight);
    g.setColorAt(1, c.amber);
    p.setPen(QPen(c.amberDark, 1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(flap);
}

void glyphSave(QPainter& p, const Palette& c) {
    QPainterPath body;
    body.moveTo(2.5, 2.5);
    body.lineTo(11.5, 2.5);
    body.lineTo(13.5, 4.5);
    body.lineTo(13.5, 13.5);
    body.lineTo(2.5, 13.5);
    body.closeSubpath();
    p.setPen(QPen(c.inkDark, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(c.ink);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(c.greyLight);
    p.drawRect(QRectF(5, 3, 6, 3.5));
    p.setBrush(c.ink);
    p.drawRect(QRectF(9, 3.5, 1.5, 2.5));
    p.setBrush(c.paper);
    p.drawRect(QRectF(4, 8, 8, 5));
    p.setBrush(c.teal);
    p.drawRect(QRectF(5, 9.5, 6, 1));
    p.drawRect(QRectF(5, 11, 4, 1));
}

void glyphPrint(QPainter& p, const Palette& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(c.sheet);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    QLinearGradient g(0, 5.5, 0, 12.5);
    g.setColorAt(0, c.greyLight.lighter(110));
    g.setColorAt(1, c.grey);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 7), 1.5, 1.5);
    p.setBrush(c.sheet);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(c.teal);
    p.drawRect(QRectF(6, 11, 4, 1));
    p.drawRect(QRectF(6, 13, 3, 1));
    p.setBrush(c.amber);
    p.drawEllipse(QPointF(12.5, 7.5), 0.9, 0.9);
}

void glyphPreview(QPainter& p, const Palette& c) {
    drawPage(p, c, QRectF(1.5, 1.5, 9, 12), 3, c.sheet, c.ink, 1);
    drawTextBars(p, 3.5, 5, {4, 5, 3}, 2, 1, c.teal);
    p.setPen(QPen(c.ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.2, 12.2), QPointF(14.6, 14.6));
    p.setPen(QPen(c.ink, 1.4));
    p.setBrush(alpha(c.tealLight, 170));
    p.drawEllipse(QPointF(9.5, 9.5), 3.6, 3.6);
}

// A page going up to the web: a globe behind, an arrow rising from the page.
void glyphPublish(QPainter& p, const Palette& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(alpha(c.tealLight, 200));
    p.drawEllipse(QPointF(10, 6), 5, 5);
    p.setPen(QPen(c.tealDark, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 6), 2.1, 5);
    p.drawLine(QPointF(5, 6), QPointF(15, 6));
    drawPage(p, c, QRectF(1.5, 6.5, 7, 8.5), 2, c.sheet, c.ink, 1);
    drawTextBars(p, 3, 10, {4, 3}, 2, 1, c.teal);
    p.setPen(QPen(c.amberDark, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(12, 14.5), QPointF(12, 8.5));
    p.drawPolyline(QPolygonF({QPointF(9.6, 10.8), QPointF(12, 8.2), QPointF(14.4, 10.8)}));
}

void glyphCut(QPainter& p, const Palette& c) {
    p.setPen(QPen(c.ink, 1.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.2, 9.8), QPointF(11.5, 1.5));
    p.drawLine(QPointF(9.8, 9.8), QPointF(4.5, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(c.amber);
    p.drawEllipse(QPointF(8, 7), 1, 1);
    p.setPen(QPen(c.tealDark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 11.5), 2.4, 2.4);
    p.drawEllipse(QPointF(11.5, 11.5), 2.4, 2.4);
}

void glyphCopy(QPainter& p, const Palette& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(c.paper);
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.setBrush(c.sheet);
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
    drawTextBars(p, 8, 7, {5, 4, 5}, 2, 1, c.teal);
}

void glyphPaste(QPainter& p, const Palette& c) {
    // A board of brown wood, dark enough to stand out from a light window.
    p.setPen(QPen(c.amberDark.darker(125), 1));
    p.setBrush(c.amberDark);
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.5, 1.5);
    p.setPen(QPen(c.ink, 1));
    p.setBrush(c.greyLight);
    p.drawRoundedRect(QRectF(4.5, 1.5, 4, 2.5), 0.8, 0.8);
    p.setBrush(c.sheet);
    p.drawRect(QRectF(6.5, 6.5, 8, 8));
    drawTextBars(p, 8, 9, {5, 3}, 2, 1, c.teal);
}

void glyphDelete(QPainter& p, const Palette& c) {
    p.setPen(QPen(c.rust, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void glyphHelp(QPainter& p, const Palette& c) {
    QRadialGradient g(QPointF(6, 5), 9);
    g.setColorAt(0, c.teal.lighter(120));
    g.setColorAt(1, c.teal);
    p.setPen(QPen(c.tealDark, 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(legibleOn(c.teal));
    p.setFont(font(kSans, 11, true));
    p.drawText(QRectF(1.5, 1.5, 13, 13.5), Qt::AlignCenter, QStringLiteral("?"));
}

void glyphHtmlHelp(QPainter& p, const Palette& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(c.sheet);
    p.drawRect(QRectF(2.5, 1.5, 11, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(c.ink);
    p.drawRect(QRectF(2.5, 1.5, 2.5, 13.5));
    p.setBrush(c.amber);
    QPainterPath ribbon;
    ribbon.moveTo(10, 1);
    ribbon.lineTo(12, 1);
    ribbon.lineTo(12, 4.5);
    ribbon.lineTo(11, 3.5);
    ribbon.lineTo(10, 4.5);
    ribbon.closeSubpath();
    p.drawPath(ribbon);
    // At this size only the two angle brackets stay legible.
    p.setPen(QPen(c.teal, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(8.2, 5.5), QPointF(6, 8.5), QPointF(8.2, 11.5)}));
    p.drawPolyline(QPolygonF({QPointF(10.8, 5.5), QPointF(13, 8.5), QPointF(10.8, 11.5)}));
}

// ---------------------------------------------------------------------------
// Buttons

// The toolbar's 25x25 tile: raised when released, sunken and tinted when
// pressed, with the glyph moved one pixel towards the lower right.
Draw toolbarButton(const Palette& c, Glyph glyph, bool pressed) {
    return [&c, glyph, pressed](QPainter& p) {
        const QRectF tile(0.5, 0.5, 24, 24);
        QLinearGradient g(0, 0, 0, 25);
        g.setColorAt(0, pressed ? c.pressedTop : c.faceTop);
        g.setColorAt(1, pressed ? c.pressedBottom : c.paper);
        p.setPen(QPen(pressed ? c.tealDark : c.paperEdge, 1));
        p.setBrush(g);
        p.drawRoundedRect(tile, 4, 4);
        p.setBrush(Qt::NoBrush);
        if (pressed) {
            p.setPen(QPen(c.pressedShadow, 1));
            p.drawLine(QPointF(3, 1.5), QPointF(22, 1.5));
            p.drawLine(QPointF(1.5, 3), QPointF(1.5, 22));
        } else {
            p.setPen(QPen(c.highlight, 1));
            p.drawLine(QPointF(3, 1.5), QPointF(22, 1.5));
            p.setPen(QPen(c.shadow, 1));
            p.drawLine(QPointF(3, 23.5), QPointF(22, 23.5));
        }
        p.save();
        p.translate(pressed ? 5 : 4, pressed ? 5 : 4);
        glyph(p, c);
        p.restore();
    };
}

enum class Align { Left, Center, Right };

// The 23x22 text-position button of the text formats.
Draw positionButton(const Palette& c, Align align, bool pressed) {
    return [&c, align, pressed](QPainter& p) {
        const QRectF r(0.5, 0.5, 22, 21);
        QLinearGradient g(0, 0, 0, 22);
        g.setColorAt(0, pressed ? c.pressedTop : c.faceTop);
        g.setColorAt(1, pressed ? c.pressedBottom : c.paperShade);
        p.setPen(QPen(pressed ? c.tealDark : c.keyRim, 1));
        p.setBrush(g);
        p.drawRoundedRect(r, 3, 3);
        p.setBrush(Qt::NoBrush);
        if (pressed) {
            p.setPen(QPen(c.pressedShadow, 1));
            p.drawLine(QPointF(2.5, 1.5), QPointF(20.5, 1.5));
            p.drawLine(QPointF(1.5, 2.5), QPointF(1.5, 19.5));
        } else {
            p.setPen(QPen(c.highlight, 1));
            p.drawLine(QPointF(2.5, 1.5), QPointF(20.5, 1.5));
            p.drawLine(QPointF(1.5, 2.5), QPointF(1.5, 19.5));
            p.setPen(QPen(c.shadow, 1));
            p.drawLine(QPointF(2.5, 19.5), QPointF(20.5, 19.5));
        }
        const int shift = pressed ? 1 : 0;
        const QList<int> widths{13, 8, 13, 10};
        p.setPen(Qt::NoPen);
        p.setBrush(pressed ? c.tealDark : c.ink);
        int y = 5 + shift;
        for (int w : widths) {
            int x = 5;
            if (align == Align::Center)
                x = 5 + (13 - w) / 2;
            else if (align == Align::Right)
                x = 18 - w;
            p.drawRect(QRectF(x + shift, y, w, 2));
            y += 3;
        }
    };
}

// ---------------------------------------------------------------------------
// Larger pictures

void drawSplash(QPainter& p) {
    const Palette& c = kLight;
    const QRectF all(0, 0, 480, 300);
    QLinearGradient bg(0, 0, 480, 300);
    bg.setColorAt(0, c.ink.lighter(112));
    bg.setColorAt(1, c.inkDark);
    p.fillRect(all, bg);
    QRadialGradient glow(QPointF(120, 150), 190);
    glow.setColorAt(0, alpha(c.teal, 90));
    glow.setColorAt(1, alpha(c.teal, 0));
    p.fillRect(all, glow);

    // Faint tag signs in the background.
    p.setFont(font(kMono, 11));
    p.setPen(alpha(c.paper, 16));
    const QStringList tags{"<p>",  "<h1>",    "<a>",  "<img>", "<ul>",
                           "<li>", "<table>", "<br>", "<hr>",  "<b>"};
    for (int row = 0; row < 11; ++row)
        for (int col = 0; col < 9; ++col)
            p.drawText(QPointF(col * 58 + (row % 2) * 29 - 10, row * 28 + 14),
                       tags[(row * 3 + col) % tags.size()]);

    // The page.
    const QRectF page(48, 62, 128, 168);
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(QColor(0, 0, 0), 70));
    p.drawRoundedRect(page.translated(5, 6), 3, 3);
    drawPage(p, c, page, 26, c.paper, c.paperEdge, 1);
    drawTextBars(p, 64, 100, {70, 88, 56}, 12, 5, c.greyLight);
    drawBrackets(p, QRectF(64, 150, 70, 32), c.teal, 6);
    drawTextBars(p, 64, 202, {80, 48}, 12, 5, c.greyLight);

    drawQuill(p, QPointF(118, 212), QPointF(232, 34), 24, c.amber, c.amberDark, c.paper, c.inkDark);

    // Wordmark and subtitle.
    // The largest wordmark that leaves a margin on the right.
    QFont title = font(kSerif, 58, true, true);
    while (QFontMetricsF(title).horizontalAdvance(QStringLiteral("Quillmark")) > 480 - 208 - 18)
        title.setPixelSize(title.pixelSize() - 1);
    p.setFont(title);
    p.setPen(alpha(QColor(0, 0, 0), 80));
    p.drawText(QPointF(208 + 2, 132 + 3), QStringLiteral("Quillmark"));
    p.setPen(c.paper);
    p.drawText(QPointF(208, 132), QStringLiteral("Quillmark"));
    const qreal titleWidth = QFontMetricsF(title).horizontalAdvance(QStringLiteral("Quillmark"));
    QLinearGradient rule(210, 0, 210 + titleWidth, 0);
    rule.setColorAt(0, c.teal);
    rule.setColorAt(1, alpha(c.teal, 0));
    p.fillRect(QRectF(210, 146, titleWidth, 3), rule);

    p.setFont(font(kSans, 15));
    p.setPen(alpha(c.paper, 225));
    p.drawText(QPointF(211, 176), QStringLiteral("Webseiten bauen"));
    p.drawText(QPointF(211, 196), QStringLiteral("ohne HTML zu schreiben"));

    QFont maker = font(kSans, 11, true);
    maker.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(maker);
    p.setPen(c.amber);
    p.drawText(QRectF(200, 262, 260, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("FERNBROOK"));
    p.setPen(QPen(alpha(c.paper, 60), 1));
    p.drawLine(QPointF(211, 272.5), QPointF(350, 272.5));
}

void drawBanner1(QPainter& p, const Palette& c) {
    QLinearGradient g(0, 0, 0, 25);
    g.setColorAt(0, c.faceTop);
    g.setColorAt(1, c.paper);
    p.fillRect(QRectF(0, 0, 160, 25), g);
    drawQuill(p, QPointF(8, 21), QPointF(22, 3), 3.6, c.amber, c.amberDark, c.paper, c.inkDark);
    QFont f = font(kSerif, 18, true, true);
    p.setFont(f);
    p.setPen(c.ink);
    p.drawText(QPointF(27, 18), QStringLiteral("Quillmark"));
    const qreal w = QFontMetricsF(f).horizontalAdvance(QStringLiteral("Quillmark"));
    QLinearGradient rule(27 + w, 0, 158, 0);
    rule.setColorAt(0, c.teal);
    rule.setColorAt(1, alpha(c.teal, 0));
    p.fillRect(QRectF(27 + w + 4, 15, 158 - (27 + w + 4), 2), rule);
    p.fillRect(QRectF(0, 24, 160, 1), c.paperEdge);
}

void drawBanner2(QPainter& p, const Palette& c) {
    p.fillRect(QRectF(0, 0, 160, 25), c.paper);
    p.fillRect(QRectF(0, 24, 160, 1), c.paperEdge);
    const QFont f = font(kMono, 10, true);
    p.setFont(f);
    const QFontMetricsF fm(f);
    const QStringList tags{"<p>", "<h1>", "<a>", "<img>", "<ul>"};
    const QList<QColor> fills{c.teal, c.ink, c.amber, c.tealDark, c.ink.lighter(130)};
    qreal total = 0;
    for (const QString& t : tags)
        total += fm.horizontalAdvance(t) + 8;
    const qreal gap = (156 - total) / (tags.size() - 1);
    qreal x = 2;
    for (int i = 0; i < tags.size(); ++i) {
        const qreal w = fm.horizontalAdvance(tags[i]) + 8;
        const QRectF chip(qRound(x) + 0.5, 5.5, qRound(w), 14);
        p.setPen(QPen(fills[i].darker(125), 1));
        p.setBrush(fills[i]);
        p.drawRoundedRect(chip, 3, 3);
        p.setPen(legibleOn(fills[i]));
        p.drawText(chip, Qt::AlignCenter, tags[i]);
        x += w + gap;
    }
}

void drawBanner3(QPainter& p, const Palette& c) {
    QLinearGradient g(0, 0, 160, 0);
    g.setColorAt(0, c.bandStart);
    g.setColorAt(1, c.bandEnd);
    p.fillRect(QRectF(0, 0, 160, 25), g);
    // A written line ending at the nib of the quill.
    QPainterPath stroke;
    stroke.moveTo(6, 17);
    for (int i = 0; i < 6; ++i) {
        const qreal x = 6 + i * 18;
        stroke.cubicTo(x + 5, 9, x + 9, 9, x + 9, 15);
        stroke.cubicTo(x + 9, 21, x + 14, 21, x + 18, 15);
    }
    p.setPen(QPen(alpha(c.onBand, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stroke);
    drawQuill(p, QPointF(114, 15), QPointF(150, 1), 4.5, c.onBand, c.paperEdge, kWhite, c.amber);
}

void drawFrames(QPainter& p, const Palette& c, QSize size, int layout) {
    const bool large = size.width() > 180;
    const int w = size.width();
    const int h = size.height();
    p.fillRect(QRectF(0, 0, w, h), c.paper);

    // A small browser window.
    const int m = large ? 10 : 7;
    const int bar = large ? 14 : 10;
    const QRectF win(m + 0.5, m + 0.5, w - 2 * m - 1, h - 2 * m - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(c.dropShadow);
    p.drawRoundedRect(win.translated(2, 2), 3, 3);
    p.setPen(QPen(c.ink, 1));
    p.setBrush(c.sheet);
    p.drawRoundedRect(win, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(c.greyLight);
    QPainterPath title;
    title.addRoundedRect(win, 3, 3);
    title = title.intersected([&] {
        QPainterPath top;
        top.addRect(QRectF(win.left(), win.top(), win.width(), bar));
        return top;
    }());
    p.drawPath(title);
    const qreal dot = large ? 2.2 : 1.6;
    const QList<QColor> dots{c.rust, c.amber, c.tealDark};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(QPointF(win.left() + bar * 0.6 + i * dot * 3.2, win.top() + bar / 2.0), dot,
                      dot);
    }

    const int pad = large ? 5 : 4;
    const int gap = large ? 4 : 3;
    const int cx = m + 1 + pad;
    const int cy = m + bar + pad;
    const int cw = w - 2 * m - 2 - 2 * pad;
    const int ch = h - 2 * m - bar - 1 - 2 * pad;

    struct Block {
        QChar letter;
        QRect rect;
    };
    QList<Block> blocks;
    const int topH = layout >= 2 ? qRound(ch * 0.22) : 0;
    const int botH = layout >= 3 ? qRound(ch * 0.18) : 0;
    const int midY = cy + (topH ? topH + gap : 0);
    const int midH = ch - (topH ? topH + gap : 0) - (botH ? botH + gap : 0);
    if (topH)
        blocks.append({QChar('C'), QRect(cx, cy, cw, topH)});
    if (botH)
        blocks.append({QChar('D'), QRect(cx, cy + ch - botH, cw, botH)});
    if (layout == 4) {
        const int side = qRound((cw - 2 * gap) * 0.26);
        const int middle = cw - 2 * gap - 2 * side;
        blocks.append({QChar('A'), QRect(cx, midY, side, midH)});
        blocks.append({QChar('B'), QRect(cx + side + gap, midY, middle, midH)});
        blocks.append({QChar('E'), QRect(cx + side + gap + middle + gap, midY, side, midH)});
    } else {
        const int left = qRound((cw - gap) * 0.32);
        blocks.append({QChar('A'), QRect(cx, midY, left, midH)});
        blocks.append({QChar('B'), QRect(cx + left + gap, midY, cw - left - gap, midH)});
    }

    const QFont letterFont = font(kSans, large ? 20 : 14, true);
    p.setFont(letterFont);
    for (const Block& b : blocks) {
        QColor fill;
        switch (b.letter.unicode()) {
        case 'A':
            fill = c.teal;
            break;
        case 'B':
            fill = c.amberLight;
            break;
        case 'C':
            fill = c.ink;
            break;
        case 'D':
            fill = c.grey;
            break;
        default:
            fill = c.tealLight;
            break;
        }
        const QRectF r = QRectF(b.rect).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(fill.darker(135), 1));
        p.setBrush(fill);
        p.drawRect(r);
        p.setPen(legibleOn(fill));
        p.drawText(r, Qt::AlignCenter, QString(b.letter));
    }
}

void drawToolbarBackground(QPainter& p, const Palette& c) {
    QLinearGradient g(0, 0, 0, 29);
    g.setColorAt(0, c.faceTop);
    g.setColorAt(1, c.barBottom);
    p.fillRect(QRectF(0, 0, 200, 29), g);
    p.fillRect(QRectF(0, 28, 200, 1), c.paperEdge);
}

void drawFolder(QPainter& p, const Palette& c) {
    QPainterPath back;
    back.moveTo(1.5, 2.5);
    back.lineTo(7, 2.5);
    back.lineTo(9, 4.5);
    back.lineTo(18.5, 4.5);
    back.lineTo(18.5, 15.5);
    back.lineTo(1.5, 15.5);
    back.closeSubpath();
    p.setPen(QPen(c.amberDark, 1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(c.amber.darker(110));
    p.drawPath(back);
    p.setPen(QPen(c.paperEdge, 1));
    p.setBrush(c.sheet);
    p.drawRect(QRectF(3.5, 5.5, 13, 4));
    QLinearGradient g(0, 7, 0, 16);
    g.setColorAt(0, c.amberLight);
    g.setColorAt(1, c.amber);
    p.setPen(QPen(c.amberDark, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 7.5, 17, 8), 1, 1);
    p.setPen(QPen(alpha(kWhite, 140), 1));
    p.drawLine(QPointF(2.5, 8.5), QPointF(17.5, 8.5));
}

void drawEnter(QPainter& p, const Palette& c) {
    QLinearGradient g(0, 0, 0, 20);
    g.setColorAt(0, c.faceTop);
    g.setColorAt(1, c.paperShade);
    p.setPen(QPen(c.keyRim, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 19), 3, 3);
    p.setPen(QPen(alpha(c.keyRim, 120), 1));
    p.drawLine(QPointF(3, 17.5), QPointF(21, 17.5));
    p.setPen(QPen(c.ink, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(18, 4), QPointF(18, 11), QPointF(9, 11)}));
    p.setPen(Qt::NoPen);
    p.setBrush(c.ink);
    p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(10, 7), QPointF(10, 15)}));
}

void drawAssistantFont(QPainter& p, const Palette& c) {
    p.setFont(font(kSerif, 19, true));
    p.setPen(c.ink);
    p.drawText(QRectF(0, 0, 15, 18), Qt::AlignCenter, QStringLiteral("A"));
    // A pen lying across the lower right corner.
    p.save();
    p.translate(11, 19);
    p.rotate(-45);
    p.setPen(Qt::NoPen);
    p.setBrush(c.amber);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(3.5, -1.6), QPointF(3.5, 1.6)}));
    p.setBrush(c.teal);
    p.setPen(QPen(c.tealDark, 0.8));
    p.drawRoundedRect(QRectF(3.5, -1.8, 8.5, 3.6), 1, 1);
    p.restore();
}

void drawAssistantColor(QPainter& p, const Palette& c) {
    QPainterPath board;
    board.addEllipse(QRectF(1, 2.5, 18, 15));
    QPainterPath hole;
    hole.addEllipse(QPointF(12.5, 13), 2, 2);
    QPainterPath notch;
    notch.addEllipse(QPointF(19, 15), 3.2, 2.6);
    board = board.subtracted(hole).subtracted(notch);
    // A board of brown wood with bright paints, which stand out on it on any window.
    p.setPen(QPen(c.amberDark.darker(130), 1));
    p.setBrush(c.amberDark);
    p.drawPath(board);
    p.setPen(Qt::NoPen);
    const QList<QPair<QPointF, QColor>> blobs{{QPointF(5.5, 9.5), QColor(0x8E, 0xCF, 0xC6)},
                                              {QPointF(8, 5.8), QColor(0xF2, 0x8C, 0x70)},
                                              {QPointF(12.5, 6.2), kWhite},
                                              {QPointF(6.5, 13.6), QColor(0xF6, 0xCC, 0x84)}};
    for (const auto& [at, paint] : blobs) {
        p.setBrush(paint);
        p.drawEllipse(at, 1.9, 1.9);
    }
}

void drawWarning(QPainter& p) {
    const Palette& c = kLight;
    const QPolygonF tri({QPointF(16, 3.5), QPointF(29.5, 27.5), QPointF(2.5, 27.5)});
    p.setPen(QPen(c.amberDark, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c.amberDark);
    p.drawPolygon(tri);
    QLinearGradient g(0, 4, 0, 28);
    g.setColorAt(0, c.amberLight);
    g.setColorAt(1, c.amber);
    p.setPen(QPen(g, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(tri);
    p.setPen(Qt::NoPen);
    p.setBrush(c.inkDark);
    QPainterPath bar;
    bar.moveTo(14.4, 10.5);
    bar.lineTo(17.6, 10.5);
    bar.lineTo(16.9, 20.5);
    bar.lineTo(15.1, 20.5);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(16, 23.8), 1.7, 1.7);
}

// The program's icon, drawn on a 256 grid.
void drawAppIcon(QPainter& p) {
    const Palette& c = kLight;
    QLinearGradient bg(0, 0, 256, 256);
    bg.setColorAt(0, c.ink.lighter(118));
    bg.setColorAt(1, c.inkDark);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 52, 52);
    QRadialGradient glow(QPointF(110, 130), 140);
    glow.setColorAt(0, alpha(c.teal, 110));
    glow.setColorAt(1, alpha(c.teal, 0));
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 52, 52);

    const QRectF page(50, 44, 124, 164);
    p.setBrush(alpha(QColor(0, 0, 0), 80));
    p.drawRoundedRect(page.translated(6, 8), 4, 4);
    drawPage(p, c, page, 34, c.paper, c.paperEdge, 2);
    drawTextBars(p, 68, 92, {74, 54}, 18, 9, c.greyLight);
    drawBrackets(p, QRectF(70, 138, 84, 40), c.teal, 11);
    drawQuill(p, QPointF(128, 196), QPointF(226, 30), 30, c.amber, c.amberDark, c.paper, c.inkDark);
}

// Every picture that sits on a window's background or in a menu, in the palette's colours.
void writeShadedPictures(const Palette& c) {
    // Bound to the palette, for the pictures drawn by a plain function.
    const auto in = [&c](void (*draw)(QPainter&, const Palette&)) -> Draw {
        return [&c, draw](QPainter& p) { draw(p, c); };
    };
    writeJpg(c, QStringLiteral("banner1"), {160, 25}, in(drawBanner1));
    writeJpg(c, QStringLiteral("banner2"), {160, 25}, in(drawBanner2));
    writeJpg(c, QStringLiteral("banner3"), {160, 25}, in(drawBanner3));
    for (int layout = 1; layout <= 4; ++layout) {
        for (const QSize size : {QSize(150, 110), QSize(220, 160)}) {
            const QString name = QStringLiteral("frames%1_%2")
                                     .arg(layout)
                                     .arg(size.width() > 180 ? "large" : "small");
            writeJpg(c, name, size,
                     [&c, size, layout](QPainter& p) { drawFrames(p, c, size, layout); });
        }
    }

    const QList<QPair<const char*, Glyph>> toolbar{
        {"new", glyphNew},         {"save", glyphSave}, {"print", glyphPrint},
        {"preview", glyphPreview}, {"cut", glyphCut},   {"copy", glyphCopy},
        {"paste", glyphPaste},     {"open", glyphOpen}, {"publish", glyphPublish}};
    for (const auto& [name, glyph] : toolbar) {
        writePng(c, QStringLiteral("tb_%1").arg(QLatin1String(name)), {25, 25},
                 toolbarButton(c, glyph, false));
        writePng(c, QStringLiteral("tb_%1_pressed").arg(QLatin1String(name)), {25, 25},
                 toolbarButton(c, glyph, true));
    }
    writePng(c, QStringLiteral("toolbar_bg"), {200, 29}, in(drawToolbarBackground));

    const QList<QPair<const char*, Glyph>> menu{
        {"new", glyphNew},         {"save", glyphSave},        {"preview", glyphPreview},
        {"print", glyphPrint},     {"cut", glyphCut},          {"copy", glyphCopy},
        {"paste", glyphPaste},     {"delete", glyphDelete},    {"help", glyphHelp},
        {"publish", glyphPublish}, {"htmlhelp", glyphHtmlHelp}};
    for (const auto& [name, glyph] : menu)
        writePng(c, QStringLiteral("menu_%1").arg(QLatin1String(name)), {16, 16}, in(glyph));

    const QList<QPair<const char*, Align>> positions{
        {"left", Align::Left}, {"center", Align::Center}, {"right", Align::Right}};
    for (const auto& [name, align] : positions) {
        writePng(c, QStringLiteral("pos_%1").arg(QLatin1String(name)), {23, 22},
                 positionButton(c, align, false));
        writePng(c, QStringLiteral("pos_%1_pressed").arg(QLatin1String(name)), {23, 22},
                 positionButton(c, align, true));
    }

    writePng(c, QStringLiteral("folder"), {20, 18}, in(drawFolder));
    writePng(c, QStringLiteral("enter"), {24, 20}, in(drawEnter));
    writePng(c, QStringLiteral("assistant_font"), {20, 20}, in(drawAssistantFont));
    writePng(c, QStringLiteral("assistant_color"), {20, 20}, in(drawAssistantColor));
}

void writeQrc() {
    QStringList files = g_files;
    files.sort();
    QFile qrc(g_out.absoluteFilePath(QStringLiteral("../artwork.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        qFatal("cannot write artwork.qrc");
    QTextStream out(&qrc);
    const QString dirName = g_out.dirName();
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/artwork\">\n";
    for (const QString& f : files)
        out << "        <file alias=\"" << f << "\">" << dirName << '/' << f << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    std::printf("  ../artwork.qrc (%lld files)\n", static_cast<long long>(files.size()));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    g_out = QDir(QString::fromLocal8Bit(argv[1]));
    if (!g_out.mkpath(QStringLiteral(".")))
        qFatal("cannot create %s", argv[1]);
    std::printf("writing into %s\n", qPrintable(g_out.absolutePath()));

    writeJpg(kLight, QStringLiteral("splash"), {480, 300}, drawSplash);
    for (const Palette* colours : {&kLight, &kDark})
        writeShadedPictures(*colours);
    // The warning reads on light and dark windows alike; the icons bring their own ground.
    writePng(kLight, QStringLiteral("warning"), {32, 32}, drawWarning);
    writePng(kLight, QStringLiteral("quillmark"), {256, 256}, drawAppIcon, false);
    writePng(
        kLight, QStringLiteral("quillmark48"), {48, 48},
        [](QPainter& p) {
            p.scale(48.0 / 256.0, 48.0 / 256.0);
            drawAppIcon(p);
        },
        false);

    writeQrc();
    return 0;
}
