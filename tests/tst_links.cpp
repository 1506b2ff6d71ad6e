#include "generators/LinksPage.h"
#include "support/Fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kMain = QStringLiteral("TForm2");

// A control of the main window; a missing one is recorded as the test's failure.
template <typename T = QWidget>
T* on(const Fixture& f, const QString& name,
      std::source_location where = std::source_location::current()) {
    return f.find<T>(kMain, name, where);
}

// Names or lines written one after another: names split at blanks, lines at line breaks.
QStringList names(const QString& text) {
    return text.split(u' ', Qt::SkipEmptyParts);
}
QStringList lines(const QString& text) {
    return text.split(u'\n');
}

// Clicks the controls, or triggers the menu items, one after another; false, after a warning,
// at a name that is neither.
[[nodiscard]] bool clickAll(const Fixture& f, const QString& controls) {
    for (const QString& name : names(controls)) {
        if (auto* control = f.control(kMain, name)) {
            click(control);
        } else if (auto* item = f.window(kMain)->findChild<QAction*>(name)) {
            item->trigger();
        } else {
            qWarning().noquote() << "no control or menu item" << name;
            return false;
        }
    }
    return true;
}

void typeAll(const Fixture& f, const QList<std::pair<const char*, QString>>& texts) {
    for (const auto& [name, text] : texts)
        typeInto(on(f, name), text);
}

// The address kind, the address, the link mode and the add button show whatever the kind;
// a web address adds its caption, its chooser and its target, an e-mail address its caption.
const QString kEitherKind = "Panel3 RadioButton17 RadioButton18 Edit19 RadioButton15 "
                            "RadioButton16 Button1 ";
const QString kWebKind = "Label28 Image3 Label8 Panel1 RadioButton3 RadioButton4 RadioButton5 ";
const QString kMailKind = kEitherKind + "Label9 ";
const QString kAlways = kEitherKind + kWebKind;
const QString kTextMode = "Label23 Label24 Label25 Label27 Label29 Label34 Label37 Panel6 "
                          "CheckBox8 CheckBox9 CheckBox10 CheckBox12 CheckBox13 CheckBox14 "
                          "Edit15 Edit17 Edit20 ComboBox2 Button7 Image31 Image32 ";
const QString kImageMode =
    "Label38 Label39 Label42 Label43 Label5 Image4 Edit21 Edit22 CheckBox4 ComboBox11 ";
const QString kSizeFields = "Label40 Label41 Edit23 Edit24 ";
const QString kShared = "Label4 Label33 ComboBox7 ComboBox8 Image49 Image50 Image51 ";
const QString kFrameName = "Edit3 Label22 ";
const QString kWebOnly = "Label28 Image3 Panel1 Label8 ";
const QString kNewEmpties = "Edit3 Edit19 Edit20 Edit21 Edit22 Edit23 Edit24";
const QString kText = kTextMode + kShared;
const QString kPicture = kImageMode + kShared;

// The controls of the page, by their own names, that the user sees: sorted, without the
// containers that only lay them out.
QStringList controlsShownOn(const QWidget& page) {
    static const QRegularExpression kControlName(QStringLiteral("^[A-Z][A-Za-z]*\\d+$"));
    QStringList shown;
    for (const QWidget* control : page.findChildren<QWidget*>(kControlName)) {
        if (control->isVisibleTo(&page))
            shown.append(control->objectName());
    }
    shown.sort();
    return shown;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

FontChoice font(const char* family, int points, QColor color, bool bold, bool underline,
                bool italic, bool strikeOut) {
    FontChoice chosen;
    chosen.family = QString::fromLatin1(family);
    chosen.points = points;
    chosen.color = color;
    chosen.bold = bold;
    chosen.underline = underline;
    chosen.italic = italic;
    chosen.strikeOut = strikeOut;
    return chosen;
}

} // namespace

class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void linkLine_data();
    void linkLine();
    void linkBlock_data();
    void linkBlock();
    void visibility_data();
    void visibility();
    void shownControls_data();
    void shownControls();
    void tabOrder_data();
    void tabOrder();
    void frameNameIsReadAtEachAdd();
    void badSpacingChangesNothing_data();
    void badSpacingChangesNothing();
    void choosers_data();
    void choosers();
    void fontAssistant_data();
    void fontAssistant();
    void newEmptiesFieldsButKeepsKindAndTarget_data();
    void newEmptiesFieldsButKeepsKindAndTarget();
};

void TestLinks::linkLine_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("line");
    QTest::newRow("no mode: text with the defaults")
        << ""
        << R"(<p style="font-family:Times New Roman; font-size:12pt; color:Black"><a href="www.example.de">Zur Seite</p></a>)";
    QTest::newRow("text, new window")
        << "RadioButton15 RadioButton3"
        << R"(<p style="font-family:Times New Roman; font-size:12pt; color:Black"><a href="www.example.de" target="Fenster">Zur Seite</p></a>)";
    QTest::newRow("text, same page")
        << "RadioButton15 RadioButton4"
        << R"(<p style="font-family:Times New Roman; font-size:12pt; color:Black"><a href="www.example.de" >Zur Seite</p></a>)";
    QTest::newRow("text, frame")
        << "RadioButton15 RadioButton5"
        << R"(<p style="font-family:Times New Roman; font-size:12pt; color:Black"><a href="www.example.de" target="inhalt">Zur Seite</p></a>)";
    QTest::newRow("same page, then new window")
        << "RadioButton4 RadioButton3"
        << R"(<p style="font-family:Times New Roman; font-size:12pt; color:Black"><a href="www.example.de" target="Fenster">Zur Seite</p></a>)";
    QTest::newRow("e-mail")
        << "RadioButton18"
        << R"(<p style="font-family:Times New Roman; font-size:12pt; color:Black"><a href="mailto:www.example.de">Zur Seite</p></a>)";
    QTest::newRow("e-mail keeps the frame chosen before")
        << "RadioButton5 RadioButton18 RadioButton15"
        << R"(<p style="font-family:Times New Roman; font-size:12pt; color:Black"><a href="mailto:www.example.de" target="inhalt">Zur Seite</p></a>)";
    QTest::newRow("e-mail, then web again")
        << "RadioButton18 RadioButton17"
        << R"(<p style="font-family:Times New Roman; font-size:12pt; color:Black"><a href="www.example.de">Zur Seite</p></a>)";
    QTest::newRow("picture")
        << "RadioButton16"
        << R"(<a href="www.example.de"><img src="bild.png" alt="Ein Bild" border="2"></a>)";
    QTest::newRow("picture, sized")
        << "RadioButton16 CheckBox4"
        << R"(<a href="www.example.de"><img src="bild.png" alt="Ein Bild" width="80" height="60"  border="2"></a>)";
    QTest::newRow("picture, sized, then not")
        << "RadioButton16 CheckBox4 CheckBox4"
        << R"(<a href="www.example.de"><img src="bild.png" alt="Ein Bild" border="2"></a>)";
    QTest::newRow("picture, same page, sized")
        << "RadioButton4 RadioButton16 CheckBox4"
        << R"(<a href="www.example.de" ><img src="bild.png" alt="Ein Bild" width="80" height="60"  border="2"></a>)";
    QTest::newRow("picture, frame, e-mail")
        << "RadioButton5 RadioButton18 RadioButton16"
        << R"(<a href="mailto:www.example.de" target="inhalt"><img src="bild.png" alt="Ein Bild" border="2"></a>)";
}

void TestLinks::linkLine() {
    QFETCH(QString, clicks);
    QFETCH(QString, line);
    Fixture f;
    typeAll(f, {{"Edit19", "www.example.de"},
                {"Edit20", "Zur Seite"},
                {"Edit22", "bild.png"},
                {"Edit21", "Ein Bild"},
                {"Edit23", "60"},
                {"Edit24", "80"},
                {"ComboBox11", "2"},
                {"Edit3", "inhalt"}});
    QVERIFY(clickAll(f, clicks));
    click(on(f, "Button1"));
    QCOMPARE(f.sourceLines(), QStringList{line});
    QCOMPARE(f.statusNotice(), QStringLiteral("Link wurde hinzugefügt"));
}

void TestLinks::linkBlock_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("block");
    QTest::newRow("text, all emphasis, centred")
        << "RadioButton15 CheckBox14 CheckBox13 "
           "CheckBox12 CheckBox10 CheckBox9 CheckBox8 Image50"
        << "2"
        << "1"
        << R"(<br>
<br>
<div align="center">
<b>
<u>
<i>
<s>
<sup>
<sub>
<p style="font-family:Verdana; font-size:14pt; color:Navy"><a href="index.html">Start</p></a>
</b>
</u>
</i>
</s>
</sup>
</sub>
</div>
<br>)";
    QTest::newRow("text, left released, right") << "RadioButton15 Image49 Image54 Image51"
                                                << "-2"
                                                << "+1"
                                                << R"(<div align="right">
<p style="font-family:Verdana; font-size:14pt; color:Navy"><a href="index.html">Start</p></a>
</div>
<br>)";
    QTest::newRow("picture drops the emphasis chosen for text")
        << "RadioButton15 CheckBox8 CheckBox10 RadioButton16 Image49"
        << "1"
        << "2"
        << R"(<br>
<div align="left">
<a href="index.html"><img src="" alt="" border="0"></a>
</div>
<br>
<br>)";
}

void TestLinks::linkBlock() {
    QFETCH(QString, clicks);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, block);
    Fixture f;
    typeAll(f, {{"Edit19", "index.html"},
                {"Edit20", "Start"},
                {"Edit15", "Verdana"},
                {"Edit17", "Navy"},
                {"ComboBox2", "14"},
                {"ComboBox7", before},
                {"ComboBox8", after}});
    QVERIFY(clickAll(f, clicks));
    click(on(f, "Button1"));
    QCOMPARE(f.sourceLines(), lines(block));
}

void TestLinks::visibility_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QString>("hidden");
    // A link starts as a text link, its text fields shown.
    QTest::newRow("start") << "" << kAlways + kTextMode + kShared
                           << kImageMode + kSizeFields + kFrameName + "Label9";
    QTest::newRow("text") << "RadioButton15" << kAlways + kTextMode + kShared
                          << kImageMode + kSizeFields;
    QTest::newRow("picture") << "RadioButton16" << kAlways + kImageMode + kShared
                             << kTextMode + kSizeFields;
    QTest::newRow("picture, size")
        << "RadioButton16 CheckBox4" << kImageMode + kSizeFields << kTextMode;
    QTest::newRow("size unchecked")
        << "RadioButton16 CheckBox4 CheckBox4" << kImageMode << kSizeFields;
    QTest::newRow("text hides the size fields")
        << "RadioButton16 CheckBox4 RadioButton15" << kTextMode << kImageMode + kSizeFields;
    QTest::newRow("picture again leaves the size fields hidden")
        << "RadioButton16 CheckBox4 RadioButton15 RadioButton16" << kImageMode
        << kTextMode + kSizeFields;
    QTest::newRow("chosen position stays pressed across modes")
        << "RadioButton15 Image50 RadioButton16"
        << "Image49 Image51 Image53"
        << "Image54 Image52";
    QTest::newRow("e-mail") << "RadioButton18"
                            << "Label9 Edit19" << kWebOnly + kFrameName;
    QTest::newRow("e-mail, then web") << "RadioButton18 RadioButton17" << kWebOnly << "Label9";
    QTest::newRow("frame") << "RadioButton5" << kFrameName << "";
    QTest::newRow("frame, then e-mail") << "RadioButton5 RadioButton18"
                                        << "" << kFrameName;
    QTest::newRow("frame, then new window") << "RadioButton5 RadioButton3"
                                            << "" << kFrameName;
}

void TestLinks::visibility() {
    QFETCH(QString, clicks);
    QFETCH(QString, visible);
    QFETCH(QString, hidden);
    Fixture f;
    FIND(page, QWidget, f, kMain, "TabSheet3");
    QVERIFY(clickAll(f, clicks));
    for (const QString& name : names(visible)) {
        FIND(control, QWidget, f, kMain, name);
        QVERIFY2(control->isVisibleTo(page), qPrintable(name + " is hidden"));
    }
    for (const QString& name :
         names(hidden + " Panel7 RadioButton12 RadioButton13 RadioButton14")) {
        FIND(control, QWidget, f, kMain, name);
        QVERIFY2(!control->isVisibleTo(page), qPrintable(name + " is shown"));
    }
}

void TestLinks::shownControls_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("shown"); // exactly these
    QTest::newRow("start: a text link") << "" << kAlways + kText;
    QTest::newRow("text") << "RadioButton15" << kAlways + kText;
    QTest::newRow("picture") << "RadioButton16" << kAlways + kPicture;
    QTest::newRow("picture, size") << "RadioButton16 CheckBox4" << kAlways + kPicture + kSizeFields;
    QTest::newRow("picture, size, no size")
        << "RadioButton16 CheckBox4 CheckBox4" << kAlways + kPicture;
    QTest::newRow("picture, size, text")
        << "RadioButton16 CheckBox4 RadioButton15" << kAlways + kText;
    // The box stays ticked, but its fields wait for its next click, which unticks it.
    QTest::newRow("picture, size, text, picture")
        << "RadioButton16 CheckBox4 RadioButton15 RadioButton16" << kAlways + kPicture;
    QTest::newRow("picture, size, text, picture, size")
        << "RadioButton16 CheckBox4 RadioButton15 RadioButton16 CheckBox4" << kAlways + kPicture;
    QTest::newRow("text, picture, text")
        << "RadioButton15 RadioButton16 RadioButton15" << kAlways + kText;
    QTest::newRow("text, added") << "Button1" << kAlways + kText;
    QTest::newRow("picture, size, added")
        << "RadioButton16 CheckBox4 Button1" << kAlways + kPicture + kSizeFields;
    QTest::newRow("text, New") << "Neu" << kAlways + kText;
    QTest::newRow("picture, size, New")
        << "RadioButton16 CheckBox4 Neu" << kAlways + kPicture + kSizeFields;
    QTest::newRow("e-mail") << "RadioButton18" << kMailKind + kText;
    QTest::newRow("e-mail, picture") << "RadioButton18 RadioButton16" << kMailKind + kPicture;
    QTest::newRow("e-mail, web") << "RadioButton18 RadioButton17" << kAlways + kText;
    QTest::newRow("frame") << "RadioButton5" << kAlways + kText + kFrameName;
    QTest::newRow("frame, picture")
        << "RadioButton5 RadioButton16" << kAlways + kPicture + kFrameName;
    QTest::newRow("frame, new window") << "RadioButton5 RadioButton3" << kAlways + kText;
    // The frame stays chosen, but its name waits for the next click on it.
    QTest::newRow("frame, e-mail, web")
        << "RadioButton5 RadioButton18 RadioButton17" << kAlways + kText;
    QTest::newRow("centred text, picture")
        << "RadioButton15 Image50 RadioButton16" << kAlways + kPicture + "Image53";
}

void TestLinks::shownControls() {
    QFETCH(QString, clicks);
    QFETCH(QString, shown);
    Fixture f;
    auto* page = f.control(kMain, "TabSheet3");
    QVERIFY(page);
    QVERIFY(clickAll(f, clicks));
    QCOMPARE(controlsShownOn(*page), sorted(names(shown)));
}

void TestLinks::tabOrder_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("order"); // from "Link zu Webseite" on
    // The address and the target, then the fields of the mode; the add button ends the page.
    const QString top = "RadioButton17 Edit19 RadioButton15 RadioButton3 ";
    const QString spacing = "ComboBox7 ComboBox8 Button1";
    QTest::newRow("text") << ""
                          << top +
                                 "Edit20 Edit15 ComboBox2 Edit17 Button7 CheckBox8 CheckBox9 "
                                 "CheckBox10 CheckBox12 CheckBox13 CheckBox14 " +
                                 spacing;
    QTest::newRow("picture") << "RadioButton16"
                             << top + "Edit22 Edit21 ComboBox11 CheckBox4 " + spacing;
    QTest::newRow("picture, size")
        << "RadioButton16 CheckBox4"
        << top + "Edit22 Edit21 ComboBox11 CheckBox4 Edit23 Edit24 " + spacing;
}

void TestLinks::tabOrder() {
    QFETCH(QString, clicks);
    QFETCH(QString, order);
    Fixture f;
    QWidget* main = f.window(kMain);
    auto* tabs = f.control<QTabWidget>(kMain, "PageControl1");
    auto* page = f.control(kMain, "TabSheet3");
    auto* first = f.control(kMain, "RadioButton17");
    QVERIFY(main && tabs && page && first);
    main->show();
    f.startPage();
    tabs->setCurrentWidget(page);
    QApplication::setActiveWindow(main);
    QVERIFY(clickAll(f, clicks));
    first->setFocus(Qt::TabFocusReason);
    const QStringList expected = names(order);
    QStringList visited;
    for (QWidget* focused = first; focused && visited.size() < expected.size();
         focused = QApplication::focusWidget()) {
        visited.append(focused->objectName());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void TestLinks::frameNameIsReadAtEachAdd() {
    Fixture f;
    f.setSourceLines({"<html>", "<body>", "</body>", "</html>"});
    typeInto(on(f, "Edit19"), QStringLiteral("seite.html"));
    QVERIFY(clickAll(f, "RadioButton16 RadioButton5"));
    typeInto(on(f, "Edit3"), QStringLiteral("links"));
    click(on(f, "Button1"));
    typeInto(on(f, "Edit3"), QStringLiteral("rechts"));
    click(on(f, "Button1"));
    // The target built at the last add stays after leaving the frame choice for e-mail.
    QVERIFY(clickAll(f, "RadioButton18 Button1"));
    QCOMPARE(f.sourceLines(), lines(R"(<html>
<body>
<a href="seite.html" target="links"><img src="" alt="" border="0"></a>
<a href="seite.html" target="rechts"><img src="" alt="" border="0"></a>
<a href="mailto:seite.html" target="rechts"><img src="" alt="" border="0"></a>)"));
}

void TestLinks::badSpacingChangesNothing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mode");
    QTest::newRow("before x, text") << "ComboBox7"
                                    << "x"
                                    << "RadioButton15";
    QTest::newRow("before empty, picture") << "ComboBox7"
                                           << ""
                                           << "RadioButton16";
    QTest::newRow("after 1.5, text") << "ComboBox8"
                                     << "1.5"
                                     << "RadioButton15";
    QTest::newRow("after blank, picture") << "ComboBox8"
                                          << " 1"
                                          << "RadioButton16";
}

void TestLinks::badSpacingChangesNothing() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, mode);
    Fixture f;
    const QStringList saved = {"<html>", "<body>", "</body>", "</html>"};
    f.setSourceLines(saved);
    QVERIFY(clickAll(f, mode + " RadioButton3 RadioButton5"));
    typeAll(f, {{"Edit3", "inhalt"}, {qPrintable(box), text}});
    click(on(f, "Button1"));
    QCOMPARE(f.sourceLines(), saved);
    QCOMPARE(f.statusNotice(), QString());
    QCOMPARE(f.dialogs.asked,
             QStringList{QStringLiteral("error:'%1' ist kein gültiger Integerwert").arg(text)});
    // The frame target is not built either: the one of "Neues Fenster" is still in place.
    FIND(page, LinksPage, f, kMain, "TabSheet3");
    QCOMPARE(page->LinkTarget(), QStringLiteral(R"( target="Fenster")"));
}

void TestLinks::choosers_data() {
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("answer"); // empty: cancelled
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("result");
    QTest::newRow("page") << "Image3"
                          << "Edit19"
                          << "/home/anna/web/kontakt.html"
                          << "open:Unbenannt.html"
                          << "kontakt.html";
    QTest::newRow("page, backslashes") << "Image3"
                                       << "Edit19"
                                       << R"(C:\Web\impressum.htm)"
                                       << "open:Unbenannt.html"
                                       << "impressum.htm";
    QTest::newRow("page cancelled") << "Image3"
                                    << "Edit19"
                                    << ""
                                    << "open:Unbenannt.html"
                                    << "alt.html";
    QTest::newRow("picture") << "Image4"
                             << "Edit22"
                             << "/home/anna/Bilder/logo.png"
                             << "picture:"
                             << "logo.png";
    QTest::newRow("picture cancelled") << "Image4"
                                       << "Edit22"
                                       << ""
                                       << "picture:"
                                       << "alt.html";
}

void TestLinks::choosers() {
    QFETCH(QString, chooser);
    QFETCH(QString, field);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QFETCH(QString, result);
    Fixture f;
    click(on(f, "RadioButton16"));
    typeInto(on(f, field), QStringLiteral("alt.html"));
    if (answer.isEmpty())
        f.dialogs.answerCancel();
    else
        f.dialogs.answerFile(answer);
    click(on(f, chooser));
    QCOMPARE(f.dialogs.asked, QStringList{question});
    FIND(chosenField, QLineEdit, f, kMain, field);
    QCOMPARE(chosenField->text(), result);
}

void TestLinks::fontAssistant_data() {
    QTest::addColumn<QString>("starter");
    QTest::addColumn<FontChoice>("chosen");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("checked");
    const FontChoice boldItalic = font("Arial", 14, Qt::red, true, false, true, false);
    const FontChoice underlineStrike =
        font("Courier New", 7, QColor(0x80, 0, 0x80), false, true, false, true);
    QTest::newRow("button") << "Button7" << boldItalic << "Red"
                            << "CheckBox8 CheckBox10";
    QTest::newRow("font picture") << "Image31" << underlineStrike << "Purple"
                                  << "CheckBox9 CheckBox12";
    QTest::newRow("colour picture")
        << "Image32" << font("Georgia", 48, QColor(0x10, 0x20, 0x30), false, false, false, false)
        << "#102030"
        << "";
    QTest::newRow("double click on the size") << "ComboBox2" << boldItalic << "Red"
                                              << "CheckBox8 CheckBox10";
}

void TestLinks::fontAssistant() {
    QFETCH(QString, starter);
    QFETCH(FontChoice, chosen);
    QFETCH(QString, color);
    QFETCH(QString, checked);
    Fixture f;
    QVERIFY(clickAll(f, "RadioButton15 CheckBox8 CheckBox9 CheckBox10 CheckBox12 CheckBox13"));
    f.dialogs.answerFont(chosen);
    FIND(family, QLineEdit, f, kMain, "Edit15");
    FIND(size, QComboBox, f, kMain, "ComboBox2");
    FIND(fontColor, QLineEdit, f, kMain, "Edit17");
    FIND(superscript, QCheckBox, f, kMain, "CheckBox13");
    if (starter == QLatin1String("ComboBox2"))
        QTest::mouseDClick(size->lineEdit(), Qt::LeftButton);
    else
        click(on(f, starter));
    QCOMPARE(f.dialogs.asked, QStringList{"font"});
    QCOMPARE(family->text(), chosen.family);
    QCOMPARE(size->currentText(), QString::number(chosen.points));
    QCOMPARE(fontColor->text(), color);
    for (const QString& name : names("CheckBox8 CheckBox9 CheckBox10 CheckBox12")) {
        FIND(box, QCheckBox, f, kMain, name);
        QCOMPARE(box->isChecked(), names(checked).contains(name));
    }
    // "Hochgestellt" is not the assistant's.
    QVERIFY(superscript->isChecked());
}

void TestLinks::newEmptiesFieldsButKeepsKindAndTarget_data() {
    QTest::addColumn<bool>("toolbar");
    QTest::newRow("menu") << false;
    QTest::newRow("toolbar") << true;
}

void TestLinks::newEmptiesFieldsButKeepsKindAndTarget() {
    QFETCH(bool, toolbar);
    Fixture f;
    QVERIFY(clickAll(f, "RadioButton18 RadioButton4 RadioButton15 CheckBox8"));
    typeInto(on(f, "ComboBox2"), QStringLiteral("20"));
    for (const QString& name : names(kNewEmpties))
        typeInto(on(f, name), QStringLiteral("x"));
    if (toolbar)
        click(on(f, "Image6"));
    else
        f.trigger(QStringLiteral("TForm2"), QStringLiteral("Neu"));
    for (const QString& name : names(kNewEmpties)) {
        FIND(field, QLineEdit, f, kMain, name);
        QVERIFY2(field->text().isEmpty(), qPrintable(name));
    }

    // The next link carries the kind and target from before New, with the font and colour
    // a page starts with.
    typeInto(on(f, "Edit19"), QStringLiteral("info@example.de"));
    click(on(f, "Button1"));
    QCOMPARE(f.sourceLines(), lines(R"(<b>
<p style="font-family:Times New Roman; font-size:20pt; color:Black"><a href="mailto:info@example.de" ></p></a>
</b>)"));
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
