// The page "Text": the text block through the page's controls, the line-break key, the
// "<br>" and "&nbsp;" helpers, the position picker, the font assistant and New.
#include "support/Fixture.h"
#include "ui/FieldText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const QString kMain = QStringLiteral("TForm2");
const QString kModern = QStringLiteral("PageKind=Modern (HTML5, auch für Handys)|");
const QString kStyle =
    QStringLiteral("<p style=\"font-family:Times New Roman; font-size:12pt; color:Black\">");

// The names among the given check boxes or radio buttons that are checked.
QString checkedOf(const Fixture& f, const QStringList& names) {
    QStringList on;
    for (const QString& name : names) {
        FIND_OR(box, QAbstractButton, f, kMain, name, QString());
        if (box->isChecked())
            on.append(name);
    }
    return on.join(u'|');
}

} // namespace

class TestTextPage : public QObject {
    Q_OBJECT

private slots:
    void textBlock_data();
    void textBlock();
    void badSpacingChangesNothing();
    void enterKey_data();
    void enterKey();
    void breakAndSpace_data();
    void breakAndSpace();
    void positionPicker_data();
    void positionPicker();
    void fontAssistant_data();
    void fontAssistant();
};

void TestTextPage::textBlock_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("defaults, one word") << QString() << "Memo1=Hallo" << kStyle + "Hallo</p>";
    QTest::newRow("bold and italic, centred") << QString() << "Memo1=x|CheckBox7|CheckBox5|Image24"
        << "<div align=\"center\">\n<b>\n<i>\n" + kStyle + "x</p>\n</b>\n</i>\n</div>";
    QTest::newRow("all six, clicked backwards")
        << QString() << "CheckBox3|CheckBox2|CheckBox1|CheckBox7|CheckBox6|CheckBox5"
        << "<b>\n<u>\n<i>\n<s>\n<sup>\n<sub>\n" + kStyle +
               "</p>\n</b>\n</u>\n</i>\n</s>\n</sup>\n</sub>";
    QTest::newRow("spacing, left") << QString() << "Memo1=a|ComboBox3=2|ComboBox4=1|Image23"
        << "<br>\n<br>\n<div align=\"left\">\n" + kStyle + "a</p>\n</div>\n<br>";
    QTest::newRow("signed spacing, right")
        << QString() << "Memo1=a|ComboBox3=-2|ComboBox4=+1|Image25"
        << "<div align=\"right\">\n" + kStyle + "a</p>\n</div>\n<br>";
    QTest::newRow("lines ending with a break") << QString() << "Memo1=Zeile 1\nZeile 2\n"
        << kStyle + "Zeile 1\nZeile 2\n</p>";
    QTest::newRow("heading, bold") << QString() << "Memo1=Titel|ParagraphKind=Überschrift 2|CheckBox5"
        << "<b>\n" + QString(kStyle).replace("<p ", "<h2 ") + "Titel</h2>\n</b>";
    QTest::newRow("no-break space kept") << QString() << QString::fromUtf8("Memo1=10\u00A0km")
        << kStyle + QString::fromUtf8("10\u00A0km</p>");
    QTest::newRow("typed format, after a save") << "<body>\n</body>\n</html>"
        << "Memo1=<em>roh</em>|Edit13=Arial|ComboBox1=13|Edit11=#FF8000"
        << "<body>\n<p style=\"font-family:Arial; font-size:13pt; color:#FF8000\"><em>roh</em></p>";
    // A modern page shows what was typed, markup and breaks included.
    QTest::newRow("modern, as typed") << QString()
        << kModern + QString::fromUtf8("Memo1=<b> & 10\u00A0km\nzwei|Image24|CheckBox5|ComboBox4=1")
        << "<p style=\"font-family: 'Times New Roman'; font-size: 12pt; color: Black; "
           "text-align: center; margin-bottom: 1.2em\"><strong>&lt;b&gt; &amp; 10&nbsp;km<br>\n"
           "zwei</strong></p>";
    QTest::newRow("modern heading") << QString() << kModern + "Memo1=Kopf|ParagraphKind=Überschrift 1"
        << "<h1 style=\"font-family: 'Times New Roman'; font-size: 12pt; color: Black\">Kopf</h1>";
    // clang-format on
}

void TestTextPage::textBlock() {
    QFETCH(QString, existing);
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    Fixture f;
    f.setSourceLines(existing.split(u'\n', Qt::SkipEmptyParts));
    f.act(kMain, steps + "|Button4");
    QCOMPARE(f.sourceLines(), expected.split(u'\n'));
    QCOMPARE(f.statusNotice(), QStringLiteral("Text wurde hinzugefügt"));
    FIND(memo, QPlainTextEdit, f, kMain, "Memo1");
    QCOMPARE(memo->toPlainText(), QString());
}

void TestTextPage::badSpacingChangesNothing() {
    Fixture f;
    const QStringList saved{"<body>", "</body>", "</html>"};
    f.setSourceLines(saved);
    f.act(kMain, "Memo1=Hallo|ComboBox4=1.5|Button4|ComboBox4=0|ComboBox3=|Button4");
    QCOMPARE(f.dialogs.asked, (QStringList{"error:'1.5' ist kein gültiger Integerwert",
                                           "error:'' ist kein gültiger Integerwert"}));
    QCOMPARE(f.sourceLines(), saved);
    QCOMPARE(f.statusNotice(), QString());
    FIND(memo, QPlainTextEdit, f, kMain, "Memo1");
    QCOMPARE(memo->toPlainText(), QStringLiteral("Hallo"));
}

void TestTextPage::enterKey_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret"); // -1: at the end
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("expected");

    const int ret = Qt::Key_Return;
    const int shiftRet = (Qt::SHIFT | Qt::Key_Return).toCombined();
    // clang-format off
    QTest::newRow("word, Enter, word") << QString() << "word" << -1 << QList<int>{ret} << "word2"
                                       << "word\n<br>\nword2";
    QTest::newRow("two Enters, with Shift") << QString() << "word" << -1 << QList<int>{shiftRet, ret} << ""
                                            << "word\n<br>\n<br>\n";
    QTest::newRow("caret in the middle") << QString() << "Hallo Welt" << 5 << QList<int>{ret} << "!"
                                         << "Hallo Welt\n<br>\n!";
    QTest::newRow("empty field, keypad Enter") << QString() << "" << -1 << QList<int>{int(Qt::Key_Enter)} << ""
                                               << "<br>\n";
    QTest::newRow("other keys") << QString() << "a" << -1 << QList<int>{int(Qt::Key_Space)} << "b"
                                << "a b";
    // In a modern page the key breaks the line where the caret stands.
    QTest::newRow("modern, in the middle") << kModern << "Hallo Welt" << 5 << QList<int>{ret}
                                           << "!" << "Hallo\n! Welt";
    // clang-format on
}

void TestTextPage::enterKey() {
    QFETCH(QString, kind);
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QList<int>, keys);
    QFETCH(QString, after);
    QFETCH(QString, expected);
    Fixture f;
    if (!kind.isEmpty())
        f.act(kMain, kind.chopped(1));
    FIND(memo, QPlainTextEdit, f, kMain, "Memo1");
    QTest::keyClicks(memo, before);
    if (caret >= 0) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(caret);
        memo->setTextCursor(cursor);
    }
    for (int key : keys)
        QTest::keyClick(memo, Qt::Key(key & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QTest::keyClicks(memo, after);
    QCOMPARE(memo->toPlainText(), expected);
}

void TestTextPage::breakAndSpace_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("Enter picture after text") << "Text" << "Image2" << "Text\n<br>";
    QTest::newRow("space after a last empty line") << "Text\n" << "Label61" << "Text\n&nbsp;";
    // A modern page takes a break or a space at the end of the text, on its last line.
    QTest::newRow("modern break") << "Text" << kModern + "Image2" << "Text\n";
    QTest::newRow("modern space") << "Text\nzwei" << kModern + "Label61"
                                  << QString::fromUtf8("Text\nzwei\u00A0");
    // clang-format on
}

void TestTextPage::breakAndSpace() {
    QFETCH(QString, before);
    QFETCH(QString, control);
    QFETCH(QString, expected);
    Fixture f;
    FIND(memo, QPlainTextEdit, f, kMain, "Memo1");
    typeInto(memo, before);
    memo->moveCursor(QTextCursor::Start);
    f.act(kMain, control);
    QCOMPARE(FieldText(*memo), expected);
    QCOMPARE(memo->textCursor().position(), expected.size());
}

void TestTextPage::positionPicker_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("pressed"); // the pressed picture shown and the radio button
    // clang-format off
    QTest::newRow("left") << "Image23" << "Image26|RadioButton9";
    QTest::newRow("left, then right") << "Image23|Image25" << "Image28|RadioButton11";
    QTest::newRow("right released again") << "Image25|Image28" << "";
    QTest::newRow("released, centre chosen") << "Image24|Image27|Image24"
                                             << "Image27|RadioButton10";
    // clang-format on
}

void TestTextPage::positionPicker() {
    QFETCH(QString, clicks);
    QFETCH(QString, pressed);
    Fixture f;
    f.act(kMain, clicks);
    // The released pictures stay under their pressed twins.
    for (const char* name : {"Image23", "Image24", "Image25"}) {
        FIND(released, QWidget, f, kMain, name);
        QVERIFY(!released->isHidden());
    }
    QStringList state;
    for (const char* name : {"Image26", "Image27", "Image28"}) {
        FIND(pressedTwin, QWidget, f, kMain, name);
        if (!pressedTwin->isHidden())
            state.append(QString::fromLatin1(name));
    }
    const QString radio = checkedOf(f, {"RadioButton9", "RadioButton10", "RadioButton11"});
    if (!radio.isEmpty())
        state.append(radio);
    QCOMPARE(state.join(u'|'), pressed);
}

void TestTextPage::fontAssistant_data() {
    QTest::addColumn<QString>("starter");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<FontChoice>("font");
    QTest::addColumn<QString>("expected"); // Edit13|ComboBox1|Edit11|checked boxes

    QTest::newRow("bold italic 14, red")
        << "Button6" << true << FontChoice{"Arial", 14, true, true, false, false, Qt::red}
        << "Arial|14|Red|CheckBox5|CheckBox7|CheckBox2";
    QTest::newRow("underline, strike-out, 72, font picture")
        << "Image29" << true
        << FontChoice{"Verdana", 72, false, false, true, true, QColor(0x80, 0x80, 0)}
        << "Verdana|72|Olive|CheckBox6|CheckBox1|CheckBox2";
    QTest::newRow("cancelled, colour picture")
        << "Image30" << false << FontChoice{} << "Courier|9|Navy|CheckBox2";
}

void TestTextPage::fontAssistant() {
    QFETCH(QString, starter);
    QFETCH(bool, answered);
    QFETCH(FontChoice, font);
    QFETCH(QString, expected);
    Fixture f;
    f.act(kMain, "Edit13=Courier|ComboBox1=9|Edit11=Navy|CheckBox5|CheckBox6|CheckBox7|CheckBox1|"
                 "CheckBox2");
    if (answered)
        f.dialogs.answerFont(font);
    f.act(kMain, starter);
    QCOMPARE(f.dialogs.asked, QStringList{"font"});
    FIND(fontName, QLineEdit, f, kMain, "Edit13");
    FIND(fontSize, QComboBox, f, kMain, "ComboBox1");
    FIND(fontColor, QLineEdit, f, kMain, "Edit11");
    QCOMPARE(QStringList({fontName->text(), fontSize->currentText(), fontColor->text(),
                          checkedOf(f, {"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox1",
                                        "CheckBox2", "CheckBox3"})})
                 .join(u'|'),
             expected);
}

QTEST_MAIN(TestTextPage)
#include "tst_textpage.moc"
