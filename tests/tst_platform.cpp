// Files, names, colours and printing: the layer between the program and the system.
#include "core/platform/BareFileName.h"
#include "core/platform/ColorFieldText.h"
#include "core/platform/LineSplit.h"
#include "core/platform/PageFile.h"
#include "platform/BrowserLauncher.h"
#include "platform/TextPrinter.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void bareFileName_data();
    void bareFileName();
    void fileLines_data();
    void fileLines();
    void writeLinesBytes();
    void failedWriteKeepsOldFile();
    void writeCutShortKeepsOldFile_data();
    void writeCutShortKeepsOldFile();
    void lockedFolderWritesFileInPlace();
    void inPlaceWriteKeepsOldBytesForTheSuperuserToo();
    void savingThroughLinkWritesItsTarget_data();
    void savingThroughLinkWritesItsTarget();
    void roundTripKeepsBytes_data();
    void roundTripKeepsBytes();
    void windows1252KeepsWhatItCannotHold_data();
    void windows1252KeepsWhatItCannotHold();
    void readMissingFile();
    void readRefusesTooLarge_data();
    void readRefusesTooLarge();
    void readRefusesWhatIsNoFile_data();
    void readRefusesWhatIsNoFile();
    void germanReasons_data();
    void germanReasons();
    void colorFieldText_data();
    void colorFieldText();
    void printsEveryLine();
    void failedPdfKeepsOldFile();
    void previewOpensTheBrowser_data();
    void previewOpensTheBrowser();
    void desktopBrowserStartsThroughGio();

private:
    static QByteArray readAll(const QString& path);
    static int openErrorNumber(const QString& path);
};

QByteArray TestPlatform::readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The system's error number for opening the path, 0 when it opens.
int TestPlatform::openErrorNumber(const QString& path) {
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return errno;
    ::close(handle);
    return 0;
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
    QVERIFY(PageFile::writeLines(path, {QStringLiteral("<p>Größe</p>"), QString()}).ok());
    // UTF-8 without a byte-order mark, every line ended by CR LF, the empty one too.
    QCOMPARE(readAll(path), QByteArray("<p>Gr\xC3\xB6\xC3\x9F"
                                       "e</p>\r\n\r\n"));
}

void TestPlatform::failedWriteKeepsOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    QVERIFY(PageFile::writeLines(path, {QStringLiteral("alt")}).ok());
    // A folder of that name cannot be written as a file: the message names the path, and
    // the page that was there before is still whole.
    const QString blocked = dir.filePath(QStringLiteral("ordner"));
    QVERIFY(QDir().mkdir(blocked));
    QCOMPARE(PageFile::writeLines(blocked, {QStringLiteral("neu")}).error,
             "Datei \"" + blocked +
                 "\" kann nicht erstellt werden. Das ist keine gewöhnliche Datei.");
    QCOMPARE(readAll(path), QByteArray("alt\r\n"));
    const QString missingFolder = dir.filePath(QStringLiteral("fehlt/seite.html"));
    QCOMPARE(PageFile::writeLines(missingFolder, {QStringLiteral("x")}).error,
             "Datei \"" + missingFolder +
                 "\" kann nicht erstellt werden. Die Datei oder der Ordner existiert nicht.");
    QVERIFY(!QFile::exists(missingFolder));
}

void TestPlatform::writeCutShortKeepsOldFile_data() {
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("limit");
    // Cut off within the first few hundred bytes, and after many kilobytes.
    QTest::newRow("small page") << 20 << 100;
    QTest::newRow("large page") << 20000 << 64 * 1024;
}

void TestPlatform::writeCutShortKeepsOldFile() {
    QFETCH(int, lineCount);
    QFETCH(int, limit);
    QTemporaryDir dir(onDiskTemplate());
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    QVERIFY(PageFile::writeLines(path, {QStringLiteral("alt")}).ok());
    const QStringList lines(lineCount, QStringLiteral("<p>Eine Zeile der Seite</p>"));
    Outcome written;
    {
        const FileSizeLimit nearlyFull(static_cast<rlim_t>(limit));
        written = PageFile::writeLines(path, lines);
    }
    QCOMPARE(written.error,
             "Datei \"" + path + "\" kann nicht erstellt werden. Die Datei ist zu groß.");
    QCOMPARE(readAll(path), QByteArray("alt\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"seite.html"});
}

void TestPlatform::lockedFolderWritesFileInPlace() {
    if (geteuid() == 0)
        QSKIP("file permissions do not bind the superuser");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    QVERIFY(PageFile::writeLines(path, {QStringLiteral("alt")}).ok());
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0555) == 0);
    // No temporary file can be made in the folder: the file is written in place.
    QVERIFY(PageFile::writeLines(path, {QStringLiteral("neu")}).ok());
    QCOMPARE(readAll(path), QByteArray("neu\r\n"));
    // Should that write fail, the old bytes are put back.
    Outcome written;
    {
        const FileSizeLimit nearlyFull(8);
        written = PageFile::writeLines(path, {QStringLiteral("viel zu lang")});
    }
    QVERIFY(!written.ok());
    QCOMPARE(readAll(path), QByteArray("neu\r\n"));
    // A file that is not writable stays as it was.
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    QCOMPARE(PageFile::writeLines(path, {QStringLiteral("x")}).error,
             "Datei \"" + path + "\" kann nicht erstellt werden. Zugriff verweigert.");
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
}

void TestPlatform::inPlaceWriteKeepsOldBytesForTheSuperuserToo() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    QVERIFY(PageFile::writeLines(path, {QStringLiteral("alt")}).ok());
    const auto inode = [&path] {
        struct stat status {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
    };
    const auto before = inode();
    // The folder takes no temporary file through the write seam, which binds the superuser
    // too: the save goes to the in-place write.
    PageFile::setFolderTakesTemporaryFiles(
        [&dir](const QString& folder) { return QDir(folder) != QDir(dir.path()); });
    const auto unlock = qScopeGuard([] { PageFile::setFolderTakesTemporaryFiles({}); });

    QVERIFY(PageFile::writeLines(path, {QStringLiteral("neu")}).ok());
    QCOMPARE(readAll(path), QByteArray("neu\r\n"));
    QCOMPARE(inode(), before);
    // A write cut short puts the old bytes back and says why.
    Outcome written;
    {
        const FileSizeLimit nearlyFull(8);
        written = PageFile::writeLines(path, {QStringLiteral("viel zu lang")});
    }
    QCOMPARE(written.error,
             "Datei \"" + path + "\" kann nicht erstellt werden. Die Datei ist zu groß.");
    QCOMPARE(readAll(path), QByteArray("neu\r\n"));
    QCOMPARE(inode(), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"seite.html"});
}

void TestPlatform::savingThroughLinkWritesItsTarget_data() {
    // Each name is a link to the next; the last is the file the links lead to.
    QTest::addColumn<QStringList>("chain");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<QString>("reason");
    QTest::newRow("target in a locked folder")
        << QStringList{"offen/seite.html", "gesperrt/seite.html"} << true << "";
    QTest::newRow("link to a link")
        << QStringList{"offen/seite.html", "offen/weiter.html", "gesperrt/seite.html"} << true
        << "";
    QTest::newRow("dangling link")
        << QStringList{"offen/seite.html", "offen/neu.html"} << false << "";
    QTest::newRow("links in a loop")
        << QStringList{"offen/seite.html", "offen/weiter.html", "offen/seite.html"} << false
        << "Zu viele symbolische Verknüpfungen.";
}

void TestPlatform::savingThroughLinkWritesItsTarget() {
    QFETCH(QStringList, chain);
    QFETCH(bool, targetExists);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("offen")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gesperrt")));
    QStringList paths;
    for (const QString& name : chain)
        paths.append(dir.filePath(name));
    const QString& target = paths.last();
    struct stat before {};
    if (targetExists) {
        QVERIFY(PageFile::writeLines(target, {QStringLiteral("alt")}).ok());
        QVERIFY(::stat(QFile::encodeName(target).constData(), &before) == 0);
    }
    for (qsizetype i = 0; i + 1 < paths.size(); ++i)
        QVERIFY(QFile::link(paths[i + 1], paths[i]));
    // The folder is locked through the write seam, so the test also runs as the superuser.
    const QString locked = dir.filePath(QStringLiteral("gesperrt"));
    PageFile::setFolderTakesTemporaryFiles([&](const QString& folder) { return folder != locked; });
    const auto unlock = qScopeGuard([] { PageFile::setFolderTakesTemporaryFiles({}); });

    const Outcome written = PageFile::writeLines(paths.first(), {QStringLiteral("neu")});
    if (reason.isEmpty()) {
        QVERIFY(written.ok());
        QCOMPARE(readAll(target), QByteArray("neu\r\n"));
    } else {
        QCOMPARE(written.error,
                 "Datei \"" + paths.first() + "\" kann nicht erstellt werden. " + reason);
    }
    for (qsizetype i = 0; i + 1 < paths.size(); ++i)
        QCOMPARE(QFileInfo(paths[i]).symLinkTarget(), paths[i + 1]);
    // A file in a locked folder is written in place: it is still the same file.
    if (targetExists) {
        struct stat after {};
        QVERIFY(::stat(QFile::encodeName(target).constData(), &after) == 0);
        QCOMPARE(after.st_ino, before.st_ino);
    }
}

void TestPlatform::roundTripKeepsBytes_data() {
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("encoding");
    QTest::newRow("utf8 umlauts") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                "e\r\n")
                                  << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                "e\r\n")
                                  << "UTF-8";
    QTest::newRow("latin1 umlauts") << QByteArray("<p>M\xFC"
                                                  "nchen \x80 \xE4</p>\n")
                                    << QByteArray("<p>M\xFC"
                                                  "nchen \x80 \xE4</p>\r\n")
                                    << "Windows-1252";
    QTest::newRow("mixed breaks, no final break")
        << QByteArray("a\nb\rc\r\nd") << QByteArray("a\r\nb\r\nc\r\nd") << "UTF-8";
    QTest::newRow("utf8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBFK\xC3\xB6ln\n") << QByteArray("\xEF\xBB\xBFK\xC3\xB6ln\r\n")
        << "UTF-8 mit BOM";
    QTest::newRow("utf16 le") << QByteArray("\xFF\xFEK\0\xF6\0\n\0", 8)
                              << QByteArray("\xFF\xFEK\0\xF6\0\r\0\n\0", 10) << "UTF-16 LE";
    QTest::newRow("utf16 be") << QByteArray("\xFE\xFF\0K\0\xF6\0\r\0\n", 10)
                              << QByteArray("\xFE\xFF\0K\0\xF6\0\r\0\n", 10) << "UTF-16 BE";
    // Without a byte-order mark: one high byte in twelve is not zero (the euro sign).
    const QByteArray le("<\0p\0>\0\xFC\0 \0\xAC\x20<\0/\0p\0>\0\r\0\n\0", 24);
    QTest::newRow("utf16 le without mark") << le << le << "UTF-16 LE (ohne BOM)";
    const QByteArray be("\0K\0\xF6\0l\0n\0\r\0\n\0x\0\r\0\n", 18);
    QTest::newRow("utf16 be without mark") << be << be << "UTF-16 BE (ohne BOM)";
    // Zero high bytes alone do not make UTF-16: an odd length, or a surrogate without its pair.
    const QByteArray odd("a\0b\0c\0d\0e", 9);
    QTest::newRow("odd length") << odd << odd << "UTF-8";
    const QByteArray lone("a\0b\0c\0d\0e\0f\0g\0h\0i\0\0\xD8", 20);
    QTest::newRow("unpaired surrogate") << lone << lone << "Windows-1252";
}

void TestPlatform::roundTripKeepsBytes() {
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, written);
    QFETCH(QString, encoding);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
    }
    const PageFile::Decoded read = PageFile::readText(path, {1 << 20, 1 << 20});
    QVERIFY(read.ok());
    QVERIFY(!read.text.contains(QChar(0xFEFF)));
    QCOMPARE(PageFile::encodingName(read.encoding), encoding);
    QVERIFY(PageFile::writeText(path, read.text, read.encoding).ok());
    QCOMPARE(readAll(path), written);
}

void TestPlatform::windows1252KeepsWhatItCannotHold_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("needsUtf8");
    QTest::addColumn<QByteArray>("written");
    // HTML pages take a character reference for each code point; other files must ask.
    QTest::newRow("html") << "seite.html" << false << QByteArray("\xE4 &#28450; &#128512;");
    QTest::newRow("htm, upper case")
        << "SEITE.HTM" << false << QByteArray("\xE4 &#28450; &#128512;");
    QTest::newRow("txt") << "notiz.txt" << true << QByteArray();
}

void TestPlatform::windows1252KeepsWhatItCannotHold() {
    QFETCH(QString, name);
    QFETCH(bool, needsUtf8);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QString text = QStringLiteral("ä 漢 😀");
    QCOMPARE(PageFile::needsUtf8(path, text, PageFile::Encoding::Windows1252), needsUtf8);
    QVERIFY(!PageFile::needsUtf8(path, QStringLiteral("ä €"), PageFile::Encoding::Windows1252));
    QVERIFY(!PageFile::needsUtf8(path, text, PageFile::Encoding::Utf8));
    if (needsUtf8)
        return;
    QVERIFY(PageFile::writeText(path, text, PageFile::Encoding::Windows1252).ok());
    QCOMPARE(readAll(path), written);
}

void TestPlatform::readMissingFile() {
    const PageFile::Decoded read = PageFile::readText(QStringLiteral("/nicht/da.html"), {100, 100});
    QCOMPARE(read.error, QStringLiteral("Datei /nicht/da.html kann nicht geöffnet werden. Die "
                                        "Datei oder der Ordner existiert nicht."));
}

void TestPlatform::readRefusesTooLarge_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("refused");
    const QByteArray line(500, 'x');
    QTest::newRow("fits") << line + "\r\n" + line << false;
    QTest::newRow("too many bytes") << QByteArray(1025, '\n') << true;
    QTest::newRow("one line too long") << line + 'x' << true;
}

void TestPlatform::readRefusesTooLarge() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.html"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const PageFile::Decoded read = PageFile::readText(path, {1024, 500});
    QCOMPARE(read.error, refused ? QStringLiteral("Text überschreitet Memo-Kapazität") : QString());
}

void TestPlatform::readRefusesWhatIsNoFile_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("endless device") << "/dev/zero";
    QTest::newRow("folder") << "";
    QTest::newRow("pipe without writer") << "x.html";
}

void TestPlatform::readRefusesWhatIsNoFile() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    if (!path.startsWith(u'/'))
        path = dir.filePath(path);
    if (path.endsWith(QLatin1String(".html")))
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    const PageFile::Decoded read = PageFile::readText(path, {qint64(1) << 20, 1 << 20});
    QCOMPARE(read.error, "Datei " + path +
                             " kann nicht geöffnet werden. Das ist keine "
                             "gewöhnliche Datei.");
}

void TestPlatform::germanReasons_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full") << ENOSPC << "Auf dem Datenträger ist kein Platz mehr frei.";
    QTest::newRow("no permission") << EACCES << "Zugriff verweigert.";
    QTest::newRow("not permitted") << EPERM << "Zugriff verweigert.";
    QTest::newRow("read-only") << EROFS << "Das Dateisystem ist schreibgeschützt.";
    QTest::newRow("missing") << ENOENT << "Die Datei oder der Ordner existiert nicht.";
    QTest::newRow("too large") << EFBIG << "Die Datei ist zu groß.";
    // Provoked for real: a link to itself, a path through a file, a name too long.
    QTemporaryDir dir;
    const QString loop = dir.filePath(QStringLiteral("kreis.html"));
    QVERIFY(QFile::link(loop, loop));
    const QString file = dir.filePath(QStringLiteral("seite.html"));
    QVERIFY(QFile(file).open(QIODevice::WriteOnly));
    QTest::newRow("link loop") << openErrorNumber(loop) << "Zu viele symbolische Verknüpfungen.";
    QTest::newRow("path through a file") << openErrorNumber(file + QStringLiteral("/bild.jpg"))
                                         << "Ein Teil des Pfades ist kein Ordner.";
    QTest::newRow("name too long")
        << openErrorNumber(dir.filePath(QString(300, u'x'))) << "Der Dateiname ist zu lang.";
    QTest::newRow("anything else") << EIO << qt_error_string(EIO);
}

void TestPlatform::germanReasons() {
    QFETCH(int, error);
    QFETCH(QString, reason);
    QCOMPARE(PageFile::reason(qt_error_string(error)), reason);
}

void TestPlatform::colorFieldText_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("blue") << QColor(0, 0, 255) << "Blue";
    QTest::newRow("red") << QColor(255, 0, 0) << "Red";
    QTest::newRow("no HTML name: green-grey") << QColor(192, 220, 192) << "#C0DCC0";
    QTest::newRow("no HTML name: sky blue") << QColor(0xA6, 0xCA, 0xF0) << "#A6CAF0";
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
    QVERIFY(TextPrinter::print(printer, lines, QFont(QStringLiteral("Sans Serif"), 8)).ok());
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

void TestPlatform::failedPdfKeepsOldFile() {
    QTemporaryDir dir(onDiskTemplate());
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
    old.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    Outcome printed;
    {
        const FileSizeLimit nearlyFull(1000);
        printed = TextPrinter::print(printer, QStringList(200, QStringLiteral("<p>Zeile</p>")),
                                     QFont(QStringLiteral("Sans Serif"), 8));
    }
    QCOMPARE(printed.error, "Fehler beim Drucken: Die Datei \"" + pdf +
                                "\" konnte nicht geschrieben werden. Die Datei ist zu groß.");
    QCOMPARE(readAll(pdf), QByteArray("alt"));
}

void TestPlatform::previewOpensTheBrowser_data() {
    QTest::addColumn<bool>("queryRuns");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("desktopFiles");
    QTest::addColumn<bool>("gioStarts");
    QTest::addColumn<QStringList>("started");
    const QString launch =
        QStringLiteral("gio launch /usr/share/applications/firefox-esr.desktop /web/seite.html");
    const QString file = QStringLiteral("file /web/seite.html");
    const QStringList firefox{"firefox-esr.desktop"};
    QTest::newRow("browser") << true << "firefox-esr.desktop\n"
                             << firefox << true << QStringList{launch};
    QTest::newRow("no browser set") << true << "" << firefox << true << QStringList{file};
    QTest::newRow("no xdg-mime") << false << "" << firefox << true << QStringList{file};
    QTest::newRow("desktop id without file") << true << "firefox-esr.desktop\n"
                                             << QStringList() << true << QStringList{file};
    QTest::newRow("gio fails") << true << "firefox-esr.desktop\n"
                               << firefox << false << QStringList{launch, file};
}

void TestPlatform::previewOpensTheBrowser() {
    QFETCH(bool, queryRuns);
    QFETCH(QString, answer);
    QFETCH(QStringList, desktopFiles);
    QFETCH(bool, gioStarts);
    QFETCH(QStringList, started);
    QStringList calls;
    const BrowserLauncher launcher({
        [&](const QString& program, const QStringList& arguments) -> std::optional<QString> {
            if (!queryRuns || program != "xdg-mime" ||
                arguments != QStringList{"query", "default", "x-scheme-handler/http"})
                return std::nullopt;
            return answer;
        },
        [&](const QString& program, const QStringList& arguments) {
            calls.append((QStringList{program} + arguments).join(u' '));
            return gioStarts;
        },
        [&](const QString& desktopId) {
            return desktopFiles.contains(desktopId) ? "/usr/share/applications/" + desktopId
                                                    : QString();
        },
        [&](const QString& path) {
            calls.append("file " + path);
            return true;
        },
    });
    QVERIFY(launcher.open(QStringLiteral("/web/seite.html")));
    QCOMPARE(calls, started);
}

void TestPlatform::desktopBrowserStartsThroughGio() {
    // The desktop's own tools, played by scripts: xdg-mime names the browser, gio writes down
    // how it was started.
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    const QString applications = dir.filePath(QStringLiteral("data/applications"));
    const QString started = dir.filePath(QStringLiteral("gestartet"));
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(applications));
    const auto script = [&bin](const char* name, const QString& body) {
        QFile file(bin + u'/' + QLatin1String(name));
        return file.open(QIODevice::WriteOnly) &&
               file.write(("#!/bin/sh\n" + body + u'\n').toUtf8()) > 0 &&
               file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    };
    QVERIFY(script("xdg-mime", QStringLiteral("[ \"$*\" = \"query default "
                                              "x-scheme-handler/http\" ] && echo web.desktop")));
    QVERIFY(
        script("gio", "echo \"$@\" > " + started + ".part && mv " + started + ".part " + started));
    QFile desktopFile(applications + QStringLiteral("/web.desktop"));
    QVERIFY(desktopFile.open(QIODevice::WriteOnly));
    desktopFile.close();
    const QByteArray path = qgetenv("PATH");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    const auto restore = qScopeGuard([&] {
        qputenv("PATH", path);
        if (dataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", dataHome);
    });

    QVERIFY(BrowserLauncher::onDesktop().open(dir.filePath(QStringLiteral("seite.html"))));
    QTRY_VERIFY(QFile::exists(started));
    QCOMPARE(readAll(started), "launch " + QFile::encodeName(desktopFile.fileName()) + ' ' +
                                   QFile::encodeName(dir.filePath(QStringLiteral("seite.html"))) +
                                   '\n');
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
