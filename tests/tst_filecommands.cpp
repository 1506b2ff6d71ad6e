// New, save, save as, preview, print and the windows the menus open.
#include "app/MainWindow.h"
#include "commands/FileCommands.h"
#include "core/source/PageSource.h"
#include "platform/DialogObjects.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

const QString kReplace = QStringLiteral("question:Die Datei seite.html existiert bereits.\n"
                                        "Soll sie überschrieben werden?");

// Saves in the main window, the frame builder or the post-editor, each with something in it.
void saveIn(Fixture& f, const QString& window) {
    if (window == QLatin1String("TForm6")) {
        f.trigger("TForm2", "Frameseiteerstellen1");
        click(f.control(window, "Image5"));
        click(f.control(window, "Button1"));
        return;
    }
    if (window == QLatin1String("TForm2"))
        f.setSourceLines({"<p>neu</p>"});
    else
        typeInto(f.control(window, "Memo1"), QStringLiteral("<p>neu</p>"));
    f.trigger(window, "Speichern");
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void saveAsClosesAndWritesThePage();
    void saveTwiceAddsOneTail();
    void saveAfterAddingReclosesThePage();
    void saveWithoutDialogWritesThePagesOwnFile();
    void saveRightAfterNewAsksAgain();
    void cancelledSaveChangesNothing();
    void failedSaveKeepsEverything();
    void previewOpensTheSharedFileName();
    void previewFailureShowsMessage();
    void printWritesEveryLine();
    void cancelledPrintPostsNothing();
    void newEmptiesThePageAndUnlocks();
    void extraAndHelpMenusShowWindows();
    void newAsksBeforeDroppingUnsavedWork_data();
    void newAsksBeforeDroppingUnsavedWork();
    void unsavedFollowsUndo();
    void savedFileGetsTheChosenType_data();
    void savedFileGetsTheChosenType();
    void proposalFromTheTitle_data();
    void proposalFromTheTitle();
    void saveDialogFolder();
    void overwritingAsks_data();
    void overwritingAsks();
    void eachWindowProposesItsOwnFile();
    void captionMarksUnsavedWork();
    void discardQuestionKeepsThePage_data();
    void discardQuestionKeepsThePage();
    void endingAsksEachWindowOnce_data();
    void endingAsksEachWindowOnce();
};

void TestFileCommands::saveAsClosesAndWritesThePage() {
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.html"));
    f.setSourceLines({"<html>", "<body>", "<br>"});
    f.dialogs.answerFile(path);
    f.trigger("TForm2", "Speichern");
    QCOMPARE(f.dialogs.asked, QStringList{"save:Unbenannt.html"});
    QCOMPARE(f.sourceLines(), (QStringList{"<html>", "<body>", "<br>", "</body>", "</html>"}));
    QCOMPARE(fileBytes(path), QByteArray("<html>\r\n<body>\r\n<br>\r\n</body>\r\n</html>\r\n"));
    QCOMPARE(f.window("TForm2")->windowTitle(), QStringLiteral("index.html  -  Quillmark"));
    QCOMPARE(f.windows().context().state.SavedFileName(), QStringLiteral("index.html"));
    QCOMPARE(f.statusNotice(), QStringLiteral("index.html wurde gespeichert"));
    QVERIFY(f.window("TForm2")->findChild<QAction*>("Vorschau")->isEnabled());
    FIND(preview, QWidget, f, "TForm2", "Image9");
    QVERIFY(preview->isEnabled());
}

void TestFileCommands::saveTwiceAddsOneTail() {
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.html"));
    f.setSourceLines({"<p>"});
    f.dialogs.answerFile(path);
    f.dialogs.answerFile(path);
    f.trigger("TForm2", "Speichern");
    f.trigger("TForm2", "Speichern");
    QCOMPARE(f.sourceLines(), (QStringList{"<p>", "</body>", "</html>"}));
    QCOMPARE(fileBytes(path), QByteArray("<p>\r\n</body>\r\n</html>\r\n"));
}

void TestFileCommands::saveAfterAddingReclosesThePage() {
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.html"));
    f.setSourceLines({"<p>"});
    f.dialogs.answerFile(path);
    f.trigger("TForm2", "Speichern1");
    f.windows().context().document.commit({QStringLiteral("<hr>")});
    f.trigger("TForm2", "Speichern1"); // Ctrl+S: no dialog now
    QCOMPARE(f.dialogs.asked.size(), 1);
    QCOMPARE(fileBytes(path), QByteArray("<p>\r\n<hr>\r\n</body>\r\n</html>\r\n"));
    QCOMPARE(f.statusNotice(), QStringLiteral("a.html wurde gespeichert"));
}

void TestFileCommands::saveWithoutDialogWritesThePagesOwnFile() {
    Fixture f;
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("seite.html"));
    const QString other = dir.filePath(QStringLiteral("frames.html"));
    f.setSourceLines({"<p>"});
    f.dialogs.answerFile(page);
    f.trigger("TForm2", "Speichern");
    // Another window points the shared save dialog at another file...
    f.windows().context().dialogs.SaveDialog1.setFileName(other);
    f.windows().context().document.commit({QStringLiteral("<hr>")});
    f.trigger("TForm2", "Speichern1");
    // ...yet "Speichern" writes the page to its own file and leaves the other alone.
    QVERIFY(!QFile::exists(other));
    QCOMPARE(fileBytes(page), QByteArray("<p>\r\n<hr>\r\n</body>\r\n</html>\r\n"));
    // The preview still opens the shared dialog's file, as it always has.
    f.trigger("TForm2", "Vorschau");
    QCOMPARE(f.opener.opened, QStringList{other});
}

void TestFileCommands::saveRightAfterNewAsksAgain() {
    Fixture f;
    QTemporaryDir dir;
    f.dialogs.answerFile(dir.filePath(QStringLiteral("a.html")));
    f.trigger("TForm2", "Speichern1");
    f.trigger("TForm2", "Neu");
    QCOMPARE(f.window("TForm2")->windowTitle(), QStringLiteral("Quillmark"));
    f.dialogs.answerCancel();
    f.trigger("TForm2", "Speichern1");
    QCOMPARE(f.dialogs.asked.size(), 2);
    QVERIFY(f.dialogs.asked.last().startsWith(QStringLiteral("save:")));
}

void TestFileCommands::cancelledSaveChangesNothing() {
    Fixture f;
    f.setSourceLines({"<p>"});
    f.dialogs.answerCancel();
    f.trigger("TForm2", "Speichern");
    QCOMPARE(f.sourceLines(), QStringList{"<p>"});
    QCOMPARE(f.window("TForm2")->windowTitle(), QStringLiteral("Quillmark*"));
    QVERIFY(!f.window("TForm2")->findChild<QAction*>("Vorschau")->isEnabled());
    QCOMPARE(f.statusNotice(), QString());
}

void TestFileCommands::failedSaveKeepsEverything() {
    Fixture f;
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("ordner.html"));
    QVERIFY(QDir().mkdir(blocked));
    f.setSourceLines({"<p>"});
    f.dialogs.answerFile(blocked);
    f.trigger("TForm2", "Speichern");
    QVERIFY(f.dialogs.lastMessage().startsWith(
        QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(blocked)));
    QCOMPARE(f.window("TForm2")->windowTitle(), QStringLiteral("Quillmark*"));
    QCOMPARE(f.windows().context().state.SavedFileName(), QString());
    FIND(preview, QWidget, f, "TForm2", "Image9");
    QVERIFY(!preview->isEnabled());
    QCOMPARE(f.statusNotice(), QString());
}

void TestFileCommands::previewOpensTheSharedFileName() {
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.html"));
    f.dialogs.answerFile(path);
    f.trigger("TForm2", "Speichern");
    click(f.control("TForm2", "Image9"));
    QCOMPARE(f.opener.opened, QStringList{path});
    QCOMPARE(f.windows().context().state.previewName(), QStringLiteral("index.html"));
    QCOMPARE(f.statusNotice(), QStringLiteral(" Vorschau von index.html wird geladen"));
}

void TestFileCommands::previewFailureShowsMessage() {
    Fixture f;
    f.windows().context().state.enablePreview();
    f.opener.succeed = false;
    f.trigger("TForm2", "Vorschau");
    QCOMPARE(f.dialogs.asked, QStringList{"message:Datei kann leider nicht gestartet werden"});
    QCOMPARE(f.statusNotice(), QString());
}

void TestFileCommands::printWritesEveryLine() {
    Fixture f;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("quelltext.pdf"));
    f.setSourceLines({"<html>", "<title>Druckprobe</title>", "</html>"});
    f.dialogs.answerPrintTo(pdf);
    click(f.control("TForm2", "Image8"));
    QCOMPARE(f.statusNotice(), QStringLiteral("Quelltext wird gedruckt"));
    QVERIFY(QFile(pdf).size() > 0);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY(text.contains(QStringLiteral("<title>Druckprobe</title>")));

    // An empty page still prints (an empty job) and says so.
    Fixture g;
    g.dialogs.answerPrintTo(dir.filePath(QStringLiteral("leer.pdf")));
    g.trigger("TForm2", "Drucken1");
    QCOMPARE(g.statusNotice(), QStringLiteral("Quelltext wird gedruckt"));
}

void TestFileCommands::cancelledPrintPostsNothing() {
    Fixture f;
    f.dialogs.answerCancel();
    f.trigger("TForm2", "Drucken1");
    QCOMPARE(f.dialogs.asked, QStringList{"print"});
    QCOMPARE(f.statusNotice(), QString());
}

void TestFileCommands::newEmptiesThePageAndUnlocks() {
    Fixture f;
    QTemporaryDir dir;
    MainWindow& main = f.windows().mainWindow();
    f.setSourceLines({"<p>"});
    f.dialogs.answerFile(dir.filePath(QStringLiteral("a.html")));
    f.trigger("TForm2", "Speichern");
    f.windows().context().state.setGeneralSettingsDone(true);
    FIND(settingsPage, QWidget, f, "TForm2", "TabSheet1");
    settingsPage->setEnabled(false);
    f.trigger("TForm2", "Neu");
    QVERIFY(f.sourceLines().isEmpty());
    QVERIFY(settingsPage->isEnabled());
    QCOMPARE(f.windows().context().state.GeneralSettingsDone(), QStringLiteral("false"));
    QCOMPARE(main.windowTitle(), QStringLiteral("Quillmark"));
    // The preview stays enabled and the saved name is kept.
    FIND(preview, QWidget, f, "TForm2", "Image9");
    QVERIFY(preview->isEnabled());
    QCOMPARE(f.windows().context().state.SavedFileName(), QStringLiteral("a.html"));
    // The toolbar's New empties the page source too.
    f.setSourceLines({"<p>"});
    click(f.control("TForm2", "Image6"));
    f.confirmDiscard();
    QVERIFY(f.sourceLines().isEmpty());
}

void TestFileCommands::extraAndHelpMenusShowWindows() {
    Fixture f;
    f.trigger("TForm2", "Frameseiteerstellen1");
    QVERIFY(f.window("TForm6")->isVisible());
    f.trigger("TForm2", "Seitenachbearbeiten1");
    QVERIFY(f.window("TForm7")->isVisible());
    f.trigger("TForm2", "berQuillmark1");
    QVERIFY(f.window("TForm8")->isVisible());
    click(f.control("TForm8", "Button3"));
    QVERIFY(!f.window("TForm8")->isVisible());
    f.trigger("TForm2", "QuillmarkHIlfe1");
    f.trigger("TForm2", "HtmlHilfe1");
    QVERIFY(f.window("TForm3")->isVisible());
    QVERIFY(f.window("TForm4")->isVisible());
}

void TestFileCommands::newAsksBeforeDroppingUnsavedWork_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("emptied");
    for (const char* command : {"Neu", "Image6"}) {
        QTest::addRow("%s Ja", command) << command << "Button1" << true;
        QTest::addRow("%s Nein", command) << command << "Button2" << false;
        QTest::addRow("%s close box", command) << command << "close" << false;
        QTest::addRow("%s Esc", command) << command << "Esc" << false;
    }
}

void TestFileCommands::newAsksBeforeDroppingUnsavedWork() {
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(bool, emptied);
    Fixture f;
    QWidget& question = *f.window("TForm10");
    f.setSourceLines({"<p>"});
    if (command == QLatin1String("Neu"))
        f.trigger("TForm2", command);
    else
        click(f.control("TForm2", command));
    QVERIFY(question.isVisible());
    QCOMPARE(f.sourceLines(), QStringList{"<p>"});
    if (answer == QLatin1String("close")) {
        question.close();
    } else if (answer == QLatin1String("Esc")) {
        question.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&question));
        QTest::keyClick(question.focusWidget() ? question.focusWidget() : &question,
                        Qt::Key_Escape);
    } else {
        click(f.control("TForm10", answer));
    }
    QVERIFY(!question.isVisible());
    QCOMPARE(f.sourceLines().isEmpty(), emptied);
    // A question answered "Nein" leaves nothing waiting: a later "Ja" empties nothing.
    question.show();
    click(f.control("TForm10", "Button1"));
    QCOMPARE(f.sourceLines().isEmpty(), emptied);
    QVERIFY(f.window("TForm2") != nullptr);
}

void TestFileCommands::unsavedFollowsUndo() {
    Fixture f;
    QTemporaryDir dir;
    MainWindow& main = f.windows().mainWindow();
    bool closed = false;
    connect(&main, &MainWindow::closed, this, [&closed] { closed = true; });
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo2");
    f.setSourceLines({"<p>"});
    f.dialogs.answerFile(dir.filePath(QStringLiteral("a.html")));
    f.trigger("TForm2", "Speichern");
    QVERIFY(!f.windows().context().document.hasUnsavedChanges());
    click(memo->viewport());
    f.trigger("TForm2", "Lschen1");
    // An emptied page that held saved work is unsaved: closing asks.
    QVERIFY(f.sourceLines().isEmpty());
    main.close();
    QVERIFY(!closed);
    QVERIFY(f.window("TForm10")->isVisible());
    click(f.control("TForm10", "Button2"));
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.sourceLines(), (QStringList{"<p>", "</body>", "</html>"}));
    QVERIFY(!f.windows().context().document.hasUnsavedChanges());
    main.close();
    QVERIFY(closed);
}

void TestFileCommands::savedFileGetsTheChosenType_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fileType");
    QTest::addColumn<QString>("written");
    QTest::newRow("html") << "TForm2"
                          << "Urlaub"
                          << ".html"
                          << "Urlaub.html";
    QTest::newRow("htm") << "TForm2"
                         << "Urlaub"
                         << ".htm"
                         << "Urlaub.htm";
    QTest::newRow("txt") << "TForm2"
                         << "Urlaub"
                         << ".txt"
                         << "Urlaub.txt";
    QTest::newRow("dot in name") << "TForm2"
                                 << "Urlaub.2024"
                                 << ".html"
                                 << "Urlaub.2024.html";
    QTest::newRow("own extension") << "TForm2"
                                   << "alt.HTM"
                                   << ".html"
                                   << "alt.HTM";
    QTest::newRow("text as page") << "TForm2"
                                  << "notiz.txt"
                                  << ".html"
                                  << "notiz.txt";
    QTest::newRow("frame builder") << "TForm6"
                                   << "rahmen"
                                   << ".htm"
                                   << "rahmen.htm";
    QTest::newRow("post-editor") << "TForm7"
                                 << "seite"
                                 << ".html"
                                 << "seite.html";
}

void TestFileCommands::savedFileGetsTheChosenType() {
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(QString, fileType);
    QFETCH(QString, written);
    Fixture f;
    QTemporaryDir dir;
    f.dialogs.answerSave(dir.filePath(typed), fileType);
    if (window == QLatin1String("TForm6")) {
        f.trigger("TForm2", "Frameseiteerstellen1");
        click(f.control(window, "Image5"));
        click(f.control(window, "Button1"));
    } else {
        f.trigger(window, "Speichern");
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    // The window's next save proposes the file with its type.
    f.dialogs.answerCancel();
    if (window == QLatin1String("TForm6"))
        click(f.control(window, "Button1"));
    else
        f.trigger(window, "Speichern");
    QCOMPARE(f.dialogs.asked.last(), "save:" + dir.filePath(written));
}

void TestFileCommands::proposalFromTheTitle_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("title") << "Meine Seite"
                           << "Meine Seite.html";
    QTest::newRow("empty") << ""
                           << "Unbenannt.html";
    QTest::newRow("blanks") << "   "
                            << "Unbenannt.html";
    QTest::newRow("slash") << "Fotos 2023/2024"
                           << "Fotos 2023-2024.html";
    QTest::newRow("backslash") << "a\\b"
                               << "a-b.html";
    QTest::newRow("leading dots") << " ..versteckt"
                                  << "versteckt.html";
    QTest::newRow("only dots") << "..."
                               << "Unbenannt.html";
}

void TestFileCommands::proposalFromTheTitle() {
    QFETCH(QString, title);
    QFETCH(QString, proposal);
    Fixture f;
    typeInto(f.control("TForm2", "Edit1"), QStringLiteral("x"));
    typeInto(f.control("TForm2", "Edit1"), title);
    f.trigger("TForm2", "Speichern");
    QCOMPARE(f.dialogs.asked, QStringList{"save:" + proposal});
}

void TestFileCommands::saveDialogFolder() {
    Fixture f;
    QTemporaryDir picked;
    QTemporaryDir saved;
    const QString page = saved.filePath(QStringLiteral("seite.html"));
    const QString opened = picked.filePath(QStringLiteral("alt.html"));
    QVERIFY(QFile(opened).open(QIODevice::WriteOnly));
    auto folderOfNextSave = [&f](const char* window) {
        f.trigger(window, "Speichern");
        return f.dialogs.lastSaveFolder;
    };
    // Nothing chosen yet: the home folder, never the working folder.
    QCOMPARE(folderOfNextSave("TForm2"), QDir::homePath());
    // A file chosen in any window's dialog leads the way.
    f.dialogs.answerFile(opened);
    f.trigger("TForm7", "ffnen1");
    QCOMPARE(folderOfNextSave("TForm2"), picked.path());
    // A full path proposed opens in its own folder.
    f.dialogs.answerFile(page);
    f.trigger("TForm2", "Speichern");
    QCOMPARE(folderOfNextSave("TForm2"), saved.path());
    // After "Neu" the title proposes a bare name, and the page's own folder still leads.
    f.trigger("TForm2", "Neu");
    f.confirmDiscard();
    f.dialogs.answerFile(opened);
    f.trigger("TForm7", "ffnen1");
    QCOMPARE(folderOfNextSave("TForm2"), saved.path());
    QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:Unbenannt.html"));
    // "Speichern" on a page without a file of its own still asks.
    f.trigger("TForm2", "Speichern1");
    QVERIFY(f.dialogs.asked.last().startsWith(QStringLiteral("save:")));
}

void TestFileCommands::overwritingAsks_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("yes");
    for (const char* window : {"TForm2", "TForm6", "TForm7"}) {
        QTest::addRow("%s Ja", window) << window << true;
        QTest::addRow("%s Nein", window) << window << false;
    }
}

void TestFileCommands::overwritingAsks() {
    QFETCH(QString, window);
    QFETCH(bool, yes);
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    writeBytes(path, "alt\r\n");
    // Typed without its extension: the question names the file the type box makes of it.
    f.dialogs.answerSave(dir.filePath(QStringLiteral("seite")), QStringLiteral(".html"));
    if (yes)
        f.dialogs.answerYes();
    saveIn(f, window);
    QCOMPARE(f.dialogs.asked.mid(1, 1), QStringList{kReplace});
    if (yes) {
        QCOMPARE(f.dialogs.asked.size(), 2);
        QVERIFY(fileBytes(path) != "alt\r\n");
    } else {
        // "Nein" shows the dialog again with the same name; cancelled there, nothing is written.
        QCOMPARE(f.dialogs.asked.size(), 3);
        QCOMPARE(f.dialogs.asked.last(), "save:" + path);
        QCOMPARE(fileBytes(path), QByteArray("alt\r\n"));
    }
}

void TestFileCommands::eachWindowProposesItsOwnFile() {
    Fixture f;
    QTemporaryDir dir;
    f.dialogs.answerFile(dir.filePath(QStringLiteral("seite.html")));
    saveIn(f, "TForm2");
    // The frame builder proposes a name of its own in the page's folder; the post-editor its
    // own file; neither changes the main window's proposal.
    f.trigger("TForm2", "Frameseiteerstellen1");
    click(f.control("TForm6", "Image5"));
    click(f.control("TForm6", "Button1"));
    QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:Frameseite.html"));
    QCOMPARE(f.dialogs.lastSaveFolder, dir.path());
    const QString edited = dir.filePath(QStringLiteral("notiz.html"));
    f.dialogs.answerFile(edited);
    saveIn(f, "TForm7");
    f.trigger("TForm7", "Speichern");
    QCOMPARE(f.dialogs.asked.last(), "save:" + edited);
    f.trigger("TForm2", "Speichern");
    QCOMPARE(f.dialogs.asked.last(), "save:" + dir.filePath(QStringLiteral("seite.html")));
}

void TestFileCommands::captionMarksUnsavedWork() {
    Fixture f;
    QTemporaryDir dir;
    QWidget& main = *f.window("TForm2");
    QCOMPARE(main.windowTitle(), QStringLiteral("Quillmark"));
    f.setSourceLines({"<p>"});
    QCOMPARE(main.windowTitle(), QStringLiteral("Quillmark*"));
    QVERIFY(main.isWindowModified());
    f.dialogs.answerFile(dir.filePath(QStringLiteral("Meine Seite.html")));
    f.trigger("TForm2", "Speichern");
    QCOMPARE(main.windowTitle(), QStringLiteral("Meine Seite.html  -  Quillmark"));
    QVERIFY(!main.isWindowModified());
    f.startPage();
    QCOMPARE(main.windowTitle(), QStringLiteral("Meine Seite.html*  -  Quillmark"));
}

void TestFileCommands::discardQuestionKeepsThePage_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("saveTo"); // a name for the save dialog; empty: cancelled
    QTest::addColumn<bool>("emptied");
    QTest::newRow("Return") << "Return"
                            << "" << false;
    QTest::newRow("Enter") << "Enter"
                           << "" << false;
    QTest::newRow("Speichern") << "Button3"
                               << "seite.html" << true;
    QTest::newRow("Speichern, name cancelled") << "Button3"
                                               << "" << false;
}

void TestFileCommands::discardQuestionKeepsThePage() {
    QFETCH(QString, answer);
    QFETCH(QString, saveTo);
    QFETCH(bool, emptied);
    Fixture f;
    QTemporaryDir dir;
    QWidget& question = *f.window("TForm10");
    f.setSourceLines({"<p>"});
    f.trigger("TForm2", "Neu");
    question.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&question));
    // "Nein" has the focus, so a key pressed in haste keeps the page.
    QCOMPARE(question.focusWidget(), f.control("TForm10", "Button2"));
    if (saveTo.isEmpty())
        f.dialogs.answerCancel();
    else
        f.dialogs.answerFile(dir.filePath(saveTo));
    if (answer.startsWith(QLatin1String("Button")))
        click(f.control("TForm10", answer));
    else
        QTest::keyClick(question.focusWidget(),
                        answer == QLatin1String("Enter") ? Qt::Key_Enter : Qt::Key_Return);
    QVERIFY(!question.isVisible());
    QCOMPARE(f.sourceLines().isEmpty(), emptied);
    if (!saveTo.isEmpty())
        QCOMPARE(fileBytes(dir.filePath(saveTo)), QByteArray("<p>\r\n</body>\r\n</html>\r\n"));
}

void TestFileCommands::endingAsksEachWindowOnce_data() {
    QTest::addColumn<bool>("pageUnsaved");
    QTest::addColumn<bool>("textUnsaved");
    QTest::addColumn<bool>("letTextGo");
    QTest::addColumn<bool>("ended");
    QTest::newRow("nothing unsaved") << false << false << false << true;
    QTest::newRow("page, Ja") << true << false << false << true;
    QTest::newRow("both, Ja twice") << true << true << true << true;
    QTest::newRow("both, Nein for the text") << true << true << false << false;
    QTest::newRow("text, Ja") << false << true << true << true;
}

void TestFileCommands::endingAsksEachWindowOnce() {
    QFETCH(bool, pageUnsaved);
    QFETCH(bool, textUnsaved);
    QFETCH(bool, letTextGo);
    QFETCH(bool, ended);
    Fixture f;
    MainWindow& main = f.windows().mainWindow();
    bool closed = false;
    connect(&main, &MainWindow::closed, this, [&closed] { closed = true; });
    if (pageUnsaved)
        f.setSourceLines({"<p>"});
    if (textUnsaved)
        typeInto(f.control("TForm7", "Memo1"), QStringLiteral("Text"));
    if (letTextGo)
        f.dialogs.answerYes();
    main.close();
    // The page's question first, in its own window.
    QCOMPARE(f.window("TForm10")->isVisible(), pageUnsaved);
    f.confirmDiscard();
    const QString textQuestion =
        QStringLiteral("question:Wollen Sie den Text von „Unbenannt“ verwerfen?");
    QCOMPARE(f.dialogs.asked, textUnsaved ? QStringList{textQuestion} : QStringList{});
    QCOMPARE(closed, ended);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
