// The page "Allgemeine Einstellungen": the document start, the redirect check, the lock and
// the change of written settings, the choosers, the save proposal, the background modes and
// what New empties.
#include "app/MainWindow.h"
#include "commands/CurrentFieldTracker.h"
#include "core/context/PageKindSetting.h"
#include "help/MessageWindow.h"
#include "platform/DialogObjects.h"
#include "support/Fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QString kMain = QStringLiteral("TForm2");
const QString kHead =
    QStringLiteral("<html>\n<head>\n"
                   "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                   "<meta name=\"Generator\" content=\"Fernbrook Quillmark\">\n");
const QString kModern = QStringLiteral("Modern (HTML5, auch für Handys)");
const QString kPlainEnd = QStringLiteral("<title></title>\n</head>\n<body>");

QString text(const Fixture& f, const QString& name) {
    if (auto* memo = f.control<QPlainTextEdit>(kMain, name))
        return memo->toPlainText();
    FIND_OR(line, QLineEdit, f, kMain, name, QString());
    return line->text();
}

bool shown(const Fixture& f, const QString& name) {
    FIND_OR(widget, QWidget, f, kMain, name, false);
    FIND_OR(page, QWidget, f, kMain, QStringLiteral("TabSheet1"), false);
    return widget->isVisibleTo(page);
}

} // namespace

class TestGeneralSettings : public QObject {
    Q_OBJECT

private slots:
    void documentStart_data();
    void documentStart();
    void redirectWithoutTargetShowsError409();
    void lockedPageShowsError305OnPress();
    void changedSettingsReplaceTheStart_data();
    void changedSettingsReplaceTheStart();
    void anotherTabEndsTheChangeUnwritten();
    void choosers_data();
    void choosers();
    void titleProposesSaveName();
    void backgroundModes();
    void redirectVisibility_data();
    void redirectVisibility();
    void newEmpties_data();
    void newEmpties();
    void pageKindChosenLockedAndRemembered();
    void modernRefreshDelayMustBeANumber();
};

void TestGeneralSettings::documentStart_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    const QString none;
    // clang-format off
    QTest::newRow("nothing checked, no colour") << none << "Edit1=T"
        << kHead + "<title>T</title>\n</head>\n<body>";
    QTest::newRow("colour and author") << none << "Edit1=Start|Edit2=Yellow|CheckBox17|Edit10=Muster"
        << kHead + "<meta name=\"Author\" content=\"Muster\">\n<title>Start</title>\n</head>\n"
                   "<body bgcolor=\"Yellow\">";
    QTest::newRow("picture") << none << "RadioButton2|Edit4=bg.jpg"
        << kHead + "<title></title>\n</head>\n<body background=\"bg.jpg\">";
    QTest::newRow("picture mode, no picture") << none << "Edit2=Red|RadioButton2"
        << kHead + kPlainEnd;
    QTest::newRow("keywords on two lines") << none << "CheckBox16|Memo3=a, b\nc"
        << kHead + "<meta name=\"Keywords\" content=\"a, b\nc\">\n" + kPlainEnd;
    QTest::newRow("every head entry") << none << "CheckBox16|CheckBox17|CheckBox18|Edit35=fav.ico"
        << kHead + "<meta name=\"Keywords\" content=\"\">\n<meta name=\"Author\" content=\"\">\n"
                   "<link rel=\"shortcut icon\" href=\"fav.ico\">\n" + kPlainEnd;
    QTest::newRow("redirect local, default seconds")
        << none << "CheckBox15|RadioButton25|Edit33=b.html"
        << kHead + "<meta http-equiv=\"refresh\" content=\"4; url=b.html\">\n" + kPlainEnd;
    QTest::newRow("redirect external, before the keywords")
        << none << "CheckBox15|RadioButton26|ComboBox14=8|Edit33=zielseite.html|CheckBox16|Memo3=k"
        << kHead + "<meta http-equiv=\"refresh\" content=\"8; url=http://zielseite.html\">\n"
                   "<meta name=\"Keywords\" content=\"k\">\n" + kPlainEnd;
    QTest::newRow("redirect unchecked and checked again")
        << none << "CheckBox15|RadioButton25|Edit33=b.html|CheckBox15|CheckBox15"
        << kHead + kPlainEnd;
    QTest::newRow("closing tail of a save removed") << "<p>alt</p>\n</body>\n</html>" << none
        << "<p>alt</p>\n" + kHead + kPlainEnd;
    // clang-format on
}

void TestGeneralSettings::documentStart() {
    QFETCH(QString, existing);
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    Fixture f;
    f.setSourceLines(existing.split(u'\n', Qt::SkipEmptyParts));
    f.act(kMain, steps + "|Button2");
    QCOMPARE(f.sourceLines(), expected.split(u'\n'));
    QCOMPARE(f.statusNotice(), QStringLiteral("Allgemeine Einstellung wurde hinzugefügt"));
    QCOMPARE(f.windows().context().state.GeneralSettingsDone(), QStringLiteral("true"));
    FIND(title, QWidget, f, kMain, "Edit1");
    QVERIFY(!title->isEnabled());
}

void TestGeneralSettings::redirectWithoutTargetShowsError409() {
    Fixture f;
    f.setSourceLines({"x", "</body>", "</html>"});
    f.act(kMain, "CheckBox15|RadioButton26|Button2");
    QVERIFY(f.windows().message(Message::Error409).isVisible());
    // Only the closing tail goes, as before any element.
    QCOMPARE(f.sourceLines(), QStringList{"x"});
    QCOMPARE(f.statusNotice(), QString());
    QCOMPARE(f.windows().context().state.GeneralSettingsDone(), QStringLiteral("false"));
    FIND(settingsPage, QWidget, f, kMain, "TabSheet1");
    QVERIFY(settingsPage->isEnabled());
}

void TestGeneralSettings::lockedPageShowsError305OnPress() {
    Fixture f;
    MessageWindow& error305 = f.windows().message(Message::Error305);
    FIND(title, QWidget, f, kMain, "Edit1");
    QTest::mouseClick(title, Qt::LeftButton);
    QVERIFY(!error305.isVisible());

    f.startPage();
    const QStringList written = f.sourceLines();
    const QString current = f.windows().mainWindow().fields().CurrentFieldName();
    for (const char* name : {"Edit1", "Button2", "CheckBox15", "BackgroundGroup", "TabSheet1"}) {
        error305.hide();
        FIND(locked, QWidget, f, kMain, name);
        QTest::mouseClick(locked, Qt::LeftButton);
        QVERIFY2(error305.isVisible(), name);
    }
    // The locked controls take no part: nothing written, no field made current.
    QCOMPARE(f.sourceLines(), written);
    QCOMPARE(f.windows().mainWindow().fields().CurrentFieldName(), current);

    error305.hide();
    f.trigger(kMain, QStringLiteral("Neu"));
    f.confirmDiscard();
    QTest::mouseClick(title, Qt::LeftButton);
    QVERIFY(!error305.isVisible());
}

void TestGeneralSettings::changedSettingsReplaceTheStart_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    // The page as typed over in its source after the first add: its settings are read from
    // it, its own style and all after the body tag stay.
    // clang-format off
    QTest::newRow("classic") << QString()
        << kHead + "<meta name=\"Keywords\" content=\"a, b\nc\">\n<meta name=\"Author\" "
                   "content=\"Muster\">\n<style>p { color: red; }</style>\n<title>Alt</title>\n"
                   "</head>\n<body bgcolor=\"Red\">\n<p>Hallo</p>\n</body>\n</html>"
        << "Edit1=Neu|Edit2=Blue|CheckBox16"
        << kHead + "<meta name=\"Author\" content=\"Muster\">\n<title>Neu</title>\n"
                   "<style>p { color: red; }</style>\n</head>\n<body bgcolor=\"Blue\">\n"
                   "<p>Hallo</p>\n</body>\n</html>";
    QTest::newRow("classic, redirect and picture, text after the body tag") << QString()
        << kHead + "<meta http-equiv=\"refresh\" content=\"8; url=http://ziel.de\">\n"
                   "<title>Alt</title>\n</head>\n<body background=\"bg.jpg\"><p>Hallo</p>"
        << "Edit1=Neu"
        << kHead + "<meta http-equiv=\"refresh\" content=\"8; url=http://ziel.de\">\n"
                   "<title>Neu</title>\n</head>\n<body background=\"bg.jpg\"><p>Hallo</p>";
    QTest::newRow("modern") << kModern
        << "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta name=\"generator\" content=\"Fernbrook Quillmark\">\n"
           "<title>Alt &amp; neu</title>\n<style>\nimg { max-width: 100%; height: auto; }\n"
           "hr, input, select, textarea { max-width: 100%; }\n.tabelle { overflow-x: auto; }\n"
           "table { border-collapse: collapse; }\n</style>\n<style>p { color: red; }</style>\n"
           "</head>\n<body style=\"background-color: red\">\n<p>Hallo</p>"
        << "CheckBox17|Edit10=Muster"
        << "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta name=\"generator\" content=\"Fernbrook Quillmark\">\n"
           "<meta name=\"Author\" content=\"Muster\">\n"
           "<title>Alt &amp; neu</title>\n<style>\nimg { max-width: 100%; height: auto; }\n"
           "hr, input, select, textarea { max-width: 100%; }\n.tabelle { overflow-x: auto; }\n"
           "table { border-collapse: collapse; }\n</style>\n<style>p { color: red; }</style>\n"
           "</head>\n<body style=\"background-color: red\">\n<p>Hallo</p>";
    // clang-format on
}

void TestGeneralSettings::changedSettingsReplaceTheStart() {
    QFETCH(QString, kind);
    QFETCH(QString, page);
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    Fixture f;
    FIND(title, QWidget, f, kMain, "Edit1");
    FIND(kindBox, QWidget, f, kMain, "PageKind");
    FIND(change, QWidget, f, kMain, "Button45");
    QVERIFY(change->isHidden());
    f.act(kMain, (kind.isEmpty() ? QString() : "PageKind=" + kind + "|") + "Button2");
    const QStringList typed = page.split(u'\n');
    f.setSourceLines(typed);
    f.windows().context().notices.Timer1Timer();
    QVERIFY(!change->isHidden() && change->isEnabled());

    f.act(kMain, "Button45");
    QVERIFY(title->isEnabled() && !change->isEnabled());
    QVERIFY(!kindBox->isEnabled());
    f.act(kMain, steps + "|Button2");
    QCOMPARE(f.sourceLines(), expected.split(u'\n'));
    QCOMPARE(f.statusNotice(), QStringLiteral("Allgemeine Einstellung wurde hinzugefügt"));
    QVERIFY(!title->isEnabled() && change->isEnabled());

    // One undo step gives the page back as it was.
    f.trigger(kMain, QStringLiteral("Rueckgaengig1"));
    QCOMPARE(f.sourceLines(), typed);
}

void TestGeneralSettings::anotherTabEndsTheChangeUnwritten() {
    Fixture f;
    f.startPage();
    const QStringList written = f.sourceLines();
    f.act(kMain, "Button45|Edit1=Neu");
    f.windows().mainWindow().pageControl().setCurrentIndex(1);
    QCOMPARE(f.sourceLines(), written);
    FIND(title, QWidget, f, kMain, "Edit1");
    QVERIFY(!title->isEnabled());
    QCOMPARE(text(f, "Edit1"), QString());
    // A press on the locked settings shows how to change them.
    QTest::mouseClick(title, Qt::LeftButton);
    QVERIFY(f.windows().message(Message::Error305).isVisible());
}

void TestGeneralSettings::choosers_data() {
    QTest::addColumn<QString>("reveal");
    QTest::addColumn<QString>("answer"); // null: cancelled
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("expected");
    const QString picture = QStringLiteral("RadioButton2|Edit4=alt|Image5");
    const QString target = QStringLiteral("CheckBox15|RadioButton25|Edit33=alt|Image68");
    // clang-format off
    QTest::newRow("background, backslashes") << picture << "C:\\Bilder\\Urlaub\\strand.jpg"
                                             << "picture:" << "Edit4=strand.jpg";
    QTest::newRow("background, slashes") << picture << "/home/u/bilder/strand.jpg" << "picture:"
                                         << "Edit4=strand.jpg";
    QTest::newRow("target") << target << "C:\\Web\\seite2.html" << "open:Unbenannt.html"
                            << "Edit33=seite2.html";
    QTest::newRow("target, cancelled") << target << QString() << "open:Unbenannt.html"
                                       << "Edit33=alt";
    QTest::newRow("icon, name alone") << "CheckBox18|Image67" << "fav.ico"
                                      << "picture:Symbole (*.ico)|*.ico" << "Edit35=fav.ico";
    // clang-format on
}

void TestGeneralSettings::choosers() {
    QFETCH(QString, reveal);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QFETCH(QString, expected);
    Fixture f;
    if (!answer.isNull())
        f.dialogs.answerFile(answer);
    f.act(kMain, reveal);
    QCOMPARE(f.dialogs.asked, QStringList{question});
    const QString field = expected.section(u'=', 0, 0);
    QCOMPARE(field + u'=' + text(f, field), expected);
}

void TestGeneralSettings::titleProposesSaveName() {
    Fixture f;
    SaveFileDialog& save = f.windows().context().dialogs.SaveDialog1;
    FIND(title, QWidget, f, kMain, "Edit1");
    f.act(kMain, "Edit1=Meine Seite");
    f.trigger(kMain, QStringLiteral("Speichern"));
    QCOMPARE(f.dialogs.asked, QStringList{"save:Meine Seite.html"});

    // A click into the title proposes it again after another name was chosen.
    save.setFileName(QStringLiteral("/tmp/anders.html"));
    QTest::mouseClick(title, Qt::LeftButton);
    QCOMPARE(save.fileName(), QStringLiteral("Meine Seite.html"));

    // New empties the title, also one that was empty already.
    for (int i = 0; i < 2; ++i) {
        save.setFileName(QStringLiteral("/tmp/anders.html"));
        f.trigger(kMain, QStringLiteral("Neu"));
        QCOMPARE(save.fileName(), QStringLiteral("Unbenannt.html"));
    }

    QTest::mouseDClick(title, Qt::LeftButton);
    FIND(explanation, QLabel, f, "Explanation", "ExplanationText");
    QCOMPARE(explanation->text(), QStringLiteral("Hier den Titel der Seite eingeben."));
}

void TestGeneralSettings::backgroundModes() {
    Fixture f;
    FIND(edit4, QWidget, f, kMain, "Edit4");
    // Before colour mode was clicked, the picture name can be typed.
    f.act(kMain, "Edit2=Red|RadioButton2");
    QCOMPARE(text(f, "Edit2"), QString());
    QVERIFY(shown(f, "Edit4") && shown(f, "Image5") && edit4->isEnabled());
    QVERIFY(!shown(f, "Edit2") && !shown(f, "Image33") && !shown(f, "Button10"));

    f.act(kMain, "Edit4=bg.jpg|RadioButton1");
    QCOMPARE(text(f, "Edit4"), QString());
    QVERIFY(!shown(f, "Edit4") && !shown(f, "Image5"));
    QVERIFY(shown(f, "Edit2") && shown(f, "Image33") && shown(f, "Button10"));

    // The colour assistant fills the colour; a cancelled one leaves it.
    f.dialogs.answerColor(QColor(16, 32, 48));
    f.act(kMain, "Image33|Button10");
    QCOMPARE(f.dialogs.asked, (QStringList{"color", "color"}));
    QCOMPARE(text(f, "Edit2"), QStringLiteral("#102030"));

    // From now on only the chooser fills the picture name.
    f.act(kMain, "RadioButton2");
    QVERIFY(shown(f, "Edit4") && !edit4->isEnabled());
    f.dialogs.answerFile(QStringLiteral("C:\\Bilder\\himmel.png"));
    f.act(kMain, "Image5");
    QCOMPARE(text(f, "Edit4"), QStringLiteral("himmel.png"));
}

void TestGeneralSettings::redirectVisibility_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<bool>("noTargetKind");

    const QString options = QStringLiteral("Label63|ComboBox14|Label1|Label62|RadioButton25|"
                                           "RadioButton26");
    const QString target = QStringLiteral("Edit33|Label64|Image68");
    const QString head = QStringLiteral("Memo3|Edit10|Edit35|Image67");
    // clang-format off
    QTest::newRow("at start") << "" << "" << options + "|" + target + "|" + head << false;
    QTest::newRow("checked") << "CheckBox15" << options << target << true;
    QTest::newRow("local") << "CheckBox15|RadioButton25" << "Edit33|Image68" << "Label64" << false;
    QTest::newRow("external") << "CheckBox15|RadioButton25|RadioButton26" << "Edit33|Label64"
                              << "Image68" << false;
    QTest::newRow("unchecked") << "CheckBox15|RadioButton26|CheckBox15" << ""
                               << options + "|" + target << false;
    QTest::newRow("checked again") << "CheckBox15|RadioButton26|CheckBox15|CheckBox15" << options
                                   << target << true;
    QTest::newRow("head entries") << "CheckBox16|CheckBox17|CheckBox18" << head << "" << false;
    // clang-format on
}

void TestGeneralSettings::redirectVisibility() {
    QFETCH(QString, clicks);
    QFETCH(QString, visible);
    QFETCH(QString, hidden);
    QFETCH(bool, noTargetKind);
    Fixture f;
    f.act(kMain, clicks);
    for (const QString& name : visible.split(u'|', Qt::SkipEmptyParts))
        QVERIFY2(shown(f, name), qPrintable(name));
    for (const QString& name : hidden.split(u'|', Qt::SkipEmptyParts))
        QVERIFY2(!shown(f, name), qPrintable(name));
    if (noTargetKind) {
        FIND(local, QRadioButton, f, kMain, "RadioButton25");
        FIND(external, QRadioButton, f, kMain, "RadioButton26");
        QVERIFY(!local->isChecked());
        QVERIFY(!external->isChecked());
    }
}

void TestGeneralSettings::newEmpties_data() {
    QTest::addColumn<bool>("toolbar");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QStringList>("kept");
    const QStringList always{"Edit1", "Edit2", "Edit4"};
    const QStringList menuOnly{"Edit10", "Edit33", "Edit35", "Memo3"};
    QTest::newRow("menu") << false << always + menuOnly << QStringList();
    QTest::newRow("toolbar") << true << always << menuOnly;
}

void TestGeneralSettings::newEmpties() {
    QFETCH(bool, toolbar);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, kept);
    Fixture f;
    // Every one of them is a tracked field: a change makes it the current one.
    for (const QString& name : emptied + kept) {
        f.act(kMain, name + "=text");
        QCOMPARE(f.windows().mainWindow().fields().CurrentFieldName(), name);
    }
    f.startPage();
    if (toolbar)
        f.act(kMain, "Image6");
    else
        f.trigger(kMain, QStringLiteral("Neu"));
    f.confirmDiscard();
    for (const QString& name : emptied)
        QVERIFY2(text(f, name).isEmpty(), qPrintable(name));
    for (const QString& name : kept)
        QCOMPARE(text(f, name), QStringLiteral("text"));
}

void TestGeneralSettings::pageKindChosenLockedAndRemembered() {
    Fixture f;
    FIND(kind, QComboBox, f, kMain, "PageKind");
    FIND(note, QWidget, f, kMain, "ModernTextNote");
    QCOMPARE(kind->currentText(), QStringLiteral("Klassisch (HTML 4)"));
    QVERIFY(note->isHidden());
    f.act(kMain, "PageKind=" + kModern + "|Edit1=T|Button2");
    QCOMPARE(f.sourceLines().mid(0, 2), (QStringList{"<!DOCTYPE html>", "<html lang=\"de\">"}));
    QVERIFY(!kind->isEnabled());
    QVERIFY(!note->isHidden());

    // A page opened shows its own kind; the next new page is again the kind picked last,
    // also in the next run.
    f.setSourceLines({"<html>", "<body>"});
    f.windows().context().state.setKind(PageKind::Classic);
    QCOMPARE(kind->currentText(), QStringLiteral("Klassisch (HTML 4)"));
    f.trigger(kMain, QStringLiteral("Neu"));
    f.confirmDiscard();
    QVERIFY(kind->isEnabled());
    QCOMPARE(kind->currentText(), kModern);
    QCOMPARE(PageContext(f.dialogs, f.opener).state.kind(), PageKind::Modern);
}

void TestGeneralSettings::modernRefreshDelayMustBeANumber() {
    Fixture f;
    f.act(kMain, "PageKind=" + kModern +
                     "|CheckBox15|RadioButton25|Edit33=b.html|ComboBox14=bald|Button2");
    QCOMPARE(f.sourceLines(), QStringList());
    QCOMPARE(f.statusNotice(),
             QStringLiteral(
                 "Die Wartezeit muss eine ganze Zahl von Sekunden sein (zum Beispiel 4 oder 0)."));
    QCOMPARE(f.windows().context().state.GeneralSettingsDone(), QStringLiteral("false"));
    // A fraction of a second is no delay a modern page may name.
    f.act(kMain, "ComboBox14=0.5|Button2|ComboBox14= 0 |Button2");
    QVERIFY(f.sourceLines().contains("<meta http-equiv=\"refresh\" content=\"0; url=b.html\">"));
}

QTEST_MAIN(TestGeneralSettings)
#include "tst_generalsettings.moc"
