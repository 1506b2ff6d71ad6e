// Spell checking: the marks in the fields of page text and in the page source's text, the
// spelling items of the context menu, the personal word list and the switch.
#include "support/Fixture.h"
#include "ui/LineSpellMarks.h"
#include "ui/SpellChecker.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

SpellChecker& checker(Fixture& f) {
    return f.windows().context().spelling;
}

// Shows the main window, after whose first paint the dictionary loads, and waits for it.
bool dictionaryLoaded(Fixture& f) {
    f.window(QStringLiteral("TForm2"))->show();
    return QTest::qWaitFor([&f] { return checker(f).loaded(); }, 10000);
}

// The words a text field shows marked, in order.
QStringList markedWords(QPlainTextEdit* field) {
    QStringList words;
    for (QTextBlock block = field->document()->firstBlock(); block.isValid();
         block = block.next()) {
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline &&
                range.format.underlineColor() == Qt::red)
                words.append(block.text().mid(range.start, range.length));
        }
    }
    return words;
}

QStringList markedWords(QLineEdit* field) {
    const auto* marks = field->findChild<LineSpellMarks*>();
    if (!marks)
        return {QStringLiteral("(not checked)")};
    QStringList words;
    for (const SpellingWords::Word& word : marks->marks())
        words.append(field->text().mid(word.start, word.length));
    return words;
}

QStringList markedWords(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return markedWords(line);
    return markedWords(qobject_cast<QPlainTextEdit*>(field));
}

// Types the text into a field, or puts it into the page source as its lines.
void putText(Fixture& f, QWidget* field, const QString& text) {
    if (field->objectName() == u"Memo2" && field->window()->objectName() == u"TForm2")
        f.setSourceLines(text.split(u'\n'));
    else
        typeInto(field, text);
}

// Puts the caret into the first occurrence of the word and opens the context menu there, as
// the menu key does.
QMenu* openMenuAt(QWidget* field, const QString& word) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->setCursorPosition(int(line->text().indexOf(word)) + 1);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(field)) {
        QTextCursor caret = text->document()->find(word);
        caret.clearSelection();
        text->setTextCursor(caret);
    }
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(4, 4), QPoint(40, 40));
    QCoreApplication::sendEvent(field, &request);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Chooses an item of an open menu by its object name, then closes the menu.
bool choose(QMenu* menu, const QString& name) {
    if (!menu)
        return false;
    const QList<QAction*> items = menu->actions();
    const auto item = std::find_if(items.begin(), items.end(),
                                   [&name](QAction* a) { return a->objectName() == name; });
    const bool found = item != items.end();
    if (found)
        (*item)->trigger();
    menu->close();
    return found;
}

} // namespace

class TestSpelling : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    // No test sees the words another one added.
    void init() { QFile::remove(SpellChecker::wordListPath()); }

    void marks_data();
    void marks();
    void lineFieldGetsFormats();
    void suggestionReplacesWord_data();
    void suggestionReplacesWord();
    void addedWordKeptAfterRestart();
    void ignoredEverywhere();
    void switchOffRemovesMarks();
};

void TestSpelling::marks_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("marked");
    const QString memo2 = QStringLiteral("Memo2");
    const QString form2 = QStringLiteral("TForm2");
    QTest::newRow("page text") << form2 << memo2 << "<p>Ein Fehlr im Haus</p>"
                               << QStringList{"Fehlr"};
    QTest::newRow("tags and values")
        << form2 << memo2 << "<Fehlr title=\"Fehlr\" alt=Fehlr>gut</Fehlr>" << QStringList{};
    QTest::newRow("script, style, comment")
        << form2 << memo2 << "<script>Fehlr</script><style>Fehlr</style><!-- Fehlr -->"
        << QStringList{};
    QTest::newRow("around references")
        << form2 << memo2 << "M&uuml;ller Gr&ouml;&szlig;e Fehlr&nbsp;Haus" << QStringList{};
    QTest::newRow("abbreviations, numbers, addresses")
        << form2 << memo2 << "HTML z.B. Kapitel3 www.beispiel.de Hause" << QStringList{};
    QTest::newRow("post-editor") << "TForm7"
                                 << "Memo1"
                                 << "<b>Fehlr</b> <i title=Fehlr>gut</i>" << QStringList{"Fehlr"};
    QTest::newRow("text field, every word")
        << form2 << "Memo1"
        << "Ein Fehlr <b>\nHaus-Tür Strasen" << QStringList{"Fehlr", "Strasen"};
    QTest::newRow("form question") << "TForm5"
                                   << "Edit14"
                                   << "Wie alt bist Fehlr?" << QStringList{"Fehlr"};
    QTest::newRow("form answer") << "TForm5"
                                 << "Edit2"
                                 << "Fehlr" << QStringList{"Fehlr"};
    QTest::newRow("one-line field") << form2 << "Edit16"
                                    << "Bild vom Fehlr" << QStringList{"Fehlr"};
}

void TestSpelling::marks() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QStringList, marked);
    Fixture f;
    QVERIFY(dictionaryLoaded(f));
    FIND(target, QWidget, f, window, field);
    putText(f, target, text);
    QTRY_COMPARE(markedWords(target), marked);
}

void TestSpelling::lineFieldGetsFormats() {
    Fixture f;
    QVERIFY(dictionaryLoaded(f));
    FIND(field, QLineEdit, f, "TForm2", "Edit16");
    typeInto(field, QStringLiteral("Ein Fehlr"));
    field->setCursorPosition(2);
    const auto* marks = field->findChild<LineSpellMarks*>();
    QCOMPARE(marks->sent().size(), 1);
    const QInputMethodEvent::Attribute sent = marks->sent().first();
    QCOMPARE(sent.type, QInputMethodEvent::TextFormat);
    // Placed from the caret.
    QCOMPARE(sent.start, 4 - 2);
    QCOMPARE(sent.length, 5);
    QCOMPARE(qvariant_cast<QTextFormat>(sent.value).toCharFormat().underlineStyle(),
             QTextCharFormat::SpellCheckUnderline);
    // The marks go with the word.
    typeInto(field, QStringLiteral("Ein Haus"));
    QVERIFY(marks->sent().isEmpty());
}

void TestSpelling::suggestionReplacesWord_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("text field") << "TForm2"
                                << "Memo1";
    QTest::newRow("one-line field") << "TForm2"
                                    << "Edit16";
    QTest::newRow("page source") << "TForm2"
                                 << "Memo2";
    QTest::newRow("post-editor, its own pop-up menu") << "TForm7"
                                                      << "Memo1";
}

void TestSpelling::suggestionReplacesWord() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    Fixture f;
    QVERIFY(dictionaryLoaded(f));
    FIND(target, QWidget, f, window, field);
    putText(f, target, QStringLiteral("<p>Das Hauss</p>"));
    QTRY_COMPARE(markedWords(target), QStringList{"Hauss"});
    const QString suggestion = checker(f).suggestions(QStringLiteral("Hauss"), 5).value(0);
    QVERIFY(!suggestion.isEmpty());

    QMenu* menu = openMenuAt(target, QStringLiteral("Hauss"));
    QVERIFY(menu);
    // The spelling items, a separator, then the field's usual menu.
    const QList<QAction*> items = menu->actions();
    const qsizetype added = items.indexOf(menu->findChild<QAction*>("ZumWoerterbuch1"));
    QVERIFY(added > 0 && added + 2 < items.size());
    QVERIFY(items[added + 1]->isSeparator());
    QVERIFY(choose(menu, QStringLiteral("Vorschlag1")));
    QVERIFY2(textOf(target).contains(QStringLiteral("Das ") + suggestion + u'<'),
             qPrintable(textOf(target)));
    if (auto* text = qobject_cast<QPlainTextEdit*>(target)) {
        text->undo();
        QVERIFY(textOf(target).contains(QStringLiteral("Das Hauss<")));
    }
    // Away from a marked word, the usual menu comes alone.
    QVERIFY(!choose(openMenuAt(target, QStringLiteral("Das")), QStringLiteral("Ignorieren1")));
}

void TestSpelling::addedWordKeptAfterRestart() {
    {
        Fixture f;
        QVERIFY(dictionaryLoaded(f));
        FIND(memo, QPlainTextEdit, f, "TForm2", "Memo1");
        typeInto(memo, QStringLiteral("Quillwort Fehlr"));
        QTRY_COMPARE(markedWords(memo), (QStringList{"Quillwort", "Fehlr"}));
        QVERIFY(choose(openMenuAt(memo, QStringLiteral("Quillwort")),
                       QStringLiteral("ZumWoerterbuch1")));
        QCOMPARE(markedWords(memo), QStringList{"Fehlr"});
    }
    Fixture f;
    QVERIFY(dictionaryLoaded(f));
    FIND(field, QLineEdit, f, "TForm2", "Edit16");
    typeInto(field, QStringLiteral("Quillwort Fehlr"));
    QCOMPARE(markedWords(field), QStringList{"Fehlr"});
}

void TestSpelling::ignoredEverywhere() {
    Fixture f;
    QVERIFY(dictionaryLoaded(f));
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo1");
    FIND(source, QPlainTextEdit, f, "TForm2", "Memo2");
    typeInto(memo, QStringLiteral("Fehlr"));
    f.setSourceLines({QStringLiteral("<p>Fehlr</p>")});
    QTRY_COMPARE(markedWords(source), QStringList{"Fehlr"});
    QVERIFY(choose(openMenuAt(memo, QStringLiteral("Fehlr")), QStringLiteral("Ignorieren1")));
    QCOMPARE(markedWords(memo), QStringList());
    QTRY_COMPARE(markedWords(source), QStringList());
    // For this run only.
    QVERIFY(!QFile::exists(SpellChecker::wordListPath()));
}

void TestSpelling::switchOffRemovesMarks() {
    Fixture f;
    QVERIFY(dictionaryLoaded(f));
    FIND(toggle, QAction, f, "TForm2", "Rechtschreibung1");
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo1");
    FIND(source, QPlainTextEdit, f, "TForm2", "Memo2");
    FIND(field, QLineEdit, f, "TForm2", "Edit16");
    QVERIFY(toggle->isEnabled());
    QVERIFY(toggle->isChecked());
    typeInto(memo, QStringLiteral("Fehlr"));
    typeInto(field, QStringLiteral("Fehlr"));
    f.setSourceLines({QStringLiteral("<p>Fehlr</p>")});
    QTRY_COMPARE(markedWords(source), QStringList{"Fehlr"});

    f.trigger("TForm2", "Rechtschreibung1");
    QVERIFY(!toggle->isChecked());
    QCOMPARE(markedWords(memo), QStringList());
    QVERIFY(field->findChild<LineSpellMarks*>()->sent().isEmpty());
    QTRY_COMPARE(markedWords(source), QStringList());
    QCOMPARE(QSettings().value("Rechtschreibung/Pruefen", true).toBool(), false);
    QVERIFY(!choose(openMenuAt(memo, QStringLiteral("Fehlr")), QStringLiteral("Ignorieren1")));

    f.trigger("TForm2", "Rechtschreibung1");
    QCOMPARE(markedWords(field), QStringList{"Fehlr"});
    QTRY_COMPARE(markedWords(source), QStringList{"Fehlr"});
}

QTEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
