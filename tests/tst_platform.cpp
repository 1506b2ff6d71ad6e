// Files, names, colours and printing: the layer between the program and the system.
#include "platform/ColorFieldText.h"
#include "platform/BareFileName.h"
#include "platform/LineSplit.h"
#include "platform/PageFile.h"
#include "platform/TextPrinter.h"

#include <QFile>
#include <QFont>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void bareFileName_data();
    void bareFileName();
    void fileLines_data();
    void fileLines();
    void writeLinesBytes();
    void failedWriteKeepsOldFile();
    void roundTripKeepsBytes_data();
    void roundTripKeepsBytes();
    void readMissingFile();
    void readRefusesTooLarge();
    void colorFieldText_data();
    void colorFieldText();
    void printsEveryLine();

private:
    static QByteArray readAll(const QString& path);
};

QByteArray TestPlatform::readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestPlatform::bareFileName_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("bare");
    QTest::newRow("backslashes") << "C:\\Bilder\\Urlaub\\strand.jpg"
                                 << "strand.jpg";
    QTest::newRow("slashes") << "/home/anna/bilder/strand.jpg"
                             << "strand.jpg";
    QTest::newRow("mixed") << "C:/Web\\seiten/index.html"
                           << "index.html";
    QTest::newRow("bare already") << "menue.html"
                                  << "menue.html";
    QTest::newRow("folder only") << "/tmp/"
                                 << "";
}

void TestPlatform::bareFileName() {
    QFETCH(QString, path);
    QFETCH(QString, bare);
    QCOMPARE(BareFileName(path), bare);
}

void TestPlatform::fileLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fileLines");
    QTest::addColumn<QStringList>("appended");
    QTest::newRow("empty") << "" << QStringList{} << QStringList{""};
    QTest::newRow("crlf ended") << "a\r\nb\r\n"
                                << QStringList{"a", "b"} << QStringList{"a", "b", ""};
    QTest::newRow("mixed breaks") << "a\rb\nc\r\nd" << QStringList{"a", "b", "c", "d"}
                                  << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blank lines") << "\n\n" << QStringList{"", ""} << QStringList{"", "", ""};
}

void TestPlatform::fileLines() {
    QFETCH(QString, text);
    QFETCH(QStringList, fileLines);
    QFETCH(QStringList, appended);
    QCOMPARE(SplitFileLines(text), fileLines);
    QCOMPARE(SplitAppendedText(text), appended);
}

void TestPlatform::writeLinesBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.html"));
    QVERIFY(PageFile::writeLines(path, {QStringLiteral("<p>Größe</p>"), QString()}).isEmpty());
    // UTF-8 without a byte-order mark, every line ended by CR LF, the empty one too.
    QCOMPARE(readAll(path), QByteArray("<p>Gr\xC3\xB6\xC3\x9F"
                                       "e</p>\r\n\r\n"));
}

void TestPlatform::failedWriteKeepsOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    QVERIFY(PageFile::writeLines(path, {QStringLiteral("alt")}).isEmpty());
    // A folder of that name cannot be written as a file: the message names the path, and
    // the page that was there before is still whole.
    const QString blocked = dir.filePath(QStringLiteral("ordner"));
    QVERIFY(QDir().mkdir(blocked));
    const QString error = PageFile::writeLines(blocked, {QStringLiteral("neu")});
    QVERIFY(
        error.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(blocked)));
    QVERIFY(error.size() >
            QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(blocked).size());
    QCOMPARE(readAll(path), QByteArray("alt\r\n"));
    const QString missingFolder = dir.filePath(QStringLiteral("fehlt/seite.html"));
    QVERIFY(!PageFile::writeLines(missingFolder, {QStringLiteral("x")}).isEmpty());
    QVERIFY(!QFile::exists(missingFolder));
}

void TestPlatform::roundTripKeepsBytes_data() {
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("utf8 umlauts") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                "e\r\n")
                                  << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                "e\r\n");
    QTest::newRow("latin1 umlauts") << QByteArray("<p>M\xFC"
                                                  "nchen \x80 \xE4</p>\n")
                                    << QByteArray("<p>M\xFC"
                                                  "nchen \x80 \xE4</p>\r\n");
    QTest::newRow("mixed breaks, no final break")
        << QByteArray("a\nb\rc\r\nd") << QByteArray("a\r\nb\r\nc\r\nd");
}

void TestPlatform::roundTripKeepsBytes() {
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
    }
    const PageFile::ReadResult read = PageFile::readText(path, 1 << 20);
    QVERIFY(read.ok);
    QVERIFY(PageFile::writeText(path, read.text, read.encoding).isEmpty());
    QCOMPARE(readAll(path), written);
}

void TestPlatform::readMissingFile() {
    const PageFile::ReadResult read = PageFile::readText(QStringLiteral("/nicht/da.html"), 100);
    QVERIFY(!read.ok);
    QVERIFY(
        read.error.startsWith(QStringLiteral("Datei /nicht/da.html kann nicht geöffnet werden. ")));
}

void TestPlatform::readRefusesTooLarge() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.html"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(2048));
    file.close();
    const PageFile::ReadResult read = PageFile::readText(path, 1024);
    QVERIFY(!read.ok);
    QVERIFY(read.tooLarge);
}

void TestPlatform::colorFieldText_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("blue") << QColor(0, 0, 255) << "Blue";
    QTest::newRow("red") << QColor(255, 0, 0) << "Red";
    QTest::newRow("money green") << QColor(192, 220, 192) << "MoneyGreen";
    QTest::newRow("med gray") << QColor(0xA0, 0xA0, 0xA4) << "MedGray";
    QTest::newRow("hex upper case") << QColor(255, 128, 0) << "#FF8000";
    QTest::newRow("hex padded") << QColor(16, 32, 48) << "#102030";
    QTest::newRow("near black") << QColor(0, 0, 1) << "#000001";
}

void TestPlatform::colorFieldText() {
    QFETCH(QColor, color);
    QFETCH(QString, text);
    QCOMPARE(ColorFieldText(color), text);
}

void TestPlatform::printsEveryLine() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines.append(QStringLiteral("<p>Zeile %1</p>").arg(i));
    QVERIFY(TextPrinter::print(printer, lines, QFont(QStringLiteral("Sans Serif"), 8)));
    QVERIFY(QFile(pdf).size() > 0);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY(text.contains(QStringLiteral("<p>Zeile 1</p>")));
    QVERIFY(text.contains(QStringLiteral("<p>Zeile 150</p>")));
    // 150 lines do not fit on one page: the printer started new pages.
    QVERIFY(text.count(u'\f') >= 2);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
