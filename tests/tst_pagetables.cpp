// The main window's tables that span every tab page: which fields each New empties, which
// fields the edit commands follow, and which labels and fields explain themselves.
#include "app/MainWindow.h"
#include "commands/CurrentFieldTracker.h"
#include "support/Fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {

const QString kMain = QStringLiteral("TForm2");

// Emptied by both New commands.
const QStringList kEmptiedByBoth = {"Edit1",  "Edit2",  "Edit4",  "Memo1",  "Edit6",  "Edit7",
                                    "Edit9",  "Edit16", "Edit3",  "Edit19", "Edit20", "Edit21",
                                    "Edit22", "Edit23", "Edit24", "Memo2"};
// Given the font and colour a page starts with by both New commands.
const QList<std::pair<const char*, const char*>> kStartedAnew = {{"Edit13", "Times New Roman"},
                                                                 {"Edit15", "Times New Roman"},
                                                                 {"Edit11", "Black"},
                                                                 {"Edit17", "Black"}};
// Emptied by the menu's "Neu" only; the toolbar's New keeps them.
const QStringList kEmptiedByMenuOnly = {"Edit10", "Edit33", "Edit35", "Memo3",  "Edit5",  "Edit25",
                                        "Edit26", "Edit27", "Edit28", "Edit29", "Edit30", "Edit31",
                                        "Edit36", "Memo4",  "Memo5",  "Memo7"};

QWidget* clickTarget(QWidget* field) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        return memo->viewport();
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        return combo->lineEdit();
    return field;
}

} // namespace

class TestPageTables : public QObject {
    Q_OBJECT

private slots:
    void newEmpties_data();
    void newEmpties();
    void trackedFields_data();
    void trackedFields();
    void explanations_data();
    void explanations();
};

void TestPageTables::newEmpties_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("menu") << "Neu" << kEmptiedByBoth + kEmptiedByMenuOnly << QStringList();
    QTest::newRow("toolbar") << "Image6" << kEmptiedByBoth << kEmptiedByMenuOnly;
}

void TestPageTables::newEmpties() {
    QFETCH(QString, command);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, kept);
    Fixture f;
    for (const QString& name : emptied + kept) {
        FIND(field, QWidget, f, kMain, name);
        typeInto(field, QStringLiteral("x"));
    }
    for (const auto& [name, text] : kStartedAnew) {
        FIND(field, QWidget, f, kMain, name);
        typeInto(field, QStringLiteral("x"));
    }
    f.startPage();
    if (command == QLatin1String("Image6"))
        click(f.control(kMain, command));
    else
        f.trigger(kMain, command);
    f.confirmDiscard();
    for (const QString& name : emptied) {
        FIND(field, QWidget, f, kMain, name);
        QVERIFY2(textOf(field).isEmpty(), qPrintable(name));
    }
    for (const QString& name : kept) {
        FIND(field, QWidget, f, kMain, name);
        QVERIFY2(textOf(field) == QLatin1String("x"), qPrintable(name));
    }
    for (const auto& [name, text] : kStartedAnew) {
        FIND(field, QLineEdit, f, kMain, name);
        QCOMPARE(field->text(), QString::fromLatin1(text));
    }
    // The new page begins with its settings, and the switch there shows no warning.
    FIND(pages, QTabWidget, f, kMain, "PageControl1");
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(!f.window("TForm11")->isVisible());
}

void TestPageTables::trackedFields_data() {
    QTest::addColumn<QString>("field");
    const QStringList tracked = {
        "Edit1",  "Edit2",  "Edit4",  "Edit10", "Edit33", "Edit35", "Memo3",  "Memo1",  "Edit11",
        "Edit13", "Edit6",  "Edit7",  "Edit9",  "Edit16", "Edit3",  "Edit15", "Edit17", "Edit19",
        "Edit20", "Edit21", "Edit22", "Edit23", "Edit24", "Edit5",  "Edit25", "Edit26", "Edit27",
        "Edit28", "Edit29", "Edit30", "Edit31", "Edit36", "Memo4",  "Memo2"};
    for (const QString& name : tracked)
        QTest::newRow(qPrintable(name)) << name;
}

void TestPageTables::trackedFields() {
    QFETCH(QString, field);
    Fixture f;
    CurrentFieldTracker& tracker = f.windows().mainWindow().fields();
    FIND(widget, QWidget, f, kMain, field);
    FIND(other, QWidget, f, kMain, field == QLatin1String("Edit1") ? "Edit2" : "Edit1");
    typeInto(widget, QStringLiteral("zwanzig Zeichen Text"));
    QCOMPARE(tracker.CurrentFieldName(), field);
    // Another field becomes current; a click makes this one current again.
    typeInto(other, QStringLiteral("y"));
    QTest::mouseClick(clickTarget(widget), Qt::LeftButton);
    QCOMPARE(tracker.CurrentFieldName(), field);
    // "Löschen" empties the whole field, shown or not.
    f.trigger(kMain, "Lschen1");
    QVERIFY(textOf(widget).isEmpty());
}

void TestPageTables::explanations_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    const QString font =
        QStringLiteral("Sie können hier die Schriftart eingeben. Sie können "
                       "diese aber auch mit dem Formatierungsassistenten auswählen.");
    const QString color =
        QStringLiteral("Sie können hier die Schriftfarbe eingeben. Sie können "
                       "diese aber auch mit dem Formatierungsassistenten auswählen.");
    const QString position = QStringLiteral("Hier können Sie die Position des Objektes angeben.");
    const QString before = QStringLiteral("Sie können hier den Abstand vor dem Objekt eingeben.");
    const QString after = QStringLiteral("Sie können hier den Abstand nach dem Objekt eingeben.");
    QTest::newRow("Edit1") << "Edit1"
                           << "Hier den Titel der Seite eingeben.";
    QTest::newRow("Label7")
        << "Label7"
        << "Hier können Sie den Text eingeben, der auf der Webseite dargestellt "
           "werden soll.";
    QTest::newRow("Label27") << "Label27"
                             << "Hier können Sie die Betonung (Fett, Kursiv, Unterstrichen usw.) "
                                "angeben. Sie können dies aber auch mit dem "
                                "Formatierungsassistenten auswählen.";
    for (const char* item : {"Label21", "Label23", "Edit15", "Image31"})
        QTest::newRow(item) << item << font;
    for (const char* item : {"Label13", "Label24", "Edit17", "Image32"})
        QTest::newRow(item) << item << color;
    for (const char* item : {"Label29", "Label43", "Label45", "Label53", "Label70"})
        QTest::newRow(item) << item << position;
    for (const char* item : {"Label6", "Label4", "ComboBox7", "Label47", "ComboBox9", "Label59",
                             "ComboBox12", "Label68", "ComboBox17"})
        QTest::newRow(item) << item << before;
    for (const char* item : {"Label33", "ComboBox8", "Label46", "ComboBox10", "Label60",
                             "ComboBox13", "Label69", "ComboBox18"})
        QTest::newRow(item) << item << after;
}

void TestPageTables::explanations() {
    QFETCH(QString, item);
    QFETCH(QString, text);
    Fixture f;
    // A first explanation, then this one: the one window shows the new text in front.
    FIND(title, QWidget, f, kMain, "Edit1");
    FIND(explained, QWidget, f, kMain, item);
    QTest::mouseDClick(title, Qt::LeftButton);
    QTest::mouseDClick(clickTarget(explained), Qt::LeftButton);
    QWidget* window = f.window(QStringLiteral("Explanation"));
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Erklärung"));
    FIND(explanation, QLabel, f, "Explanation", "ExplanationText");
    QCOMPARE(explanation->text(), text);
    QVERIFY(!window->isModal());
}

QTEST_MAIN(TestPageTables)
#include "tst_pagetables.moc"
