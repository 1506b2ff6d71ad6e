#include "app/MainWindow.h"
#include "commands/CurrentFieldTracker.h"
#include "support/Fixture.h"
#include "ui/AltLetters.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kMain = QStringLiteral("TForm2");

// A page saved once: writing a list first takes the closing tail away again.
const QStringList kSavedPage = {"<html>", "<body>", "</body>", "</html>"};

QStringList memoLines(const Fixture& f, const QString& name) {
    FIND_OR(memo, QPlainTextEdit, f, kMain, name, QStringList());
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

} // namespace

class TestLists : public QObject {
    Q_OBJECT

private slots:
    void writtenList_data();
    void writtenList();
    void sortedNumberingRunsOnAcrossLists();
    void kindAndButtons_data();
    void kindAndButtons();
    void badSpacingKeepsTheList_data();
    void badSpacingKeepsTheList();
    void newEmptiesTheListOnlyFromMenu_data();
    void newEmptiesTheListOnlyFromMenu();
    void entryAndPreviewBecomeCurrent_data();
    void entryAndPreviewBecomeCurrent();
};

void TestLists::writtenList_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("preview");
    QTest::addColumn<QStringList>("written");

    QTest::newRow("sorted a,b,c with two entries")
        << QStringList{"RadioButton30", "Button25",     "Edit36=Apfel",
                       "Button24",      "Edit36=Birne", "Button24"}
        << QStringList{"1) Apfel", "2) Birne"}
        << QStringList{R"(<ol type="a">)", "<li>Apfel</li>", "<li>Birne</li>", "", "</ol>", ""};
    QTest::newRow("unsorted squares")
        << QStringList{"RadioButton28", "RadioButton35", "Button25", "Edit36=Eins", "Button24"}
        << QStringList{"- Eins"}
        << QStringList{R"(<ul type="square">)", "<li>Eins</li>", "", "</ul>", ""};
    QTest::newRow("nested list stepped out of, outer kind again")
        << QStringList{"Button25",      "Edit36=a", "Button24", "RadioButton28",
                       "RadioButton36", "Button25", "Edit36=b", "Button24",
                       "Button26",      "Edit36=c", "Button24"}
        << QStringList{"1) a", "- b", "2) c"}
        << QStringList{R"(<ol type="1">)",
                       "<li>a</li>",
                       R"(<ul type="disc">)",
                       "<li>b</li>",
                       "</ul>",
                       "<li>c</li>",
                       "",
                       "</ol>",
                       ""};
    QTest::newRow("two open levels closed first-begun first")
        << QStringList{"RadioButton28", "Button25", "Edit36=x", "Button24", "RadioButton27",
                       "RadioButton33", "Button25", "Edit36=y", "Button24"}
        << QStringList{"- x", "1) y"} << QStringList{R"(<ul type="circle">)",
                                                     "<li>x</li>",
                                                     R"(<ol type="I">)",
                                                     "<li>y</li>",
                                                     "",
                                                     "</ul>",
                                                     "</ol>",
                                                     ""};
    QTest::newRow("every list stepped out of before the last entry")
        << QStringList{"RadioButton32", "Button25", "Edit36=a", "Button24",
                       "Button26",      "Edit36=b", "Button24"}
        << QStringList{"1) a", "2) b"}
        << QStringList{R"(<ol type="i">)", "<li>a</li>", "</ol>", "<li>b</li>", "", ""};
    QTest::newRow("entry before any list")
        << QStringList{"Edit36=los", "Button24"} << QStringList{"1) los"}
        << QStringList{"<li>los</li>", "", ""};
    QTest::newRow("empty entry") << QStringList{"RadioButton31", "Button25", "Button24"}
                                 << QStringList{"1) "}
                                 << QStringList{R"(<ol type="A">)", "<li></li>", "", "</ol>", ""};
    QTest::newRow("nothing begun, nothing added")
        << QStringList{} << QStringList{} << QStringList{"", ""};
    QTest::newRow("position and blank lines")
        << QStringList{"Image71",  "ComboBox17=1", "ComboBox18=2",
                       "Button25", "Edit36=z",     "Button24"}
        << QStringList{"1) z"}
        << QStringList{"<br>",
                       R"(<div align="center">)",
                       R"(<ol type="1">)",
                       "<li>z</li>",
                       "",
                       "</ol>",
                       "",
                       "</div>",
                       "<br>",
                       "<br>"};
}

void TestLists::writtenList() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, preview);
    QFETCH(QStringList, written);
    Fixture f;
    f.setSourceLines(kSavedPage);

    f.act(kMain, steps);
    QCOMPARE(memoLines(f, "Memo4"), preview);
    QCOMPARE(f.sourceLines(), kSavedPage);

    f.act(kMain, {"Edit36=angefangen", "Button27"});
    QCOMPARE(f.sourceLines(), QStringList({"<html>", "<body>"}) + written);
    QCOMPARE(f.statusNotice(), QStringLiteral("Liste wurde hinzugefügt"));
    for (const QString& memo : QStringList{"Memo4", "Memo5", "Memo7"})
        QCOMPARE(memoLines(f, memo), QStringList());
    FIND(entry, QLineEdit, f, kMain, "Edit36");
    QCOMPARE(entry->text(), QString());
    QCOMPARE(f.dialogs.asked, QStringList());
}

void TestLists::sortedNumberingRunsOnAcrossLists() {
    Fixture f;
    f.act(kMain, {"Button25", "Edit36=a", "Button24", "Edit36=b", "Button24", "Button27"});
    f.act(kMain, {"RadioButton28", "Button25", "Edit36=c", "Button24"});
    QCOMPARE(memoLines(f, "Memo4"), QStringList({"- c"}));

    f.trigger(kMain, QStringLiteral("Neu"));
    f.confirmDiscard();
    f.act(kMain, {"RadioButton27", "Button25", "Edit36=d", "Button24"});
    QCOMPARE(memoLines(f, "Memo4"), QStringList({"3) d"}));
}

void TestLists::kindAndButtons_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QString>("beginCaption");
    QTest::addColumn<bool>("stepBackEnabled");

    const QString sorted = QStringLiteral("Sortierte Liste beginnen");
    const QString unsorted = QStringLiteral("Unsortierte Liste beginnen");
    QTest::newRow("at start") << QStringList{} << true << sorted << false;
    QTest::newRow("unsorted chosen") << QStringList{"RadioButton28"} << false << unsorted << false;
    QTest::newRow("list begun") << QStringList{"Button25"} << true << sorted << true;
    QTest::newRow("unsorted inside sorted, stepped back")
        << QStringList{"Button25", "RadioButton28", "Button25", "Button26"} << true << sorted
        << true;
    QTest::newRow("sorted inside unsorted, stepped back")
        << QStringList{"RadioButton28", "Button25", "RadioButton27", "Button25", "Button26"}
        << false << unsorted << true;
    QTest::newRow("only list stepped out of keeps its kind")
        << QStringList{"RadioButton28", "Button25", "Button26"} << false << unsorted << false;
    QTest::newRow("written list leaves step back enabled")
        << QStringList{"Button25", "Button27"} << true << sorted << true;
}

void TestLists::kindAndButtons() {
    QFETCH(QStringList, steps);
    QFETCH(bool, sorted);
    QFETCH(QString, beginCaption);
    QFETCH(bool, stepBackEnabled);
    Fixture f;

    f.act(kMain, steps);

    FIND(sortedKind, QRadioButton, f, kMain, "RadioButton27");
    FIND(unsortedKind, QRadioButton, f, kMain, "RadioButton28");
    FIND(begin, QPushButton, f, kMain, "Button25");
    FIND(sortedPanel, QWidget, f, kMain, "Panel12");
    FIND(unsortedPanel, QWidget, f, kMain, "Panel13");
    FIND(stepBack, QPushButton, f, kMain, "Button26");
    QCOMPARE(sortedKind->isChecked(), sorted);
    QCOMPARE(unsortedKind->isChecked(), !sorted);
    QCOMPARE(AltLetters::shown(begin->text()), beginCaption);
    QVERIFY(!AltLetters::of(begin->text()).isNull()); // the letter stays with the caption
    QCOMPARE(sortedPanel->isHidden(), !sorted);
    QCOMPARE(unsortedPanel->isHidden(), sorted);
    QCOMPARE(stepBack->isEnabled(), stepBackEnabled);
}

void TestLists::badSpacingKeepsTheList_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");

    QTest::newRow("letters before the list") << "ComboBox17"
                                             << "x";
    QTest::newRow("empty before the list") << "ComboBox17"
                                           << "";
    QTest::newRow("letters after the list") << "ComboBox18"
                                            << "2b";
}

void TestLists::badSpacingKeepsTheList() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    Fixture f;
    f.setSourceLines(kSavedPage);
    f.act(kMain, {"Button25", "Edit36=a", "Button24", "Edit36=b", box + u'=' + text, "Button27"});

    QCOMPARE(f.dialogs.asked,
             QStringList{QStringLiteral("error:'%1' ist kein gültiger Integerwert").arg(text)});
    QCOMPARE(f.sourceLines(), kSavedPage);
    QCOMPARE(f.statusNotice(), QString());
    QCOMPARE(memoLines(f, "Memo4"), QStringList({"1) a"}));
    FIND(entry, QLineEdit, f, kMain, "Edit36");
    QCOMPARE(entry->text(), QStringLiteral("b"));

    f.act(kMain, {box + QStringLiteral("=0"), "Button27"});
    QCOMPARE(f.sourceLines(),
             QStringList({"<html>", "<body>", R"(<ol type="1">)", "<li>a</li>", "", "</ol>", ""}));
}

void TestLists::newEmptiesTheListOnlyFromMenu_data() {
    QTest::addColumn<bool>("fromMenu");

    QTest::newRow("menu") << true;
    QTest::newRow("toolbar") << false;
}

void TestLists::newEmptiesTheListOnlyFromMenu() {
    QFETCH(bool, fromMenu);
    Fixture f;
    f.act(kMain, {"Button25", "Edit36=a", "Button24", "Edit36=b"});

    if (fromMenu)
        f.trigger(kMain, QStringLiteral("Neu"));
    else
        f.act(kMain, "Image6");

    FIND(entry, QLineEdit, f, kMain, "Edit36");
    FIND(stepBack, QPushButton, f, kMain, "Button26");
    QCOMPARE(entry->text(), fromMenu ? QString() : QStringLiteral("b"));
    QCOMPARE(memoLines(f, "Memo4"), fromMenu ? QStringList() : QStringList({"1) a"}));
    QVERIFY(stepBack->isEnabled());
    f.act(kMain, "Button27");
    QCOMPARE(f.sourceLines(),
             fromMenu ? QStringList({"", ""})
                      : QStringList({R"(<ol type="1">)", "<li>a</li>", "", "</ol>", ""}));
}

void TestLists::entryAndPreviewBecomeCurrent_data() {
    QTest::addColumn<QString>("field");

    QTest::newRow("entry") << "Edit36";
    QTest::newRow("preview") << "Memo4";
}

void TestLists::entryAndPreviewBecomeCurrent() {
    QFETCH(QString, field);
    Fixture f;
    FIND(target, QWidget, f, kMain, field);
    // A click into a multi-line field lands on its text area.
    auto* memo = qobject_cast<QPlainTextEdit*>(target);
    click(memo ? memo->viewport() : target);

    QCOMPARE(f.windows().mainWindow().fields().CurrentFieldName(), field);
}

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
