// Working with the keyboard: typing goes on in the text after "↵" and "Leerzeichen", Enter
// in a single-line field presses the button of that field, and the welcome panel neither
// hides a page taken up nor lets Tab into the fields it covers.
#include "app/MainWindow.h"
#include "support/Fixture.h"

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

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void typingGoesOnAfterTheTextHelpers_data();
    void typingGoesOnAfterTheTextHelpers();
    void enterPressesTheFieldsButton_data();
    void enterPressesTheFieldsButton();
    void welcomePanelCoversAndGoes();
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

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
