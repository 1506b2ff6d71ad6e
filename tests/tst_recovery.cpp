#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "commands/RecoverWindow.h"
#include "commands/RecoveryRecorder.h"
#include "context/PageContext.h"
#include "core/context/RecoveryFolder.h"
#include "posteditor/EditorText.h"
#include "posteditor/PostEditorWindow.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTextCursor>

#include <cstdio>

namespace {

const QString kMain = QStringLiteral("TForm2");
const QString kEditor = QStringLiteral("TForm7");
const QString kRecover = QStringLiteral("RecoverWindow");
const QString kDiscardQuestion =
    QStringLiteral("question:Die markierte nicht gespeicherte Arbeit endgültig verwerfen?");

// A text as hex of its UTF-16 units, behind an x so that an empty one is a word too.
QByteArray hexOf(const QString& text) {
    return 'x' + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2).toHex();
}
QString textOfHex(const QByteArray& hex) {
    const QByteArray units = QByteArray::fromHex(hex.mid(1));
    return QString(reinterpret_cast<const QChar*>(units.constData()), units.size() / 2);
}

// Replaces the field's text as one typed edit.
void typeText(QPlainTextEdit& field, const QString& text) {
    QTextCursor cursor(field.document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

// What each window would save now: the page's lines and the post-editor's text.
QByteArray savedNow(WindowSet& windows) {
    const QString page = windows.context().document.linesAsSaved().join(u'\n');
    return hexOf(page) + ' ' + hexOf(windows.postEditor().text().asSaved());
}

void say(const QByteArray& line) {
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// The program that crashes: unsaved work in both windows, copied at once; then it waits to
// be killed.
int crashingProgram(const QString& folder, const QString& page, const QString& text) {
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet windows(dialogs, opener, WindowSet::Start::Hidden, folder);
    auto* memo2 = windows.mainWindow().findChild<QPlainTextEdit*>(QStringLiteral("Memo2"));
    // Typed over, even an empty page holds unsaved work.
    typeText(*memo2, QStringLiteral("vorher"));
    typeText(*memo2, page);
    typeText(*windows.postEditor().findChild<QPlainTextEdit*>(QStringLiteral("Memo1")), text);
    windows.pageRecorder().RecoveryTimerTimer();
    windows.postEditorRecorder().RecoveryTimerTimer();
    windows.recoveryFolder().waitForWrites();
    say("ready " + savedNow(windows));
    return QApplication::exec();
}

// The next start: takes everything up and says what came back and whether it shows as unsaved.
int recoveringProgram(const QString& folder) {
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet windows(dialogs, opener, WindowSet::Start::Hidden, folder);
    if (!windows.offerRecovery())
        return 2;
    windows.recover().findChild<QPushButton*>(QStringLiteral("RecoverButton"))->click();
    const bool unsaved = windows.context().document.hasUnsavedChanges() &&
                         windows.mainWindow().windowTitle().contains(u'*') &&
                         windows.postEditor().hasUnsavedChanges() &&
                         windows.postEditor().windowTitle().contains(u'*') &&
                         windows.postEditor().isVisible();
    say("restored " + savedNow(windows) + (unsaved ? " unsaved" : " saved"));
    return 0;
}

// The first line the child prints, split into words.
QList<QByteArray> firstLine(QProcess& child) {
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(60000))
            return {};
    }
    return child.readLine().trimmed().split(' ');
}

} // namespace

class TestRecovery final : public QObject {
    Q_OBJECT
private slots:
    void crashedWorkComesBack_data();
    void crashedWorkComesBack();
    void copyKeepsEveryCharacter_data();
    void copyKeepsEveryCharacter();
    void linesNameFileAndTime_data();
    void linesNameFileAndTime();
    void discardAsksFirst_data();
    void discardAsksFirst();
    void unreadableCopyIsReportedAndKept_data();
    void unreadableCopyIsReportedAndKept();
    void copyGoesWhenWorkIsSaved_data();
    void copyGoesWhenWorkIsSaved();
    void newestPageComesBackOthersStay();
    void restoringOverUnsavedWorkAsks();
    void timersFollowTheWork();

private:
    // A copy left by a program that no longer runs, in the fixture's folder.
    static QString plant(Fixture& f, const QString& name, const QByteArray& bytes) {
        const QString path = f.windows().recoveryFolder().path() + u'/' + name;
        writeBytes(path, bytes);
        return path;
    }
    static RecoveryCopy pageCopy(const QStringList& lines, const QDateTime& taken) {
        RecoveryCopy copy;
        for (const QString& line : lines)
            copy.text += line + u'\n';
        copy.taken = taken;
        return copy;
    }
    static QDateTime at(int hour, int minute) { return {QDate(2026, 12, 9), QTime(hour, minute)}; }
};

void TestRecovery::crashedWorkComesBack_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");
    QTest::newRow("NBSP, U+2028") << QStringLiteral(
                                         "<p>Grüße\u00A0aus Köln</p>\nZeile\u2028weiter\n")
                                  << QStringLiteral("Nach\u00A0bearbeitet\nzweite Zeile");
    QTest::newRow("emptied page") << QString() << QStringLiteral("\n");
}

// A program killed mid-work leaves copies that the next start takes up exactly; while it
// runs, no other program offers them, and a clean end leaves nothing behind.
void TestRecovery::crashedWorkComesBack() {
    QFETCH(QString, page);
    QFETCH(QString, text);
    // The fixture keeps this program's settings apart from the user's.
    const Fixture settings;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("wiederherstellen"));
    const QString program = QCoreApplication::applicationFilePath();
    QProcess crashing;
    crashing.start(program, {QStringLiteral("--crash"), folder, QString::fromLatin1(hexOf(page)),
                             QString::fromLatin1(hexOf(text))});
    const QList<QByteArray> ready = firstLine(crashing);
    QCOMPARE(ready.value(0), "ready");
    {
        ScriptedDialogs dialogs;
        RecordingOpener opener;
        WindowSet running(dialogs, opener, WindowSet::Start::Hidden, folder);
        QVERIFY(!running.offerRecovery());
    }
    crashing.kill();
    QVERIFY(crashing.waitForFinished(60000));

    QProcess recovering;
    recovering.start(program, {QStringLiteral("--recover"), folder});
    const QList<QByteArray> restored = firstLine(recovering);
    QVERIFY(recovering.waitForFinished(60000));
    QCOMPARE(recovering.exitCode(), 0);
    QCOMPARE(restored.value(0), "restored");
    QCOMPARE(restored.value(1), ready.value(1));
    QCOMPARE(restored.value(2), ready.value(2));
    QCOMPARE(restored.value(3), "unsaved");
    QVERIFY(textOfHex(ready.value(2)) == text);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestRecovery::copyKeepsEveryCharacter_data() {
    QTest::addColumn<QString>("text");
    const QChar lone[] = {QChar(0xD800), u'a', QChar(0xDC00), u'\n'};
    QTest::newRow("NBSP, separators") << QStringLiteral("a\u00A0b\u2028c\n\u2029\n\n");
    QTest::newRow("CR inside lines") << QStringLiteral("a\rb\n\r\n");
    QTest::newRow("lone surrogates") << QString(lone, 4);
    QTest::newRow("empty page") << QString();
}

void TestRecovery::copyKeepsEveryCharacter() {
    QFETCH(QString, text);
    RecoveryCopy copy = pageCopy({}, at(14, 3));
    copy.text = text;
    copy.file = QStringLiteral("/tmp/ä ö/seite.html");
    copy.hasFile = true;
    copy.kind = PageKind::Modern;
    copy.generalSettingsDone = true;
    copy.pictures.insert(QStringLiteral("b.jpg"), QStringLiteral("/bilder/b.jpg"));
    copy.encoding = PageFile::Encoding::Windows1252;
    const QByteArray bytes = copy.encode();
    const Expected<RecoveryCopy> read = RecoveryCopy::decode(bytes);
    QVERIFY(read.ok());
    QVERIFY(read.value.text == text);
    QCOMPARE(read.value.encode(), bytes);
    // Cut short anywhere, it is refused whole.
    for (qsizetype size : {qsizetype(0), qsizetype(10), bytes.size() - 1})
        QVERIFY(!RecoveryCopy::decode(bytes.left(size)).ok());
}

void TestRecovery::linesNameFileAndTime_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QString>("line");
    QTest::newRow("saved page") << 0 << "/home/a/Meine Seite.html" << true
                                << "Meine Seite.html – 09.12.2026, 14:03";
    QTest::newRow("page begun anew")
        << 0 << "/home/a/alt.html" << false << "Unbenannt – 09.12.2026, 14:03";
    QTest::newRow("post-editor") << 1 << "C:\\Seiten\\neu.htm" << true
                                 << "neu.htm – 09.12.2026, 14:03";
    QTest::newRow("post-editor without file")
        << 1 << "" << false << "Unbenannt – 09.12.2026, 14:03";
}

void TestRecovery::linesNameFileAndTime() {
    QFETCH(int, window);
    QFETCH(QString, file);
    QFETCH(bool, hasFile);
    QFETCH(QString, line);
    Fixture f;
    RecoveryCopy copy = pageCopy({}, at(14, 3));
    copy.window = RecoveryCopy::Window(window);
    copy.file = file;
    copy.hasFile = hasFile;
    plant(f, QStringLiteral("1_tot.seite.kopie"), copy.encode());
    QVERIFY(f.windows().offerRecovery());
    FIND(list, QListWidget, f, kRecover, "RecoverList");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), line);
    QCOMPARE(list->item(0)->checkState(), Qt::Checked);
    QVERIFY(f.window(kRecover)->isVisible());
}

void TestRecovery::discardAsksFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Ja") << true;
    QTest::newRow("Nein") << false;
}

// One question for every checked line; only "Ja" deletes, and an unchecked line stays.
void TestRecovery::discardAsksFirst() {
    QFETCH(bool, yes);
    Fixture f;
    const QString first = plant(f, "1_a.seite.kopie", pageCopy({"a"}, at(9, 0)).encode());
    const QString second = plant(f, "2_b.seite.kopie", pageCopy({"b"}, at(9, 1)).encode());
    RecoveryCopy named = pageCopy({"c"}, at(9, 2));
    named.file = QStringLiteral("/seiten/c.html");
    named.hasFile = true;
    const QString kept = plant(f, "3_c.seite.kopie", named.encode());
    QVERIFY(f.windows().offerRecovery());
    FIND(list, QListWidget, f, kRecover, "RecoverList");
    list->findItems("c.html", Qt::MatchStartsWith).constFirst()->setCheckState(Qt::Unchecked);
    if (yes)
        f.dialogs.answerYes();
    f.act(kRecover, "DiscardButton");
    QCOMPARE(f.dialogs.asked, QStringList{kDiscardQuestion});
    QCOMPARE(QFile::exists(first), !yes);
    QCOMPARE(QFile::exists(second), !yes);
    QVERIFY(QFile::exists(kept));
    QCOMPARE(list->count(), yes ? 1 : 3);
    QVERIFY(f.sourceLines().isEmpty());
}

void TestRecovery::unreadableCopyIsReportedAndKept_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("foreign") << QByteArray("<html>\r\n");
    QTest::newRow("cut short") << pageCopy({"a", "b"}, at(9, 0)).encode().chopped(3);
}

void TestRecovery::unreadableCopyIsReportedAndKept() {
    QFETCH(QByteArray, bytes);
    Fixture f;
    const QString path = plant(f, "1_tot.seite.kopie", bytes);
    QVERIFY(!f.windows().offerRecovery());
    QCOMPARE(f.dialogs.asked,
             QStringList{"message:Die nicht gespeicherte Arbeit in „" + path +
                         "“ kann nicht gelesen werden. Die Datei bleibt erhalten."});
    QCOMPARE(fileBytes(path), bytes);
    QVERIFY(!f.window(kRecover)->isVisible());
}

void TestRecovery::copyGoesWhenWorkIsSaved_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("step");
    QTest::newRow("Speichern") << kMain << "save";
    QTest::newRow("Neu") << kMain << "new";
    QTest::newRow("Rückgängig") << kMain << "undo";
    QTest::newRow("post-editor Speichern") << kEditor << "save";
    QTest::newRow("post-editor Neu") << kEditor << "new";
}

void TestRecovery::copyGoesWhenWorkIsSaved() {
    QFETCH(QString, window);
    QFETCH(QString, step);
    Fixture f;
    QTemporaryDir dir;
    const bool page = window == kMain;
    FIND(memo, QPlainTextEdit, f, window, page ? "Memo2" : "Memo1");
    WindowSet& windows = f.windows();
    RecoveryRecorder& recorder = page ? windows.pageRecorder() : windows.postEditorRecorder();
    const QString copy = windows.recoveryFolder().copyPath(page ? RecoveryCopy::Window::Page
                                                                : RecoveryCopy::Window::PostEditor);
    memo->textCursor().insertText(QStringLiteral("<p>getippt</p>"));
    recorder.RecoveryTimerTimer();
    windows.recoveryFolder().waitForWrites();
    QVERIFY(QFile::exists(copy));
    if (step == u"save") {
        f.dialogs.answerSave(dir.filePath(QStringLiteral("seite.html")), QStringLiteral(".html"));
        f.trigger(window, page ? "Speichern1" : "Speichern");
    } else if (step == u"new") {
        f.dialogs.answerYes();
        f.trigger(window, "Neu");
        f.confirmDiscard();
    } else {
        memo->undo();
    }
    QVERIFY(!memo->document()->isModified());
    windows.recoveryFolder().waitForWrites();
    QVERIFY(!QFile::exists(copy));
}

// One page goes into the main window: the newest checked; the others stay offered.
void TestRecovery::newestPageComesBackOthersStay() {
    Fixture f;
    const QString older = plant(f, "1_a.seite.kopie", pageCopy({"alt"}, at(9, 0)).encode());
    const QString newer = plant(f, "2_b.seite.kopie", pageCopy({"neu"}, at(9, 5)).encode());
    QVERIFY(f.windows().offerRecovery());
    f.act(kRecover, "RecoverButton");
    QCOMPARE(f.sourceLines(), QStringList{"neu"});
    QVERIFY(f.windows().context().document.hasUnsavedChanges());
    QVERIFY(!QFile::exists(newer));
    QVERIFY(QFile::exists(older));
    FIND(list, QListWidget, f, kRecover, "RecoverList");
    QCOMPARE(list->count(), 1);
    FIND(status, QLabel, f, kRecover, "RecoverStatus");
    QVERIFY(!status->text().isEmpty());
}

// Unsaved work in the main window goes only after "Ja" in "Error 407".
void TestRecovery::restoringOverUnsavedWorkAsks() {
    Fixture f;
    f.setSourceLines({QStringLiteral("eigene Arbeit")});
    plant(f, "1_a.seite.kopie", pageCopy({"gerettet"}, at(9, 0)).encode());
    QVERIFY(f.windows().offerRecovery());
    f.act(kRecover, "RecoverButton");
    QCOMPARE(f.sourceLines(), QStringList{"eigene Arbeit"});
    f.confirmDiscard();
    QCOMPARE(f.sourceLines(), QStringList{"gerettet"});
}

// Typing keeps the 30-second timer going; an add copies 2 seconds later; a save stops both.
void TestRecovery::timersFollowTheWork() {
    Fixture f;
    RecoveryRecorder& recorder = f.windows().pageRecorder();
    QVERIFY(!recorder.interval().isActive());
    f.setSourceLines({QStringLiteral("a")});
    QVERIFY(recorder.interval().isActive());
    QCOMPARE(recorder.interval().interval(), 30000);
    f.windows().context().document.commit({QStringLiteral("<hr>")});
    QVERIFY(recorder.afterChange().isActive());
    QCOMPARE(recorder.afterChange().interval(), 2000);
    f.windows().context().document.markSaved();
    QVERIFY(!recorder.interval().isActive());
    QVERIFY(!recorder.afterChange().isActive());
}

// The programs the crash test starts keep their settings beside their recovery folder.
void keepSettingsBeside(const QString& folder) {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       folder + QStringLiteral("/../einstellungen"));
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 2)
        keepSettingsBeside(arguments.value(2));
    if (arguments.value(1) == u"--crash") {
        return crashingProgram(arguments.value(2), textOfHex(arguments.value(3).toLatin1()),
                               textOfHex(arguments.value(4).toLatin1()));
    }
    if (arguments.value(1) == u"--recover")
        return recoveringProgram(arguments.value(2));
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
