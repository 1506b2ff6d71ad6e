// Cut, copy, paste, delete and select all act on the field last clicked or changed, not on
// the focused one, from the menu, the pop-up menu, the toolbar and the keyboard.
#include "app/MainWindow.h"
#include "commands/CurrentFieldTracker.h"
#include "source/PageSource.h"
#include "support/Fixture.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

class TestEditCommands : public QObject {
    Q_OBJECT

private slots:
    void nothingHappensBeforeAFieldIsCurrent();
    void commands_data();
    void commands();
    void deleteEmptiesFieldOnHiddenPage();
    void tabFocusDoesNotChangeCurrentField();
    void generatorMakesSourceCurrent();
    void popupMenuItems();

private:
    static CurrentFieldTracker& tracker(Fixture& f) { return f.windows().mainWindow().fields(); }
};

void TestEditCommands::nothingHappensBeforeAFieldIsCurrent() {
    Fixture f;
    f.windows().showAtStart();
    QApplication::clipboard()->setText(QStringLiteral("Zwischenablage"));
    auto& memo = f.get<QPlainTextEdit>("TForm2", "Memo2");
    memo.setFocus();
    QCOMPARE(tracker(f).CurrentFieldName(), QString());
    for (const char* action :
         {"Ausschneiden1", "Kopieren1", "infgen1", "Lschen1", "AllesMarkieren1"})
        f.trigger("TForm2", action);
    QVERIFY(memo.toPlainText().isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Zwischenablage"));
}

void TestEditCommands::commands_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("clipboard");
    // The source field holds "Hallo Welt" with "Welt" selected; the clipboard holds "neu".
    QTest::newRow("menu cut") << "Ausschneiden1"
                              << "Hallo "
                              << "Welt";
    QTest::newRow("menu copy") << "Kopieren1"
                               << "Hallo Welt"
                               << "Welt";
    QTest::newRow("menu paste") << "infgen1"
                                << "Hallo neu"
                                << "neu";
    QTest::newRow("menu delete empties all") << "Lschen1"
                                             << ""
                                             << "neu";
    QTest::newRow("popup cut") << "Ausschneiden2"
                               << "Hallo "
                               << "Welt";
    QTest::newRow("popup copy") << "Kopieren2"
                                << "Hallo Welt"
                                << "Welt";
    QTest::newRow("popup paste") << "Einfgen1"
                                 << "Hallo neu"
                                 << "neu";
    QTest::newRow("popup delete") << "Lschen3"
                                  << ""
                                  << "neu";
    QTest::newRow("toolbar cut") << "Image10"
                                 << "Hallo "
                                 << "Welt";
    QTest::newRow("toolbar copy") << "Image11"
                                  << "Hallo Welt"
                                  << "Welt";
    QTest::newRow("toolbar paste") << "Image12"
                                   << "Hallo neu"
                                   << "neu";
}

void TestEditCommands::commands() {
    QFETCH(QString, action);
    QFETCH(QString, after);
    QFETCH(QString, clipboard);
    Fixture f;
    f.windows().showAtStart();
    auto& memo = f.get<QPlainTextEdit>("TForm2", "Memo2");
    memo.setPlainText(QStringLiteral("Hallo Welt"));
    QTextCursor cursor = memo.textCursor();
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    memo.setTextCursor(cursor);
    QApplication::clipboard()->setText(QStringLiteral("neu"));
    QCOMPARE(tracker(f).CurrentFieldName(), QStringLiteral("Memo2"));
    if (action.startsWith(QLatin1String("Image")))
        click(f.control("TForm2", action));
    else
        f.trigger("TForm2", action);
    QCOMPARE(memo.toPlainText(), after);
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
}

void TestEditCommands::deleteEmptiesFieldOnHiddenPage() {
    Fixture f;
    f.windows().showAtStart();
    f.windows().mainWindow().setGeneralSettingsDone(true);
    auto& memo = f.get<QPlainTextEdit>("TForm2", "Memo2");
    memo.setPlainText(QStringLiteral("<p>zwanzig Zeichen</p>"));
    QTest::mouseClick(memo.viewport(), Qt::LeftButton);
    f.windows().mainWindow().pageControl().setCurrentIndex(2);
    QVERIFY(!memo.isVisible());
    // "Alles markieren" and "Löschen" reach the field on the page that is not shown.
    f.trigger("TForm2", "Lschen2");
    QCOMPARE(memo.textCursor().selectedText(), QStringLiteral("<p>zwanzig Zeichen</p>"));
    f.trigger("TForm2", "Lschen1");
    QVERIFY(memo.toPlainText().isEmpty());
}

void TestEditCommands::tabFocusDoesNotChangeCurrentField() {
    Fixture f;
    f.windows().showAtStart();
    auto* title = f.control<QLineEdit>("TForm2", "Edit1");
    if (!title)
        QSKIP("the general settings page has no title field yet");
    click(f.control("TForm2", "Button9"));
    title->setText(QStringLiteral("Meine Seite"));
    QTest::mouseClick(title, Qt::LeftButton);
    QCOMPARE(tracker(f).CurrentFieldName(), QStringLiteral("Edit1"));
    QTest::keyClick(title, Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : title, Qt::Key_Delete, Qt::ControlModifier);
    f.trigger("TForm2", "Lschen1");
    QVERIFY(title->text().isEmpty());
    QCOMPARE(tracker(f).CurrentFieldName(), QStringLiteral("Edit1"));
}

void TestEditCommands::generatorMakesSourceCurrent() {
    Fixture f;
    MainWindow& main = f.windows().mainWindow();
    main.source().commit({QStringLiteral("<br>")});
    QCOMPARE(tracker(f).CurrentFieldName(), QStringLiteral("Memo2"));
    f.trigger("TForm2", "Lschen1");
    QVERIFY(f.sourceLines().isEmpty());
}

void TestEditCommands::popupMenuItems() {
    Fixture f;
    auto* menu = f.window("TForm2")->findChild<QMenu*>("PopupMenu1");
    QVERIFY(menu);
    QStringList items;
    for (QAction* action : menu->actions())
        items.append(action->objectName() + u'=' + action->text().remove(u'&'));
    QCOMPARE(items,
             (QStringList{"Ausschneiden2=Ausschneiden", "Kopieren2=Kopieren", "Einfgen1=Einfügen",
                          "Lschen3=Löschen", "Lschen2=Alles markieren"}));
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
