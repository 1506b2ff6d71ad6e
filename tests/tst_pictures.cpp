// Pictures chosen from other folders travel into the page's folder when the page is saved.

#include "support/FileSizeLimit.h"
#include "support/Fixture.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

const QString kMain = QStringLiteral("TForm2");
const QByteArray kPicture(4096, 'p');

// Chooses the picture on "Bilder" and adds it to the page.
void addPicture(Fixture& f, const QString& path) {
    f.dialogs.answerFile(path);
    f.act(kMain, "Image1|Button5");
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void savingCopiesThePagesPictures_data();
    void savingCopiesThePagesPictures();
    void newForgetsThePictures();
};

void TestPictures::savingCopiesThePagesPictures_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("report");
    const QString saved = QStringLiteral("seite.html wurde gespeichert");
    QTest::newRow("from another folder")
        << "elsewhere" << saved + ", 1 Bild in den Ordner der Seite kopiert"
        << "";
    QTest::newRow("two pictures") << "two" << saved + ", 2 Bilder in den Ordner der Seite kopiert"
                                  << "";
    QTest::newRow("already there, the same") << "same there" << saved << "";
    QTest::newRow("already there, another")
        << "other there" << saved
        << "„bild.png“ liegt schon anders im Ordner der Seite und wurde nicht ersetzt.";
    QTest::newRow("the copy fails")
        << "too large" << saved
        << "„bild.png“ konnte nicht in den Ordner der Seite kopiert werden: Die Datei ist zu "
           "groß.";
    QTest::newRow("in the page's folder") << "page folder" << saved << "";
    QTest::newRow("no longer named by the page") << "taken out" << saved << "";
}

void TestPictures::savingCopiesThePagesPictures() {
    QFETCH(QString, situation);
    QFETCH(QString, notice);
    QFETCH(QString, report);
    Fixture f;
    QTemporaryDir pictures(onDiskTemplate());
    QTemporaryDir site(onDiskTemplate());
    const QString picture = (situation == "page folder" ? site : pictures).filePath("bild.png");
    const QString inSite = site.filePath(QStringLiteral("bild.png"));
    writeBytes(picture, kPicture);
    if (situation == "same there")
        writeBytes(inSite, kPicture);
    if (situation == "other there")
        writeBytes(inSite, "anders");
    const QByteArray before = fileBytes(inSite);

    f.startPage();
    addPicture(f, picture);
    if (situation == "two") {
        writeBytes(pictures.filePath("zwei.png"), kPicture);
        addPicture(f, pictures.filePath("zwei.png"));
    }
    if (situation == "taken out")
        f.setSourceLines({"<html>", "<body>"});
    f.dialogs.answerFile(site.filePath(QStringLiteral("seite.html")));
    {
        // The page fits, the picture does not.
        const FileSizeLimit limit(situation == "too large" ? 2048 : RLIM_INFINITY);
        f.trigger(kMain, "Speichern");
    }

    QVERIFY(QFileInfo(site.filePath("seite.html")).size() > 0);
    QCOMPARE(f.statusNotice(), notice);
    QCOMPARE(f.dialogs.lastMessage(), report);
    QCOMPARE(f.windows().context().document.hasUnsavedChanges(), false);
    const bool copied = notice.contains(QStringLiteral("kopiert"));
    QCOMPARE(fileBytes(inSite), copied ? kPicture : before);
    // Nothing half written is left behind.
    QStringList expected = {"seite.html"};
    if (copied || !before.isEmpty() || situation == "page folder")
        expected.prepend("bild.png");
    if (situation == "two")
        expected.append("zwei.png");
    QCOMPARE(QDir(site.path()).entryList(QDir::Files), expected);
}

void TestPictures::newForgetsThePictures() {
    Fixture f;
    QTemporaryDir pictures;
    QTemporaryDir site;
    writeBytes(pictures.filePath("bild.png"), kPicture);
    f.startPage();
    addPicture(f, pictures.filePath("bild.png"));
    f.trigger(kMain, "Neu");
    f.confirmDiscard();
    f.startPage();
    f.act(kMain, "Edit6=bild.png|Button5");
    f.dialogs.answerFile(site.filePath(QStringLiteral("seite.html")));
    f.trigger(kMain, "Speichern");
    QCOMPARE(QDir(site.path()).entryList(QDir::Files), QStringList{"seite.html"});
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
