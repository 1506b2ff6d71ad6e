// The page "Bilder": the picture lines through the page's controls, the spacing check, the
// chooser, the size fields and New.
#include "support/Fixture.h"
#include "ui/AltLetters.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const QString kMain = QStringLiteral("TForm2");

} // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    void imageBlock_data();
    void imageBlock();
    void badSpacingChangesNothing();
    void chooser_data();
    void chooser();
    void sizeFields();
};

void TestImages::imageBlock_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");

    QTest::newRow("defaults, no text") << ""
                                       << "Edit6=strand.jpg"
                                       << "<img src=\"strand.jpg\" alt=\"\">";
    QTest::newRow("sized: width, then height")
        << ""
        << "Edit6=a.gif|Edit16=Ein Bild|CheckBox11|Edit7=100|Edit9=200"
        << "<img src=\"a.gif\" alt=\"Ein Bild\" width=\"200\" height=\"100\">";
    QTest::newRow("sizes as typed") << ""
                                    << "CheckBox11|Edit7=50%|Edit9=3cm"
                                    << "<img src=\"\" alt=\"\" width=\"3cm\" height=\"50%\">";
    QTest::newRow("size box unchecked again") << ""
                                              << "Edit6=b.png|CheckBox11|Edit7=1|CheckBox11"
                                              << "<img src=\"b.png\" alt=\"\">";
    QTest::newRow("right, one before, two after")
        << ""
        << "Edit6=c.jpg|Image42|ComboBox6=1|ComboBox5=2"
        << "<br>\n<div align=\"right\">\n<img src=\"c.jpg\" alt=\"\">\n</div>\n<br>\n<br>";
    QTest::newRow("centre released, after a save") << "<body>\n</body>\n</html>"
                                                   << "Image41|Image38"
                                                   << "<body>\n<img src=\"\" alt=\"\">";
}

void TestImages::imageBlock() {
    QFETCH(QString, existing);
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    Fixture f;
    f.setSourceLines(existing.split(u'\n', Qt::SkipEmptyParts));
    f.act(kMain, steps + "|Button5");
    QCOMPARE(f.sourceLines(), expected.split(u'\n'));
    QCOMPARE(f.statusNotice(), QStringLiteral("Bild wurde hinzugefügt"));

    // Nothing is emptied: the next press writes the same picture again.
    const QStringList block = expected.split(u'\n').mid(existing.isEmpty() ? 0 : 1);
    f.act(kMain, "Button5");
    QCOMPARE(f.sourceLines(), expected.split(u'\n') + block);
}

void TestImages::badSpacingChangesNothing() {
    Fixture f;
    const QStringList saved{"<body>", "</body>", "</html>"};
    f.setSourceLines(saved);
    f.act(kMain, "Edit6=a.jpg|ComboBox5=x|Button5|ComboBox5=0|ComboBox6=|Button5");
    QCOMPARE(f.dialogs.asked, (QStringList{"error:'x' ist kein gültiger Integerwert",
                                           "error:'' ist kein gültiger Integerwert"}));
    QCOMPARE(f.sourceLines(), saved);
    QCOMPARE(f.statusNotice(), QString());
}

void TestImages::chooser_data() {
    QTest::addColumn<QString>("answer"); // null: cancelled
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslashes") << "C:\\Bilder\\Urlaub\\strand.jpg"
                                 << "strand.jpg";
    QTest::newRow("slashes") << "/home/u/bilder/strand.jpg"
                             << "strand.jpg";
    QTest::newRow("cancelled") << QString() << "alt.jpg";
}

void TestImages::chooser() {
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    Fixture f;
    if (!answer.isNull())
        f.dialogs.answerFile(answer);
    f.act(kMain, "Edit6=alt.jpg|Image1");
    QCOMPARE(f.dialogs.asked, QStringList{"picture:"});
    FIND(name, QLineEdit, f, kMain, "Edit6");
    QCOMPARE(name->text(), expected);
}

void TestImages::sizeFields() {
    Fixture f;
    const auto shown = [&f] {
        int count = 0;
        for (const char* name : {"Label35", "Edit9", "Label36", "Edit7"}) {
            FIND_OR(field, QWidget, f, kMain, name, -1);
            count += field->isHidden() ? 0 : 1;
        }
        return count;
    };
    QCOMPARE(shown(), 0);
    f.act(kMain, "CheckBox11");
    QCOMPARE(shown(), 4);
    FIND(width, QLabel, f, kMain, "Label35");
    FIND(height, QLabel, f, kMain, "Label36");
    QCOMPARE(AltLetters::shown(width->text() + height->text()), QStringLiteral("Breite:Höhe:"));
    f.act(kMain, "CheckBox11");
    QCOMPARE(shown(), 0);
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
