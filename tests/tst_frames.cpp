// The frame page builder: the four frameset pages as written, the page pickers, the chooser
// and its panels, the saves' effect on the main window's preview and the pop-up commands.
#include "support/Fixture.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QString kFrames = QStringLiteral("TForm6");

// The whole page as written: the common head, then the body lines (one per text line).
QStringList page(const QString& title, const char* body) {
    return QStringList{R"(<html>)",
                       R"(<head>)",
                       R"(<meta http-equiv="Content-Type" content="text/html; charset=utf-8">)",
                       R"(<meta name="Generator" content="Fernbrook Quillmark">)",
                       "<title>" + title + "</title>",
                       R"(</head>)"} +
           QString::fromUtf8(body).trimmed().split(u'\n');
}

// Opens the builder from the main window's menu "Extra" and clicks a layout picture.
void openPanel(Fixture& f, const QString& chooserPicture) {
    f.trigger("TForm2", "Frameseiteerstellen1");
    FIND(picture, QWidget, f, kFrames, chooserPicture);
    click(picture);
}

void save(Fixture& f, const QString& button, const QString& path) {
    f.dialogs.answerFile(path);
    FIND(pressed, QPushButton, f, kFrames, button);
    click(pressed);
}

bool previewEnabled(Fixture& f) {
    FIND_OR(preview, QWidget, f, "TForm2", "Image9", false);
    return f.window("TForm2")->findChild<QAction*>("Vorschau")->isEnabled() && preview->isEnabled();
}

void addPage(const char* row, const char* chooser, const char* button, const char* workList,
             const QString& typed, const QStringList& expected) {
    QTest::newRow(row) << QString(chooser) << QString(button) << QString(workList)
                       << (typed.isEmpty() ? QStringList() : typed.split(u'|')) << expected;
}

void addPicker(const char* chooser, const char* picker, const char* field, const QString& path) {
    QTest::newRow(picker) << QString(chooser) << QString(picker) << QString(field) << path;
}

} // namespace

class TestFrames : public QObject {
    Q_OBJECT

private slots:
    void savesTheLayoutsPage_data();
    void savesTheLayoutsPage();
    void pickerPutsTheBareName_data();
    void pickerPutsTheBareName();
    void cancelledPickerKeepsTheField();
    void chooserPictureShowsItsPanel();
    void reopeningShowsTheChooserAndKeepsTheFields();
    void savingAgainReplacesThePage();
    void cancelledSaveWritesNothing();
    void failedWriteLeavesThePreviewDisabled();
    void popupCommandsActOnTheCurrentField();
    void deleteShortcutEmptiesTheCurrentFieldNotTheFocusedOne();
};

void TestFrames::savesTheLayoutsPage_data() {
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("workList");
    QTest::addColumn<QStringList>("typed"); // "EditN=text"
    QTest::addColumn<QStringList>("expected");

    addPage("two columns", "Image5", "Button1", "Memo1",
            "Edit7=Startseite|Edit8=0|Edit1=navi|Edit3=menue.html|Edit5=25%|Edit2=inhalt|"
            "Edit4=start.html|Edit6=*",
            page("Startseite", R"(
<frameset cols="25%,*" border="0">
<frame src="menue.html" name="navi">
<frame src="start.html" name="inhalt">
</frameset>
</html>)"));
    addPage("two columns, empty fields", "Image5", "Button1", "Memo1", "", page("", R"(
<frameset cols="," border="">
<frame src="" name="">
<frame src="" name="">
</frameset>
</html>)"));
    addPage("values as typed", "Image5", "Button1", "Memo1",
            R"(Edit7=Über "uns" & <b>|Edit1= a b |Edit4=x" y=")", page(R"(Über "uns" & <b>)", R"(
<frameset cols="," border="">
<frame src="" name=" a b ">
<frame src="x&quot; y=&quot;" name="">
</frameset>
</html>)"));
    addPage("top and two columns", "Image1", "Button2", "Memo2",
            "Edit15=Kopf|Edit16=2|Edit17=oben|Edit18=kopf.html|Edit19=100|Edit9=links|"
            "Edit11=menue.html|Edit13=150|Edit10=rechts|Edit12=inhalt.html|Edit14=*",
            page("Kopf", R"(
<frameset rows="100,*" border="2">
<frame src="kopf.html" name="oben">
<frameset cols="150,*" border="2">
<frame src="menue.html" name="links">
<frame src="inhalt.html" name="rechts">
</frameset>
</frameset>
</html>)"));
    addPage("top, two columns, bottom", "Image4", "Button3", "Memo3",
            "Edit26=Drei|Edit27=1|Edit28=oben|Edit29=kopf.html|Edit30=80|Edit20=links|"
            "Edit22=menue.html|Edit24=20%|Edit21=mitte|Edit23=start.html|Edit25=80%|"
            "Edit31=unten|Edit32=fuss.html|Edit33=40",
            page("Drei", R"(
<frameset rows="80,*,40" border="1">
<frame src="kopf.html" name="oben">
<frameset cols="20%,80%" border="1">
<frame src="menue.html" name="links">
<frame src="start.html" name="mitte">
</frameset>
<frame src="fuss.html" name="unten">
</frameset>
</html>)"));
    addPage("top, three columns, bottom", "Image2", "Button4", "Memo4",
            "Edit40=Vier|Edit41=3|Edit42=oben|Edit43=kopf.html|Edit44=60|Edit34=links|"
            "Edit36=menue.html|Edit38=120|Edit35=mitte|Edit37=start.html|Edit39=*|"
            "Edit50=rechts|Edit49=werbung.html|Edit48=100|Edit45=unten|Edit46=fuss.html|"
            "Edit47=30",
            page("Vier", R"(
<frameset rows="60,*,30" border="3">
<frame src="kopf.html" name="oben">
<frameset cols="120,*,100" border="3">
<frame src="menue.html" name="links">
<frame src="start.html" name="mitte">
<frame src="werbung.html" name="rechts">
</frameset>
<frame src="fuss.html" name="unten">
</frameset>
</html>)"));
    addPage("top, three columns, bottom, empty fields", "Image2", "Button4", "Memo4", "",
            page("", R"(
<frameset rows=",*," border="">
<frame src="" name="">
<frameset cols=",," border="">
<frame src="" name="">
<frame src="" name="">
<frame src="" name="">
</frameset>
<frame src="" name="">
</frameset>
</html>)"));
}

void TestFrames::savesTheLayoutsPage() {
    QFETCH(QString, chooser);
    QFETCH(QString, button);
    QFETCH(QString, workList);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);

    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frames.html"));
    openPanel(f, chooser);
    for (const QString& entry : typed) {
        const qsizetype at = entry.indexOf(u'=');
        FIND(field, QLineEdit, f, kFrames, entry.left(at));
        typeInto(field, entry.mid(at + 1));
    }
    save(f, button, path);

    QCOMPARE(f.dialogs.asked, QStringList{"save:Frameseite.html"});
    QCOMPARE(QString::fromUtf8(fileBytes(path)).split(QStringLiteral("\r\n")),
             expected + QStringList{""});
    FIND(built, QPlainTextEdit, f, kFrames, workList);
    QCOMPARE(built->toPlainText().split(u'\n'), expected);
    // The frameset page is a file of its own: the page source, the caption, the main
    // window's proposal and its preview stay.
    QCOMPARE(f.sourceLines(), QStringList{});
    QCOMPARE(f.window("TForm2")->windowTitle(), QStringLiteral("Quillmark"));
    QCOMPARE(f.windows().context().dialogs.SaveDialog1.fileName(),
             QStringLiteral("Unbenannt.html"));
    QVERIFY(!previewEnabled(f));
}

void TestFrames::pickerPutsTheBareName_data() {
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("pageField");
    QTest::addColumn<QString>("chosen");

    const QString windows = QStringLiteral("C:\\Web\\seiten\\menue.html");
    const QString posix = QStringLiteral("/home/anna/web/menue.html");
    addPicker("Image5", "Image6", "Edit3", windows);
    addPicker("Image5", "Image7", "Edit4", posix);
    addPicker("Image1", "Image9", "Edit11", windows);
    addPicker("Image1", "Image10", "Edit12", posix);
    addPicker("Image1", "Image11", "Edit18", windows);
    addPicker("Image4", "Image13", "Edit22", posix);
    addPicker("Image4", "Image14", "Edit23", windows);
    addPicker("Image4", "Image15", "Edit29", posix);
    addPicker("Image4", "Image16", "Edit32", windows);
    addPicker("Image2", "Image18", "Edit36", posix);
    addPicker("Image2", "Image19", "Edit37", windows);
    addPicker("Image2", "Image20", "Edit43", posix);
    addPicker("Image2", "Image21", "Edit46", windows);
    addPicker("Image2", "Image22", "Edit49", posix);
}

void TestFrames::pickerPutsTheBareName() {
    QFETCH(QString, chooser);
    QFETCH(QString, picker);
    QFETCH(QString, pageField);
    QFETCH(QString, chosen);

    Fixture f;
    openPanel(f, chooser);
    FIND(field, QLineEdit, f, kFrames, pageField);
    FIND(pickerPicture, QWidget, f, kFrames, picker);
    typeInto(field, QStringLiteral("alt.html"));
    f.dialogs.answerFile(chosen);
    click(pickerPicture);
    QCOMPARE(field->text(), QStringLiteral("menue.html"));
    QCOMPARE(f.dialogs.asked, QStringList{"open:Unbenannt.html"});

    // The main window's open dialog remembers the whole path: the post-editor proposes it.
    f.trigger("TForm7", "ffnen1");
    QCOMPARE(f.dialogs.asked.last(), "open:" + chosen);
}

void TestFrames::cancelledPickerKeepsTheField() {
    Fixture f;
    openPanel(f, "Image2");
    FIND(field, QLineEdit, f, kFrames, "Edit49");
    FIND(picker, QWidget, f, kFrames, "Image22");
    typeInto(field, QStringLiteral("alt.html"));
    click(picker);
    QCOMPARE(field->text(), QStringLiteral("alt.html"));
    QCOMPARE(f.dialogs.asked, QStringList{"open:Unbenannt.html"});
}

void TestFrames::chooserPictureShowsItsPanel() {
    const QStringList pictures{"Image5", "Image1", "Image4", "Image2"};
    const QStringList panels{"Panel1", "Panel2", "Panel3", "Panel4"};
    Fixture f;
    QWidget* window = f.window(kFrames);
    QVERIFY(!window->isVisible());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        openPanel(f, pictures[i]);
        QVERIFY(window->isVisible());
        for (const QString& panel : panels) {
            FIND(shown, QWidget, f, kFrames, panel);
            QCOMPARE(shown->isVisible(), panel == panels[i]);
        }
        // The panel covers the whole window below the page kind, the chooser included.
        FIND(chosen, QWidget, f, kFrames, panels[i]);
        FIND(kind, QWidget, f, kFrames, "FramePageKind");
        QVERIFY(chosen->geometry().top() > kind->geometry().bottom());
        QCOMPARE(chosen->geometry().bottomRight(), window->rect().bottomRight());
        QCOMPARE(chosen->width(), window->width());
    }
}

void TestFrames::reopeningShowsTheChooserAndKeepsTheFields() {
    Fixture f;
    openPanel(f, "Image5");
    FIND(edit1, QLineEdit, f, kFrames, "Edit1");
    FIND(saveButton, QPushButton, f, kFrames, "Button1");
    typeInto(edit1, QStringLiteral("navi"));
    click(saveButton); // save cancelled: the work list stays built
    FIND(workList, QPlainTextEdit, f, kFrames, "Memo1");
    QCOMPARE(workList->document()->blockCount(), 11);
    f.window(kFrames)->close();
    QVERIFY(!f.window(kFrames)->isVisible());

    openPanel(f, "Image1");
    FIND(panel1, QWidget, f, kFrames, "Panel1");
    QVERIFY(!panel1->isVisible());
    QCOMPARE(workList->toPlainText(), QString());
    FIND(edit9, QLineEdit, f, kFrames, "Edit9");
    typeInto(edit9, QStringLiteral("links"));

    openPanel(f, "Image5");
    QCOMPARE(edit1->text(), QStringLiteral("navi"));
    QCOMPARE(edit9->text(), QStringLiteral("links"));
}

void TestFrames::savingAgainReplacesThePage() {
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frames.html"));
    openPanel(f, "Image2");
    FIND(title, QLineEdit, f, kFrames, "Edit40");
    typeInto(title, QStringLiteral("Erste Fassung"));
    save(f, "Button4", path);
    typeInto(title, QStringLiteral("Zweite Fassung"));
    f.dialogs.answerFile(path);
    f.dialogs.answerYes();
    FIND(saveButton, QPushButton, f, kFrames, "Button4");
    click(saveButton);

    const QStringList lines = QString::fromUtf8(fileBytes(path)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[4], QStringLiteral("<title>Zweite Fassung</title>"));
    FIND(workList, QPlainTextEdit, f, kFrames, "Memo4");
    QCOMPARE(workList->document()->blockCount(), 16);
    QCOMPARE(f.dialogs.asked, (QStringList{"save:Frameseite.html", "save:" + path,
                                           "question:Die Datei frames.html existiert bereits.\n"
                                           "Soll sie überschrieben werden?"}));
}

void TestFrames::cancelledSaveWritesNothing() {
    Fixture f;
    QTemporaryDir dir;
    openPanel(f, "Image4");
    FIND(saveButton, QPushButton, f, kFrames, "Button3");
    click(saveButton);
    QCOMPARE(f.dialogs.asked, QStringList{"save:Frameseite.html"});
    QVERIFY(!previewEnabled(f));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestFrames::failedWriteLeavesThePreviewDisabled() {
    Fixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt/frames.html"));
    openPanel(f, "Image5");
    save(f, "Button1", path);
    QVERIFY(f.dialogs.asked.last().startsWith("error:Datei \"" + path +
                                              "\" kann nicht erstellt werden. "));
    QVERIFY(!previewEnabled(f));
}

void TestFrames::popupCommandsActOnTheCurrentField() {
    Fixture f;
    openPanel(f, "Image1");
    FIND(edit10, QLineEdit, f, kFrames, "Edit10");
    FIND(edit17, QLineEdit, f, kFrames, "Edit17");
    QClipboard* clipboard = QGuiApplication::clipboard();

    typeInto(edit17, QStringLiteral("oben"));
    f.trigger(kFrames, "Lschen2"); // "Alles markieren"
    QCOMPARE(edit17->selectedText(), QStringLiteral("oben"));
    f.trigger(kFrames, "Ausschneiden2");
    QCOMPARE(edit17->text(), QString());
    QCOMPARE(clipboard->text(), QStringLiteral("oben"));

    click(edit10);
    f.trigger(kFrames, "Einfgen1");
    QCOMPARE(edit10->text(), QStringLiteral("oben"));
    clipboard->clear();
    f.trigger(kFrames, "Lschen2");
    f.trigger(kFrames, "Kopieren2");
    QCOMPARE(clipboard->text(), QStringLiteral("oben"));

    // A field on a panel that is no longer shown is acted on all the same.
    openPanel(f, "Image4");
    FIND(edit30, QLineEdit, f, kFrames, "Edit30");
    typeInto(edit30, QStringLiteral("80"));
    typeInto(edit10, QStringLiteral("rechts"));
    edit10->setSelection(0, 2);
    f.trigger(kFrames, "Lschen3"); // "Löschen": the whole text, whatever is selected
    QCOMPARE(edit10->text(), QString());
    QCOMPARE(edit30->text(), QStringLiteral("80"));

    // A right click into a field makes it current and opens the window's pop-up menu.
    QVERIFY(QTest::qWaitForWindowExposed(f.window(kFrames)));
    QTest::mouseClick(edit30, Qt::RightButton);
    QContextMenuEvent request(QContextMenuEvent::Mouse, edit30->rect().center(),
                              edit30->mapToGlobal(edit30->rect().center()));
    QApplication::sendEvent(edit30, &request);
    FIND(menu, QMenu, f, kFrames, "PopupMenu2");
    QVERIFY(menu->isVisible());
    menu->hide();
    f.trigger(kFrames, "Lschen3");
    QCOMPARE(edit30->text(), QString());
}

void TestFrames::deleteShortcutEmptiesTheCurrentFieldNotTheFocusedOne() {
    Fixture f;
    openPanel(f, "Image5");
    QVERIFY(QTest::qWaitForWindowActive(f.window(kFrames)));
    FIND(edit1, QLineEdit, f, kFrames, "Edit1");
    FIND(edit2, QLineEdit, f, kFrames, "Edit2");
    typeInto(edit2, QStringLiteral("inhalt"));
    typeInto(edit1, QStringLiteral("navi"));
    edit2->setFocus(); // as with the Tab key: the focus moves, the current field stays
    QTest::keyClick(edit2, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(edit1->text(), QString());
    QCOMPARE(edit2->text(), QStringLiteral("inhalt"));
}

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
