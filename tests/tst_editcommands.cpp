// Cut, copy, paste, delete and select all act on the field last clicked, changed or reached
// with Tab, from the menu, the pop-up menu, the toolbar and the keyboard.
#include "app/MainWindow.h"
#include "commands/CurrentFieldTracker.h"
#include "core/source/PageSource.h"
#include "support/Fixture.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

class TestEditCommands : public QObject {
    Q_OBJECT

private slots:
    void nothingHappensBeforeAFieldIsCurrent();
    void commands_data();
    void commands();
    void deleteEmptiesFieldOnHiddenPage();
    void deleteCanBeUndone_data();
    void deleteCanBeUndone();
    void tabMakesTheFieldWithTheCaretCurrent();
    void focusMovedByQtChangesNothing();
    void generatorMakesSourceCurrent();
    void popupMenuItems();
    void undoAndRedoFromTheMenu_data();
    void undoAndRedoFromTheMenu();
    void undoKeysInAFieldStayTheFields_data();
    void undoKeysInAFieldStayTheFields();

private:
    static CurrentFieldTracker& tracker(Fixture& f) { return f.windows().mainWindow().fields(); }
};

void TestEditCommands::nothingHappensBeforeAFieldIsCurrent() {
    Fixture f;
    f.windows().showAtStart();
    QApplication::clipboard()->setText(QStringLiteral("Zwischenablage"));
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo2");
    memo->setFocus();
    QCOMPARE(tracker(f).CurrentFieldName(), QString());
    for (const char* action :
         {"Ausschneiden1", "Kopieren1", "infgen1", "Lschen1", "AllesMarkieren1"})
        f.trigger("TForm2", action);
    QVERIFY(memo->toPlainText().isEmpty());
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
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo2");
    memo->setPlainText(QStringLiteral("Hallo Welt"));
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    QApplication::clipboard()->setText(QStringLiteral("neu"));
    QCOMPARE(tracker(f).CurrentFieldName(), QStringLiteral("Memo2"));
    if (action.startsWith(QLatin1String("Image")))
        click(f.control("TForm2", action));
    else
        f.trigger("TForm2", action);
    QCOMPARE(memo->toPlainText(), after);
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
}

void TestEditCommands::deleteEmptiesFieldOnHiddenPage() {
    Fixture f;
    f.windows().showAtStart();
    f.windows().context().state.setGeneralSettingsDone(true);
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo2");
    memo->setPlainText(QStringLiteral("<p>zwanzig Zeichen</p>"));
    QTest::mouseClick(memo->viewport(), Qt::LeftButton);
    f.windows().mainWindow().pageControl().setCurrentIndex(2);
    QVERIFY(!memo->isVisible());
    // "Alles markieren" and "Löschen" reach the field on the page that is not shown.
    f.trigger("TForm2", "Lschen2");
    QCOMPARE(memo->textCursor().selectedText(), QStringLiteral("<p>zwanzig Zeichen</p>"));
    f.trigger("TForm2", "Lschen1");
    QVERIFY(memo->toPlainText().isEmpty());
}

void TestEditCommands::deleteCanBeUndone_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("command");
    QTest::newRow("page source") << "TForm2"
                                 << "Memo2"
                                 << "Lschen1";
    QTest::newRow("title") << "TForm2"
                           << "Edit1"
                           << "Lschen3";
    QTest::newRow("text") << "TForm2"
                          << "Memo1"
                          << "Lschen1";
    QTest::newRow("form text area") << "TForm5"
                                    << "Memo2"
                                    << "MenuItem4";
    QTest::newRow("post-editor") << "TForm7"
                                 << "Memo1"
                                 << "Lschen1";
}

void TestEditCommands::deleteCanBeUndone() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, command);
    Fixture f;
    FIND(target, QWidget, f, window, field);
    const QString text = QStringLiteral("<p>Grüße\naus Köln</p>\n");
    typeInto(target, target->inherits("QLineEdit") ? QStringLiteral("Titel") : text);
    auto* memo = qobject_cast<QPlainTextEdit*>(target);
    click(memo ? memo->viewport() : target);
    f.trigger(window, command);
    QCOMPARE(textOf(target), QString());
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(textOf(target), target->inherits("QLineEdit") ? QStringLiteral("Titel") : text);
}

void TestEditCommands::tabMakesTheFieldWithTheCaretCurrent() {
    Fixture f;
    f.windows().showAtStart();
    f.startPage();
    QApplication::setActiveWindow(f.window("TForm2"));
    f.windows().mainWindow().pageControl().setCurrentIndex(2);
    FIND(name, QLineEdit, f, "TForm2", "Edit6");
    FIND(next, QLineEdit, f, "TForm2", "Edit16");
    typeInto(name, QStringLiteral("Foto"));
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    // Tab moves the caret on, and the paste lands where the caret is.
    QTest::keyClick(name, Qt::Key_Tab);
    QVERIFY(next->hasFocus());
    QCOMPARE(tracker(f).CurrentFieldName(), QStringLiteral("Edit16"));
    QTest::keyClick(next, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(next->text(), QStringLiteral("Foto"));
    QCOMPARE(name->text(), QStringLiteral("Foto"));
    QTest::keyClick(next, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(tracker(f).CurrentFieldName(), QStringLiteral("Edit6"));
}

void TestEditCommands::focusMovedByQtChangesNothing() {
    Fixture f;
    f.windows().showAtStart();
    QApplication::setActiveWindow(f.window("TForm2"));
    FIND(title, QLineEdit, f, "TForm2", "Edit1");
    FIND(memo, QWidget, f, "TForm2", "Memo2");
    typeInto(memo, QStringLiteral("<p>"));
    // "Weiter" hides the welcome panel it sits on, and the general settings' add locks the
    // page it sits on: Qt moves the focus on by itself both times.
    for (const char* button : {"Button9", "Button2"}) {
        FIND(pressed, QPushButton, f, "TForm2", button);
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Space);
        QVERIFY(!pressed->hasFocus());
        QVERIFY2(tracker(f).CurrentFieldName() != QStringLiteral("Edit1"), button);
    }
    Q_UNUSED(title);
}

void TestEditCommands::generatorMakesSourceCurrent() {
    Fixture f;
    f.windows().context().document.commit({QStringLiteral("<br>")});
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

void TestEditCommands::undoAndRedoFromTheMenu_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("editor");
    QTest::newRow("page source") << "TForm2"
                                 << "Memo2";
    QTest::newRow("post-editor") << "TForm7"
                                 << "Memo1";
}

// From the menu, whatever has the focus: the caret goes to the change, not to the first line.
void TestEditCommands::undoAndRedoFromTheMenu() {
    QFETCH(QString, window);
    QFETCH(QString, editor);
    Fixture f;
    f.windows().showAtStart();
    FIND(undo, QAction, f, window, "Rueckgaengig1");
    FIND(redo, QAction, f, window, "Wiederherstellen1");
    QCOMPARE(undo->text(), QStringLiteral("&Rückgängig"));
    QCOMPARE(redo->shortcuts(),
             (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    if (window == u"TForm2") {
        f.startPage();
        f.act(window, QStringLiteral("Memo1=Hallo|Button4"));
    } else {
        f.window(window)->show();
        FIND(text, QWidget, f, window, editor);
        typeInto(text, QStringLiteral("<p>Hallo</p>\n"));
    }
    FIND(text, QPlainTextEdit, f, window, editor);
    const QString before = text->toPlainText();
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    text->moveCursor(QTextCursor::Start);

    f.trigger(window, QStringLiteral("Rueckgaengig1"));
    QVERIFY(!text->toPlainText().contains(QStringLiteral("Hallo")));
    QCOMPARE(text->textCursor().position(), text->document()->characterCount() - 1);
    QVERIFY(redo->isEnabled());
    text->moveCursor(QTextCursor::Start);
    f.trigger(window, QStringLiteral("Wiederherstellen1"));
    QCOMPARE(text->toPlainText(), before);
    QVERIFY(text->textCursor().position() > before.indexOf(QStringLiteral("Hallo")));
}

void TestEditCommands::undoKeysInAFieldStayTheFields_data() {
    QTest::addColumn<QKeyCombination>("redoKey");
    QTest::newRow("Ctrl+Y") << (Qt::CTRL | Qt::Key_Y);
    QTest::newRow("Ctrl+Shift+Z") << (Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

void TestEditCommands::undoKeysInAFieldStayTheFields() {
    QFETCH(QKeyCombination, redoKey);
    Fixture f;
    f.windows().showAtStart();
    f.startPage();
    const QStringList page = f.sourceLines();
    QApplication::setActiveWindow(f.window("TForm2"));
    f.windows().mainWindow().pageControl().setCurrentIndex(6);
    FIND(entry, QLineEdit, f, "TForm2", "Edit36");
    entry->setFocus();
    QTest::keyClicks(entry, QStringLiteral("Eintrag"));
    QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(entry->text(), QString());
    QTest::keyClick(entry, redoKey.key(), redoKey.keyboardModifiers());
    QCOMPARE(entry->text(), QStringLiteral("Eintrag"));
    QCOMPARE(f.sourceLines(), page);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
