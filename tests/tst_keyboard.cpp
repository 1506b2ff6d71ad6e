// Working with the keyboard: typing goes on in the text after "↵" and "Leerzeichen", Enter
// in a single-line field presses the button of that field, and the welcome panel neither
// hides a page taken up nor lets Tab into the fields it covers. Alt letters are unique among
// what one key press reaches, and Tab reads each page and ends at its add button.
#include "app/MainWindow.h"
#include "support/Fixture.h"
#include "ui/AltLetters.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

const QString kMain = QStringLiteral("TForm2");

QTabWidget& tabs(Fixture& f) {
    return f.windows().mainWindow().pageControl();
}

// Every Alt letter the window reaches as it shows now, each with where it leads; a problem
// for a letter reached twice and for a caption whose letter leads nowhere.
QStringList letterProblems(const QWidget& window) {
    QMultiHash<QChar, QString> reached;
    const auto reach = [&reached](const QString& caption, const QString& where) {
        if (const QChar letter = AltLetters::of(caption); !letter.isNull())
            reached.insert(letter, where);
    };
    QStringList problems;
    if (const auto* bar = window.findChild<QMenuBar*>())
        for (const QAction* menu : bar->actions())
            reach(menu->text(), menu->text());
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        if (tabs->isVisible())
            for (int i = 0; i < tabs->count(); ++i)
                reach(tabs->tabText(i), tabs->tabText(i));
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible())
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            reach(button->text(), button->objectName());
        if (const auto* box = qobject_cast<const QGroupBox*>(control))
            reach(box->title(), box->objectName());
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            reach(label->text(), label->objectName());
            if (!AltLetters::of(label->text()).isNull() && !label->buddy())
                problems.append(label->objectName() + QStringLiteral(" leads nowhere"));
        }
    }
    for (const QChar letter : reached.uniqueKeys())
        if (reached.count(letter) > 1)
            problems.append(QStringLiteral("%1: %2").arg(letter).arg(
                QStringList(reached.values(letter)).join(QStringLiteral(", "))));
    return problems;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void typingGoesOnAfterTheTextHelpers_data();
    void typingGoesOnAfterTheTextHelpers();
    void enterPressesTheFieldsButton_data();
    void enterPressesTheFieldsButton();
    void welcomePanelCoversAndGoes();
    void altLettersAreUniquePerReach();
    void tabReadsThePageAndEndsAtItsAddButton_data();
    void tabReadsThePageAndEndsAtItsAddButton();
};

void TestKeyboard::typingGoesOnAfterTheTextHelpers_data() {
    QTest::addColumn<QString>("helper");
    QTest::addColumn<QString>("text");
    QTest::newRow("↵") << "Image2"
                       << "<br>Welt";
    QTest::newRow("Leerzeichen") << "Label61"
                                 << "&nbsp;Welt";
}

void TestKeyboard::typingGoesOnAfterTheTextHelpers() {
    QFETCH(QString, helper);
    QFETCH(QString, text);
    Fixture f;
    f.windows().showAtStart();
    f.startPage();
    QApplication::setActiveWindow(f.window(kMain));
    tabs(f).setCurrentIndex(1);
    FIND(font, QWidget, f, kMain, "Edit13");
    font->setFocus();
    f.act(kMain, helper);
    FIND(memo, QPlainTextEdit, f, kMain, "Memo1");
    QVERIFY(memo->hasFocus());
    QTest::keyClicks(memo, QStringLiteral("Welt"));
    QCOMPARE(memo->toPlainText(), text);
}

void TestKeyboard::enterPressesTheFieldsButton_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("linesAdded");
    QTest::addColumn<QString>("listLine"); // what the list's own field shows then
    QTest::newRow("Bilder") << 2 << "Edit6=bild.jpg|Edit16=Ein Bild"
                            << "Edit16" << 1 << QString();
    QTest::newRow("Links") << 3 << "Edit19=https://example.org|Edit20=Beispiel"
                           << "Edit20" << 1 << QString();
    QTest::newRow("Linien") << 4 << "Edit5=red"
                            << "Edit5" << 1 << QString();
    QTest::newRow("Linien, Breite") << 4 << QString() << "ComboBox15" << 1 << QString();
    QTest::newRow("Listen") << 6 << "Edit36=Milch"
                            << "Edit36" << 0 << "<li>Milch</li>";
    QTest::newRow("Titel") << 0 << "Edit1=Neu"
                           << "Edit1" << 0 << QString();
}

void TestKeyboard::enterPressesTheFieldsButton() {
    QFETCH(int, tab);
    QFETCH(QString, steps);
    QFETCH(QString, field);
    QFETCH(int, linesAdded);
    QFETCH(QString, listLine);
    Fixture f;
    f.windows().showAtStart();
    if (tab != 0)
        f.startPage();
    else
        f.act(kMain, QStringLiteral("Button9"));
    tabs(f).setCurrentIndex(tab);
    if (!steps.isEmpty())
        f.act(kMain, steps);
    const qsizetype before = f.sourceLines().size();
    // Keys go to the control with the focus: a combo box hands them to its line.
    FIND(target, QWidget, f, kMain, field);
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(f.sourceLines().size() - before, linesAdded);
    // The title adds nothing, so the page stays open for its background.
    QCOMPARE(f.windows().context().state.generalSettingsDone(), tab != 0);
    if (!listLine.isEmpty()) {
        FIND(list, QPlainTextEdit, f, kMain, "Memo5");
        QCOMPARE(list->toPlainText(), listLine);
    }
}

void TestKeyboard::welcomePanelCoversAndGoes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    writeBytes(path, "<html>\n<body>\n<p>Hallo</p>\n");
    for (const bool byOpening : {false, true}) {
        Fixture f;
        f.windows().showAtStart();
        QApplication::setActiveWindow(f.window(kMain));
        FIND(panel, QWidget, f, kMain, "Panel8");
        FIND(weiter, QPushButton, f, kMain, "Button9");
        QVERIFY(panel->isVisible());
        // Tab never reaches the fields behind it.
        weiter->setFocus();
        for (int press = 0; press < 30; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(!tabs(f).currentWidget()->isAncestorOf(QApplication::focusWidget()),
                     qPrintable(QApplication::focusWidget()->objectName()));
        }
        if (byOpening) {
            f.dialogs.answerFile(path);
            f.trigger(kMain, QStringLiteral("ffnen1"));
        } else {
            QTabBar* bar = tabs(f).tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        }
        QVERIFY(!panel->isVisible());
        QVERIFY(tabs(f).currentWidget()->parentWidget()->isEnabled());
    }
}

void TestKeyboard::altLettersAreUniquePerReach() {
    Fixture f;
    f.windows().showAtStart();
    QStringList problems;
    const auto look = [&problems](const QWidget* window) {
        for (const QString& problem : letterProblems(*window))
            problems.append(window->objectName() + QStringLiteral(": ") + problem);
    };
    look(f.window(kMain)); // with the welcome panel
    f.startPage();
    for (QWidget* window : f.windows().all()) {
        window->show();
        look(window);
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                look(window);
            }
        }
        window->hide();
    }
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestKeyboard::tabReadsThePageAndEndsAtItsAddButton_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    for (const auto& [page, button] : {std::pair{"TabSheet1", "Button2"},
                                       {"TabSheet2", "Button4"},
                                       {"TabSheet4", "Button5"},
                                       {"TabSheet3", "Button1"},
                                       {"TabSheet7", "Button13"},
                                       {"TabSheet9", "Button27"}})
        QTest::newRow(page) << kMain << page << button;
    QTest::newRow("form builder: a question") << "TForm5"
                                              << "TabSheet2"
                                              << "Button2";
}

// Tab from where the page is entered reads it forwards: each control stands below the one
// before or in a column to its right, and the add button, which has its letter, is the last.
void TestKeyboard::tabReadsThePageAndEndsAtItsAddButton() {
    QFETCH(QString, window);
    QFETCH(QString, page);
    QFETCH(QString, button);
    Fixture f;
    f.windows().showAtStart();
    // The general settings are read before they are written and locked.
    if (page == QLatin1String("TabSheet1"))
        f.act(kMain, QStringLiteral("Button9"));
    else
        f.startPage();
    QWidget* top = f.window(window);
    top->show();
    QApplication::setActiveWindow(top);
    FIND(area, QWidget, f, window, page);
    FIND(add, QAbstractButton, f, window, button);
    auto* tabs = qobject_cast<QTabWidget*>(area->parentWidget()->parentWidget());
    QVERIFY(tabs);
    tabs->setCurrentWidget(area);
    QVERIFY(!AltLetters::of(add->text()).isNull());
    const auto press = [](int key) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        return QApplication::focusWidget();
    };
    add->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 100 && area->isAncestorOf(QApplication::focusWidget()); ++i)
        press(Qt::Key_Backtab);
    QList<QWidget*> read;
    for (QWidget* focused = press(Qt::Key_Tab); area->isAncestorOf(focused) && read.size() < 100;
         focused = press(Qt::Key_Tab))
        read.append(focused);
    QVERIFY(read.size() > 2);
    QCOMPARE(read.last(), add);
    for (qsizetype i = 1; i < read.size(); ++i) {
        const QRect before(read[i - 1]->mapTo(area, QPoint()), read[i - 1]->size());
        const QRect next(read[i]->mapTo(area, QPoint()), read[i]->size());
        QVERIFY2(next.bottom() > before.top() || next.left() >= before.right(),
                 qPrintable(read[i - 1]->objectName() + QStringLiteral(" before ") +
                            read[i]->objectName()));
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
