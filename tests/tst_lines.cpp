#include "support/Fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const QString kMain = QStringLiteral("TForm2");

// Sets a box's text as typed; an empty text leaves the box as it is.
void typeIfGiven(const Fixture& f, const char* name, const QString& text) {
    if (!text.isEmpty())
        f.act(kMain, QStringList{QLatin1String(name) + u'=' + text});
}

} // namespace

class TestLines : public QObject {
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void colorAssistant_data();
    void colorAssistant();
    void badSpacingChangesNothing_data();
    void badSpacingChangesNothing();
};

void TestLines::rule_data() {
    // An item index of -1 leaves the width to the typed text; an empty text leaves a box as
    // it is; an invalid colour means no colour chosen.
    QTest::addColumn<int>("widthItem");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("positionClicks");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("block");
    const QString none;
    QTest::newRow("defaults") << -1 << none << none << QColor() << none << none << none
                              << R"(<hr color="" size="1" width="25%">)";
    QTest::newRow("red, 3, 500 pixels") << 11 << none << "3" << QColor(Qt::red) << none << none
                                        << none << R"(<hr color="Red" size="3" width="500">)";
    QTest::newRow("first item") << 0 << none << "9" << QColor(0x10, 0x20, 0x30) << none << none
                                << none << R"(<hr color="#102030" size="9" width="5%">)";
    QTest::newRow("first empty item") << 5 << none << none << QColor() << none << none << none
                                      << R"(<hr color="" size="1" width="">)";
    QTest::newRow("last empty item") << 12 << none << none << QColor() << none << none << none
                                     << R"(<hr color="" size="1" width="">)";
    QTest::newRow("long typed width and thickness")
        << -1 << "1234567px"
        << "12345" << QColor() << none << none << none
        << R"(<hr color="" size="12345" width="1234567px">)";
    QTest::newRow("centred, one break before and after")
        << -1 << none << none << QColor() << "Image47"
        << "1"
        << "1"
        << R"(<br>
<div align="center">
<hr color="" size="1" width="25%">
</div>
<br>)";
    QTest::newRow("left, then right") << 9 << none << "2" << QColor(Qt::blue) << "Image46 Image48"
                                      << "2"
                                      << "-1"
                                      << R"(<br>
<br>
<div align="right">
<hr color="Blue" size="2" width="100">
</div>)";
    QTest::newRow("right released again") << -1 << none << none << QColor() << "Image48 Image45"
                                          << "0"
                                          << "3"
                                          << R"(<hr color="" size="1" width="25%">
<br>
<br>
<br>)";
}

void TestLines::rule() {
    QFETCH(int, widthItem);
    QFETCH(QString, width);
    QFETCH(QString, thickness);
    QFETCH(QColor, color);
    QFETCH(QString, positionClicks);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, block);
    Fixture f;
    if (widthItem >= 0) {
        FIND(widthBox, QComboBox, f, kMain, "ComboBox15");
        widthBox->setCurrentIndex(widthItem);
    }
    typeIfGiven(f, "ComboBox15", width);
    typeIfGiven(f, "ComboBox16", thickness);
    if (color.isValid()) {
        f.dialogs.answerColor(color);
        f.act(kMain, "Button3");
    }
    f.act(kMain, positionClicks.split(u' ', Qt::SkipEmptyParts));
    typeIfGiven(f, "ComboBox9", before);
    typeIfGiven(f, "ComboBox10", after);
    f.act(kMain, "Button13");
    QCOMPARE(f.sourceLines(), block.split(u'\n'));
    QCOMPARE(f.statusNotice(), QStringLiteral("Linie wurde hinzugefügt"));
}

void TestLines::colorAssistant_data() {
    QTest::addColumn<QString>("starter");
    QTest::addColumn<QColor>("color"); // invalid: cancelled
    QTest::addColumn<QString>("result");
    QTest::newRow("button, no HTML name") << "Button3" << QColor(0xC0, 0xDC, 0xC0) << "#C0DCC0";
    QTest::newRow("picture, hexadecimal") << "Image35" << QColor(255, 128, 0) << "#FF8000";
    QTest::newRow("picture, cancelled") << "Image35" << QColor() << "Silver";
}

void TestLines::colorAssistant() {
    QFETCH(QString, starter);
    QFETCH(QColor, color);
    QFETCH(QString, result);
    Fixture f;
    FIND(colour, QLineEdit, f, kMain, "Edit5");
    typeInto(colour, QStringLiteral("Silver"));
    if (color.isValid())
        f.dialogs.answerColor(color);
    else
        f.dialogs.answerCancel();
    f.act(kMain, QStringList{starter});
    QCOMPARE(f.dialogs.asked, QStringList{"color"});
    QCOMPARE(colour->text(), result);
}

void TestLines::badSpacingChangesNothing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("before x") << "ComboBox9"
                              << "x";
    QTest::newRow("before empty") << "ComboBox9"
                                  << "";
    QTest::newRow("after 2a") << "ComboBox10"
                              << "2a";
}

void TestLines::badSpacingChangesNothing() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    Fixture f;
    const QStringList saved = {"<html>", "<body>", "</body>", "</html>"};
    f.setSourceLines(saved);
    f.act(kMain, "Image47");
    f.act(kMain, QStringList{box + u'=' + text});
    f.act(kMain, "Button13");
    QCOMPARE(f.sourceLines(), saved);
    QCOMPARE(f.statusNotice(), QString());
    QCOMPARE(f.dialogs.asked,
             QStringList{QStringLiteral("error:'%1' ist kein gültiger Integerwert").arg(text)});
}

QTEST_MAIN(TestLines)
#include "tst_lines.moc"
