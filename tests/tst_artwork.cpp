#include "core/platform/JpegDecoder.h"
#include "support/Fixture.h"
#include "ui/Artwork.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRandomGenerator>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

QByteArray resourceBytes(const QString& name) {
    QFile file(QStringLiteral(":/artwork/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The desktop turns light or dark, each given by its window colour. The windows hear of it
// through posted events.
void useDesktop(bool dark) {
    QApplication::setPalette(dark ? QPalette(QColor(0x35, 0x35, 0x35))
                                  : QPalette(QColor(0xEF, 0xEF, 0xEF)));
    QCoreApplication::processEvents();
}

// The relative luminance of a colour, by the formula of WCAG 2.
double luminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrastRatio(QRgb a, QRgb b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QRgb meanColour(const QList<QRgb>& pixels) {
    qsizetype red = 0, green = 0, blue = 0;
    for (const QRgb pixel : pixels) {
        red += qRed(pixel);
        green += qGreen(pixel);
        blue += qBlue(pixel);
    }
    const qsizetype n = std::max<qsizetype>(1, pixels.size());
    return qRgb(int(red / n), int(green / n), int(blue / n));
}

// A picture's main foreground colour and the colour of what lies behind it.
struct Colours {
    QRgb foreground;
    QRgb background;
};

// The colour that covers the most of a picture as shown, against what the window paints
// behind it. Left out are the outer two pixels, the rim that only outlines a tile or a key,
// and whatever stays within a few shades of what lies behind (a tile's soft face, a white sheet
// on it); shades close to each other count as one colour. None when nothing stands apart.
std::optional<Colours> mainColours(const QImage& shown, const QImage& behind) {
    constexpr int kRim = 2;
    constexpr double kFewShades = 32;
    QHash<int, QList<QRgb>> byShade;
    QList<QRgb> ground;
    for (int y = kRim; y < shown.height() - kRim; ++y) {
        for (int x = kRim; x < shown.width() - kRim; ++x) {
            const QRgb pixel = shown.pixel(x, y);
            const QRgb under = behind.pixel(x, y);
            ground.append(under);
            if (std::hypot(qRed(pixel) - qRed(under), qGreen(pixel) - qGreen(under),
                           qBlue(pixel) - qBlue(under)) < kFewShades)
                continue;
            byShade[(qRed(pixel) >> 4) << 8 | (qGreen(pixel) >> 4) << 4 | qBlue(pixel) >> 4].append(
                pixel);
        }
    }
    if (byShade.isEmpty())
        return std::nullopt;
    const auto widest = std::max_element(
        byShade.cbegin(), byShade.cend(),
        [](const QList<QRgb>& a, const QList<QRgb>& b) { return a.size() < b.size(); });
    return Colours{meanColour(*widest), meanColour(ground)};
}

QImage drawnOver(const QImage& behind, const QPixmap& picture) {
    QImage shown = behind;
    QPainter(&shown).drawPixmap(0, 0, picture);
    return shown;
}

// What the window paints where `place` shows, with the picture `picture` shows drawn over it
// (the place's own, or that of its pressed twin, which shows at the same place), and without.
std::pair<QImage, QImage> shownAt(QLabel& place, const QLabel& picture) {
    QWidget* window = place.window();
    const QRect area(place.mapTo(window, QPoint(0, 0)), place.size());
    const QPixmap own = place.pixmap();
    place.setPixmap(QPixmap());
    const QImage behind = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    place.setPixmap(own);
    return {drawnOver(behind, picture.pixmap()), behind};
}

// Brings a control forward as the user does: shows the tab page, or clicks the control.
void bringForward(const Fixture& f, const QString& window, const QString& name) {
    FIND(control, QWidget, f, window, name);
    QWidget* stack = control->parentWidget();
    if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr))
        tabs->setCurrentWidget(control);
    else
        click(control);
}

// The picture's main colour stands out from what lies behind it by at least 3:1.
void expectStandsOut(const QImage& shown, const QImage& behind) {
    const std::optional<Colours> colours = mainColours(shown, behind);
    QVERIFY2(colours, "the picture does not stand apart from its background");
    const double ratio = contrastRatio(colours->foreground, colours->background);
    QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                          .arg(QColor(colours->foreground).name(),
                                               QColor(colours->background).name())
                                          .arg(ratio, 0, 'f', 2)));
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void everyShippedJpegDecodes();
    void jpegSizes_data();
    void jpegSizes();
    void decodedPixelsMatchPicture();
    void badJpegGivesNullImage_data();
    void badJpegGivesNullImage();
    void hugeJpegIsRefused_data();
    void hugeJpegIsRefused();
    void pngSizes_data();
    void pngSizes();
    void unknownNameGivesNullPixmap();
    void picturesStandOutOnTheirWindow_data();
    void picturesStandOutOnTheirWindow();
    void menuPicturesFollowThePalette_data();
    void menuPicturesFollowThePalette();
};

void TestArtwork::everyShippedJpegDecodes() {
    int count = 0;
    QDirIterator it(QStringLiteral(":/artwork"), {QStringLiteral("*.jpg")}, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QImage image = JpegDecoder::decode(file.readAll()).image;
        QVERIFY2(!image.isNull(), qPrintable(path));
        ++count;
    }
    // splash, three banners, four layouts in two sizes; each also at double size, and all but
    // the splash also drawn for dark windows
    QCOMPARE(count, 46);
}

void TestArtwork::jpegSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("splash") << "splash.jpg" << QSize(480, 300);
    for (int i = 1; i <= 3; ++i)
        QTest::addRow("banner%d", i) << QStringLiteral("banner%1.jpg").arg(i) << QSize(160, 25);
    for (int i = 1; i <= 4; ++i) {
        QTest::addRow("frames%d_small", i)
            << QStringLiteral("frames%1_small.jpg").arg(i) << QSize(150, 110);
        QTest::addRow("frames%d_large", i)
            << QStringLiteral("frames%1_large.jpg").arg(i) << QSize(220, 160);
    }
}

void TestArtwork::jpegSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(JpegDecoder::decode(resourceBytes(name)).image.size(), size);
    QCOMPARE(Artwork::pixmap(name).deviceIndependentSize().toSize(), size);
    QCOMPARE(Artwork::pixmap(name, Artwork::Shade::Dark).deviceIndependentSize().toSize(), size);
    // The sharp companion for high-density screens.
    const QString doubled = name.chopped(4) + QStringLiteral("@2x.jpg");
    QCOMPARE(JpegDecoder::decode(resourceBytes(doubled)).image.size(), size * 2);
}

// Our decoder must agree with an independent one on the pixels, not just the
// size: a wrong colour space or row stride shows up here.
void TestArtwork::decodedPixelsMatchPicture() {
    const QByteArray bytes = resourceBytes(QStringLiteral("frames4_large.jpg"));
    const QImage ours = JpegDecoder::decode(bytes).image.convertToFormat(QImage::Format_RGB32);
    const QImage reference = QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB32);
    if (reference.isNull())
        QSKIP("no JPEG image plugin to compare against");
    QCOMPARE(ours.size(), reference.size());
    int worst = 0;
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y);
            const QRgb b = reference.pixel(x, y);
            worst = qMax(worst, qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                                    qAbs(qBlue(a) - qBlue(b)));
        }
    }
    QVERIFY2(worst <= 12, qPrintable(QString::number(worst)));
}

void TestArtwork::badJpegGivesNullImage_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = resourceBytes(QStringLiteral("splash.jpg"));
    QVERIFY(good.size() > 1000);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << good.left(2);
    QTest::newRow("cut after header") << good.left(600);
    QTest::newRow("cut in the middle") << good.left(good.size() / 2);
    QTest::newRow("no end marker") << good.left(good.size() - 2);
    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator rng(7);
    for (char& c : noise)
        c = static_cast<char>(rng.bounded(256));
    QTest::newRow("random bytes") << noise;
    QTest::newRow("start marker then noise") << QByteArray("\xFF\xD8\xFF", 3) + noise;
    QByteArray png = resourceBytes(QStringLiteral("warning.png"));
    QTest::newRow("png") << png;
}

void TestArtwork::badJpegGivesNullImage() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!JpegDecoder::decode(bytes).ok());
}

void TestArtwork::hugeJpegIsRefused_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("decoded");
    QTest::newRow("widest taken") << QSize(8192, 1) << true;
    QTest::newRow("too wide") << QSize(8193, 1) << false;
    QTest::newRow("too high") << QSize(1, 8193) << false;
    QTest::newRow("too many pixels") << QSize(8192, 7813) << false;
}

// Complete, valid pictures of one grey: only their declared size can refuse them.
void TestArtwork::hugeJpegIsRefused() {
    QFETCH(QSize, size);
    QFETCH(bool, decoded);
    QImage grey(size, QImage::Format_Grayscale8);
    grey.fill(128);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!grey.save(&buffer, "JPG"))
        QSKIP("no JPEG image plugin to write the picture");
    const DecodedPicture picture = JpegDecoder::decode(bytes);
    QCOMPARE(picture.ok(), decoded);
    QCOMPARE(picture.image.size(), decoded ? size : QSize(0, 0));
}

void TestArtwork::pngSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const auto add = [](const QString& name, QSize size) {
        QTest::newRow(qPrintable(name)) << name << size;
    };
    for (const char* tb : {"new", "save", "print", "preview", "cut", "copy", "paste", "open"}) {
        add(QStringLiteral("tb_%1.png").arg(QLatin1String(tb)), {25, 25});
        add(QStringLiteral("tb_%1_pressed.png").arg(QLatin1String(tb)), {25, 25});
    }
    add(QStringLiteral("toolbar_bg.png"), {200, 29});
    for (const char* m :
         {"new", "save", "preview", "print", "cut", "copy", "paste", "delete", "help", "htmlhelp"})
        add(QStringLiteral("menu_%1.png").arg(QLatin1String(m)), {16, 16});
    for (const char* pos : {"left", "center", "right"}) {
        add(QStringLiteral("pos_%1.png").arg(QLatin1String(pos)), {23, 22});
        add(QStringLiteral("pos_%1_pressed.png").arg(QLatin1String(pos)), {23, 22});
    }
    add(QStringLiteral("folder.png"), {20, 18});
    add(QStringLiteral("enter.png"), {24, 20});
    add(QStringLiteral("assistant_font.png"), {20, 20});
    add(QStringLiteral("assistant_color.png"), {20, 20});
    add(QStringLiteral("warning.png"), {32, 32});
    add(QStringLiteral("quillmark.png"), {256, 256});
    add(QStringLiteral("quillmark48.png"), {48, 48});
}

void TestArtwork::pngSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QPixmap pm = Artwork::pixmap(name);
    QVERIFY(!pm.isNull());
    QCOMPARE(pm.deviceIndependentSize().toSize(), size);
    QCOMPARE(Artwork::pixmap(name, Artwork::Shade::Dark).deviceIndependentSize().toSize(), size);
    QVERIFY(!Artwork::icon(name).isNull());
    // Every small picture has a sharp double-size companion.
    if (size.width() <= 32) {
        const QString base = name.chopped(4);
        QCOMPARE(QImage(QStringLiteral(":/artwork/%1@2x.png").arg(base)).size(), size * 2);
    }
}

void TestArtwork::unknownNameGivesNullPixmap() {
    QVERIFY(Artwork::pixmap(QStringLiteral("nothing.jpg")).isNull());
    QVERIFY(Artwork::pixmap(QStringLiteral("nothing.png")).isNull());
    QVERIFY(Artwork::icon(QStringLiteral("nothing.png")).isNull());
}

void TestArtwork::picturesStandOutOnTheirWindow_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("forward"); // the page shown or the control clicked first, if any
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("picture");
    struct Shown {
        const char* artwork;
        const char* window;
        const char* forward;
        const char* place;
        const char* picture;
    };
    // Every picture on a window's background, pressed twins at the place of their button.
    static constexpr Shown kShown[] = {
        {"tb_new", "TForm2", "", "Image6", "Image6"},
        {"tb_new_pressed", "TForm2", "", "Image6", "Image16"},
        {"tb_save", "TForm2", "", "Image7", "Image7"},
        {"tb_save_pressed", "TForm2", "", "Image7", "Image17"},
        {"tb_print", "TForm2", "", "Image8", "Image8"},
        {"tb_print_pressed", "TForm2", "", "Image8", "Image18"},
        {"tb_preview", "TForm2", "", "Image9", "Image9"},
        {"tb_preview_pressed", "TForm2", "", "Image9", "Image19"},
        {"tb_publish", "TForm2", "", "Image56", "Image56"},
        {"tb_publish_pressed", "TForm2", "", "Image56", "Image57"},
        {"tb_cut", "TForm2", "", "Image10", "Image10"},
        {"tb_cut_pressed", "TForm2", "", "Image10", "Image20"},
        {"tb_copy", "TForm2", "", "Image11", "Image11"},
        {"tb_copy_pressed", "TForm2", "", "Image11", "Image21"},
        {"tb_paste", "TForm2", "", "Image12", "Image12"},
        {"tb_paste_pressed", "TForm2", "", "Image12", "Image22"},
        {"banner1", "TForm2", "", "Image13", "Image13"},
        {"banner2", "TForm2", "", "Image14", "Image14"},
        {"banner3", "TForm2", "", "Image15", "Image15"},
        {"pos_left", "TForm2", "TabSheet2", "Image23", "Image23"},
        {"pos_left_pressed", "TForm2", "TabSheet2", "Image23", "Image26"},
        {"pos_center", "TForm2", "TabSheet2", "Image24", "Image24"},
        {"pos_center_pressed", "TForm2", "TabSheet2", "Image24", "Image27"},
        {"pos_right", "TForm2", "TabSheet2", "Image25", "Image25"},
        {"pos_right_pressed", "TForm2", "TabSheet2", "Image25", "Image28"},
        {"enter", "TForm2", "TabSheet2", "Image2", "Image2"},
        {"assistant_font", "TForm2", "TabSheet2", "Image29", "Image29"},
        {"assistant_color", "TForm2", "TabSheet2", "Image30", "Image30"},
        {"folder", "TForm2", "TabSheet4", "Image1", "Image1"},
        // on the post-editor's toolbar background
        {"tb_open", "TForm7", "", "Image2", "Image2"},
        {"tb_open_pressed", "TForm7", "", "Image2", "Image3"},
        {"tb_new on the post-editor", "TForm7", "", "Image6", "Image6"},
        {"pos_left in the form builder", "TForm5", "TabSheet7", "Image35", "Image35"},
        {"folder in the frame builder", "TForm6", "Image5", "Image6", "Image6"},
    };
    for (const bool dark : {false, true}) {
        for (const Shown& shown : kShown) {
            QTest::addRow("%s %s", shown.artwork, dark ? "dark" : "light")
                << dark << QString::fromLatin1(shown.window) << QString::fromLatin1(shown.forward)
                << QString::fromLatin1(shown.place) << QString::fromLatin1(shown.picture);
        }
    }
}

// The desktop changes its colours while the windows show: each picture then stands out from
// what lies behind it.
void TestArtwork::picturesStandOutOnTheirWindow() {
    QFETCH(bool, dark);
    QFETCH(QString, window);
    QFETCH(QString, forward);
    QFETCH(QString, place);
    QFETCH(QString, picture);
    useDesktop(!dark);
    Fixture f;
    f.startPage(); // so that every tab page can be shown
    QWidget* shownWindow = f.window(window);
    QVERIFY(shownWindow);
    shownWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(shownWindow));
    if (!forward.isEmpty())
        bringForward(f, window, forward);
    useDesktop(dark);

    FIND(at, QLabel, f, window, place);
    FIND(shown, QLabel, f, window, picture);
    QVERIFY(at->isVisible());
    const auto [image, behind] = shownAt(*at, *shown);
    expectStandsOut(image, behind);
}

void TestArtwork::menuPicturesFollowThePalette_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("item");
    for (const bool dark : {false, true}) {
        for (const char* item : {"Speichern1", "Ausschneiden1"})
            QTest::addRow("%s %s", item, dark ? "dark" : "light")
                << dark << QString::fromLatin1(item);
    }
}

// The menus' pictures follow the desktop's colours too.
void TestArtwork::menuPicturesFollowThePalette() {
    QFETCH(bool, dark);
    QFETCH(QString, item);
    useDesktop(!dark);
    Fixture f;
    FIND(action, QAction, f, QStringLiteral("TForm2"), item);
    auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
    QVERIFY(menu);
    useDesktop(dark);
    const QPixmap picture = action->icon().pixmap(QSize(16, 16));
    // What the menu's style paints behind its items.
    QImage behind(picture.size(), QImage::Format_RGB32);
    QPainter panel(&behind);
    QStyleOption option;
    option.initFrom(menu);
    option.rect = behind.rect();
    menu->style()->drawPrimitive(QStyle::PE_PanelMenu, &option, &panel, menu);
    panel.end();
    expectStandsOut(drawnOver(behind, picture), behind);
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
