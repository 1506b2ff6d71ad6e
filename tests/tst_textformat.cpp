// The shared format pieces on their own: colour names, the spacing box's number, every
// style combination of the font assistant, and the format box of every page.
#include "core/platform/ColorFieldText.h"
#include "generators/Assistants.h"
#include "generators/SpacingBox.h"
#include "generators/TextFormatBox.h"
#include "platform/DialogObjects.h"
#include "support/Fixture.h"
#include "support/ScriptedDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class TestTextFormat : public QObject {
    Q_OBJECT

private slots:
    void colorFieldText_data();
    void colorFieldText();
    void spacingBoxNumber_data();
    void spacingBoxNumber();
    void fontAssistantStyles_data();
    void fontAssistantStyles();
    void formatBoxOfEveryPage_data();
    void formatBoxOfEveryPage();
};

void TestTextFormat::colorFieldText_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blue") << QColor(0, 0, 255) << "Blue";
    QTest::newRow("no HTML name: green-grey") << QColor(192, 220, 192) << "#C0DCC0";
    QTest::newRow("no HTML name: medium grey") << QColor(0xA0, 0xA0, 0xA4) << "#A0A0A4";
    QTest::newRow("one off silver") << QColor(192, 192, 193) << "#C0C0C1";
    QTest::newRow("upper-case digits") << QColor(255, 128, 0) << "#FF8000";
    QTest::newRow("leading zeros") << QColor(1, 2, 10) << "#01020A";
}

void TestTextFormat::colorFieldText() {
    QFETCH(QColor, color);
    QFETCH(QString, expected);
    QCOMPARE(ColorFieldText(color), expected);
}

void TestTextFormat::spacingBoxNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // the number, or the error shown
    const QString refused = QStringLiteral("error:'%1' ist kein gültiger Integerwert");
    QTest::newRow("three digits") << "123"
                                  << "123";
    QTest::newRow("minus") << "-2"
                           << "-2";
    QTest::newRow("plus") << "+3"
                          << "3";
    QTest::newRow("letter") << "x" << refused.arg("x");
    QTest::newRow("empty") << "" << refused.arg("");
    QTest::newRow("decimal") << "1.5" << refused.arg("1.5");
    QTest::newRow("hexadecimal") << "0x1" << refused.arg("0x1");
}

void TestTextFormat::spacingBoxNumber() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QWidget page;
    QComboBox* box = SpacingBox::create(&page, "ComboBox3");
    QCOMPARE(box->currentText(), QStringLiteral("0"));
    box->setEditText(text);
    const Expected<int> value = SpacingBox::read(*box);
    QCOMPARE(value.ok() ? QString::number(value.value) : QStringLiteral("error:") + value.error,
             expected);
}

void TestTextFormat::fontAssistantStyles_data() {
    QTest::addColumn<int>("styles"); // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    for (int styles = 0; styles < 16; ++styles)
        QTest::addRow("styles %d", styles) << styles;
}

void TestTextFormat::fontAssistantStyles() {
    QFETCH(int, styles);
    ScriptedDialogs dialogs;
    FontDialogObject dialog(dialogs);
    QWidget page;
    QLineEdit name(&page);
    QComboBox size(&page);
    size.setEditable(true);
    QLineEdit color(QStringLiteral("Navy"), &page);
    QCheckBox bold(&page), underline(&page), italic(&page), strikeOut(&page);
    for (QCheckBox* box : {&bold, &underline, &italic, &strikeOut})
        box->setChecked(true);
    dialogs.answerFont({QStringLiteral("Georgia"), 26, (styles & 1) != 0, (styles & 2) != 0,
                        (styles & 4) != 0, (styles & 8) != 0, QColor(0x80, 0, 0x80)});
    Assistants::runFontAssistant(dialog,
                                 {&name, &size, &bold, &underline, &italic, &strikeOut, &color});
    QCOMPARE(name.text() + size.currentText() + color.text(), QStringLiteral("Georgia26Purple"));
    QCOMPARE(bold.isChecked(), (styles & 1) != 0);
    QCOMPARE(italic.isChecked(), (styles & 2) != 0);
    QCOMPARE(underline.isChecked(), (styles & 4) != 0);
    QCOMPARE(strikeOut.isChecked(), (styles & 8) != 0);
}

void TestTextFormat::formatBoxOfEveryPage_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("page");
    // Font, size, colour and the six emphasis boxes in their order (none without a font
    // part), then the centre picture and the spacing before and after.
    QTest::addColumn<QStringList>("controls");
    const QStringList fontless = {"", "", "", "", "", "", "", "", ""};
    QTest::newRow("Text") << "TForm2"
                          << "TabSheet2"
                          << QStringList{"Edit13",    "ComboBox1", "Edit11",    "CheckBox5",
                                         "CheckBox6", "CheckBox7", "CheckBox1", "CheckBox2",
                                         "CheckBox3", "Image24",   "ComboBox3", "ComboBox4"};
    QTest::newRow("Links") << "TForm2"
                           << "TabSheet3"
                           << QStringList{"Edit15",     "ComboBox2",  "Edit17",     "CheckBox8",
                                          "CheckBox9",  "CheckBox10", "CheckBox12", "CheckBox13",
                                          "CheckBox14", "Image50",    "ComboBox7",  "ComboBox8"};
    QTest::newRow("Entscheidungsfrage")
        << "TForm5"
        << "TabSheet2" << QStringList{"Edit15",    "ComboBox1", "Edit16",    "CheckBox5",
                                      "CheckBox6", "CheckBox7", "CheckBox1", "CheckBox2",
                                      "CheckBox3", "Image41",   "ComboBox7", "ComboBox8"};
    QTest::newRow("Checkbox Fragen")
        << "TForm5"
        << "TabSheet3" << QStringList{"Edit19",     "ComboBox2", "Edit20",     "CheckBox4",
                                      "CheckBox8",  "CheckBox9", "CheckBox10", "CheckBox11",
                                      "CheckBox12", "Image10",   "ComboBox9",  "ComboBox10"};
    QTest::newRow("Formularfeld") << "TForm5"
                                  << "TabSheet4"
                                  << QStringList{"Edit28",     "ComboBox3",  "Edit29",
                                                 "CheckBox19", "CheckBox20", "CheckBox21",
                                                 "CheckBox22", "CheckBox23", "CheckBox24",
                                                 "Image16",    "ComboBox11", "ComboBox12"};
    QTest::newRow("Einzeiliges Eingabefeld")
        << "TForm5"
        << "TabSheet5" << QStringList{"Edit25",     "ComboBox5",  "Edit24",     "CheckBox13",
                                      "CheckBox14", "CheckBox15", "CheckBox16", "CheckBox17",
                                      "CheckBox18", "Image22",    "ComboBox13", "ComboBox14"};
    QTest::newRow("Auswahlliste") << "TForm5"
                                  << "TabSheet6"
                                  << QStringList{"Edit32",     "ComboBox4",  "Edit33",
                                                 "CheckBox25", "CheckBox26", "CheckBox27",
                                                 "CheckBox28", "CheckBox29", "CheckBox30",
                                                 "Image28",    "ComboBox15", "ComboBox16"};
    QTest::newRow("Buttons") << "TForm5"
                             << "TabSheet7"
                             << fontless + QStringList{"Image36", "ComboBox17", "ComboBox18"};
}

// The same control states give the same format on every page, each emphasis box in its place.
void TestTextFormat::formatBoxOfEveryPage() {
    QFETCH(QString, window);
    QFETCH(QString, page);
    QFETCH(QStringList, controls);
    Fixture f;
    FIND(tabPage, QWidget, f, window, page);
    auto* box = tabPage->findChild<TextFormatBox*>();
    QVERIFY(box);
    const bool hasFont = !controls[0].isEmpty();
    if (hasFont)
        f.act(window, {controls[0] + "=Arial", controls[1] + "=14", controls[2] + "=Red"});
    f.act(window, {controls[9], controls[10] + "=1", controls[11] + "=2"});
    const auto read = [&] {
        const Expected<TextFormat> read = box->format();
        if (!read.ok())
            return QStringLiteral("none");
        const TextFormat* format = &read.value;
        const Emphasis& e = format->emphasis;
        QString flags;
        for (bool on : {e.bold, e.underline, e.italic, e.strikeOut, e.superscript, e.subscript})
            flags += on ? u'x' : u'-';
        return QStringList{format->fontName,
                           format->fontSize,
                           format->fontColor,
                           flags,
                           QString::number(int(format->placement.position)),
                           QString::number(format->placement.breaksBefore),
                           QString::number(format->placement.breaksAfter)}
            .join(u'|');
    };
    const QString font = hasFont ? QStringLiteral("Arial|14|Red|") : QStringLiteral("|||");
    const QString placement = QStringLiteral("|%1|1|2").arg(int(Position::Center));
    QCOMPARE(read(), font + "------" + placement);
    for (int i = 0; hasFont && i < 6; ++i) {
        FIND(emphasis, QCheckBox, f, window, controls[3 + i]);
        emphasis->setChecked(true);
        QString flags(6, u'-');
        flags[i] = u'x';
        QCOMPARE(read(), font + flags + placement);
        emphasis->setChecked(false);
    }
    QVERIFY(f.dialogs.asked.isEmpty());
}

QTEST_MAIN(TestTextFormat)
#include "tst_textformat.moc"
