// The shared format pieces on their own: colour names, the spacing box's number and every
// style combination of the font assistant.
#include "generators/Assistants.h"
#include "generators/SpacingBox.h"
#include "platform/ColorFieldText.h"
#include "platform/DialogObjects.h"
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
};

void TestTextFormat::colorFieldText_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blue") << QColor(0, 0, 255) << "Blue";
    QTest::newRow("money green") << QColor(192, 220, 192) << "MoneyGreen";
    QTest::newRow("medium grey") << QColor(0xA0, 0xA0, 0xA4) << "MedGray";
    QTest::newRow("one off money green") << QColor(192, 220, 193) << "#C0DCC1";
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
    ScriptedDialogs dialogs;
    QWidget page;
    QComboBox* box = SpacingBox::create(&page, "ComboBox3", QRect(0, 0, 60, 24));
    QCOMPARE(box->currentText(), QStringLiteral("0"));
    box->setEditText(text);
    const std::optional<int> value = SpacingBox::read(*box, dialogs);
    QCOMPARE(value ? QString::number(*value) : dialogs.asked.join(u'|'), expected);
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

QTEST_MAIN(TestTextFormat)
#include "tst_textformat.moc"
