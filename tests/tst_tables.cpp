#include "app/MainWindow.h"
#include "commands/CurrentFieldTracker.h"
#include "core/source/PageSource.h"
#include "support/Fixture.h"
#include "support/PageLines.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

namespace {

const QString kMain = QStringLiteral("TForm2");

// A page saved once: every table button first takes the closing tail away again.
const QStringList kSavedPage = {"<html>", "<body>", "</body>", "</html>"};

const QStringList kTableFields = {"Edit25", "Edit26", "Edit27", "Edit28",
                                  "Edit29", "Edit30", "Edit31"};

// Types into a cell of the grid as the user does: its editor opened, the text, Enter.
void typeCell(QTableWidget* grid, int row, int column, const QString& text) {
    const QModelIndex cell = grid->model()->index(row, column);
    grid->edit(cell);
    QWidget* editor = grid->indexWidget(cell);
    QVERIFY(editor);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor hands its text to the cell once the key is through.
    QCoreApplication::processEvents();
}

// The grid's texts row by row, as shown.
QList<QStringList> gridTexts(const QTableWidget* grid) {
    QList<QStringList> rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells.append(grid->model()->index(row, column).data().toString());
        rows.append(cells);
    }
    return rows;
}

} // namespace

class TestTables : public QObject {
    Q_OBJECT

private slots:
    void pieces_data();
    void pieces();
    void oneCellTableAroundText();
    void badSpacingChangesNothing_data();
    void badSpacingChangesNothing();
    void colorAssistants_data();
    void colorAssistants();
    void settingsFieldsBecomeCurrent_data();
    void settingsFieldsBecomeCurrent();
    void wholeTable_data();
    void wholeTable();
    void wholeTableIsOneUndoStep();
    void gridFollowsCounts_data();
    void gridFollowsCounts();
};

void TestTables::pieces_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("appended");
    QTest::addColumn<QString>("status");

    QTest::newRow("table with every setting")
        << QStringList{"Edit28=Yellow", "Edit29=1", "Edit30=Red", "Edit31=80%", "Button14"}
        << QStringList{R"(<table  border="1" bordercolor="Red" bgcolor="Yellow" width="80%">)"}
        << "Tabelle wurde erstellt";
    QTest::newRow("table with empty settings")
        << QStringList{"Button14"}
        << QStringList{R"(<table  border="" bordercolor="" bgcolor="" width="">)"}
        << "Tabelle wurde erstellt";
    QTest::newRow("breaks before and position at create")
        << QStringList{"ComboBox12=2", "Image62", "Edit29=0", "Button14"}
        << QStringList{"<br>", "<br>", R"(<div align="center">)",
                       R"(<table  border="0" bordercolor="" bgcolor="" width="">)"}
        << "Tabelle wurde erstellt";
    QTest::newRow("row opened") << QStringList{"ComboBox12=1", "ComboBox13=3", "Button15"}
                                << QStringList{"<tr>"} << "Reihe wurde geöffnet";
    QTest::newRow("cell with its settings")
        << QStringList{"Edit27=Silver", "Edit26=2", "Edit25=#102030", "Button16"}
        << QStringList{R"(<td bgcolor="Silver" border="2" bordercolor="#102030">)"}
        << "Zelle wurde geöffnet";
    QTest::newRow("two cells with the settings of their moment")
        << QStringList{"Edit27=Aqua", "Button16", "Edit27=Lime", "Edit26=1", "Button16"}
        << QStringList{R"(<td bgcolor="Aqua" border="" bordercolor="">)",
                       R"(<td bgcolor="Lime" border="1" bordercolor="">)"}
        << "Zelle wurde geöffnet";
    QTest::newRow("cell closed") << QStringList{"Button17"} << QStringList{"</td>"}
                                 << "Zelle wurde geschlossen";
    QTest::newRow("row closed") << QStringList{"Button18"} << QStringList{"</tr>"}
                                << "Reihe wurde geschlossen";
    QTest::newRow("end with position and breaks after")
        << QStringList{"Image63", "ComboBox12=2", "ComboBox13=1", "Button19"}
        << QStringList{"</table>", "</div>", "<br>"} << "Tabelle wurde beendet";
    QTest::newRow("centred at create and at end")
        << QStringList{"Image62", "Button14", "Button19"}
        << QStringList{R"(<div align="center">)",
                       R"(<table  border="" bordercolor="" bgcolor="" width="">)", "</table>",
                       "</div>"}
        << "Tabelle wurde beendet";
    QTest::newRow("position chosen only after create")
        << QStringList{"Button14", "Image61", "Button19"}
        << QStringList{R"(<table  border="" bordercolor="" bgcolor="" width="">)", "</table>",
                       "</div>"}
        << "Tabelle wurde beendet";
    QTest::newRow("position released before end")
        << QStringList{"Image61", "Button14", "Image66", "Button19"}
        << QStringList{R"(<div align="left">)",
                       R"(<table  border="" bordercolor="" bgcolor="" width="">)", "</table>"}
        << "Tabelle wurde beendet";
}

void TestTables::pieces() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, appended);
    QFETCH(QString, status);
    Fixture f;
    f.setSourceLines(kSavedPage);

    f.act(kMain, steps);

    QCOMPARE(f.sourceLines(), QStringList({"<html>", "<body>"}) + appended);
    QCOMPARE(f.statusNotice(), status);
    QCOMPARE(f.dialogs.asked, QStringList());
}

void TestTables::oneCellTableAroundText() {
    Fixture f;
    f.act(kMain, {"Button14", "Button15", "Button16"});
    f.windows().context().document.commit(
        {R"(<p style="font-family:Arial; font-size:12pt; color:Black">Zelle</p>)"});
    f.act(kMain, {"Button17", "Button18", "Button19"});

    QCOMPARE(f.sourceLines(),
             QStringList({R"(<table  border="" bordercolor="" bgcolor="" width="">)", "<tr>",
                          R"(<td bgcolor="" border="" bordercolor="">)",
                          R"(<p style="font-family:Arial; font-size:12pt; color:Black">Zelle</p>)",
                          "</td>", "</tr>", "</table>"}));
}

void TestTables::badSpacingChangesNothing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");

    QTest::newRow("letters before the table") << "ComboBox12"
                                              << "x"
                                              << "Button14";
    QTest::newRow("empty before the table") << "ComboBox12"
                                            << ""
                                            << "Button14";
    QTest::newRow("letters after the table") << "ComboBox13"
                                             << "1a"
                                             << "Button19";
    QTest::newRow("letters after the whole table") << "ComboBox13"
                                                   << "1a"
                                                   << "Button46";
}

void TestTables::badSpacingChangesNothing() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, button);
    Fixture f;
    f.setSourceLines(kSavedPage);

    f.act(kMain, {"Image62", "Edit29=1", box + u'=' + text, button});

    QCOMPARE(f.dialogs.asked,
             QStringList{QStringLiteral("error:'%1' ist kein gültiger Integerwert").arg(text)});
    QCOMPARE(f.sourceLines(), kSavedPage);
    QCOMPARE(f.statusNotice(), QString());
    FIND(edit29, QLineEdit, f, kMain, "Edit29");
    QCOMPARE(edit29->text(), QStringLiteral("1"));
}

void TestTables::colorAssistants_data() {
    QTest::addColumn<QString>("starter");
    QTest::addColumn<QString>("field");

    QTest::newRow("table background, button") << "Button21"
                                              << "Edit28";
    QTest::newRow("table border, button") << "Button20"
                                          << "Edit30";
    QTest::newRow("table border, picture") << "Image60"
                                           << "Edit30";
    QTest::newRow("cell border, button") << "Button22"
                                         << "Edit25";
    QTest::newRow("cell border, picture") << "Image55"
                                          << "Edit25";
    QTest::newRow("cell background, button") << "Button23"
                                             << "Edit27";
}

void TestTables::colorAssistants() {
    QFETCH(QString, starter);
    QFETCH(QString, field);
    Fixture f;
    for (const QString& name : kTableFields) {
        FIND(tableField, QLineEdit, f, kMain, name);
        typeInto(tableField, QStringLiteral("vorher"));
    }
    f.dialogs.answerColor(QColor(255, 128, 0));

    f.act(kMain, {starter});

    for (const QString& name : kTableFields) {
        FIND(tableField, QLineEdit, f, kMain, name);
        QCOMPARE(tableField->text(),
                 name == field ? QStringLiteral("#FF8000") : QStringLiteral("vorher"));
    }
    QCOMPARE(f.dialogs.asked, QStringList{QStringLiteral("color")});
}

void TestTables::settingsFieldsBecomeCurrent_data() {
    QTest::addColumn<QString>("field");
    for (const QString& name : kTableFields)
        QTest::newRow(qPrintable(name)) << name;
}

void TestTables::settingsFieldsBecomeCurrent() {
    QFETCH(QString, field);
    Fixture f;
    FIND(settingsField, QLineEdit, f, kMain, field);
    click(settingsField);
    QCOMPARE(f.windows().mainWindow().fields().CurrentFieldName(), field);
}

// The settings of the moment around a 2x2 grid: its texts as typed in a classic page, as text
// in a modern one; a cell never typed into gives an empty line.
void TestTables::wholeTable_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("appended");

    QTest::newRow("classic") << "Klassisch (HTML 4)" << lines(R"(<br>
<div align="center">
<table  border="1" bordercolor="Red" bgcolor="Yellow" width="80%">
<tr>
<td bgcolor="Silver" border="2" bordercolor="Navy">
Name
</td>
<td bgcolor="Silver" border="2" bordercolor="Navy">
<b>Preis</b> & mehr
</td>
</tr>
<tr>
<td bgcolor="Silver" border="2" bordercolor="Navy">
Anna
</td>
<td bgcolor="Silver" border="2" bordercolor="Navy">

</td>
</tr>
</table>
</div>
<br>
<br>)");
    QTest::newRow("modern") << "Modern (HTML5, auch für Handys)"
                            << lines(R"(<div class="tabelle" style="margin-top: 1.2em">
<table style="border: 1px solid Red; background-color: Yellow; width: 80%; margin-left: auto; margin-right: auto">
<tr>
<td style="background-color: Silver; border: 2px solid Navy">
Name
</td>
<td style="background-color: Silver; border: 2px solid Navy">
&lt;b&gt;Preis&lt;/b&gt; &amp; mehr
</td>
</tr>
<tr>
<td style="background-color: Silver; border: 2px solid Navy">
Anna
</td>
<td style="background-color: Silver; border: 2px solid Navy">

</td>
</tr>
</table>
</div>
<div style="height: 2.4em"></div>)");
}

void TestTables::wholeTable() {
    QFETCH(QString, kind);
    QFETCH(QStringList, appended);
    Fixture f;
    f.act(kMain, "PageKind=" + kind);
    f.setSourceLines(kSavedPage);
    FIND(grid, QTableWidget, f, kMain, "TableGrid");
    typeCell(grid, 0, 0, QStringLiteral("Name"));
    typeCell(grid, 0, 1, QStringLiteral("<b>Preis</b> & mehr"));
    typeCell(grid, 1, 0, QStringLiteral("Anna"));

    f.act(kMain, "Edit28=Yellow|Edit29=1|Edit30=Red|Edit31=80%|Image62|ComboBox12=1|ComboBox13=2|"
                 "Edit27=Silver|Edit26=2|Edit25=Navy|Button46");

    QCOMPARE(f.sourceLines(), QStringList({"<html>", "<body>"}) + appended);
    QCOMPARE(f.statusNotice(), QStringLiteral("Tabelle wurde hinzugefügt"));
    QCOMPARE(f.dialogs.asked, QStringList());
}

void TestTables::wholeTableIsOneUndoStep() {
    Fixture f;
    f.setSourceLines(kSavedPage);
    f.act(kMain, "SpinBox1=3|SpinBox2=4|Button46");
    QCOMPARE(f.sourceLines().size(), 2 + 1 + 3 * (2 + 4 * 3) + 1);

    FIND(memo, QPlainTextEdit, f, kMain, "Memo2");
    memo->undo();

    QCOMPARE(f.sourceLines(), kSavedPage);
}

// Rows and columns come and go with the counts; the cells that stay keep their texts.
void TestTables::gridFollowsCounts_data() {
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QList<QStringList>>("cells");

    QTest::newRow("more of both") << "SpinBox1=3|SpinBox2=3"
                                  << QList<QStringList>{{"a", "", ""}, {"", "b", ""}, {"", "", ""}};
    QTest::newRow("fewer columns") << "SpinBox2=1" << QList<QStringList>{{"a"}, {""}};
    QTest::newRow("shrunk and grown again")
        << "SpinBox1=1|SpinBox2=1|SpinBox1=2|SpinBox2=2" << QList<QStringList>{{"a", ""}, {"", ""}};
    QStringList fiftyColumns(50);
    fiftyColumns[0] = QStringLiteral("a");
    QTest::newRow("from 1 to 50") << "SpinBox1=0|SpinBox2=51" << QList<QStringList>{fiftyColumns};
}

void TestTables::gridFollowsCounts() {
    QFETCH(QString, counts);
    QFETCH(QList<QStringList>, cells);
    Fixture f;
    FIND(grid, QTableWidget, f, kMain, "TableGrid");
    typeCell(grid, 0, 0, QStringLiteral("a"));
    typeCell(grid, 1, 1, QStringLiteral("b"));

    f.act(kMain, counts);

    QCOMPARE(gridTexts(grid), cells);
}

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
