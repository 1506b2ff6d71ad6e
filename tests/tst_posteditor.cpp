// The post-editor: files read and written back unchanged, captions, the shared save dialog's
// file for the preview, printing, files it refuses, and its edit commands on Memo1.
#include "app/MainWindow.h"
#include "posteditor/PostEditorWindow.h"
#include "support/Fixture.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>

#include <sys/stat.h>

namespace {

const QString kEditor = QStringLiteral("TForm7");
const QString kCaption = QStringLiteral("HTML-Quelltext nachbearbeiten");

// The lines the field holds, one per text block.
QStringList heldLines(const QPlainTextEdit& memo) {
    QStringList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

// Runs a command by its menu or pop-up item, or by clicking its toolbar picture.
void run(Fixture& f, const QString& command) {
    if (f.window(kEditor)->findChild<QAction*>(command))
        f.trigger(kEditor, command);
    else
        f.act(kEditor, QStringList{command});
}

bool previewEnabled(Fixture& f) {
    FIND_OR(preview, QWidget, f, kEditor, "Image9", false);
    return f.window(kEditor)->findChild<QAction*>("Vorschau")->isEnabled() && preview->isEnabled();
}

QString encodingPanel(const Fixture& f) {
    FIND_OR(panel, QLabel, f, kEditor, "EncodingPanel", QString());
    return panel->text();
}

} // namespace

class TestPostEditor : public QObject {
    Q_OBJECT

private slots:
    void savedUnchangedKeepsTheBytes_data();
    void savedUnchangedKeepsTheBytes();
    void captionNamesTheFile_data();
    void captionNamesTheFile();
    void cancelledDialogsChangeNothing();
    void previewWaitsForTheFirstSave();
    void previewOpensItsOwnFile();
    void printsTheLinesAsShown();
    void refusesTooLargeFile();
    void unreadableFileLeavesTextAndCaption_data();
    void unreadableFileLeavesTextAndCaption();
    void separatorsSurviveUnchanged_data();
    void separatorsSurviveUnchanged();
    void windows1252AsksBeforeUtf8_data();
    void windows1252AsksBeforeUtf8();
    void failedWriteChangesNothing();
    void unsavedChangesAreTracked();
    void editCommandsActOnMemo1_data();
    void editCommandsActOnMemo1();
    void deleteShortcutAndPopupMenu();
    void exitHidesAndHelpItemsShowTheirWindows();
};

void TestPostEditor::savedUnchangedKeepsTheBytes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("encoding");
    auto row = [](const char* name, const QByteArray& file, const QStringList& shown,
                  const QByteArray& saved, const QString& encoding = QStringLiteral("UTF-8")) {
        QTest::newRow(name) << file << shown << saved << encoding;
    };

    const QByteArray latin1("Gr\xFC\xDF"
                            "e aus K\xF6ln\r\n<p>\xC4\xD6\xDC</p>\r\n");
    row("Latin-1 umlauts", latin1, {"Grüße aus Köln", "<p>ÄÖÜ</p>", ""}, latin1, "Windows-1252");
    const QByteArray cp1252("\x80 5,-\r\n\x84Zitat\x93 \x85\r\n");
    row("Windows-1252 signs", cp1252, {"€ 5,-", "„Zitat“ …", ""}, cp1252, "Windows-1252");
    row("UTF-8", "Grüße € „Zitat“\r\n", {"Grüße € „Zitat“", ""}, "Grüße € „Zitat“\r\n");
    row("byte-order mark", "\xEF\xBB\xBFx\r\n", {"x", ""}, "\xEF\xBB\xBFx\r\n", "UTF-8 mit BOM");
    const QByteArray utf16le("\xFF\xFE<\0p\0>\0\xFC\0\r\0\n\0x\0", 16);
    row("UTF-16 LE", utf16le, {"<p>ü", "x"}, utf16le, "UTF-16 LE");
    const QByteArray utf16be("\xFE\xFF\0\xFC\0\n\0\n", 8);
    row("UTF-16 BE, lone line feeds", utf16be, {"ü", "", ""},
        QByteArray("\xFE\xFF\0\xFC\0\r\0\n\0\r\0\n", 12), "UTF-16 BE");
    const QByteArray bareLe("<\0p\0>\0\xFC\0\r\0\n\0", 12);
    row("UTF-16 LE without a mark", bareLe, {"<p>ü", ""}, bareLe, "UTF-16 LE (ohne BOM)");
    row("non-breaking space", "a\xA0z\r\n", {"a\u00A0z", ""}, "a\xA0z\r\n", "Windows-1252");
    row("no break after the last line", "<html>\r\n</html>", {"<html>", "</html>"},
        "<html>\r\n</html>");
    row("lone line feeds", "<p>\n</p>\n", {"<p>", "</p>", ""}, "<p>\r\n</p>\r\n");
    row("mixed line ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"}, "a\r\nb\r\nc\r\nd");
    row("empty lines, tabs, blanks", "\r\n\r\n\t<td>  \r\n\r\n", {"", "", "\t<td>  ", "", ""},
        "\r\n\r\n\t<td>  \r\n\r\n");
    row("empty file", "", {""}, "");
}

void TestPostEditor::savedUnchangedKeepsTheBytes() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, shown);
    QFETCH(QByteArray, saved);
    QFETCH(QString, encoding);

    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("alt.html"));
    const QString out = dir.filePath(QStringLiteral("neu.html"));
    writeBytes(in, file);
    f.dialogs.answerFile(in);
    f.trigger(kEditor, "ffnen1");
    QCOMPARE(heldLines(*memo), shown);
    QCOMPARE(encodingPanel(f), encoding);
    f.dialogs.answerFile(out);
    f.trigger(kEditor, "Speichern");
    QCOMPARE(fileBytes(out), saved);
    QCOMPARE(encodingPanel(f), encoding);
    // A text begun anew is written as UTF-8.
    f.trigger(kEditor, "Neu");
    QCOMPARE(encodingPanel(f), QStringLiteral("UTF-8"));
    // The save proposes the file opened here.
    QCOMPARE(f.dialogs.asked, (QStringList{"open:Unbenannt.html", "save:" + in}));
}

void TestPostEditor::captionNamesTheFile_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("menu Öffnen") << QStringLiteral("ffnen1");
    QTest::newRow("toolbar open") << QStringLiteral("Image2");
    QTest::newRow("menu Speichern unter") << QStringLiteral("Speichern");
    QTest::newRow("toolbar save") << QStringLiteral("Image7");
}

void TestPostEditor::captionNamesTheFile() {
    QFETCH(QString, command);
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.html"));
    writeBytes(path, "<html>\r\n");
    f.windows().showPostEditor();
    typeInto(memo, QStringLiteral("<html>\n"));
    QCOMPARE(f.window(kEditor)->windowTitle(), kCaption + "*");
    // Opening asks first whether the unsaved text may go; saving whether the file may be
    // replaced.
    const bool opens = command == QLatin1String("ffnen1") || command == QLatin1String("Image2");
    if (opens)
        f.dialogs.answerYes();
    f.dialogs.answerFile(path);
    if (!opens)
        f.dialogs.answerYes();
    run(f, command);
    const QString named = QStringLiteral("index.html  -  HTML-Quelltext nachbearbeiten");
    QCOMPARE(f.window(kEditor)->windowTitle(), named);
    QVERIFY(!f.window(kEditor)->isWindowModified());
    QCOMPARE(memo->toPlainText(), QStringLiteral("<html>\n"));
    QCOMPARE(fileBytes(path), QByteArray("<html>\r\n"));
    QCOMPARE(f.window("TForm2")->windowTitle(), QStringLiteral("Quillmark"));
    typeInto(memo, QStringLiteral("<p>"));
    QCOMPARE(f.window(kEditor)->windowTitle(),
             QStringLiteral("index.html*  -  HTML-Quelltext nachbearbeiten"));
    QVERIFY(f.window(kEditor)->isWindowModified());

    // New empties the text only: the file stays.
    f.act(kEditor, "Image6");
    QCOMPARE(memo->toPlainText(), QString());
    QCOMPARE(f.window(kEditor)->windowTitle(), named);
}

void TestPostEditor::cancelledDialogsChangeNothing() {
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    typeInto(memo, QStringLiteral("bleibt"));
    for (const QString command : {"Image2", "Image7", "ffnen1", "Speichern", "Drucken1"})
        run(f, command);
    // Opening over the unsaved text asks first; "Nein" keeps it without an open dialog.
    const QString discard =
        QStringLiteral("question:Wollen Sie den Text von „Unbenannt“ verwerfen?");
    QCOMPARE(f.dialogs.asked, (QStringList{discard, "save:Unbenannt.html", discard,
                                           "save:Unbenannt.html", "print"}));
    QCOMPARE(memo->toPlainText(), QStringLiteral("bleibt"));
    QCOMPARE(f.window(kEditor)->windowTitle(), kCaption + "*");
    QVERIFY(!previewEnabled(f));
}

void TestPostEditor::previewWaitsForTheFirstSave() {
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.html"));
    f.windows().showPostEditor();
    FIND(image9, QWidget, f, kEditor, "Image9");
    FIND(pressed, QWidget, f, kEditor, "Image16");
    QVERIFY(!previewEnabled(f));
    QTest::mousePress(image9, Qt::LeftButton);
    QVERIFY(image9->isVisible() && !pressed->isVisible());
    QTest::mouseRelease(image9, Qt::LeftButton);
    f.trigger(kEditor, "Vorschau");
    QCOMPARE(f.opener.opened, QStringList{});

    f.dialogs.answerFile(path);
    f.trigger(kEditor, "Speichern");
    QVERIFY(previewEnabled(f));
    QTest::mousePress(image9, Qt::LeftButton);
    QVERIFY(!image9->isVisible() && pressed->isVisible());
    QTest::mouseRelease(pressed, Qt::LeftButton);
    QVERIFY(image9->isVisible() && !pressed->isVisible());
    f.trigger(kEditor, "Neu");
    QVERIFY(previewEnabled(f));
    f.trigger(kEditor, "Vorschau");
    QCOMPARE(f.opener.opened, (QStringList{path, path}));
}

void TestPostEditor::previewOpensItsOwnFile() {
    Fixture f;
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("neu.html"));
    const QString opened = dir.filePath(QStringLiteral("alt.html"));
    writeBytes(opened, "<p>alt</p>\r\n");
    f.windows().context().state.enablePreview();

    // The post-editor previews its own file, the main window its page.
    f.dialogs.answerFile(saved);
    f.trigger(kEditor, "Speichern");
    f.trigger(kEditor, "Vorschau");
    f.dialogs.answerFile(opened);
    f.trigger(kEditor, "ffnen1");
    f.trigger(kEditor, "Vorschau");
    f.trigger("TForm2", "Vorschau");
    QCOMPARE(f.opener.opened, (QStringList{saved, opened, "Unbenannt.html"}));

    // A save in either window leaves the other's proposal and preview alone.
    const QString page = dir.filePath(QStringLiteral("seite.html"));
    f.dialogs.answerFile(page);
    f.trigger("TForm2", "Speichern");
    QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:Unbenannt.html"));
    f.trigger(kEditor, "Vorschau");
    QCOMPARE(f.opener.opened.last(), opened);

    f.opener.succeed = false;
    f.trigger(kEditor, "Vorschau");
    QCOMPARE(f.dialogs.asked.last(),
             QStringLiteral("message:Datei kann leider nicht gestartet werden"));
}

void TestPostEditor::printsTheLinesAsShown() {
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    f.windows().showPostEditor();
    // Short lines first, so that the long line lies far below what the field shows.
    QStringList shortLines;
    for (int i = 1; i <= 80; ++i)
        shortLines << QStringLiteral("<p>Zeile %1</p>").arg(i);
    QStringList words;
    for (int i = 1; i <= 60; ++i)
        words << QStringLiteral("wort%1").arg(i, 2, 10, QLatin1Char('0'));
    typeInto(memo, shortLines.join(u'\n') + u'\n' + words.join(u' ') + "\n<p>Ende</p>");
    f.dialogs.answerPrintTo(pdf);
    f.trigger(kEditor, "Drucken1");
    QVERIFY(QFileInfo(pdf).size() > 0);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed: only the PDF's existence was checked");
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    QStringList printed;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            printed << line.trimmed();
    }
    QCOMPARE(printed.first(80), shortLines);
    QCOMPARE(printed.last(), QStringLiteral("<p>Ende</p>"));
    // The long line is printed as the pieces the field wraps it into.
    const QStringList pieces = printed.mid(80, printed.size() - 81);
    QVERIFY2(pieces.size() > 1, qPrintable(pieces.join(u'|')));
    QCOMPARE(pieces.join(u' '), words.join(u' '));
}

void TestPostEditor::refusesTooLargeFile() {
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("riesig.html"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(64) * 1024 * 1024 + 1));
    file.close();
    typeInto(memo, QStringLiteral("bleibt"));
    f.dialogs.answerYes();
    f.dialogs.answerFile(path);
    f.act(kEditor, "Image2");
    QCOMPARE(f.dialogs.asked.last(), QStringLiteral("error:Text überschreitet Memo-Kapazität"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("bleibt"));
    QCOMPARE(f.window(kEditor)->windowTitle(), kCaption + "*");
}

void TestPostEditor::unreadableFileLeavesTextAndCaption_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const QString notAFile = QStringLiteral("Das ist keine gewöhnliche Datei.");
    QTest::newRow("missing") << "fehlt.html"
                             << "Die Datei oder der Ordner existiert nicht.";
    QTest::newRow("folder") << "ordner" << notAFile;
    QTest::newRow("endless device") << "/dev/zero" << notAFile;
    QTest::newRow("pipe without writer") << "x.html" << notAFile;
}

void TestPostEditor::unreadableFileLeavesTextAndCaption() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("x.html")).constData(), 0600) == 0);
    if (!path.startsWith(u'/'))
        path = dir.filePath(path);
    typeInto(memo, QStringLiteral("bleibt"));
    f.dialogs.answerYes();
    f.dialogs.answerFile(path);
    f.act(kEditor, "Image2");
    QCOMPARE(f.dialogs.asked.last(),
             "error:Datei " + path + " kann nicht geöffnet werden. " + reason);
    QCOMPARE(memo->toPlainText(), QStringLiteral("bleibt"));
    QCOMPARE(f.window(kEditor)->windowTitle(), kCaption + "*");
}

void TestPostEditor::separatorsSurviveUnchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b");
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b");
    QTest::newRow("non-characters") << QStringLiteral("a\uFDD0b\uFDD1c");
    // The stand-ins must not be taken from the file itself.
    QTest::newRow("private use besides")
        << QStringLiteral("\U000F0000\u2028\U000F0001\u2029\U000F0002");
}

void TestPostEditor::separatorsSurviveUnchanged() {
    QFETCH(QString, text);
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    const QByteArray bytes = (text + QStringLiteral("\r\n</html>\r\n")).toUtf8();
    writeBytes(path, bytes);
    f.dialogs.answerFile(path);
    f.trigger(kEditor, "ffnen1");
    QCOMPARE(memo->document()->blockCount(), 3);
    f.dialogs.answerFile(path);
    f.trigger(kEditor, "Speichern");
    QCOMPARE(fileBytes(path), bytes);
}

void TestPostEditor::windows1252AsksBeforeUtf8_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("encoding");
    QTest::newRow("text file, Ja")
        << "notiz.txt" << true << QByteArray("\xC3\xA4 \xE6\xBC\xA2") << "UTF-8";
    QTest::newRow("text file, Abbrechen")
        << "notiz.txt" << false << QByteArray("\xE4") << "Windows-1252";
    QTest::newRow("page") << "seite.htm" << false << QByteArray("\xE4 &#28450;") << "Windows-1252";
}

void TestPostEditor::windows1252AsksBeforeUtf8() {
    QFETCH(QString, name);
    QFETCH(bool, yes);
    QFETCH(QByteArray, written);
    QFETCH(QString, encoding);
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    writeBytes(path, "\xE4");
    f.dialogs.answerFile(path);
    f.trigger(kEditor, "ffnen1");
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QStringLiteral(" 漢"));
    f.dialogs.answerFile(path);
    f.dialogs.answerYes(); // the file is replaced
    if (yes)
        f.dialogs.answerYes();
    f.trigger(kEditor, "Speichern");
    const QString question = QStringLiteral("question:Die Datei enthält Zeichen, die "
                                            "Windows-1252 nicht speichern kann. Als UTF-8 "
                                            "speichern?");
    QCOMPARE(f.dialogs.asked.contains(question), name.endsWith(QLatin1String(".txt")));
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(fileBytes(path), written);
    QCOMPARE(encodingPanel(f), encoding);
    QCOMPARE(previewEnabled(f), written != "\xE4");
}

void TestPostEditor::failedWriteChangesNothing() {
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt/neu.html"));
    typeInto(memo, QStringLiteral("Text"));
    f.dialogs.answerFile(path);
    f.act(kEditor, "Image7");
    QVERIFY(f.dialogs.asked.last().startsWith("error:Datei \"" + path +
                                              "\" kann nicht erstellt werden. "));
    QVERIFY(!previewEnabled(f));
    QCOMPARE(f.window(kEditor)->windowTitle(), kCaption + "*");
    QVERIFY(f.windows().postEditor().hasUnsavedChanges());
}

void TestPostEditor::unsavedChangesAreTracked() {
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.html"));
    PostEditorWindow& editor = f.windows().postEditor();
    QVERIFY(!editor.hasUnsavedChanges());
    typeInto(memo, QStringLiteral("Text"));
    QVERIFY(editor.hasUnsavedChanges());
    f.dialogs.answerFile(path);
    f.trigger(kEditor, "Speichern");
    QVERIFY(!editor.hasUnsavedChanges());
    f.trigger(kEditor, "Lschen1");
    QVERIFY(editor.hasUnsavedChanges());
    f.dialogs.answerYes();
    f.dialogs.answerFile(path);
    f.trigger(kEditor, "ffnen1");
    QVERIFY(!editor.hasUnsavedChanges());
    typeInto(memo, QStringLiteral("Neuer Text"));
    f.trigger(kEditor, "Neu");
    QVERIFY(!editor.hasUnsavedChanges());

    // Unsaved text keeps the program from ending without a question of the post-editor's.
    typeInto(memo, QStringLiteral("Text"));
    QSignalSpy ended(&f.windows().mainWindow(), &MainWindow::closed);
    f.window("TForm2")->close();
    QCOMPARE(f.dialogs.asked.last(),
             QStringLiteral("question:Wollen Sie den Text von „neu.html“ verwerfen?"));
    QCOMPARE(ended.size(), 0);
    QVERIFY(!f.window("TForm10")->isVisible());
}

void TestPostEditor::editCommandsActOnMemo1_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("clipboard");
    auto row = [](const char* command, const char* text, const char* selected,
                  const char* clipboard) {
        QTest::newRow(command) << QString(command) << QString::fromUtf8(text) << QString(selected)
                               << QString(clipboard);
    };
    row("Ausschneiden1", "Hallo ", "", "Welt");
    row("Image10", "Hallo ", "", "Welt");
    row("Kopieren2", "Hallo Welt", "Welt", "Welt");
    row("Image11", "Hallo Welt", "Welt", "Welt");
    row("infgen1", "Hallo Erde", "", "Erde");
    row("Image12", "Hallo Erde", "", "Erde");
    row("Lschen1", "", "", "Erde");
    row("Lschen2", "", "", "Erde");
    row("AllesMarkieren2", "Hallo Welt", "Hallo Welt", "Erde");
}

void TestPostEditor::editCommandsActOnMemo1() {
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, clipboard);

    Fixture f;
    f.windows().showPostEditor();
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    typeInto(memo, QStringLiteral("Hallo Welt"));
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    QGuiApplication::clipboard()->setText(QStringLiteral("Erde"));
    run(f, command);
    QCOMPARE(memo->toPlainText(), text);
    QCOMPARE(memo->textCursor().selectedText(), selected);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

void TestPostEditor::deleteShortcutAndPopupMenu() {
    Fixture f;
    f.windows().showPostEditor();
    QVERIFY(QTest::qWaitForWindowActive(f.window(kEditor)));
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    typeInto(memo, QStringLiteral("erste Zeile\nzweite Zeile"));
    memo->moveCursor(QTextCursor::Start);
    memo->setFocus();
    // Ctrl+Entf is "Löschen": the whole text, not the next word.
    QTest::keyClick(memo, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(memo->toPlainText(), QString());

    QWidget* viewport = memo->viewport();
    QContextMenuEvent request(QContextMenuEvent::Mouse, viewport->rect().center(),
                              viewport->mapToGlobal(viewport->rect().center()));
    QApplication::sendEvent(viewport, &request);
    FIND(menu, QMenu, f, kEditor, "PopupMenu1");
    QVERIFY(menu->isVisible());
    menu->hide();
}

void TestPostEditor::exitHidesAndHelpItemsShowTheirWindows() {
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kEditor, "Memo1");
    f.trigger("TForm2", "Seitenachbearbeiten1");
    QWidget* window = f.window(kEditor);
    typeInto(memo, QStringLiteral("bleibt"));
    f.trigger(kEditor, "Beenden1");
    QVERIFY(!window->isVisible());
    f.trigger("TForm2", "Seitenachbearbeiten1");
    QVERIFY(window->isVisible());
    QCOMPARE(memo->toPlainText(), QStringLiteral("bleibt"));

    const QStringList items{"QuillmarkHIlfe1", "HtmlHilfe1", "berQuillmark1"};
    const QStringList windows{"TForm3", "TForm4", "TForm8"};
    for (qsizetype i = 0; i < items.size(); ++i) {
        QVERIFY(!f.window(windows[i])->isVisible());
        f.trigger(kEditor, items[i]);
        QVERIFY2(f.window(windows[i])->isVisible(), qPrintable(items[i]));
    }
}

QTEST_MAIN(TestPostEditor)
#include "tst_posteditor.moc"
