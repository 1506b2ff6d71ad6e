// The page source's line model, the closing tail, and the status notices.
#include "core/source/PageSource.h"
#include "core/source/SourceHtml.h"
#include "core/source/StatusNotices.h"
#include "ui/PanelStatusBar.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestSource : public QObject {
    Q_OBJECT

private slots:
    void linesOfText_data();
    void linesOfText();
    void commitAppendsPieces_data();
    void commitAppendsPieces();
    void removeClosingTail_data();
    void removeClosingTail();
    void commitIsOneUndoStep();
    void closeDocumentOnlyOnce();
    void appendBreaks_data();
    void appendBreaks();
    void unsavedChanges();
    void noticesReplaceEachOther();
    void noticeTimerInterval();
};

namespace {

// The page document shown in a source view, as Memo2 shows it.
struct Buffer {
    PageSource source;
    QPlainTextEdit memo;
    Buffer() {
        QTextDocument& document = source.document();
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
        memo.setDocument(&document);
    }
};

} // namespace

void TestSource::linesOfText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one ended line") << "a\n" << QStringList{"a"};
    QTest::newRow("last line without break") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("empty line kept") << "a\n\nb\n" << QStringList{"a", "", "b"};
    QTest::newRow("only a break") << "\n" << QStringList{""};
}

void TestSource::linesOfText() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    Buffer buffer;
    buffer.memo.setPlainText(text);
    QCOMPARE(buffer.source.lines(), lines);
    QCOMPARE(buffer.source.lineCount(), lines.size());
    QCOMPARE(buffer.source.lastLine(), lines.isEmpty() ? QString() : lines.last());
}

void TestSource::commitAppendsPieces_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("into empty") << QString() << QStringList{"<br>"} << QStringList{"<br>"};
    QTest::newRow("two lines and a break")
        << "x\n"
        << QStringList{"a\r\nb\r\n"} << QStringList{"x", "a", "b", ""};
    QTest::newRow("lone line feeds") << QString() << QStringList{"a\nb"} << QStringList{"a", "b"};
    QTest::newRow("empty text is one empty line") << "x\n"
                                                  << QStringList{""} << QStringList{"x", ""};
    QTest::newRow("user left last line open")
        << "x\ny" << QStringList{"z"} << QStringList{"x", "y", "z"};
    QTest::newRow("tail removed first") << "<p>\n</body>\n</html>\n"
                                        << QStringList{"<hr>"} << QStringList{"<p>", "<hr>"};
}

void TestSource::commitAppendsPieces() {
    QFETCH(QString, before);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, after);
    Buffer buffer;
    buffer.memo.setPlainText(before);
    buffer.source.commit(texts);
    QCOMPARE(buffer.source.lines(), after);
}

void TestSource::removeClosingTail_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("saved page") << QStringList{"<p>", "</body>", "</html>"} << QStringList{"<p>"};
    QTest::newRow("upper case") << QStringList{"</body>", "</HTML>"}
                                << QStringList{"</body>", "</HTML>"};
    QTest::newRow("trailing blank")
        << QStringList{"</body>", "</html> "} << QStringList{"</body>", "</html> "};
    QTest::newRow("only html") << QStringList{"</html>"} << QStringList{};
    QTest::newRow("tail then more")
        << QStringList{"</html>", "<br>"} << QStringList{"</html>", "<br>"};
    // A line the user typed before "</html>" is not a closing tail and stays.
    QTest::newRow("user line kept")
        << QStringList{"a", "mein Text", "</html>"} << QStringList{"a", "mein Text"};
    QTest::newRow("empty") << QStringList{} << QStringList{};
}

void TestSource::removeClosingTail() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    Buffer buffer;
    buffer.memo.setPlainText(before.isEmpty() ? QString() : before.join(u'\n') + u'\n');
    buffer.source.RemoveClosingTail();
    QCOMPARE(buffer.source.lines(), after);
}

void TestSource::commitIsOneUndoStep() {
    Buffer buffer;
    buffer.memo.setPlainText(QStringLiteral("<p>\n</body>\n</html>\n"));
    QSignalSpy changes(buffer.memo.document(), &QTextDocument::contentsChanged);
    buffer.source.commit({QStringLiteral("<br>"), QStringLiteral("a\r\nb")});
    QCOMPARE(changes.size(), 1);
    QCOMPARE(buffer.source.lines(), (QStringList{"<p>", "<br>", "a", "b"}));
    buffer.memo.undo();
    QCOMPARE(buffer.source.lines(), (QStringList{"<p>", "</body>", "</html>"}));
}

void TestSource::closeDocumentOnlyOnce() {
    Buffer buffer;
    buffer.source.closeDocument();
    QCOMPARE(buffer.source.lines(), (QStringList{"</body>", "</html>"}));
    buffer.source.closeDocument();
    QCOMPARE(buffer.source.lines(), (QStringList{"</body>", "</html>"}));
    buffer.source.commit({QStringLiteral("<br>")});
    buffer.source.closeDocument();
    QCOMPARE(buffer.source.lines(), (QStringList{"<br>", "</body>", "</html>"}));
}

void TestSource::appendBreaks_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lines");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("negative") << -2 << 0;
    QTest::newRow("three") << 3 << 3;
}

void TestSource::appendBreaks() {
    QFETCH(int, count);
    QFETCH(int, lines);
    QStringList out;
    SourceHtml::AppendBreaks(out, count);
    QCOMPARE(out, QStringList(lines, QStringLiteral("<br>")));
}

void TestSource::unsavedChanges() {
    Buffer buffer;
    QVERIFY(!buffer.source.hasUnsavedChanges());
    buffer.source.commit({QStringLiteral("<br>")});
    QVERIFY(buffer.source.hasUnsavedChanges());
    buffer.source.markSaved();
    QVERIFY(!buffer.source.hasUnsavedChanges());
    buffer.source.commit({QStringLiteral("<hr>")});
    buffer.source.clear();
    QVERIFY(!buffer.source.hasUnsavedChanges());
}

void TestSource::noticesReplaceEachOther() {
    PanelStatusBar bar;
    bar.addPanel(QStringLiteral("Quillmark"), 300);
    StatusNotices notices;
    bar.follow(notices);
    const QTimer& timer = notices.timer();
    notices.PostStatusNotice(QStringLiteral("Text"));
    QCOMPARE(bar.panelCount(), 2);
    QCOMPARE(bar.panelText(1), QStringLiteral("Text wurde hinzugefügt"));
    notices.PostStatusMessage(QStringLiteral("index.html wurde gespeichert"));
    QCOMPARE(bar.panelCount(), 2);
    QCOMPARE(bar.panelText(0), QStringLiteral("Quillmark"));
    QCOMPARE(bar.panelText(1), QStringLiteral("index.html wurde gespeichert"));
    QVERIFY(timer.isActive());
    notices.Timer1Timer();
    QCOMPARE(bar.panelCount(), 1);
    QVERIFY(!timer.isActive());
}

void TestSource::noticeTimerInterval() {
    PanelStatusBar bar;
    bar.addPanel(QStringLiteral("Quillmark"), 300);
    StatusNotices notices;
    bar.follow(notices);
    const QTimer& timer = notices.timer();
    notices.PostStatusNotice(QStringLiteral("Bild"));
    QCOMPARE(timer.interval(), 3000);
    // A timer tick with nothing showing leaves the permanent panel alone.
    notices.Timer1Timer();
    notices.Timer1Timer();
    QCOMPARE(bar.panelCount(), 1);
    QCOMPARE(bar.panelText(0), QStringLiteral("Quillmark"));
}

QTEST_MAIN(TestSource)
#include "tst_source.moc"
