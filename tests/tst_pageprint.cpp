// "Seite drucken...": the page printed as the page view shows it, not its source.
#include "core/platform/PageFile.h"
#include "support/FileSizeLimit.h"
#include "support/Fixture.h"
#include "support/PageViewTestMain.h"
#include "ui/PageViewLoader.h"
#include "ui/PageViewPane.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

namespace {

constexpr int kEngineTimeout = 60000; // the engine's first start is slow on a busy machine

const QStringList kPage = {"<html>", "<head><title>Druckprobe</title></head>", "<body>",
                           "<h1>Sonnenblumen im Garten</h1>", "<p>Ein Gruß aus dem Süden</p>"};

// The text of a PDF file, or none when pdftotext is missing.
std::optional<QString> pdfText(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPagePrint : public QObject {
    Q_OBJECT

private slots:
    void printsPageAsItLooks_data();
    void printsPageAsItLooks();
    void panePrintsOnAPrinter();
};

void TestPagePrint::printsPageAsItLooks_data() {
    QTest::addColumn<int>("prints");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("to a PDF file") << 1 << false;
    // The second is confirmed while the first still prints: it waits its turn.
    QTest::newRow("second print waits") << 2 << false;
    // The folder takes no temporary file, and the disk fills up while the file is written.
    QTest::newRow("disk full") << 1 << true;
}

void TestPagePrint::printsPageAsItLooks() {
    QFETCH(int, prints);
    QFETCH(bool, diskFull);
    Fixture f;
    QTemporaryDir dir(onDiskTemplate());
    f.setSourceLines(kPage);
    QStringList pdfs;
    for (int i = 0; i < prints; ++i) {
        pdfs.append(dir.filePath(QStringLiteral("seite%1.pdf").arg(i)));
        writeBytes(pdfs.last(), "alt");
    }

    // The limit holds from the folder's check, right before the file is written in place,
    // until the window's thread is free again.
    std::optional<FileSizeLimit> nearlyFull;
    if (diskFull)
        PageFile::setFolderTakesTemporaryFiles([&](const QString& folder) {
            if (QDir(folder) != QDir(dir.path()))
                return true;
            nearlyFull.emplace(1000);
            QTimer::singleShot(0, [&nearlyFull] { nearlyFull.reset(); });
            return false;
        });
    const auto unlock = qScopeGuard([] { PageFile::setFolderTakesTemporaryFiles({}); });

    for (const QString& pdf : pdfs) {
        f.dialogs.answerPrintTo(pdf);
        f.trigger("TForm2", "SeiteDrucken1");
    }
    QCOMPARE(f.dialogs.asked, QStringList(prints, QStringLiteral("print")));
    if (diskFull) {
        QTRY_COMPARE_WITH_TIMEOUT(f.dialogs.asked.size(), 2, kEngineTimeout);
        QCOMPARE(f.dialogs.asked.last(), "error:Datei \"" + pdfs.first() +
                                             "\" kann nicht erstellt werden. Die Datei ist zu "
                                             "groß.");
        QCOMPARE(fileBytes(pdfs.first()), QByteArray("alt"));
        QCOMPARE(f.statusNotice(), QString());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(fileBytes(pdfs.last()) != "alt", kEngineTimeout);
    QCOMPARE(f.statusNotice(), QStringLiteral("Seite wird gedruckt"));
    QCOMPARE(f.dialogs.asked.size(), prints);
    for (const QString& pdf : pdfs) {
        const std::optional<QString> text = pdfText(pdf);
        if (!text)
            QSKIP("pdftotext is not installed");
        QVERIFY2(text->contains(QStringLiteral("Sonnenblumen im Garten")), qPrintable(*text));
        QVERIFY2(text->contains(QStringLiteral("Ein Gruß aus dem Süden")), qPrintable(*text));
        for (const char* tag : {"<", "html", "body"})
            QVERIFY2(!text->contains(QLatin1String(tag), Qt::CaseInsensitive), qPrintable(*text));
    }
}

void TestPagePrint::panePrintsOnAPrinter() {
    // The engine's print on a printer, as every printer but a PDF file gets it; the pane is
    // never shown.
    const Expected<PageViewPane*> created = PageViewLoader::create(nullptr);
    QVERIFY2(created.ok(), qPrintable(created.error));
    const std::unique_ptr<PageViewPane> pane(created.value);
    QSignalSpy loaded(pane.get(), &PageViewPane::pageLoaded);
    pane->showPage(kPage.join(u'\n'), {}, PageViewPane::Scroll::Keep);
    QVERIFY(loaded.wait(kEngineTimeout));
    QVERIFY(loaded.first().first().toBool());

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("drucker.pdf")));
    QSignalSpy finished(pane.get(), &PageViewPane::printFinished);
    pane->print(&printer);
    QVERIFY(finished.wait(kEngineTimeout));
    QCOMPARE(finished.first().first().toBool(), true);
    QVERIFY(fileBytes(printer.outputFileName()).startsWith("%PDF"));
}

QUILLMARK_PAGE_VIEW_TEST_MAIN(TestPagePrint)

#include "tst_pageprint.moc"
