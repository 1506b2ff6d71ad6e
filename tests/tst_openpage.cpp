// "Öffnen...": a saved page is taken up again in the main window to go on building it.
#include "core/platform/LineSplit.h"
#include "core/platform/PageFile.h"
#include "core/source/PageSource.h"
#include "core/source/SourceHtml.h"
#include "platform/DialogObjects.h"
#include "support/Fixture.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

const QString kMain = QStringLiteral("TForm2");

// Starts a page, adds a text and saves the page to path.
void buildAndSave(Fixture& f, const QString& path) {
    f.startPage();
    f.act(kMain, QStringLiteral("Memo1=Hallo|Button4"));
    f.dialogs.answerFile(path);
    f.trigger(kMain, QStringLiteral("Speichern"));
}

void open(Fixture& f, const QString& path) {
    f.dialogs.answerFile(path);
    f.trigger(kMain, QStringLiteral("ffnen1"));
}

// A saved page's lines, as UTF-8 with CR LF.
QByteArray pageBytes(const QString& body) {
    QStringList lines = SourceHtml::pageStart();
    lines << QStringLiteral("</head>") << QStringLiteral("<body>") << body
          << QStringLiteral("</body>") << QStringLiteral("</html>");
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace

class TestOpenPage : public QObject {
    Q_OBJECT

private slots:
    void savedPageGoesOnWhereItStopped();
    void pageInAnotherEncodingIsDeclaredUtf8();
    void textWithoutDocumentStartIsANewPage_data();
    void textWithoutDocumentStartIsANewPage();
    void nothingChanges_data();
    void nothingChanges();
    void separatorsSurviveOpenAndSave();
    void fileWithoutFreeStandInIsOnlyShown_data();
    void fileWithoutFreeStandInIsOnlyShown();
    void appendedLinesFollowTheOpenedKind_data();
    void appendedLinesFollowTheOpenedKind();
    void settingsShowThePagesOwn_data();
    void settingsShowThePagesOwn();
};

void TestOpenPage::savedPageGoesOnWhereItStopped() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    {
        Fixture monday;
        buildAndSave(monday, path);
    }
    Fixture f;
    f.act(kMain, QStringLiteral("Button9"));
    open(f, path);

    PageContext& context = f.windows().context();
    QCOMPARE(f.sourceLines(), SplitFileLines(QString::fromUtf8(fileBytes(path))));
    QVERIFY(!context.document.hasUnsavedChanges());
    QVERIFY(!context.document.document().isUndoAvailable());
    QCOMPARE(f.window(kMain)->windowTitle(), QStringLiteral("seite.html  -  Quillmark"));
    QCOMPARE(context.state.SavedFileName(), QStringLiteral("seite.html"));
    QCOMPARE(context.dialogs.SaveDialog1.fileName(), path);
    QVERIFY(f.window(kMain)->findChild<QAction*>("Vorschau")->isEnabled());
    QCOMPARE(context.state.GeneralSettingsDone(), QStringLiteral("true"));
    FIND(title, QWidget, f, kMain, "Edit1");
    QVERIFY(!title->isEnabled());

    // One more element, saved to the page's own file: the same bytes as a page built in one go.
    f.act(kMain, QStringLiteral("Memo1=Welt|Button4"));
    f.trigger(kMain, QStringLiteral("Speichern1"));
    Fixture reference;
    const QString referencePath = dir.filePath(QStringLiteral("reference.html"));
    reference.startPage();
    reference.act(kMain, QStringLiteral("Memo1=Hallo|Button4|Memo1=Welt|Button4"));
    reference.dialogs.answerFile(referencePath);
    reference.trigger(kMain, QStringLiteral("Speichern"));
    QCOMPARE(fileBytes(path), fileBytes(referencePath));
}

void TestOpenPage::pageInAnotherEncodingIsDeclaredUtf8() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.htm"));
    writeBytes(path, "<html>\r\n<head>\r\n<title>Gr\xfc\xdf"
                     "e</title>\r\n</head>\r\n<body>\r\n<p>K\xf6ln</p>\r\n</body>\r\n</html>\r\n");
    Fixture f;
    open(f, path);
    const QStringList expected{"<html>",
                               "<head>",
                               SourceHtml::contentTypeLine(),
                               "<title>Grüße</title>",
                               "</head>",
                               "<body>",
                               "<p>Köln</p>",
                               "</body>",
                               "</html>"};
    QCOMPARE(f.sourceLines(), expected);
    QCOMPARE(f.statusNotice(), QStringLiteral("Zeichensatz auf UTF-8 umgestellt"));
    QVERIFY(f.windows().context().document.hasUnsavedChanges());
    f.trigger(kMain, QStringLiteral("Speichern1"));
    QCOMPARE(fileBytes(path), (expected.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
}

void TestOpenPage::textWithoutDocumentStartIsANewPage_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("a paragraph") << QByteArray("<p>Hallo</p>");
    // A browser sees no body start in a comment or in a script.
    QTest::newRow("body in a comment") << QByteArray("<!-- <body> --><p>Hallo</p>");
    QTest::newRow("body in a script") << QByteArray("<script>'<body>'</script>");
}

void TestOpenPage::textWithoutDocumentStartIsANewPage() {
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("teil.html"));
    writeBytes(path, text + "\n");
    Fixture f;
    open(f, path);
    QCOMPARE(f.sourceLines(), QStringList{QString::fromUtf8(text)});
    QCOMPARE(f.windows().context().state.GeneralSettingsDone(), QStringLiteral("false"));
    FIND(settingsPage, QWidget, f, kMain, "TabSheet1");
    QVERIFY(settingsPage->isEnabled());
    QVERIFY(!f.windows().context().document.hasUnsavedChanges());
}

void TestOpenPage::nothingChanges_data() {
    QTest::addColumn<QString>("refusal");
    QTest::newRow("Nein at the question") << "Nein";
    QTest::newRow("cancel at the dialog") << "cancel";
    QTest::newRow("over the capacity") << "capacity";
    QTest::newRow("a folder") << "folder";
}

void TestOpenPage::nothingChanges() {
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.html"));
    writeBytes(path, QByteArray(PageFile::kPageCapacity.lineLength + 1, 'x'));
    Fixture f;
    f.setSourceLines({"<p>Ungespeichert</p>"});
    if (refusal == QLatin1String("cancel"))
        f.dialogs.answerCancel();
    else
        f.dialogs.answerFile(refusal == QLatin1String("folder") ? dir.path() : path);
    f.trigger(kMain, QStringLiteral("ffnen1"));
    if (refusal == QLatin1String("Nein"))
        click(f.control(QStringLiteral("TForm10"), QStringLiteral("Button2")));
    else
        f.confirmDiscard();
    QCOMPARE(f.sourceLines(), QStringList{"<p>Ungespeichert</p>"});
    QCOMPARE(f.window(kMain)->windowTitle(), QStringLiteral("Quillmark*"));
    QCOMPARE(f.dialogs.asked.filter(QStringLiteral("error:")).size(),
             refusal == QLatin1String("capacity") || refusal == QLatin1String("folder") ? 1 : 0);
}

void TestOpenPage::separatorsSurviveOpenAndSave() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zeichen.html"));
    // The line and paragraph separators and two noncharacters the text field would turn
    // into line breaks.
    const QByteArray bytes = pageBytes(QString::fromUtf8("<p>a\u2028b\u2029c\uFDD0d\uFDD1e</p>"));
    writeBytes(path, bytes);
    Fixture f;
    open(f, path);
    QCOMPARE(f.sourceLines().size(), SplitFileLines(QString::fromUtf8(bytes)).size());
    f.trigger(kMain, QStringLiteral("Speichern1"));
    QCOMPARE(fileBytes(path), bytes);
}

void TestOpenPage::fileWithoutFreeStandInIsOnlyShown_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << kMain;
    QTest::newRow("post-editor") << "TForm7";
}

void TestOpenPage::fileWithoutFreeStandInIsOnlyShown() {
    QFETCH(QString, window);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("voll.html"));
    // Every code point that could stand in for the line separator is taken.
    QList<char32_t> all;
    for (char32_t c = 0xF0000; c <= 0xFFFFD; ++c)
        all.append(c);
    all.append(0x2028);
    const QByteArray bytes = pageBytes(QString::fromUcs4(all.constData(), all.size()));
    writeBytes(path, bytes);
    Fixture f;
    f.dialogs.answerFile(path);
    f.trigger(window, QStringLiteral("ffnen1"));
    const QString notice = QStringLiteral("message:Diese Datei enthält Zeichen, die Quillmark "
                                          "nicht unverändert speichern kann; sie ist nur zum "
                                          "Lesen geöffnet.");
    QCOMPARE(f.dialogs.asked.last(), notice);
    const char* field = window == kMain ? "Memo2" : "Memo1";
    FIND(source, QPlainTextEdit, f, window, field);
    QVERIFY(source->isReadOnly());
    // Nothing is added, and a save writes nothing but says why.
    if (window == kMain) {
        f.act(kMain, QStringLiteral("Memo1=Hallo|Button4"));
        QCOMPARE(f.dialogs.asked.last(), notice);
        FIND(text, QPlainTextEdit, f, kMain, "Memo1");
        QCOMPARE(text->toPlainText(), QStringLiteral("Hallo"));
    }
    f.dialogs.answerFile(path);
    f.trigger(window, window == kMain ? "Speichern1" : "Speichern");
    QCOMPARE(f.dialogs.asked.last(), notice);
    QCOMPARE(fileBytes(path), bytes);
    // "Neu" begins a text that may be changed again.
    f.trigger(window, QStringLiteral("Neu"));
    f.confirmDiscard();
    QVERIFY(!source->isReadOnly());
}

// What a page was written as decides what is added to it, whatever the kind picked last.
void TestOpenPage::appendedLinesFollowTheOpenedKind_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("added");
    const QString modern = QStringLiteral("Modern (HTML5, auch für Handys)");
    const QString classic = QStringLiteral("Klassisch (HTML 4)");
    const QString modernText = QStringLiteral("<p style=\"font-family: 'Times New Roman'; "
                                              "font-size: 12pt; color: Black\">a &lt; b</p>");
    QTest::newRow("modern page") << classic
                                 << QByteArray("\xEF\xBB\xBF<!-- x -->\n<!doctype HTML>\n<html>\n"
                                               "<body>\n</body>\n</html>\n")
                                 << modern << modernText;
    QTest::newRow("classic page") << modern << pageBytes(QStringLiteral("<p>x</p>")) << classic
                                  << QStringLiteral("<p style=\"font-family:Times New Roman; "
                                                    "font-size:12pt; color:Black\">a < b</p>");
    QTest::newRow("old doctype") << modern
                                 << QByteArray(
                                        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n"
                                        "<html><body>\n</body></html>\n")
                                 << classic << QString();
}

void TestOpenPage::appendedLinesFollowTheOpenedKind() {
    QFETCH(QString, picked);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    QFETCH(QString, added);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    writeBytes(path, bytes);
    Fixture f;
    f.act(kMain, "PageKind=" + picked);
    open(f, path);
    FIND(kindBox, QWidget, f, kMain, "PageKind");
    QCOMPARE(textOf(kindBox), kind);
    if (added.isEmpty())
        return;
    f.act(kMain, QStringLiteral("Memo1=a < b|Button4"));
    QCOMPARE(f.sourceLines().last(), added);
}

void TestOpenPage::settingsShowThePagesOwn_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    // clang-format off
    QTest::newRow("classic, every entry")
        << QByteArray("<html>\n<head>\n<meta name=\"Keywords\" content=\"a, b\nc\">\n"
                      "<meta name=\"Author\" content=\"Muster &quot;M&quot;\">\n"
                      "<link rel=\"shortcut icon\" href=\"fav.ico\">\n"
                      "<meta http-equiv=\"refresh\" content=\"8; url=b.html\">\n"
                      "<title>Start &amp; Ziel</title>\n</head>\n<body bgcolor=\"Yellow\">\n"
                      "<p>x</p>\n</body>\n</html>\n")
        << QStringList{"Edit1=Start &amp; Ziel", "RadioButton1=checked", "Edit2=Yellow",
                       "CheckBox15=checked", "ComboBox14=8", "RadioButton25=checked",
                       "Edit33=b.html", "CheckBox16=checked", "Memo3=a, b\nc",
                       "CheckBox17=checked", "Edit10=Muster \"M\"", "CheckBox18=checked",
                       "Edit35=fav.ico"};
    QTest::newRow("modern, picture and external redirect")
        << QByteArray("<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta http-equiv=\"refresh\" content=\"0; url=http://ziel.de\">\n"
                      "<title>Start &amp; Ziel</title>\n</head>\n"
                      "<body style=\"background-image: url('bg.jpg')\">\n</body>\n</html>\n")
        << QStringList{"Edit1=Start & Ziel", "RadioButton2=checked", "Edit4=bg.jpg",
                       "CheckBox15=checked", "ComboBox14=0", "RadioButton26=checked",
                       "Edit33=ziel.de", "CheckBox16=unchecked", "CheckBox17=unchecked",
                       "CheckBox18=unchecked"};
    // clang-format on
}

// The general settings show what the opened page's head and body tag hold, locked, in place
// of what they held before; the page keeps its own file as the save dialog's.
void TestOpenPage::settingsShowThePagesOwn() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    writeBytes(path, bytes);
    Fixture f;
    f.act(kMain, QStringLiteral("Edit1=Vorher|CheckBox17|Edit10=Alt|CheckBox15|RadioButton25"));
    open(f, path);
    for (const QString& field : fields) {
        const QString name = field.section(u'=', 0, 0);
        FIND(control, QWidget, f, kMain, name);
        QCOMPARE(name + u'=' + textOf(control), field);
    }
    FIND(title, QWidget, f, kMain, "Edit1");
    FIND(change, QWidget, f, kMain, "Button45");
    QVERIFY(!title->isEnabled() && change->isVisibleTo(f.window(kMain)));
    QCOMPARE(f.windows().context().dialogs.SaveDialog1.fileName(), path);
}

QTEST_MAIN(TestOpenPage)
#include "tst_openpage.moc"
