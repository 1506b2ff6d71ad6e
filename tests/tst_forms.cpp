#include "support/Fixture.h"

#include "app/MainWindow.h"
#include "forms/FormBuilderWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QString kWindow = QStringLiteral("TForm5");

// A page saved once: the next command removes the closing tail first.
const QStringList kSavedPage = {QStringLiteral("<h1>Umfrage</h1>"), QStringLiteral("</body>"),
                                QStringLiteral("</html>")};

// Does what the user does, step by step: "Edit14=Farbe" types into a field, "Button16"
// clicks a control, "MenuItem4" chooses an item of the pop-up menu, "tab:3" shows a page.
void act(Fixture& f, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step.startsWith(QStringLiteral("tab:"))) {
            FIND(pages, QTabWidget, f, kWindow, QStringLiteral("Form5"));
            pages->setCurrentIndex(step.mid(4).toInt());
        } else if (step.startsWith(QStringLiteral("MenuItem"))) {
            f.trigger(kWindow, step);
        } else {
            f.act(kWindow, QStringList{step});
        }
    }
}

// Checks "Name=text" for text fields and "Name=checked" or "Name=unchecked" for boxes.
void expectStates(Fixture& f, const QStringList& states) {
    for (const QString& state : states) {
        const qsizetype equals = state.indexOf(u'=');
        FIND(field, QWidget, f, kWindow, state.left(equals));
        QCOMPARE(state.left(equals) + u'=' + textOf(field), state);
    }
}

Fixture& opened(Fixture& f) {
    f.windows().formBuilder().open();
    return f;
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT

private slots:
    void writers_data();
    void writers();
    void writersEmptyTheirFields_data();
    void writersEmptyTheirFields();
    void badBlankLineCountChangesNothing_data();
    void badBlankLineCountChangesNothing();
    void answerNumbersContinueAcrossQuestions_data();
    void answerNumbersContinueAcrossQuestions();
    void openingEmptiesFieldsAndKeepsChoices();
    void positionPickers_data();
    void positionPickers();
    void fontAssistants_data();
    void fontAssistants();
    void cancelledFontAssistantClearsFourBoxes();
    void popupEditCommands_data();
    void popupEditCommands();
    void deleteShortcutActsOnCurrentField();
};

void TestForms::writers_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("notice");

    QTest::newRow("form start")
        << QStringList{"Edit1=umfrage@example.org", "Button1"}
        << QStringList{"<form action=\"http://formmail.example.net/Formular-Chef/"
                       "Formular-Chef.cgi\" method=\"post\"><input type=\"hidden\" "
                       "name=\"empfaenger\" value=\"umfrage@example.org\">"}
        << "Formular wurde erstellt";
    QTest::newRow("form start without address")
        << QStringList{"Button1"}
        << QStringList{"<form action=\"http://formmail.example.net/Formular-Chef/"
                       "Formular-Chef.cgi\" method=\"post\"><input type=\"hidden\" "
                       "name=\"empfaenger\" value=\"\">"}
        << "Formular wurde erstellt";
    QTest::newRow("form start to the web host's service")
        << QStringList{"Edit51=https://www.mein-host.de/cgi-bin/mail.cgi?a=\"b\"", "Button1"}
        << QStringList{"<form action=\"https://www.mein-host.de/cgi-bin/mail.cgi?a=&quot;b&quot;\" "
                       "method=\"post\"><input type=\"hidden\" name=\"empfaenger\" value=\"\">"}
        << "Formular wurde erstellt";
    QTest::newRow("form end twice")
        << QStringList{"Button13", "Button13"} << QStringList{"</form>", "</form>"}
        << "Formular wurde beendet";

    QTest::newRow("decision, centred, one break before")
        << QStringList{"Edit14=Farbe", "Edit2=Rot", "Button16",    "Edit2=Blau",
                       "Button16",     "Image41",   "ComboBox7=1", "Button2"}
        << QStringList{"</p>",
                       "<br>",
                       "<div align=\"center\">",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; "
                       "color:Black\">Farbe",
                       "<input type=\"radio\" name=\"Farbe\" value=\"Rot\" >Rot<br>",
                       "<input type=\"radio\" name=\"Farbe\" value=\"Blau\" >Blau<br>",
                       "",
                       "</div>",
                       "</p>"}
        << "Entscheidungsfrage wurde hinzugefügt";
    QTest::newRow("decision, bold and italic, breaks after inside, answer not collected")
        << QStringList{"Edit14=Alter",   "Edit2=jung",  "Button16",     "Edit2=alt",
                       "CheckBox5",      "CheckBox7",   "Edit15=Arial", "ComboBox1=13",
                       "Edit16=#FF8000", "ComboBox7=2", "ComboBox8=3",  "Button2"}
        << QStringList{"</p>",
                       "<br>",
                       "<br>",
                       "<b>",
                       "<i>",
                       "<p style=\"font-family:Arial; font-size:13pt; color:#FF8000\">Alter",
                       "</b>",
                       "</i>",
                       "<br>",
                       "<br>",
                       "<br>",
                       "<input type=\"radio\" name=\"Alter\" value=\"jung\" >jung<br>",
                       "",
                       "</p>"}
        << "Entscheidungsfrage wurde hinzugefügt";
    QTest::newRow("decision without answers")
        << QStringList{"Edit14=Leer", "Button2"}
        << QStringList{"</p>",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; color:Black\">Leer",
                       "", "</p>"}
        << "Entscheidungsfrage wurde hinzugefügt";

    QTest::newRow("check boxes, every emphasis, left")
        << QStringList{"Edit18=Hobbys", "Edit22=Lesen", "Button4",   "Edit22=Laufen", "Button4",
                       "CheckBox4",     "CheckBox8",    "CheckBox9", "CheckBox10",    "CheckBox11",
                       "CheckBox12",    "Image9",       "Button5"}
        << QStringList{"<p>",
                       "<div align=\"left\">",
                       "<b>",
                       "<u>",
                       "<i>",
                       "<s>",
                       "<sup>",
                       "<sub>",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; "
                       "color:Black\">Hobbys",
                       "</b>",
                       "</u>",
                       "</i>",
                       "</s>",
                       "</sup>",
                       "</sub>",
                       "<input type=\"checkbox\" name=\"Hobbys\" value=\"Lesen\">Lesen<br>",
                       "<input type=\"checkbox\" name=\"Hobbys\" value=\"Laufen\">Laufen<br>",
                       "",
                       "</div>",
                       "</p>"}
        << "Checkboxfrage wurde hinzugefügt";
    QTest::newRow("check boxes collected before the question was typed")
        << QStringList{"Edit22=Ja", "Button4", "Edit18=Zustimmung", "Button5"}
        << QStringList{"<p>",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; "
                       "color:Black\">Zustimmung",
                       "<input type=\"checkbox\" name=\"\" value=\"Ja\">Ja<br>", "", "</p>"}
        << "Checkboxfrage wurde hinzugefügt";

    QTest::newRow("text area with a preset of two lines")
        << QStringList{"Edit27=Kommentar", "Edit36=40", "Edit35=5",
                       "Memo2=Ihre Meinung\nbitte hier", "Button11"}
        << QStringList{"<p>",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; "
                       "color:Black\">Kommentar",
                       "<textarea name=\"Kommentar\" cols=\"40\" rows=\"5\">Ihre Meinung",
                       "bitte hier</textarea>", "</p>"}
        << "Formularfeld wurde hinzugefügt";
    QTest::newRow("text area without preset, right")
        << QStringList{"Edit27=Notiz", "Image17", "Button11"}
        << QStringList{"<p>",
                       "<div align=\"right\">",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; "
                       "color:Black\">Notiz",
                       "<textarea name=\"Notiz\" cols=\"\" rows=\"\"></textarea>",
                       "</div>",
                       "</p>"}
        << "Formularfeld wurde hinzugefügt";

    QTest::newRow("single line as text")
        << QStringList{"Edit26=Name", "Edit38=30", "Edit39=60", "Button3"}
        << QStringList{"<p>",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; color:Black\">Name",
                       "<input name=\"Name\" type=\"text\" size=\"30\" maxlength=\"60\">", "</p>"}
        << "Einzeiliges Eingabefeld wurde hinzugefügt";
    QTest::newRow("single line as password, underlined")
        << QStringList{"Edit26=Kennwort", "Edit38=20",  "Edit39=8",
                       "RadioButton16",   "CheckBox14", "Button3"}
        << QStringList{"<p>",
                       "<u>",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; "
                       "color:Black\">Kennwort",
                       "</u>",
                       "<input name=\"Kennwort\" type=\"password\" size=\"20\" maxlength=\"8\">",
                       "</p>"}
        << "Einzeiliges Eingabefeld wurde hinzugefügt";

    QTest::newRow("selection list, three rows, right")
        << QStringList{"Edit31=Land", "Edit41=Deutschland", "Button15", "Edit41=Schweiz",
                       "Button15",    "ComboBox6=3",        "Image29",  "Button14"}
        << QStringList{"<p>",
                       "<div align=\"right\">",
                       "<p style=\"font-family:Times New Roman; font-size:12pt; color:Black\">Land",
                       "<select size=\"3\" name=\"Land\">",
                       "<option>Deutschland</option>",
                       "<option>Schweiz</option>",
                       "",
                       "</select>",
                       "</div>",
                       "</p>"}
        << "Auswahlliste wurde hinzugefügt";

    QTest::newRow("send button") << QStringList{"Edit37=Absenden", "Button12"}
                                 << QStringList{"<input type=\"submit\" value=\"Absenden\">"}
                                 << "Button wurde hinzugefügt";
    QTest::newRow("reset button, centred, breaks inside the block")
        << QStringList{"Edit37=Zurücksetzen", "RadioButton19", "Image36",
                       "ComboBox17=1",        "ComboBox18=2",  "Button12"}
        << QStringList{"<br>",
                       "<div align=\"center\">",
                       "<input type=\"reset\" value=\"Zurücksetzen\">",
                       "<br>",
                       "<br>",
                       "</div>"}
        << "Button wurde hinzugefügt";
}

void TestForms::writers() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lines);
    QFETCH(QString, notice);
    Fixture f;
    f.setSourceLines(kSavedPage);
    act(opened(f), steps);
    QCOMPARE(f.sourceLines(), QStringList{kSavedPage.first()} + lines);
    QCOMPARE(f.statusNotice(), notice);
}

void TestForms::writersEmptyTheirFields_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("form start keeps the address")
        << QStringList{"Edit1=a@example.org", "Button1"} << QStringList{"Edit1=a@example.org"};
    QTest::newRow("decision") << QStringList{"Edit14=Farbe", "Edit2=Rot",    "Button16",
                                             "Edit2=Grün",   "Edit15=Arial", "ComboBox1=14",
                                             "CheckBox5",    "ComboBox7=1",  "Button2"}
                              << QStringList{"Edit14=",
                                             "Edit2=",
                                             "Memo5=",
                                             "Memo6=",
                                             "Edit15=Arial",
                                             "ComboBox1=14",
                                             "CheckBox5=checked",
                                             "ComboBox7=1"};
    QTest::newRow("check boxes") << QStringList{"Edit18=Hobbys", "Edit22=Lesen", "Button4",
                                                "Edit20=Navy", "Button5"}
                                 << QStringList{
                                        "Edit18=", "Edit22=", "Memo4=", "Memo1=", "Edit20=Navy"};
    QTest::newRow("text area") << QStringList{"Edit27=Kommentar", "Edit36=40", "Edit35=5",
                                              "Memo2=Text", "Button11"}
                               << QStringList{"Edit27=", "Memo2=", "Edit36=40", "Edit35=5"};
    QTest::newRow("single line") << QStringList{"Edit26=Kennwort", "Edit38=20", "Edit39=8",
                                                "RadioButton16", "Button3"}
                                 << QStringList{"Edit26=", "Edit38=20", "Edit39=8",
                                                "RadioButton16=checked"};
    QTest::newRow("selection list")
        << QStringList{"Edit31=Land",   "Edit41=Polen", "Button15",
                       "Edit41=Ungarn", "ComboBox6=4",  "Button14"}
        << QStringList{"Edit31=", "Edit41=", "Memo3=", "Memo7=", "ComboBox6=4"};
    QTest::newRow("button") << QStringList{"Edit37=Los", "RadioButton19", "ComboBox18=2",
                                           "Button12"}
                            << QStringList{"Edit37=", "RadioButton19=checked", "ComboBox18=2"};
}

void TestForms::writersEmptyTheirFields() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, after);
    Fixture f;
    act(opened(f), steps);
    expectStates(f, after);
}

void TestForms::badBlankLineCountChangesNothing_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("decision, before")
        << QStringList{"Edit14=Farbe", "Edit2=Rot", "Button16", "ComboBox7=x", "Button2"}
        << "'x' ist kein gültiger Integerwert" << QStringList{"Edit14=Farbe", "Memo5=1) Rot"};
    QTest::newRow("decision, after empty")
        << QStringList{"Edit14=Farbe", "ComboBox8=", "Button2"}
        << "'' ist kein gültiger Integerwert" << QStringList{"Edit14=Farbe"};
    QTest::newRow("both bad: the one before is reported")
        << QStringList{"Edit18=Hobbys", "ComboBox9=a", "ComboBox10=b", "Button5"}
        << "'a' ist kein gültiger Integerwert" << QStringList{"Edit18=Hobbys"};
    QTest::newRow("text area, after")
        << QStringList{"Edit27=Kommentar", "Memo2=Text", "ComboBox12=1.5", "Button11"}
        << "'1.5' ist kein gültiger Integerwert" << QStringList{"Edit27=Kommentar", "Memo2=Text"};
    QTest::newRow("single line, before")
        << QStringList{"Edit26=Name", "ComboBox13=zw", "Button3"}
        << "'zw' ist kein gültiger Integerwert" << QStringList{"Edit26=Name"};
    QTest::newRow("selection list, after")
        << QStringList{"Edit31=Land", "Edit41=Polen", "Button15", "ComboBox16=x", "Button14"}
        << "'x' ist kein gültiger Integerwert" << QStringList{"Edit31=Land", "Memo7=1) Polen"};
    QTest::newRow("button, after")
        << QStringList{"Edit37=Los", "ComboBox18=-", "Button12"}
        << "'-' ist kein gültiger Integerwert" << QStringList{"Edit37=Los"};
}

void TestForms::badBlankLineCountChangesNothing() {
    QFETCH(QStringList, steps);
    QFETCH(QString, error);
    QFETCH(QStringList, kept);
    Fixture f;
    f.setSourceLines(kSavedPage);
    act(opened(f), steps);
    QCOMPARE(f.dialogs.asked, QStringList{"error:" + error});
    QCOMPARE(f.sourceLines(), kSavedPage);
    QCOMPARE(f.statusNotice(), QString());
    expectStates(f, kept);
}

void TestForms::answerNumbersContinueAcrossQuestions_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("newAnswer");
    QTest::addColumn<QString>("addQuestion");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("previewAfterReopening");

    QTest::newRow("decision") << "Edit2"
                              << "Button16"
                              << "Button2"
                              << "Memo5"
                              << "";
    QTest::newRow("check boxes") << "Edit22"
                                 << "Button4"
                                 << "Button5"
                                 << "Memo4"
                                 << "";
    QTest::newRow("selection list") << "Edit41"
                                    << "Button15"
                                    << "Button14"
                                    << "Memo7"
                                    << "4) Nord";
}

void TestForms::answerNumbersContinueAcrossQuestions() {
    QFETCH(QString, answer);
    QFETCH(QString, newAnswer);
    QFETCH(QString, addQuestion);
    QFETCH(QString, preview);
    QFETCH(QString, previewAfterReopening);
    Fixture f;
    opened(f);
    for (const char* text : {"Rot", "Grün", "Blau"})
        act(f, {answer + u'=' + text, newAnswer});
    expectStates(f, {preview + "=1) Rot\n2) Grün\n3) Blau", answer + u'='});

    act(f, {addQuestion, answer + "=Nord", newAnswer});
    expectStates(f, {preview + "=4) Nord"});

    f.act("TForm2", "Button8");
    expectStates(f, {preview + u'=' + previewAfterReopening});
    act(f, {answer + "=Süd", newAnswer});
    const QString numbered = previewAfterReopening.isEmpty()
                                 ? QStringLiteral("5) Süd")
                                 : previewAfterReopening + QStringLiteral("\n5) Süd");
    expectStates(f, {preview + u'=' + numbered});
}

void TestForms::openingEmptiesFieldsAndKeepsChoices() {
    Fixture f;
    // Before the first opening the format fields hold their initial texts.
    expectStates(
        f, {"Edit15=Times New Roman", "Edit16=Black", "Edit32=Times New Roman", "Edit24=Black"});

    const QStringList emptied = {"Edit1",  "Edit2",  "Edit14", "Edit18", "Edit22",
                                 "Edit26", "Edit27", "Edit31", "Edit35", "Edit36",
                                 "Edit37", "Edit38", "Edit39", "Edit41", "Memo2",
                                 "Memo6",  "Memo1",  "Memo3",  "Memo5",  "Memo4"};
    // Every question's font and colour start as a page's do.
    const QStringList startedAnew = {
        "Edit15=Times New Roman", "Edit16=Black", "Edit19=Times New Roman", "Edit20=Black",
        "Edit25=Times New Roman", "Edit24=Black", "Edit28=Times New Roman", "Edit29=Black",
        "Edit32=Times New Roman", "Edit33=Black"};
    opened(f);
    act(f, {"Edit14=Farbe", "Edit2=Rot", "Button16", "Edit18=Hobbys", "Edit22=Lesen", "Button4",
            "Edit41=Polen", "Button15"});
    for (const QString& name : emptied) {
        FIND(field, QWidget, f, kWindow, name);
        if (textOf(field).isEmpty())
            typeInto(field, QStringLiteral("etwas"));
    }
    for (const QString& state : startedAnew) {
        FIND(field, QWidget, f, kWindow, state.section(u'=', 0, 0));
        typeInto(field, QString());
    }
    const QStringList kept = {
        "ComboBox1=14",          "ComboBox7=2",           "ComboBox18=3",
        "ComboBox6=5",           "CheckBox5=checked",     "CheckBox30=checked",
        "RadioButton16=checked", "RadioButton19=checked", "RadioButton10=checked",
        "RadioButton22=checked", "Memo7=1) Polen"};
    act(f, {"ComboBox1=14", "ComboBox7=2", "ComboBox18=3", "ComboBox6=5", "CheckBox5", "CheckBox30",
            "RadioButton16", "RadioButton19", "Image41", "Image43", "tab:4"});
    f.setSourceLines({"<p>Seite</p>"});
    f.window(kWindow)->hide();

    f.act("TForm2", "Button8");

    QVERIFY(f.window(kWindow)->isVisible());
    FIND(pages, QTabWidget, f, kWindow, "Form5");
    QCOMPARE(pages->currentIndex(), 0);
    for (const QString& name : emptied)
        expectStates(f, {name + u'='});
    expectStates(f, startedAnew);
    expectStates(f, kept);
    FIND(pressedMiddle, QWidget, f, kWindow, "Image38");
    QVERIFY(!pressedMiddle->isHidden());
    QCOMPARE(f.sourceLines(), QStringList{"<p>Seite</p>"});
}

void TestForms::positionPickers_data() {
    QTest::addColumn<QStringList>("released");
    QTest::addColumn<QStringList>("pressed");
    QTest::addColumn<QStringList>("radios");

    QTest::newRow("Entscheidungsfrage")
        << QStringList{"Image40", "Image41", "Image42"}
        << QStringList{"Image37", "Image38", "Image39"}
        << QStringList{"RadioButton9", "RadioButton10", "RadioButton11"};
    QTest::newRow("Checkbox Fragen") << QStringList{"Image9", "Image10", "Image11"}
                                     << QStringList{"Image14", "Image13", "Image12"}
                                     << QStringList{"RadioButton1", "RadioButton2", "RadioButton3"};
    QTest::newRow("Formularfeld") << QStringList{"Image15", "Image16", "Image17"}
                                  << QStringList{"Image20", "Image19", "Image18"}
                                  << QStringList{"RadioButton7", "RadioButton8", "RadioButton12"};
    QTest::newRow("Einzeiliges Eingabefeld")
        << QStringList{"Image21", "Image22", "Image23"}
        << QStringList{"Image26", "Image25", "Image24"}
        << QStringList{"RadioButton4", "RadioButton5", "RadioButton6"};
    QTest::newRow("Auswahlliste") << QStringList{"Image27", "Image28", "Image29"}
                                  << QStringList{"Image34", "Image33", "Image32"}
                                  << QStringList{"RadioButton13", "RadioButton14", "RadioButton15"};
    QTest::newRow("Buttons") << QStringList{"Image35", "Image36", "Image43"}
                             << QStringList{"Image46", "Image45", "Image44"}
                             << QStringList{"RadioButton20", "RadioButton21", "RadioButton22"};
}

void TestForms::positionPickers() {
    QFETCH(QStringList, released);
    QFETCH(QStringList, pressed);
    QFETCH(QStringList, radios);
    Fixture f;
    opened(f);
    // What shows pressed and which radio button is checked, e.g. "-x-".
    auto look = [&]() -> QString {
        QString shown, checked;
        for (int i = 0; i < 3; ++i) {
            FIND_OR(picture, QWidget, f, kWindow, pressed[i], QString());
            FIND_OR(radio, QWidget, f, kWindow, radios[i], QString());
            shown += picture->isHidden() ? u'-' : u'x';
            checked += textOf(radio) == "checked" ? u'x' : u'-';
        }
        return shown + u'|' + checked;
    };
    QCOMPARE(look(), "---|---");
    act(f, {released[0]});
    QCOMPARE(look(), "x--|x--");
    act(f, {released[1]});
    QCOMPARE(look(), "-x-|-x-");
    act(f, {released[2]});
    QCOMPARE(look(), "--x|--x");
    act(f, {pressed[2]});
    QCOMPARE(look(), "---|---");
}

void TestForms::fontAssistants_data() {
    QTest::addColumn<QString>("starter");
    QTest::addColumn<QStringList>("boxes");  // Fett, Unterstrichen, Kursiv, Durchgestrichen
    QTest::addColumn<QStringList>("fields"); // font, size, colour
    QTest::addColumn<QString>("styles");     // chosen: "b", "u", "i", "s"
    QTest::addColumn<QStringList>("expected");

    const QStringList decision = {"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox1"};
    const QStringList decisionFields = {"Edit15", "ComboBox1", "Edit16"};
    QTest::newRow("Entscheidungsfrage, button")
        << "Button6" << decision << decisionFields << "us"
        << QStringList{"unchecked", "checked", "unchecked", "checked"};
    QTest::newRow("Entscheidungsfrage, font picture")
        << "Image31" << decision << decisionFields << "bi"
        << QStringList{"checked", "unchecked", "checked", "unchecked"};
    QTest::newRow("Entscheidungsfrage, colour picture")
        << "Image8" << decision << decisionFields << ""
        << QStringList{"unchecked", "unchecked", "unchecked", "unchecked"};
    QTest::newRow("Entscheidungsfrage, double click on the size")
        << "dbl:ComboBox1" << decision << decisionFields << "buis"
        << QStringList{"checked", "checked", "checked", "checked"};
    QTest::newRow("Checkbox Fragen")
        << "Image7" << QStringList{"CheckBox4", "CheckBox8", "CheckBox9", "CheckBox10"}
        << QStringList{"Edit19", "ComboBox2", "Edit20"} << "b"
        << QStringList{"checked", "unchecked", "unchecked", "unchecked"};
    QTest::newRow("Formularfeld") << "dbl:ComboBox3"
                                  << QStringList{"CheckBox19", "CheckBox20", "CheckBox21",
                                                 "CheckBox22"}
                                  << QStringList{"Edit28", "ComboBox3", "Edit29"} << "u"
                                  << QStringList{"unchecked", "checked", "unchecked", "unchecked"};
    QTest::newRow("Einzeiliges Eingabefeld")
        << "Button7" << QStringList{"CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16"}
        << QStringList{"Edit25", "ComboBox5", "Edit24"} << "is"
        << QStringList{"unchecked", "unchecked", "checked", "checked"};
    QTest::newRow("Auswahlliste") << "Image4"
                                  << QStringList{"CheckBox25", "CheckBox26", "CheckBox27",
                                                 "CheckBox28"}
                                  << QStringList{"Edit32", "ComboBox4", "Edit33"} << "us"
                                  << QStringList{"unchecked", "checked", "unchecked", "checked"};
}

void TestForms::fontAssistants() {
    QFETCH(QString, starter);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, fields);
    QFETCH(QString, styles);
    QFETCH(QStringList, expected);
    Fixture f;
    opened(f);
    // Every box of the window is checked first: only the page's four boxes may change.
    QStringList before;
    for (QAbstractButton* box : f.window(kWindow)->findChildren<QCheckBox*>()) {
        box->setChecked(true);
        before.append(box->objectName() + "=checked");
    }
    QStringList otherFields;
    for (QLineEdit* field : f.window(kWindow)->findChildren<QLineEdit*>()) {
        if (!field->objectName().isEmpty() && !fields.contains(field->objectName())) {
            field->setText(QStringLiteral("unberührt"));
            otherFields.append(field->objectName() + "=unberührt");
        }
    }
    f.dialogs.answerFont({"Verdana", 14, styles.contains(u'b'), styles.contains(u'i'),
                          styles.contains(u'u'), styles.contains(u's'), QColor(255, 0, 0)});

    if (starter.startsWith("dbl:")) {
        FIND(box, QComboBox, f, kWindow, starter.mid(4));
        QTest::mouseDClick(box->lineEdit(), Qt::LeftButton);
    } else {
        act(f, {starter});
    }

    QCOMPARE(f.dialogs.asked, QStringList{"font"});
    expectStates(f, {fields[0] + "=Verdana", fields[1] + "=14", fields[2] + "=Red"});
    QStringList after = before;
    for (int i = 0; i < 4; ++i)
        after.replace(after.indexOf(boxes[i] + "=checked"), boxes[i] + u'=' + expected[i]);
    expectStates(f, after);
    expectStates(f, otherFields);
}

void TestForms::cancelledFontAssistantClearsFourBoxes() {
    Fixture f;
    opened(f);
    act(f, {"CheckBox4", "CheckBox8", "CheckBox9", "CheckBox10", "CheckBox11", "CheckBox12",
            "Edit19=Verdana", "ComboBox2=20", "Edit20=Green"});
    f.dialogs.answerCancel();
    act(f, {"Button10"});
    expectStates(f, {"CheckBox4=unchecked", "CheckBox8=unchecked", "CheckBox9=unchecked",
                     "CheckBox10=unchecked", "CheckBox11=checked", "CheckBox12=checked",
                     "Edit19=Verdana", "ComboBox2=20", "Edit20=Green"});
}

void TestForms::popupEditCommands_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("copy on one page, paste on another")
        << QStringList{"Edit1=umfrage@example.org",
                       "Edit1",
                       "MenuItem5",
                       "MenuItem2",
                       "tab:6",
                       "Edit37",
                       "MenuItem3"}
        << QStringList{"Edit1=umfrage@example.org", "Edit37=umfrage@example.org"};
    QTest::newRow("cut and paste") << QStringList{"Edit27=Kommentar", "Edit27", "MenuItem5",
                                                  "MenuItem1",        "Edit26", "MenuItem3"}
                                   << QStringList{"Edit27=", "Edit26=Kommentar"};
    QTest::newRow("delete empties the whole preset on a hidden page")
        << QStringList{"Memo2=erste Zeile\nzweite Zeile", "Memo2", "tab:1", "MenuItem4"}
        << QStringList{"Memo2="};
    QTest::newRow("the field changed last is current")
        << QStringList{"Edit14=Farbe", "Edit14", "Edit2=Rot", "MenuItem4"}
        << QStringList{"Edit14=Farbe", "Edit2="};
    QTest::newRow("a click into an answer preview leaves the current field")
        << QStringList{"Edit14=Farbe", "Edit2=Rot", "Button16", "Edit14", "Memo5", "MenuItem4"}
        << QStringList{"Edit14=", "Memo5=1) Rot"};
}

void TestForms::popupEditCommands() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, after);
    Fixture f;
    act(opened(f), steps);
    expectStates(f, after);
}

void TestForms::deleteShortcutActsOnCurrentField() {
    Fixture f;
    opened(f);
    QVERIFY(QTest::qWaitForWindowActive(f.window(kWindow)));
    act(f, {"tab:1", "Edit2=Rot", "Edit14=Farbe"});
    // The focus moves on as with the Tab key, which leaves the current field as it is.
    FIND(focused, QLineEdit, f, kWindow, "Edit2");
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Delete, Qt::ControlModifier);
    expectStates(f, {"Edit14=", "Edit2=Rot"});
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
