#include "core/platform/JpegDecoder.h"
#include "ui/Artwork.h"

#include <QApplication>
#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray resourceBytes(const QString& name) {
    QFile file(QStringLiteral(":/artwork/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
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
    // splash, three banners, four layouts in two sizes; each also at double size
    QCOMPARE(count, 24);
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

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
