// The search bar under the page source and under the post-editor's text.
#include "core/source/TextSearch.h"
#include "help/MessageWindow.h"
#include "support/Fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString kPage = QStringLiteral("TForm2");
const QString kEditor = QStringLiteral("TForm7");

QString fieldOf(const QString& window) {
    return window == kPage ? QStringLiteral("Memo2") : QStringLiteral("Memo1");
}

// The window's text set to text, the caret at its start, and the bar opened on pattern with
// the options named in options ("case", "word", "regex").
QPlainTextEdit* openOn(Fixture& f, const QString& window, const QString& text,
                       const QString& pattern, const QString& options = {}) {
    FIND_OR(memo, QPlainTextEdit, f, window, fieldOf(window), nullptr);
    if (window == kPage)
        f.setSourceLines(text.split(u'\n'));
    else
        typeInto(memo, text);
    memo->moveCursor(QTextCursor::Start);
    for (const char* name : {"FindCase", "FindWord", "FindRegex"}) {
        FIND_OR(box, QCheckBox, f, window, name, nullptr);
        box->setChecked(options.contains(QString::fromLatin1(name + 4).toLower()));
    }
    f.trigger(window, "Suchen1");
    FIND_OR(find, QLineEdit, f, window, "FindText", nullptr);
    find->clear();
    QTest::keyClicks(find, pattern);
    return memo;
}

QString countShown(Fixture& f, const QString& window) {
    FIND_OR(count, QLabel, f, window, "FindCount", {});
    return count->text();
}

} // namespace

class TestFindBar : public QObject {
    Q_OBJECT

private slots:
    void stepsThroughMatches_data();
    void stepsThroughMatches();
    void invalidPatternTurnsRed();
    void replaceAllIsOneUndoStep_data();
    void replaceAllIsOneUndoStep();
    void findsWhatWasTypedSinceOpening();
    void keysReachTheBarFromEveryPage();
    void countStopsAtItsLimit();
};

void TestFindBar::stepsThroughMatches_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("options");
    // n: Nächster, p: Voriger; after each step the selection's start and the count.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("notice");
    QTest::newRow("next round the end")
        << kPage << "Haus am Haus\nHaus"
        << "haus"
        << ""
        << "nnn" << QStringList{"0 1 von 3", "8 2 von 3", "13 3 von 3", "0 1 von 3"}
        << "Am Anfang weitergesucht";
    QTest::newRow("previous round the start")
        << kEditor << "Haus am Haus"
        << "Haus"
        << ""
        << "p" << QStringList{"0 1 von 2", "8 2 von 2"} << "Am Ende weitergesucht";
    QTest::newRow("case") << kPage << "Haus haus"
                          << "haus"
                          << "case"
                          << "n" << QStringList{"5 1 von 1", "5 1 von 1"}
                          << "Am Anfang weitergesucht";
    QTest::newRow("whole word") << kEditor << "Haustür Haus <b>Haus</b>"
                                << "Haus"
                                << "word"
                                << "n" << QStringList{"8 1 von 2", "16 2 von 2"} << "";
    QTest::newRow("regular expression") << kPage << "<p>a</p> <p>bb</p>"
                                        << "<p>[a-z]{2}</p>"
                                        << "regex"
                                        << "" << QStringList{"9 1 von 1"} << "";
    QTest::newRow("not found") << kEditor << "Haus"
                               << "Baum"
                               << ""
                               << "n" << QStringList{"0 Nicht gefunden", "0 Nicht gefunden"} << "";
}

void TestFindBar::stepsThroughMatches() {
    QFETCH(QString, window);
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, options);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    QFETCH(QString, notice);
    Fixture f;
    QPlainTextEdit* memo = openOn(f, window, text, pattern, options);
    QVERIFY(memo);
    FIND(next, QPushButton, f, window, "FindNext");
    FIND(previous, QPushButton, f, window, "FindPrevious");
    QStringList seen{QStringLiteral("%1 %2")
                         .arg(memo->textCursor().selectionStart())
                         .arg(countShown(f, window))};
    for (const QChar step : steps) {
        click(step == u'n' ? next : previous);
        seen.append(QStringLiteral("%1 %2")
                        .arg(memo->textCursor().selectionStart())
                        .arg(countShown(f, window)));
    }
    QCOMPARE(seen, expected);
    if (window == kPage && !notice.isEmpty())
        QCOMPARE(f.statusNotice(), notice);
}

void TestFindBar::invalidPatternTurnsRed() {
    Fixture f;
    QPlainTextEdit* memo = openOn(f, kPage, "<p>(a)</p>", "(a", "regex");
    QVERIFY(memo);
    FIND(find, QLineEdit, f, kPage, "FindText");
    QVERIFY(find->palette().color(QPalette::Base) != memo->palette().color(QPalette::Base));
    // The expression's own explanation, German where the toolkit's translation is loaded.
    QVERIFY(!countShown(f, kPage).isEmpty());
    QVERIFY(countShown(f, kPage) != u"Nicht gefunden");
    find->clear();
    QTest::keyClicks(find, "\\(a\\)");
    QCOMPARE(find->palette().color(QPalette::Base), memo->palette().color(QPalette::Base));
    QCOMPARE(countShown(f, kPage), "1 von 1");
}

void TestFindBar::replaceAllIsOneUndoStep_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("replaced");
    QTest::addColumn<QString>("notice");
    const QString text = QStringLiteral("<b>eins</b>\n<b>zwei</b>\n<i>drei</i>");
    QTest::newRow("plain") << kPage << "<b>"
                           << ""
                           << "<strong>"
                           << "<strong>eins</b>\n<strong>zwei</b>\n<i>drei</i>"
                           << "2 Stellen ersetzt";
    QTest::newRow("groups") << kEditor << "<(b|i)>(\\w+)</\\1>"
                            << "regex"
                            << "[\\2]"
                            << "[eins]\n[zwei]\n[drei]"
                            << "3 Stellen ersetzt";
    QTest::newRow("one") << kPage << "drei"
                         << "word"
                         << "vier"
                         << "<b>eins</b>\n<b>zwei</b>\n<i>vier</i>"
                         << "1 Stelle ersetzt";
}

void TestFindBar::replaceAllIsOneUndoStep() {
    QFETCH(QString, window);
    QFETCH(QString, pattern);
    QFETCH(QString, options);
    QFETCH(QString, replacement);
    QFETCH(QString, replaced);
    QFETCH(QString, notice);
    Fixture f;
    const QString text = QStringLiteral("<b>eins</b>\n<b>zwei</b>\n<i>drei</i>");
    QPlainTextEdit* memo = openOn(f, window, text, pattern, options);
    QVERIFY(memo);
    const QString before = memo->toPlainText();
    f.trigger(window, "Ersetzen1");
    FIND(replace, QLineEdit, f, window, "ReplaceText");
    QVERIFY(replace->isVisible() || !f.window(window)->isVisible());
    FIND(find, QLineEdit, f, window, "FindText");
    find->setText(pattern);
    replace->setText(replacement);
    click(f.find<QPushButton>(window, "ReplaceAll"));
    QCOMPARE(memo->toPlainText().remove(u'\r'), window == kPage ? replaced + u'\n' : replaced);
    if (window == kPage)
        QCOMPARE(f.statusNotice(), notice);
    memo->undo();
    QCOMPARE(memo->toPlainText(), before);
}

void TestFindBar::findsWhatWasTypedSinceOpening() {
    Fixture f;
    QPlainTextEdit* memo = openOn(f, kEditor, "Haus\nBaum", "Haus");
    QVERIFY(memo);
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText("\u00a0Maus");
    memo->moveCursor(QTextCursor::Start);
    FIND(find, QLineEdit, f, kEditor, "FindText");
    find->clear();
    QTest::keyClicks(find, "\u00a0Maus");
    QCOMPARE(memo->textCursor().selectionStart(), 9);
    QCOMPARE(countShown(f, kEditor), "1 von 1");
}

void TestFindBar::keysReachTheBarFromEveryPage() {
    Fixture f(WindowSet::Start::Shown);
    f.startPage();
    f.setSourceLines({"<p>Sonne und Mond</p>"});
    FIND(memo, QPlainTextEdit, f, kPage, "Memo2");
    FIND(pages, QTabWidget, f, kPage, "PageControl1");
    pages->setCurrentIndex(1);
    QTextCursor caret = memo->textCursor();
    caret.setPosition(4);
    memo->setTextCursor(caret);
    QWidget* window = f.window(kPage);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    // The program's own switch to "Quelltext" shows no tab warning.
    QCOMPARE(pages->currentWidget()->objectName(), "TabSheet5");
    QVERIFY(!f.windows().message(Message::Error605).isVisible());
    FIND(find, QLineEdit, f, kPage, "FindText");
    QTRY_VERIFY(find->hasFocus());
    QCOMPARE(find->text(), "Sonne");
    QCOMPARE(countShown(f, kPage), "1 von 1");
    QTest::keyClick(find, Qt::Key_Escape);
    FIND(bar, QWidget, f, kPage, "FindBar");
    QVERIFY(!bar->isVisible());
    QTRY_VERIFY(memo->hasFocus());
    // F3 opens the bar again and finds on.
    QTest::keyClick(window, Qt::Key_F3);
    QVERIFY(bar->isVisible());
}

void TestFindBar::countStopsAtItsLimit() {
    const QString text = QStringLiteral("a ").repeated(TextSearch::kCountLimit + 50);
    const Expected<QRegularExpression> a = TextSearch::expressionFor("A", {});
    QVERIFY(a.ok());
    QCOMPARE(TextSearch::countText(TextSearch::count(text, a.value, 2)), "2 von 9.999+");
    QCOMPARE(TextSearch::countText(TextSearch::count(text, a.value, 2 * 10020)),
             "10.021 von 10.021+");
}

QTEST_MAIN(TestFindBar)
#include "tst_findbar.moc"
