// Start-up, the window set, the main window's frame, the toolbar, the tab warning, the
// message windows and closing the program.
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "core/source/PageSource.h"
#include "help/MessageWindow.h"
#include "support/Fixture.h"
#include "ui/AltLetters.h"
#include "ui/ClickableLabel.h"
#include "ui/PageViewPane.h"
#include "ui/PanelStatusBar.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <QSet>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void windowsInOrderWithCaptions();
    void windowsStayWithTheMainWindow_data();
    void windowsStayWithTheMainWindow();
    void placesAreKept();
    void keptSizeGrowsToThePages_data();
    void keptSizeGrowsToThePages();
    void startState();
    void startShownAsTheProgramStarts();
    void splashGoesOnTickOrClick();
    void menuItems_data();
    void menuItems();
    void everyMenuItemHasItsOwnAltLetter();
    void tabPagesInOrder();
    void welcomePanelCoversPagesUntilWeiter();
    void welcomePanelFollowsThePageArea();
    void windowResizesAndSourceGrows();
    void toolbarPressedLook();
    void disabledPreviewPictureDoesNothing();
    void everyPictureButtonSaysWhatItDoes();
    void pictureTips_data();
    void pictureTips();
    void tabWarningWhileSettingsUndone();
    void tabWarningOkReturnsButCloseBoxDoesNot();
    void messageWindows_data();
    void messageWindows();
    void error305ClosesOnFreeAreaOnly();
    void escapeDismissesWindow_data();
    void escapeDismissesWindow();
    void closingWithNothingUnsavedEnds();
    void closingWithUnsavedWorkAsks();

private:
    static QTabWidget& tabs(Fixture& f) { return f.windows().mainWindow().pageControl(); }
};

void TestMainWindow::windowsInOrderWithCaptions() {
    Fixture f;
    const QList<std::pair<QString, QString>> expected = {
        {"TForm2", "Quillmark"},
        {"TForm1", "Quillmark"},
        {"TForm3", "Quillmark Hilfe"},
        {"TForm4", "HTML Hilfe"},
        {"TForm5", "Formulare"},
        {"TForm6", "Frames"},
        {"TForm7", "HTML-Quelltext nachbearbeiten"},
        {"TForm8", "Über Quillmark"},
        {"TForm9", "Error 409"},
        {"TForm10", "Error 407"},
        {"TForm11", "Error 605"},
        {"TForm12", "Error 305"},
        {"PublishWindow", "Veröffentlichen"},
        {"RecoverWindow", "Nicht gespeicherte Arbeit wiederherstellen"},
    };
    const QList<QWidget*> created = f.windows().all();
    QCOMPARE(created.size(), expected.size());
    for (int i = 0; i < created.size(); ++i) {
        QCOMPARE(created[i]->objectName(), expected[i].first);
        QCOMPARE(created[i]->windowTitle(), expected[i].second);
    }
    QVERIFY(!(f.window("TForm2")->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(f.window("TForm1")->windowFlags() & Qt::FramelessWindowHint);
}

void TestMainWindow::windowsStayWithTheMainWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("owned");
    for (const char* owned :
         {"TForm8", "TForm9", "TForm10", "TForm11", "TForm12", "PublishWindow", "RecoverWindow"})
        QTest::newRow(owned) << owned << true;
    for (const char* own : {"TForm3", "TForm4", "TForm5", "TForm6", "TForm7"})
        QTest::newRow(own) << own << false;
}

// Messages and the small windows belong to the main window and open over it each time; the
// others open over it the first time, then where the user left them, but always on the screen.
void TestMainWindow::windowsStayWithTheMainWindow() {
    QFETCH(QString, window);
    QFETCH(bool, owned);
    Fixture f;
    QWidget* main = f.window("TForm2");
    main->move(20, 30);
    f.windows().showAtStart();
    QWidget* shown = f.window(window);
    QCOMPARE(shown->parentWidget(), owned ? main : nullptr);
    shown->show();
    QVERIFY(main->frameGeometry().contains(shown->frameGeometry().center()));

    const QRect screen = shown->screen()->availableGeometry();
    shown->move(screen.right() - 10, screen.bottom() - 10);
    shown->hide();
    shown->show();
    QVERIFY(screen.contains(shown->frameGeometry().topLeft()));
    QCOMPARE(screen.contains(shown->frameGeometry()),
             shown->frameGeometry().width() <= screen.width());
}

// A window the user moved opens there again in the next run.
void TestMainWindow::placesAreKept() {
    Fixture f;
    QWidget* builder = f.window("TForm5");
    builder->show();
    builder->move(0, 70);
    builder->hide();
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    const WindowSet next(dialogs, opener);
    for (QWidget* again : next.all()) {
        if (again->objectName() == u"TForm5") {
            again->show();
            QCOMPARE(again->pos(), QPoint(0, 70));
        }
    }
}

void TestMainWindow::keptSizeGrowsToThePages_data() {
    QTest::addColumn<WindowSet::Start>("start");
    QTest::addColumn<int>("heightChange"); // what the user did to the window before closing it
    QTest::addColumn<bool>("grows");
    // Shown: the window shows before its pages are made, as the program starts; hidden: after.
    for (const auto& [name, start] : {std::pair{"shown", WindowSet::Start::Shown},
                                      std::pair{"hidden", WindowSet::Start::Hidden}}) {
        QTest::addRow("%s, made lower than its pages", name) << start << -250 << true;
        QTest::addRow("%s, made higher", name) << start << 40 << false;
    }
}

// The main window opens at the size it was closed at in the run before, but no smaller than
// its pages ask for where the screen has room for them.
void TestMainWindow::keptSizeGrowsToThePages() {
    QFETCH(WindowSet::Start, start);
    QFETCH(int, heightChange);
    QFETCH(bool, grows);
    QSize kept;
    {
        Fixture f;
        QWidget* main = f.window("TForm2");
        main->show();
        main->resize(main->width(), main->height() + heightChange);
        kept = main->size();
        main->hide();
    }
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet next(dialogs, opener, start);
    QMainWindow& again = next.mainWindow();
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    if (grows) {
        QVERIFY(kept.height() < again.sizeHint().height());
        QCOMPARE(again.height(), again.sizeHint().height());
    } else {
        QCOMPARE(again.size(), kept);
    }
}

void TestMainWindow::startState() {
    Fixture f;
    f.windows().showAtStart();
    QVERIFY(f.window("TForm2")->isVisible());
    QVERIFY(f.window("TForm1")->isVisible());
    for (const char* hidden : {"TForm3", "TForm4", "TForm5", "TForm6", "TForm7", "TForm8", "TForm9",
                               "TForm10", "TForm11", "TForm12"})
        QVERIFY2(!f.window(hidden)->isVisible(), hidden);
    QCOMPARE(f.windows().context().state.GeneralSettingsDone(), QStringLiteral("false"));
    QCOMPARE(tabs(f).currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    FIND(bar, PanelStatusBar, f, "TForm2", "StatusBar2");
    QCOMPARE(bar->panelCount(), 1);
    QCOMPARE(bar->panelText(0), QStringLiteral("Quillmark"));
    QVERIFY(f.sourceLines().isEmpty());
}

void TestMainWindow::startShownAsTheProgramStarts() {
    // As main.cpp makes the window set: the main window and the splash show while the other
    // windows and the pages are still being made.
    Fixture f(WindowSet::Start::Shown);
    QWidget* main = f.window("TForm2");
    QWidget* splash = f.window("TForm1");
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    for (const char* hidden : {"TForm3", "TForm4", "TForm5", "TForm6", "TForm7", "TForm8", "TForm9",
                               "TForm10", "TForm11", "TForm12"})
        QVERIFY2(!f.window(hidden)->isVisible(), hidden);
    // The splash stands in the middle of the screen, in front, and its time runs.
    QVERIFY(f.windows().splash().timer().isActive());
    const QPoint offCentre =
        splash->frameGeometry().center() - splash->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);

    // Behind it the real pages, made after the window showed, lie under the welcome panel.
    QCOMPARE(main->windowTitle(), QStringLiteral("Quillmark"));
    QCOMPARE(tabs(f).count(), 9);
    QCOMPARE(tabs(f).currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    FIND(panel, QWidget, f, "TForm2", "Panel8");
    FIND(weiter, QPushButton, f, "TForm2", "Button9");
    QVERIFY(panel->isVisible());
    const QWidget& pageArea = *tabs(f).currentWidget()->parentWidget();
    QTRY_COMPARE(panel->geometry(), pageArea.geometry());
    QWidget* inFront = main->childAt(pageArea.mapTo(main, pageArea.rect().center()));
    QVERIFY(inFront == panel || panel->isAncestorOf(inFront));
    QVERIFY(weiter->isVisible());
    // The keyboard is on the tabs, first in the window's focus order, once the window is active.
    QCOMPARE(main->focusWidget(), tabs(f).tabBar());

    // The window has grown to its pages as one made hidden and shown afterwards.
    Fixture later;
    later.windows().showAtStart();
    QTRY_COMPARE(main->size(), later.window("TForm2")->size());
    // The page view's engine is not loaded at start.
    QVERIFY(!main->findChild<PageViewPane*>());
}

void TestMainWindow::splashGoesOnTickOrClick() {
    Fixture f;
    f.windows().showAtStart();
    SplashWindow& splash = f.windows().splash();
    QCOMPARE(splash.timer().interval(), 3000);
    QVERIFY(splash.timer().isActive());
    splash.Timer1Timer();
    QVERIFY(!splash.isVisible());
    QVERIFY(f.window("TForm2")->isVisible());

    Fixture g;
    g.windows().showAtStart();
    click(g.control("TForm1", "Image2"));
    QVERIFY(!g.window("TForm1")->isVisible());
    QVERIFY(g.window("TForm2")->isVisible());
    g.windows().splash().Timer1Timer(); // the later tick changes nothing
    QVERIFY(!g.window("TForm1")->isVisible());
}

void TestMainWindow::menuItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("enabled");
    const QKeySequence none;
    QTest::newRow("Neu") << "Neu"
                         << "Neu" << QKeySequence("Ctrl+N") << true << true;
    QTest::newRow("Speichern1") << "Speichern1"
                                << "Speichern" << QKeySequence("Ctrl+S") << true << true;
    QTest::newRow("Speichern") << "Speichern"
                               << "Speichern unter..." << QKeySequence("Ctrl+Alt+S") << false
                               << true;
    QTest::newRow("Vorschau") << "Vorschau"
                              << "Vorschau" << none << true << false;
    QTest::newRow("Drucken1") << "Drucken1"
                              << "Drucken" << QKeySequence("Ctrl+P") << true << true;
    QTest::newRow("SeiteDrucken1")
        << "SeiteDrucken1"
        << "Seite drucken..." << QKeySequence("Ctrl+Shift+P") << false << true;
    QTest::newRow("ListeLeeren1") << "ListeLeeren1"
                                  << "Liste leeren" << none << false << true;
    QTest::newRow("Beenden1") << "Beenden1"
                              << "Beenden" << none << false << true;
    QTest::newRow("Ausschneiden1") << "Ausschneiden1"
                                   << "Ausschneiden" << QKeySequence("Ctrl+X") << true << true;
    QTest::newRow("Kopieren1") << "Kopieren1"
                               << "Kopieren" << QKeySequence("Ctrl+C") << true << true;
    QTest::newRow("infgen1") << "infgen1"
                             << "Einfügen" << QKeySequence("Ctrl+V") << true << true;
    QTest::newRow("Lschen1") << "Lschen1"
                             << "Löschen" << QKeySequence("Ctrl+Del") << true << true;
    QTest::newRow("AllesMarkieren1")
        << "AllesMarkieren1"
        << "Alles markieren" << QKeySequence("Ctrl+A") << false << true;
    QTest::newRow("Frameseiteerstellen1") << "Frameseiteerstellen1"
                                          << "Frameseite erstellen" << none << false << true;
    QTest::newRow("Seitenachbearbeiten1") << "Seitenachbearbeiten1"
                                          << "Seite nachbearbeiten" << none << false << true;
    QTest::newRow("QuillmarkHIlfe1") << "QuillmarkHIlfe1"
                                     << "Quillmark Hilfe" << QKeySequence("F1") << true << true;
    QTest::newRow("HtmlHilfe1") << "HtmlHilfe1"
                                << "Html Hilfe" << QKeySequence("F2") << true << true;
    QTest::newRow("berQuillmark1") << "berQuillmark1"
                                   << "Über Quillmark" << none << false << true;
}

void TestMainWindow::menuItems() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, picture);
    QFETCH(bool, enabled);
    Fixture f;
    auto* action = f.window("TForm2")->findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text().remove(u'&'), text);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(!action->icon().isNull(), picture);
    QCOMPARE(action->isEnabled(), enabled);
    QStringList menus;
    for (QAction* menu : f.window("TForm2")->findChild<QMenuBar*>("MainMenu1")->actions())
        menus.append(menu->text().remove(u'&'));
    QCOMPARE(menus, (QStringList{"Datei", "Bearbeiten", "Extra", "Hilfe"}));
}

void TestMainWindow::everyMenuItemHasItsOwnAltLetter() {
    Fixture f;
    int menus = 0;
    for (const QWidget* window : f.windows().all()) {
        QList<const QWidget*> holders;
        for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
            holders.append(bar);
        // Each menu of ours has a name; the unnamed one is the bar's own overflow menu.
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            if (!menu->objectName().isEmpty())
                holders.append(menu);
        }
        for (const QWidget* holder : holders) {
            QSet<QChar> letters;
            for (const QAction* item : holder->actions()) {
                if (item->isSeparator())
                    continue;
                const QString where =
                    window->objectName() + u'/' + holder->objectName() + u'/' + item->text();
                const qsizetype at = item->text().indexOf(u'&');
                QVERIFY2(at >= 0 && at + 1 < item->text().size(), qPrintable(where));
                QVERIFY2(item->text().count(u'&') == 1, qPrintable(where));
                const QChar letter = item->text().at(at + 1).toLower();
                QVERIFY2(letter.isLetterOrNumber() && !letters.contains(letter), qPrintable(where));
                letters.insert(letter);
            }
            ++menus;
        }
    }
    // Two menu bars, their seven menus, their two lists of recent files and four pop-up menus.
    QCOMPARE(menus, 15);
}

void TestMainWindow::tabPagesInOrder() {
    Fixture f;
    const QStringList names = {"TabSheet1", "TabSheet2", "TabSheet4", "TabSheet3", "TabSheet7",
                               "TabSheet8", "TabSheet9", "TabSheet6", "TabSheet5"};
    const QStringList captions = {"Allgemeine Einstellungen",
                                  "Text",
                                  "Bilder",
                                  "Links",
                                  "Linien",
                                  "Tabellen",
                                  "Listen",
                                  "Formulare",
                                  "Quelltext"};
    QCOMPARE(tabs(f).count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(tabs(f).widget(i)->objectName(), names[i]);
        QCOMPARE(AltLetters::shown(tabs(f).tabText(i)), captions[i]);
    }
    FIND(newForm, QPushButton, f, "TForm2", "Button8");
    FIND(source, QPlainTextEdit, f, "TForm2", "Memo2");
    QCOMPARE(AltLetters::shown(newForm->text()), QStringLiteral("Neues Formular erstellen"));
    QCOMPARE(source->isReadOnly(), false);
}

void TestMainWindow::welcomePanelCoversPagesUntilWeiter() {
    Fixture f;
    f.windows().showAtStart();
    FIND(panel, QWidget, f, "TForm2", "Panel8");
    FIND(heading, QLabel, f, "TForm2", "Label11");
    FIND(welcome, QPlainTextEdit, f, "TForm2", "Memo6");
    QVERIFY(panel->isVisible());
    QCOMPARE(heading->text(), QStringLiteral("Willkommen bei Quillmark"));
    QVERIFY(welcome->isReadOnly());
    // The menus work while it shows.
    f.trigger("TForm2", "HtmlHilfe1");
    QVERIFY(f.window("TForm4")->isVisible());
    click(f.control("TForm2", "Button9"));
    QVERIFY(!panel->isVisible());
    f.trigger("TForm2", "Neu");
    QVERIFY(!panel->isVisible());
}

void TestMainWindow::welcomePanelFollowsThePageArea() {
    Fixture f;
    f.windows().showAtStart();
    QWidget& window = *f.window("TForm2");
    FIND(panel, QWidget, f, "TForm2", "Panel8");
    const QWidget& pageArea = *tabs(f).currentWidget()->parentWidget();
    QTRY_COMPARE(panel->geometry(), pageArea.geometry());
    const QSize before = pageArea.size();
    window.resize(window.size() + QSize(120, 90));
    QTRY_COMPARE(pageArea.size(), before + QSize(120, 90));
    QCOMPARE(panel->geometry(), pageArea.geometry());
}

void TestMainWindow::windowResizesAndSourceGrows() {
    Fixture f;
    f.windows().showAtStart();
    f.startPage();
    QWidget& window = *f.window("TForm2");
    QVERIFY(window.minimumSize() != window.maximumSize());
    tabs(f).setCurrentIndex(tabs(f).count() - 1);
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo2");
    QTRY_VERIFY(memo->isVisible());
    const QSize before = memo->size();
    window.resize(window.size() + QSize(120, 90));
    QTRY_COMPARE(memo->size(), before + QSize(120, 90));

    // At its smallest the window still shows every tab caption whole, "Quelltext" included.
    window.resize(window.minimumSize());
    QTRY_COMPARE(window.size(), window.minimumSize());
    const QTabBar& bar = *tabs(f).tabBar();
    for (int i = 0; i < bar.count(); ++i) {
        QVERIFY2(bar.rect().contains(bar.tabRect(i)), qPrintable(bar.tabText(i)));
        QVERIFY2(bar.tabRect(i).width() > bar.fontMetrics().horizontalAdvance(bar.tabText(i)),
                 qPrintable(bar.tabText(i)));
    }
}

void TestMainWindow::toolbarPressedLook() {
    Fixture f;
    f.windows().showAtStart();
    f.dialogs.answerCancel();
    FIND(save, QWidget, f, "TForm2", "Image7");
    FIND(pressed, QWidget, f, "TForm2", "Image17");
    QCOMPARE(save->size(), QSize(25, 25));
    QVERIFY(!pressed->isVisible());
    QTest::mousePress(save, Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(!save->isVisible());
    QVERIFY(pressed->isVisible());
    QVERIFY(f.dialogs.asked.isEmpty());
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(save->isVisible());
    QVERIFY(!pressed->isVisible());
    // Releasing runs Save, which asks for a file name first.
    QCOMPARE(f.dialogs.asked, QStringList{"save:Unbenannt.html"});

    // Leaving the picture with the button held restores it; the release then runs nothing.
    QTest::mousePress(save, Qt::LeftButton, {}, QPoint(12, 12));
    QMouseEvent leave(QEvent::MouseMove, QPointF(60, 60), save->mapToGlobal(QPointF(60, 60)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(save, &leave);
    QVERIFY(save->isVisible());
    QTest::mouseRelease(save, Qt::LeftButton, {}, QPoint(60, 60));
    QCOMPARE(f.dialogs.asked.size(), 1);
}

void TestMainWindow::disabledPreviewPictureDoesNothing() {
    Fixture f;
    f.windows().showAtStart();
    FIND(preview, QWidget, f, "TForm2", "Image9");
    FIND(pressedPreview, QWidget, f, "TForm2", "Image19");
    QVERIFY(!preview->isEnabled());
    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(preview->isVisible());
    QVERIFY(!pressedPreview->isVisible());
    QVERIFY(f.opener.opened.isEmpty());
}

void TestMainWindow::everyPictureButtonSaysWhatItDoes() {
    Fixture f;
    int pictures = 0;
    for (const QWidget* window : f.windows().all()) {
        for (const ClickableLabel* picture : window->findChildren<ClickableLabel*>()) {
            const QString where = window->objectName() + u'/' + picture->objectName();
            QVERIFY2(!picture->toolTip().isEmpty(), qPrintable(where));
            QVERIFY2(picture->accessibleName() == picture->toolTip(), qPrintable(where));
            ++pictures;
        }
    }
    QVERIFY(pictures > 100);
}

void TestMainWindow::pictureTips_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    const QList<std::array<const char*, 3>> rows = {
        {"TForm2", "Image6", "Neue Seite"},
        {"TForm2", "Image7", "Seite speichern"},
        {"TForm2", "Image17", "Seite speichern"}, // the pressed twin
        {"TForm2", "Image12", "Einfügen"},
        {"TForm2", "Image56", "Seite veröffentlichen"},
        {"TForm7", "Image2", "Seite öffnen"},
        {"TForm2", "Image29", "Schriftart wählen"},
        {"TForm2", "Image30", "Farbe wählen"},
        {"TForm2", "Image23", "Linksbündig"},
        {"TForm2", "Image28", "Rechtsbündig aufheben"},
        {"TForm2", "Image1", "Bild auswählen"},
        {"TForm2", "Label61", "Festes Leerzeichen einfügen"},
        {"TForm6", "Image5", "Zwei Spalten"},
        {"TForm6", "Image6", "Seite auswählen"},
    };
    for (const auto& [window, name, tip] : rows)
        QTest::addRow("%s %s", window, name) << window << name << QString::fromUtf8(tip);
}

void TestMainWindow::pictureTips() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, tip);
    Fixture f;
    FIND(picture, QWidget, f, window, name);
    QCOMPARE(picture->toolTip(), tip);
    QCOMPARE(picture->accessibleName(), tip);
}

void TestMainWindow::tabWarningWhileSettingsUndone() {
    Fixture f;
    f.windows().showAtStart();
    tabs(f).setCurrentIndex(1);
    QVERIFY(f.window("TForm11")->isVisible());
    QCOMPARE(tabs(f).currentWidget()->objectName(), QStringLiteral("TabSheet2"));
    // A second switch leaves the one window open; switching back to the first page warns too.
    tabs(f).setCurrentIndex(2);
    tabs(f).setCurrentIndex(0);
    QVERIFY(f.window("TForm11")->isVisible());

    f.window("TForm11")->hide();
    f.windows().context().state.setGeneralSettingsDone(true);
    for (int i = 1; i < tabs(f).count(); ++i)
        tabs(f).setCurrentIndex(i);
    QVERIFY(!f.window("TForm11")->isVisible());
}

void TestMainWindow::tabWarningOkReturnsButCloseBoxDoesNot() {
    Fixture f;
    f.windows().showAtStart();
    tabs(f).setCurrentIndex(3);
    click(f.control("TForm11", "Button1"));
    QVERIFY(!f.window("TForm11")->isVisible());
    // The program's own switch back raises no second warning.
    QCOMPARE(tabs(f).currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QVERIFY(!f.window("TForm11")->isVisible());

    tabs(f).setCurrentIndex(4);
    f.window("TForm11")->close();
    QVERIFY(!f.window("TForm11")->isVisible());
    QCOMPARE(tabs(f).currentWidget()->objectName(), QStringLiteral("TabSheet7"));
}

void TestMainWindow::messageWindows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("409") << "TForm9"
                         << QStringList{"Sie haben vergessen eine Zieladresse bei",
                                        "der Weiterleitung einzugeben"}
                         << QStringList{"OK"};
    QTest::newRow("407") << "TForm10" << QStringList{"Wollen Sie den Quelltext verwerfen?"}
                         << QStringList{"Ja", "Nein"};
    QTest::newRow("605") << "TForm11"
                         << QStringList{"Sie müssen zuerst Allgemeine Einstellungen bearbeiten!",
                                        "Da sonst die Seite nicht fehlerfrei erstellt werden kann"}
                         << QStringList{"OK"};
    QTest::newRow("305") << "TForm12"
                         << QStringList{"Die Allgemeinen Einstellungen sind gesperrt.",
                                        "Zum Ändern drücken Sie „Einstellungen ändern“."}
                         << QStringList{"OK"};
}

void TestMainWindow::messageWindows() {
    QFETCH(QString, window);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, buttons);
    Fixture f;
    QWidget* message = f.window(window);
    for (int i = 0; i < texts.size(); ++i) {
        FIND(label, QLabel, f, window, QStringLiteral("Label%1").arg(i + 1));
        QCOMPARE(AltLetters::shown(label->text()), texts[i]);
    }
    QVERIFY(!f.control(window, QStringLiteral("Label%1").arg(texts.size() + 1)));
    for (int i = 0; i < buttons.size(); ++i) {
        FIND(button, QPushButton, f, window, QStringLiteral("Button%1").arg(i + 1));
        QCOMPARE(AltLetters::shown(button->text()), buttons[i]);
    }
    FIND(picture, QLabel, f, window, "Image1");
    QVERIFY(picture->pixmap().width() > 0);
    static_cast<MessageWindow*>(message)->showMessage();
    QVERIFY(message->isVisible());
    message->close();
    QVERIFY(!message->isVisible());
    QVERIFY(f.window("TForm2")->findChild<QWidget*>("TabSheet1")); // the main window goes on
}

void TestMainWindow::error305ClosesOnFreeAreaOnly() {
    Fixture f;
    auto* message = static_cast<MessageWindow*>(f.window("TForm12"));
    message->showMessage();
    FIND(text, QWidget, f, "TForm12", "Label1");
    QTest::mouseClick(text, Qt::LeftButton);
    QVERIFY(message->isVisible());
    QTest::mouseClick(message, Qt::LeftButton, {}, QPoint(message->width() - 5, 5));
    QVERIFY(!message->isVisible());

    // "Error 409"'s OK returns to an enabled first page.
    Fixture g;
    g.windows().showAtStart();
    g.act("TForm2", QStringLiteral("Button9"));
    g.windows().context().state.setGeneralSettingsDone(true);
    tabs(g).setCurrentIndex(5);
    FIND(settingsPage, QWidget, g, "TForm2", "TabSheet1");
    settingsPage->setEnabled(false);
    static_cast<MessageWindow*>(g.window("TForm9"))->showMessage();
    click(g.control("TForm9", "Button1"));
    QCOMPARE(tabs(g).currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QVERIFY(settingsPage->isEnabled());
}

void TestMainWindow::escapeDismissesWindow_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"TForm3", "TForm4", "TForm5", "TForm6", "TForm8", "TForm9",
                               "TForm10", "TForm11", "TForm12"})
        QTest::newRow(window) << window;
}

void TestMainWindow::escapeDismissesWindow() {
    QFETCH(QString, window);
    Fixture f;
    QSignalSpy closed(&f.windows().mainWindow(), &MainWindow::closed);
    QWidget* shown = f.window(window);
    shown->show();
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QTest::keyClick(shown->focusWidget() ? shown->focusWidget() : shown, Qt::Key_Escape);
    QVERIFY(!shown->isVisible());
    // On "Error 407" Esc is "Nein": the program goes on.
    QCOMPARE(closed.size(), 0);
}

void TestMainWindow::closingWithNothingUnsavedEnds() {
    Fixture f;
    f.windows().showAtStart();
    QSignalSpy closed(&f.windows().mainWindow(), &MainWindow::closed);
    f.trigger("TForm2", "Beenden1");
    QCOMPARE(closed.size(), 1);
    QVERIFY(!f.window("TForm2")->isVisible());
    QVERIFY(!f.window("TForm10")->isVisible());
}

void TestMainWindow::closingWithUnsavedWorkAsks() {
    Fixture f;
    f.windows().showAtStart();
    MainWindow& main = f.windows().mainWindow();
    QSignalSpy closed(&main, &MainWindow::closed);
    f.windows().context().document.commit({QStringLiteral("<p>Entwurf</p>")});
    main.close();
    QVERIFY(main.isVisible());
    QVERIFY(f.window("TForm10")->isVisible());
    QCOMPARE(closed.size(), 0);
    // "Nein": the question goes and the program goes on with the page as it was.
    click(f.control("TForm10", "Button2"));
    QVERIFY(!f.window("TForm10")->isVisible());
    QVERIFY(main.isVisible());
    QCOMPARE(f.sourceLines(), QStringList{"<p>Entwurf</p>"});
    // "Ja": the page is given up and the program ends.
    f.trigger("TForm2", "Beenden1");
    click(f.control("TForm10", "Button1"));
    QCOMPARE(closed.size(), 1);
    QVERIFY(!main.isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
