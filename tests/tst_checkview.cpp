// The page check as the user meets it: the findings list under the page source, the summary in
// the status bar, "Seite prüfen" (F7), and the same in the post-editor.
#include "app/MainWindow.h"
#include "commands/CurrentFieldTracker.h"
#include "support/Fixture.h"
#include "ui/AltLetters.h"
#include "ui/ClickableLabel.h"
#include "ui/PageCheckView.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThreadPool>

class TestCheckView : public QObject {
    Q_OBJECT

private slots:
    void summary_data();
    void summary();
    void findingAppearsAndGoesAsTheUserEdits();
    void enterGoesToTheLine();
    void f7ShowsTheSourceAndChecks();
    void postEditorHasItsOwnList();
    void pageRowGoesToTheMendingPage();
    void aPageOfEveryElementIsInOrder();
    void statusStaysAcrossStatusMessages();
    void openedPageIsCheckedWithItsFolder();
    void longListsAreCut_data();
    void longListsAreCut();
    void largePagesAreCheckedBeside();

private:
    static QString status(const Fixture& f, const char* window) {
        FIND_OR(label, ClickableLabel, f, window, "CheckStatus", QString());
        return label->text();
    }
};

void TestCheckView::summary_data() {
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("hints");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << 0 << "Seite in Ordnung";
    QTest::newRow("empty page") << 0 << -1 << "Seite leer";
    QTest::newRow("one error") << 1 << 0 << "1 Fehler";
    QTest::newRow("two errors") << 2 << 0 << "2 Fehler";
    QTest::newRow("one hint") << 0 << 1 << "1 Hinweis";
    QTest::newRow("three hints") << 0 << 3 << "3 Hinweise";
    QTest::newRow("both") << 1 << 2 << "1 Fehler, 2 Hinweise";
    QTest::newRow("a thousand errors") << 1000 << 0 << "1000 Fehler";
    QTest::newRow("more than a thousand") << 1001 << 3 << "1.000+ Fehler, 3 Hinweise";
}

void TestCheckView::summary() {
    QFETCH(int, errors);
    QFETCH(int, hints);
    QFETCH(QString, text);
    QList<Finding> findings;
    const auto add = [&](Finding::Kind kind, bool emptyPage = false) {
        Finding finding;
        finding.kind = kind;
        finding.emptyPage = emptyPage;
        findings.append(finding);
    };
    for (int i = 0; i < errors; ++i)
        add(Finding::Kind::Fehler);
    for (int i = 0; i < hints; ++i)
        add(Finding::Kind::Hinweis);
    if (hints < 0) // the one hint of an empty page
        add(Finding::Kind::Hinweis, true);
    QCOMPARE(CheckSummary(findings), text);
}

void TestCheckView::findingAppearsAndGoesAsTheUserEdits() {
    Fixture f;
    f.startPage();
    const QStringList page = f.sourceLines();
    QCOMPARE(status(f, "TForm2"), QStringLiteral("Seite leer"));
    // An add is checked at once.
    f.windows().context().document.commit({QStringLiteral("<table>")});
    QCOMPARE(status(f, "TForm2"), QStringLiteral("1 Fehler"));
    FIND(findings, QListWidget, f, "TForm2", "FindingsList");
    QCOMPARE(findings->count(), 1);
    QVERIFY(findings->item(0)->text().startsWith(
        QStringLiteral("Zeile %1 – Fehler: ").arg(page.size() + 1)));
    // Typing is checked once the user stops.
    f.setSourceLines(page + QStringList{"<table>", "</table>"});
    QTRY_COMPARE(status(f, "TForm2"), QStringLiteral("Seite in Ordnung"));
    QVERIFY(findings->isHidden());
}

void TestCheckView::enterGoesToTheLine() {
    Fixture f;
    f.startPage();
    f.windows().context().document.commit({QStringLiteral("<p>eins</p>"), QStringLiteral("<b>")});
    typeInto(f.control("TForm2", "Edit1"), QString());
    FIND(findings, QListWidget, f, "TForm2", "FindingsList");
    findings->setCurrentRow(0);
    QTest::keyClick(findings, Qt::Key_Return);
    FIND(memo, QPlainTextEdit, f, "TForm2", "Memo2");
    QCOMPARE(memo->textCursor().blockNumber() + 1, f.sourceLines().size());
    QCOMPARE(f.windows().mainWindow().fields().CurrentFieldName(), QStringLiteral("Memo2"));
}

void TestCheckView::f7ShowsTheSourceAndChecks() {
    Fixture f;
    // No general settings yet: the program's own switch shows no tab warning.
    f.trigger("TForm2", "Seiteprfen1");
    QCOMPARE(f.windows().mainWindow().pageControl().currentWidget()->objectName(),
             QStringLiteral("TabSheet5"));
    QVERIFY(!f.window("TForm11")->isVisible());
    QCOMPARE(status(f, "TForm2"), QStringLiteral("Seite leer"));
    auto* f7 = f.window("TForm2")->findChild<QAction*>("Seiteprfen1");
    QCOMPARE(f7->shortcut(), QKeySequence(Qt::Key_F7));
}

void TestCheckView::postEditorHasItsOwnList() {
    Fixture f;
    typeInto(f.control("TForm7", "Memo1"), QStringLiteral("<b>fett\n"));
    f.trigger("TForm7", "Seiteprfen1");
    QCOMPARE(status(f, "TForm7"), QStringLiteral("1 Fehler"));
    FIND(findings, QListWidget, f, "TForm7", "FindingsList");
    QCOMPARE(findings->count(), 1);
    // The main window's check is its own.
    QCOMPARE(status(f, "TForm2"), QStringLiteral("Seite leer"));
}

void TestCheckView::pageRowGoesToTheMendingPage() {
    Fixture f;
    // An entry added before a list was begun; no general settings yet.
    f.setSourceLines({QStringLiteral("<li>eins</li>")});
    f.trigger("TForm2", "Seiteprfen1");
    FIND(findings, QListWidget, f, "TForm2", "FindingsList");
    QCOMPARE(findings->count(), 2);
    QCOMPARE(findings->item(1)->text(), QStringLiteral("Zur Seite „Listen“"));
    findings->setCurrentRow(1);
    QTest::keyClick(findings, Qt::Key_Return);
    const QTabWidget& tabs = f.windows().mainWindow().pageControl();
    QCOMPARE(AltLetters::shown(tabs.tabText(tabs.currentIndex())), QStringLiteral("Listen"));
    QVERIFY(!f.window("TForm11")->isVisible());
    // The post-editor has no pages to go to.
    typeInto(f.control("TForm7", "Memo1"), QStringLiteral("<li>eins</li>\n"));
    f.trigger("TForm7", "Seiteprfen1");
    FIND(postEditorFindings, QListWidget, f, "TForm7", "FindingsList");
    QCOMPARE(postEditorFindings->count(), 1);
}

void TestCheckView::aPageOfEveryElementIsInOrder() {
    Fixture f;
    f.startPage();
    QTabWidget& tabs = f.windows().mainWindow().pageControl();
    auto onTab = [&](int tab, const QString& steps) {
        tabs.setCurrentIndex(tab);
        f.act("TForm2", steps);
    };
    onTab(1, "Memo1=Grüße aus Köln|CheckBox1|Button4");
    onTab(2, "Edit6=bild.jpg|Edit16=Ein Bild|Button5");
    onTab(3, "Edit20=Zur Seite|Edit19=seite.html|Button1");
    onTab(4, "Button13");
    onTab(5, "Button14|Button15|Button16|Button17|Button18|Button19");
    onTab(6, "Button25|Edit36=eins|Button24|Button25|Edit36=innen|Button24|Button26|"
             "Edit36=zwei|Button24|Button27");
    onTab(7, "Button8");
    f.act("TForm5",
          "Edit51=http://www.meinhoster.de/"
          "formular.cgi|Edit1=umfrage@example.org|Button1|Edit14=Farbe|Edit2=Rot|Button16|Button2|"
          "Edit18=Hobbys|Edit22=Lesen|Button4|Button5|Button8|Button3|Edit41=Polen|"
          "Button15|Button14|Button12|Button13");
    FIND(findings, QListWidget, f, "TForm2", "FindingsList");
    QStringList found;
    for (int i = 0; i < findings->count(); ++i)
        found.append(findings->item(i)->text());
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n') + u'\n' + f.sourceLines().join(u'\n')));
    QCOMPARE(status(f, "TForm2"), QStringLiteral("Seite in Ordnung"));
    QVERIFY2(f.sourceLines().size() > 40, qPrintable(f.sourceLines().join(u'\n')));
}

void TestCheckView::statusStaysAcrossStatusMessages() {
    Fixture f;
    f.startPage();
    FIND(checkStatus, QWidget, f, "TForm2", "CheckStatus");
    QVERIFY(checkStatus->isVisibleTo(f.window("TForm2")));
    // The notice of the add shows and runs its time; the check's result stays.
    f.windows().context().notices.Timer1Timer();
    QVERIFY(checkStatus->isVisibleTo(f.window("TForm2")));
    f.windows().context().notices.PostStatusMessage(QStringLiteral("etwas"));
    QVERIFY(checkStatus->isVisibleTo(f.window("TForm2")));
}

void TestCheckView::openedPageIsCheckedWithItsFolder() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    writeBytes(path, "<html>\r\n<body>\r\n<img src=\"fehlt.png\" alt=\"Bild\">\r\n</body>\r\n"
                     "</html>\r\n");
    Fixture f;
    f.dialogs.answerFile(path);
    f.trigger("TForm2", "ffnen1");
    // The missing picture is found at once, and the check after the pause says the same.
    const QString found = status(f, "TForm2");
    QVERIFY(found != QStringLiteral("Seite in Ordnung"));
    f.trigger("TForm2", "Seiteprfen1");
    QCOMPARE(status(f, "TForm2"), found);
}

void TestCheckView::longListsAreCut_data() {
    QTest::addColumn<int>("unclosed");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("last");
    QTest::newRow("a thousand") << 1000 << 1000 << "";
    QTest::newRow("one more") << 1001 << 1001 << "… und 1 weiterer";
    QTest::newRow("many more") << 3500 << 1001 << "… und 2.500 weitere";
}

void TestCheckView::longListsAreCut() {
    QFETCH(int, unclosed);
    QFETCH(int, rows);
    QFETCH(QString, last);
    Fixture f;
    f.setSourceLines(QStringList(unclosed, QStringLiteral("<table>")));
    f.trigger("TForm2", "Seiteprfen1");
    FIND(findings, QListWidget, f, "TForm2", "FindingsList");
    QCOMPARE(findings->count(), rows);
    if (!last.isEmpty())
        QCOMPARE(findings->item(rows - 1)->text(), last);
}

void TestCheckView::largePagesAreCheckedBeside() {
    Fixture f;
    f.setSourceLines(QStringList(20000, QStringLiteral("<table>")));
    f.trigger("TForm2", "Seiteprfen1");
    QTRY_COMPARE(status(f, "TForm2"), QStringLiteral("1.000+ Fehler"));
    // A check of a later text wins over one still running on an earlier text.
    f.setSourceLines(QStringList(20000, QStringLiteral("<b>")));
    f.trigger("TForm2", "Seiteprfen1");
    f.setSourceLines({QStringLiteral("<p>x</p>")});
    f.trigger("TForm2", "Seiteprfen1");
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(status(f, "TForm2"), QStringLiteral("Seite in Ordnung"));
}

QTEST_MAIN(TestCheckView)
#include "tst_checkview.moc"
