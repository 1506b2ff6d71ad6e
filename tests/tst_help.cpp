#include "support/Fixture.h"
#include "ui/AltLetters.h"

#include "app/MainWindow.h"
#include "core/forms/FormHtml.h"
#include "help/HelpWindow.h"
#include "help/HtmlHelpWindow.h"
#include "help/MessageWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kHelp = QStringLiteral("TForm3");
const QString kTutorial = QStringLiteral("TForm4");

QString currentPage(const Fixture& f, const QString& window, const QString& control) {
    FIND_OR(tabs, QTabWidget, f, window, control, QString());
    const QWidget* page = tabs->currentWidget();
    return page ? page->objectName() : QString();
}

// Clicks the tab of a page as the user would.
void clickTab(const Fixture& f, const QString& window, const QString& control,
              const QString& page) {
    FIND(tabs, QTabWidget, f, window, control);
    FIND(tabPage, QWidget, f, window, page);
    const int index = tabs->indexOf(tabPage);
    QVERIFY(index >= 0);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

// Makes a tab page of the main window the active one, the general settings written.
void chooseMainTab(Fixture& f, const QString& tab) {
    MainWindow& main = f.windows().mainWindow();
    FIND(page, QWidget, f, "TForm2", tab);
    f.windows().context().state.setGeneralSettingsDone(true);
    main.pageControl().setCurrentWidget(page);
}

// Shows the window at the page it showed last, through the command that asks for that.
void showLastPage(Fixture& f, const QString& window) {
    if (window == kHelp)
        f.windows().mainWindow().FormHelp();
    else
        f.windows().htmlHelp().showLastPage();
}

} // namespace

class TestHelp final : public QObject {
    Q_OBJECT
private slots:
    void f1ShowsThePageOfTheActiveTab_data();
    void f1ShowsThePageOfTheActiveTab();
    void subPageNamesSwitchTheHoldingPageToo_data();
    void subPageNamesSwitchTheHoldingPageToo();
    void firstShownPages();
    void unknownPageNameKeepsThePage();
    void f2ShowsWasIstHtmlBesideTheProgramHelp();
    void showingAnOpenHelpSwitchesItsPage();
    void closingHidesAndKeepsThePage_data();
    void closingHidesAndKeepsThePage();
    void error605HelpShowsGeneralSettings();
    void everyPageShowsItsText_data();
    void everyPageShowsItsText();
    void everyTabCaptionIsShownWhole_data();
    void everyTabCaptionIsShownWhole();
    void tutorialShowsTheFormStartAsTheFormBuilderWritesIt();
    void headingsAreBold_data();
    void headingsAreBold();
    void textGrowsWithTheWindow_data();
    void textGrowsWithTheWindow();
    void messageShowsItsWholeText_data();
    void messageShowsItsWholeText();
};

void TestHelp::f1ShowsThePageOfTheActiveTab_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("helpPage");
    QTest::newRow("Allgemeine Einstellungen") << "TabSheet1"
                                              << "TabSheet1";
    QTest::newRow("Text") << "TabSheet2"
                          << "TabSheet2";
    QTest::newRow("Bilder") << "TabSheet4"
                            << "TabSheet3";
    QTest::newRow("Links") << "TabSheet3"
                           << "TabSheet4";
    QTest::newRow("Linien") << "TabSheet7"
                            << "TabSheet12";
    QTest::newRow("Tabellen") << "TabSheet8"
                              << "TabSheet23";
    QTest::newRow("Listen") << "TabSheet9"
                            << "TabSheet24";
    QTest::newRow("Formulare") << "TabSheet6"
                               << "TabSheet13";
    QTest::newRow("Quelltext") << "TabSheet5"
                               << "TabSheet5";
}

void TestHelp::f1ShowsThePageOfTheActiveTab() {
    QFETCH(QString, tab);
    QFETCH(QString, helpPage);
    Fixture f;
    chooseMainTab(f, tab);

    f.trigger("TForm2", "QuillmarkHIlfe1");

    QVERIFY(f.window(kHelp)->isVisible());
    QCOMPARE(f.windows().help().currentPageName(), helpPage);
}

void TestHelp::subPageNamesSwitchTheHoldingPageToo_data() {
    QTest::addColumn<QString>("subPage");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::newRow("Formulare, Allgemeine Einstellungen") << "TabSheet14"
                                                         << "TabSheet13"
                                                         << "PageControl2";
    QTest::newRow("Formulare, Formularfeld") << "TabSheet17"
                                             << "TabSheet13"
                                             << "PageControl2";
    QTest::newRow("Formulare, Auswahlliste") << "TabSheet19"
                                             << "TabSheet13"
                                             << "PageControl2";
    QTest::newRow("Extra, Frames") << "TabSheet22"
                                   << "TabSheet10"
                                   << "PageControl3";
}

void TestHelp::subPageNamesSwitchTheHoldingPageToo() {
    QFETCH(QString, subPage);
    QFETCH(QString, page);
    QFETCH(QString, control);
    Fixture f;
    HelpWindow& help = f.windows().help();
    help.showPage(QStringLiteral("TabSheet4"));

    help.showPage(subPage);

    QCOMPARE(help.currentPageName(), page);
    QCOMPARE(currentPage(f, kHelp, control), subPage);
}

void TestHelp::firstShownPages() {
    Fixture f;
    f.windows().mainWindow().FormHelp();
    f.windows().htmlHelp().showLastPage();

    QCOMPARE(f.windows().help().currentPageName(), QStringLiteral("TabSheet10"));
    QCOMPARE(currentPage(f, kHelp, "PageControl3"), QStringLiteral("TabSheet21"));
    QCOMPARE(currentPage(f, kHelp, "PageControl2"), QStringLiteral("TabSheet20"));
    QCOMPARE(f.windows().htmlHelp().currentPageName(), QStringLiteral("TabSheet12"));
}

void TestHelp::unknownPageNameKeepsThePage() {
    Fixture f;
    HelpWindow& help = f.windows().help();
    help.showPage(QStringLiteral("TabSheet23"));
    help.hide();

    for (const QString& name : {QStringLiteral("TabSheet99"), QString(), QStringLiteral("Memo1")})
        help.showPage(name);

    QVERIFY(help.isVisible());
    QCOMPARE(help.currentPageName(), QStringLiteral("TabSheet23"));
}

void TestHelp::f2ShowsWasIstHtmlBesideTheProgramHelp() {
    Fixture f;
    f.windows().htmlHelp().showLastPage();
    clickTab(f, kTutorial, "PageControl1", "TabSheet7");
    QCOMPARE(f.windows().htmlHelp().currentPageName(), QStringLiteral("TabSheet7"));
    chooseMainTab(f, "TabSheet9");

    f.trigger("TForm2", "QuillmarkHIlfe1");
    f.trigger("TForm2", "HtmlHilfe1");

    QVERIFY(f.window(kHelp)->isVisible());
    QVERIFY(f.window(kTutorial)->isVisible());
    QCOMPARE(f.windows().help().currentPageName(), QStringLiteral("TabSheet24"));
    QCOMPARE(f.windows().htmlHelp().currentPageName(), QStringLiteral("TabSheet1"));
}

void TestHelp::showingAnOpenHelpSwitchesItsPage() {
    Fixture f;
    chooseMainTab(f, "TabSheet1");
    f.trigger("TForm2", "QuillmarkHIlfe1");
    QWidget* shown = f.window(kHelp);

    chooseMainTab(f, "TabSheet8");
    f.trigger("TForm2", "QuillmarkHIlfe1");

    int helpWindows = 0;
    for (const QWidget* top : QApplication::topLevelWidgets())
        helpWindows += top->objectName() == kHelp ? 1 : 0;
    QCOMPARE(helpWindows, 1);
    QCOMPARE(f.window(kHelp), shown);
    QVERIFY(shown->isVisible());
    QCOMPARE(f.windows().help().currentPageName(), QStringLiteral("TabSheet23"));
}

void TestHelp::closingHidesAndKeepsThePage_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button"); // empty: the close box
    QTest::addColumn<QString>("page");
    QTest::newRow("Hilfe beenden of Quillmark Hilfe") << kHelp << "Button3"
                                                      << "TabSheet11";
    QTest::newRow("close box of Quillmark Hilfe") << kHelp << ""
                                                  << "TabSheet9";
    QTest::newRow("Hilfe beenden of HTML Hilfe") << kTutorial << "Button1"
                                                 << "TabSheet5";
    QTest::newRow("close box of HTML Hilfe") << kTutorial << ""
                                             << "TabSheet10";
}

void TestHelp::closingHidesAndKeepsThePage() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, page);
    Fixture f;
    showLastPage(f, window);
    clickTab(f, window, "PageControl1", page);

    if (button.isEmpty()) {
        QVERIFY(f.window(window)->close());
    } else {
        FIND(closing, QPushButton, f, window, button);
        QCOMPARE(AltLetters::shown(closing->text()), QStringLiteral("Hilfe beenden"));
        click(closing);
    }
    QVERIFY(!f.window(window)->isVisible());

    showLastPage(f, window);
    QVERIFY(f.window(window)->isVisible());
    QCOMPARE(currentPage(f, window, "PageControl1"), page);
}

void TestHelp::error605HelpShowsGeneralSettings() {
    Fixture f;
    f.windows().help().showPage(QStringLiteral("TabSheet22"));
    f.windows().help().hide();

    f.windows().message(Message::Error605).FormHelp();

    QVERIFY(f.window(kHelp)->isVisible());
    QCOMPARE(f.windows().help().currentPageName(), QStringLiteral("TabSheet1"));
}

void TestHelp::everyPageShowsItsText_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("texts");
    QTest::newRow("Quillmark Hilfe") << kHelp << 27;
    QTest::newRow("HTML Hilfe") << kTutorial << 13;
}

// Each topic page holds one read-only text, loaded from the help texts, whose heading
// names the topic of its tab.
void TestHelp::everyPageShowsItsText() {
    QFETCH(QString, window);
    QFETCH(int, texts);
    Fixture f;
    const QList<QPlainTextEdit*> found = f.window(window)->findChildren<QPlainTextEdit*>();
    QCOMPARE(found.size(), texts);
    for (const QPlainTextEdit* text : found) {
        QWidget* page = text->parentWidget();
        auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
        QVERIFY(tabs);
        const QString caption = AltLetters::shown(tabs->tabText(tabs->indexOf(page)));
        const QString heading = text->document()->firstBlock().text();
        QVERIFY2(text->isReadOnly(), qPrintable(page->objectName()));
        QVERIFY2(text->document()->blockCount() > 3, qPrintable(page->objectName()));
        QVERIFY2(heading.contains(caption.section(u'/', 0, 0)),
                 qPrintable(page->objectName() + QStringLiteral(": ") + heading));
    }
}

void TestHelp::everyTabCaptionIsShownWhole_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page"); // a page of the control, shown first
    QTest::newRow("Quillmark Hilfe") << kHelp << "PageControl1"
                                     << "TabSheet1";
    QTest::newRow("Formulare") << kHelp << "PageControl2"
                               << "TabSheet14";
    QTest::newRow("Extra") << kHelp << "PageControl3"
                           << "TabSheet22";
    QTest::newRow("HTML Hilfe") << kTutorial << "PageControl1"
                                << "TabSheet1";
}

void TestHelp::everyTabCaptionIsShownWhole() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, page);
    Fixture f;
    if (window == kHelp)
        f.windows().help().showPage(page);
    else
        f.windows().htmlHelp().showFirstPage();
    FIND(tabs, QTabWidget, f, window, control);
    const QTabBar* bar = tabs->tabBar();
    QVERIFY(tabs->rect().contains(bar->geometry()));
    for (int i = 0; i < tabs->count(); ++i) {
        const QRect rect = bar->tabRect(i);
        QVERIFY2(bar->rect().contains(rect), qPrintable(tabs->tabText(i)));
        QVERIFY2(rect.width() > bar->fontMetrics().horizontalAdvance(tabs->tabText(i)),
                 qPrintable(tabs->tabText(i)));
    }
}

void TestHelp::tutorialShowsTheFormStartAsTheFormBuilderWritesIt() {
    Fixture f;
    FIND(page, QWidget, f, kTutorial, "TabSheet12");
    const auto* memo = page->findChild<QPlainTextEdit*>();
    QVERIFY(memo);
    const QString text = memo->toPlainText();
    const QString line =
        FormHtml::formStartLine(FormHtml::formServiceAddress(), QStringLiteral("ihre@adresse.de"));
    QVERIFY2(text.contains(QStringLiteral("\n   ") + line + u'\n'), qPrintable(line));
}

void TestHelp::headingsAreBold_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("bold");
    QTest::newRow("title") << kHelp << "TabSheet9"
                           << "Vorschau" << true;
    QTest::newRow("section") << kHelp << "TabSheet6"
                             << "4. „Speichern“ und „Speichern unter...“" << true;
    QTest::newRow("numbered step") << kHelp << "TabSheet20"
                                   << "   1. letzte Frage hinzufügen" << false;
    QTest::newRow("tutorial section") << kTutorial << "TabSheet5"
                                      << "1. Text hervorheben" << true;
    QTest::newRow("tutorial example") << kTutorial << "TabSheet8"
                                      << "   1. Eier aufschlagen" << false;
}

void TestHelp::headingsAreBold() {
    QFETCH(QString, window);
    QFETCH(QString, page);
    QFETCH(QString, line);
    QFETCH(bool, bold);
    Fixture f;
    FIND(tabPage, QWidget, f, window, page);
    const auto* memo = tabPage->findChild<QPlainTextEdit*>();
    QVERIFY(memo);
    QTextBlock block = memo->document()->firstBlock();
    while (block.isValid() && block.text() != line)
        block = block.next();
    QVERIFY2(block.isValid(), qPrintable(line));
    QCOMPARE(QTextCursor(block).charFormat().fontWeight() == QFont::Bold, bold);
}

void TestHelp::textGrowsWithTheWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    QTest::newRow("Quillmark Hilfe") << kHelp << "TabSheet2"
                                     << "Button3";
    QTest::newRow("HTML Hilfe") << kTutorial << "TabSheet1"
                                << "Button1";
}

// Made as small as it goes, the window still shows its text and its closing button whole;
// made larger, all the room goes to the text.
void TestHelp::textGrowsWithTheWindow() {
    QFETCH(QString, window);
    QFETCH(QString, page);
    QFETCH(QString, button);
    Fixture f;
    if (window == kHelp)
        f.windows().help().showPage(page);
    else
        f.windows().htmlHelp().showFirstPage();
    QWidget* help = f.window(window);
    FIND(tabPage, QWidget, f, window, page);
    FIND(closing, QPushButton, f, window, button);
    const auto* text = tabPage->findChild<QPlainTextEdit*>();
    QVERIFY(text);
    help->resize(help->minimumSize());
    QCOMPARE(help->size(), help->minimumSizeHint());
    QVERIFY(help->rect().contains(QRect(closing->mapTo(help, QPoint()), closing->size())));
    QVERIFY(closing->size().expandedTo(closing->sizeHint()) == closing->size());
    QVERIFY(text->viewport()->height() > 0);

    const QSize smallest = text->size();
    const QSize more(300, 200);
    help->resize(help->size() + more);
    QCOMPARE(text->size(), smallest + more);
}

void TestHelp::messageShowsItsWholeText_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("pointSize");
    for (const char* window : {"TForm9", "TForm10", "TForm11", "TForm12"}) {
        QTest::addRow("%s default font", window) << QString(window) << 0;
        QTest::addRow("%s 13 pt", window) << QString(window) << 13;
    }
}

// Every line and button of a message window is shown whole at the font it was made with.
void TestHelp::messageShowsItsWholeText() {
    QFETCH(QString, window);
    QFETCH(int, pointSize);
    const QFont original = QApplication::font();
    QFont font = original;
    if (pointSize > 0)
        font.setPointSize(pointSize);
    QApplication::setFont(font);
    const auto restore = qScopeGuard([&original] { QApplication::setFont(original); });
    Fixture f;
    auto* message = static_cast<MessageWindow*>(f.window(window));
    message->showMessage();
    const QList<QWidget*> shown =
        message->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(Label|Button)\\d$")));
    QVERIFY(shown.size() >= 2);
    for (const QWidget* control : shown) {
        const QRect placed(control->mapTo(message, QPoint()), control->size());
        QVERIFY2(message->rect().contains(placed), qPrintable(control->objectName()));
        QVERIFY2(control->size().expandedTo(control->sizeHint()) == control->size(),
                 qPrintable(control->objectName()));
    }
    QCOMPARE(message->minimumSize(), message->maximumSize());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
