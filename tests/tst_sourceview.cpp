// The source fields' colours, line numbers and current line, and the readers of HTML agreeing
// with each other.
#include "core/source/PageCheck.h"
#include "core/source/PageSource.h"
#include "pageview/OpenElements.h"
#include "pageview/TagLines.h"
#include "support/Fixture.h"
#include "ui/HtmlHighlighter.h"
#include "ui/SourceEdit.h"

#include <QPlainTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using Kind = HtmlHighlighter::Kind;

class TestSourceView : public QObject {
    Q_OBJECT

private slots:
    void coloursOfLines_data();
    void coloursOfLines();
    void coloursAsBrowsersRead_data();
    void coloursAsBrowsersRead();
    void readersAgree_data();
    void readersAgree();
    void settledPoints_data();
    void settledPoints();
    void lineMarks_data();
    void lineMarks();
    void colouringLeavesTheDocumentAlone();
    void changedLinesColouredInSlices();
    void gutterFollowsLineCount();
    void windowsShowColoursAndNumbers_data();
    void windowsShowColoursAndNumbers();
};

namespace {

constexpr int kSettleMs = 20000;

// A source field with its highlighter, on a page document as Memo2 has it.
struct View {
    PageSource source;
    SourceEdit field;
    HtmlHighlighter* highlighter;
    explicit View(const QString& text) {
        QTextDocument& document = source.document();
        document.setPlainText(text);
        document.setModified(false);
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
        field.setDocument(&document);
        highlighter = new HtmlHighlighter(field);
    }
    bool settle() {
        return QTest::qWaitFor([this] { return highlighter->settled(); }, kSettleMs);
    }

    // A line's colours, one letter a character: t tag, a attribute name, v attribute value,
    // c comment, r character reference, '.' text.
    QString colours(int line) const {
        const QTextBlock block = source.document().findBlockByNumber(line);
        QString mask(block.length() - 1, u'.');
        const std::pair<Kind, QChar> letters[] = {{Kind::TagName, u't'},
                                                  {Kind::AttributeName, u'a'},
                                                  {Kind::AttributeValue, u'v'},
                                                  {Kind::Comment, u'c'},
                                                  {Kind::Reference, u'r'}};
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            QChar letter = u'?';
            for (const auto& [kind, name] : letters) {
                if (highlighter->format(kind) == range.format)
                    letter = name;
            }
            for (int i = range.start; i < range.start + range.length && i < mask.size(); ++i)
                mask[i] = letter;
        }
        return mask;
    }
    // Every line's colours, one line after the other as the text has them.
    QString colours() const {
        QStringList lines;
        for (int line = 0; line < source.document().blockCount(); ++line)
            lines.append(colours(line));
        return lines.join(u'\n');
    }
};

} // namespace

void TestSourceView::coloursOfLines_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("colours");
    QTest::newRow("tag with attributes") << QStringList{R"(<p style="color:Red" id=a>Hallo</p>)"}
                                         << QStringList{R"(tt.aaaaa.vvvvvvvvvvv.aa.vt.....tttt)"};
    QTest::newRow("comment over two lines") << QStringList{"a <!-- eins", "zwei --> <br>", "x"}
                                            << QStringList{"..ccccccccc", "cccccccc.tttt", "."};
    QTest::newRow("character references")
        << QStringList{"&auml; &#228; &#xE4; & &x"} << QStringList{"rrrrrr.rrrrrr.rrrrrr...rr"};
    QTest::newRow("tag over two lines")
        << QStringList{R"(<img src="a.gif")", R"(  alt="Bild">&lt;)", "a < b"}
        << QStringList{"tttt.aaa.vvvvvvv", "..aaa.vvvvvvtrrrr", "....."};
    QTest::newRow("value over two lines")
        << QStringList{R"(<a href="x)", R"(y">z</a>)"} << QStringList{"tt.aaaa.vv", "vvt.tttt"};
}

void TestSourceView::coloursOfLines() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, colours);
    View view(lines.join(u'\n'));
    QVERIFY(view.settle());
    QStringList shown;
    for (int line = 0; line < lines.size(); ++line)
        shown.append(view.colours(line));
    QCOMPARE(shown, colours);
}

void TestSourceView::coloursAsBrowsersRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("part"); // the first stretch of the text that reads so
    QTest::addColumn<QString>("colours");
    QTest::newRow("empty comment") << "<!-->\n<b>x</b>"
                                   << "<b>x</b>"
                                   << "ttt.tttt";
    QTest::newRow("comment closed by --!>") << "<!-- a --!>\n<b>"
                                            << "<b>"
                                            << "ttt";
    QTest::newRow("comment over two lines closed by --!>") << "<!-- a\nb --!><b>"
                                                           << "a\nb --!><b>"
                                                           << "c\nccccccttt";
    QTest::newRow("less-than sign in a script") << "<script>if (a<b) x();</script>"
                                                << "(a<b) x();</script>"
                                                << "..........ttttttttt";
    QTest::newRow("tag in a textarea") << "<textarea><b></textarea>"
                                       << "<b><"
                                       << "...t";
    QTest::newRow("tag in noframes") << "<noframes><b></noframes>"
                                     << "<b><"
                                     << "...t";
    QTest::newRow("tag in xmp") << "<xmp><b></xmp>"
                                << "<b><"
                                << "...t";
    QTest::newRow("value over two lines before a textarea's text")
        << "<textarea title=\"a\nb\"><b></textarea>"
        << "\"a\nb\"><b><"
        << "vv\nvvt...t";
}

void TestSourceView::coloursAsBrowsersRead() {
    QFETCH(QString, text);
    QFETCH(QString, part);
    QFETCH(QString, colours);
    View view(text);
    QVERIFY(view.settle());
    QCOMPARE(view.colours().mid(text.indexOf(part), part.size()), colours);
}

void TestSourceView::readersAgree_data() {
    QTest::addColumn<QString>("body"); // holds "<b>" once
    QTest::addColumn<bool>("boldIsTag");
    QTest::newRow("empty comment") << "<!-->\n<b>" << true;
    QTest::newRow("comment closed by --!>") << "<!-- a --!>\n<b>" << true;
    QTest::newRow("comment not closed by -- >") << "<!-- a -- >\n<b>\n-->" << false;
    QTest::newRow("comment over lines") << "<!-- a\n<b>\n-->" << false;
    QTest::newRow("script") << "<script>document.write(\"<b>\")</script>" << false;
    QTest::newRow("script after it") << "<script>x</script><b>" << true;
    QTest::newRow("textarea") << "<form><textarea>\n<b></textarea></form>" << false;
    QTest::newRow("noframes") << "<noframes><b></noframes>" << false;
    QTest::newRow("xmp") << "<xmp>\n<b>\n</xmp>" << false;
    QTest::newRow("style") << "<style><b></style>" << false;
    QTest::newRow("quoted value over lines") << "<a title=\"x\n<b>\n\">y</a>" << false;
    QTest::newRow("attribute name on the next line") << "<img alt=x\n<b>" << false;
    QTest::newRow("tag after a tag over lines") << "<img\nalt=\"x\">\n<b>" << true;
}

// Whether "<b>" is a tag, asked of the colouring, the page check and the page view's settled
// points: an open bold makes the check speak of it and leaves the end of the page unsettled.
void TestSourceView::readersAgree() {
    QFETCH(QString, body);
    QFETCH(bool, boldIsTag);
    const QString page =
        QStringLiteral("<html><body>\n") + body + QStringLiteral("\n</body></html>");
    View view(page);
    QVERIFY(view.settle());
    QCOMPARE(view.colours().at(page.indexOf(u"<b>")) == u't', boldIsTag);
    const QList<Finding> findings = CheckPage(page.split(u'\n'), {});
    QCOMPARE(std::any_of(findings.begin(), findings.end(),
                         [](const Finding& f) { return f.text.contains(u"(<b>)"); }),
             boldIsTag);
    const std::vector<qsizetype> settled =
        OpenElements::read(page, OpenElements::From::DocumentStart).settled;
    QCOMPARE(!settled.empty() && settled.back() == page.lastIndexOf(u'\n') + 1, !boldIsTag);
}

void TestSourceView::settledPoints_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("settled");
    // Each body line at which the page could go on in place is settled, and so is the line of
    // the body's end.
    QTest::newRow("comments closed at once") << "<!-->\n<!--->\n<!-- a --!>\n<p>x</p>" << 5;
    QTest::newRow("comment over two lines") << "<!-- a\n--!>\nb" << 3;
    QTest::newRow("tags in raw text")
        << "<noframes><b></noframes>\n<xmp><b></xmp>\n<script>a<b</script>\n"
           "<textarea><b></textarea>\nx"
        << 6;
    QTest::newRow("form left open by a table")
        << "<table><form action=\"x\">\n</table>\n<input name=\"a\">\n</form>\ny" << 3;
    QTest::newRow("table closed over open cells")
        << "<table>\n<tr><td>a\n<tr><td>b\n</table>\nc" << 3;
    QTest::newRow("bold closed by the paragraph") << "<p><b>a</p>\n<p>b</p>" << 1;
}

void TestSourceView::settledPoints() {
    QFETCH(QString, body);
    QFETCH(int, settled);
    const QString page =
        QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<title>Seite</title>\n</head>\n<body>\n") +
        body + QStringLiteral("\n</body>\n</html>\n");
    const qsizetype bodyStart = page.indexOf(u"<body>\n") + 7;
    const std::vector<qsizetype> points =
        OpenElements::read(page, OpenElements::From::DocumentStart).settled;
    QCOMPARE(std::count_if(points.begin(), points.end(),
                           [&](qsizetype point) { return point >= bodyStart; }),
             settled);
}

void TestSourceView::lineMarks_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QList<int>>("lines");
    QTest::newRow("first tag of each line")
        << "<p>a <b>b</b></p>\n</p>\n<p>c</p><p>d</p>" << 1 << QList<int>{1, 3};
    QTest::newRow("root, head and body stand for more")
        << "<html>\n<head><title>x</title>\n<body>\n<p>y</p>" << 1 << QList<int>{2, 4};
    QTest::newRow("tags in raw text and a tag the text ends in")
        << "<script>\n<p>\n</script>\n<p" << 1 << QList<int>{1};
    QTest::newRow("runs of three lines on a long page")
        << "<p>1</p>\n<p>2</p>\n<p>3</p>\n\n<p>5</p>\n<p>6</p>\n<p>7</p>" << 3
        << QList<int>{1, 5, 7};
}

void TestSourceView::lineMarks() {
    QFETCH(QString, html);
    QFETCH(int, spacing);
    QFETCH(QList<int>, lines);
    QList<int> marked;
    for (const TagLines::Tag& tag : TagLines::read(html, 1, spacing)) {
        QCOMPARE(html.at(tag.nameEnd - 1).isLetterOrNumber(), true);
        marked.append(tag.line);
    }
    QCOMPARE(marked, lines);
    QCOMPARE(TagLines::spacingFor(TagLines::kMostMarked), 1);
    QCOMPARE(TagLines::spacingFor(TagLines::kMostMarked + 1), 2);
}

void TestSourceView::colouringLeavesTheDocumentAlone() {
    View view(QStringLiteral("<html>\n<!-- a\nb -->\n<p>&auml;</p>\n"));
    view.source.commit({QStringLiteral("<b>fett</b>")});
    QTextDocument& document = view.source.document();
    document.setModified(false);
    const QString text = document.toPlainText();
    const int undoSteps = document.availableUndoSteps();
    QVERIFY(view.settle());
    const int lightTag = view.highlighter->format(Kind::TagName).foreground().color().lightness();
    QPalette dark = view.field.palette();
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    view.field.setPalette(dark); // colours anew
    QVERIFY(view.settle());
    QVERIFY(view.highlighter->format(Kind::TagName).foreground().color().lightness() > lightTag);
    QCOMPARE(document.toPlainText(), text);
    QCOMPARE(document.availableUndoSteps(), undoSteps);
    QCOMPARE(document.availableRedoSteps(), 0);
    QVERIFY(!document.isModified());
    QCOMPARE(view.colours(3), QStringLiteral("tttrrrrrrtttt"));
}

void TestSourceView::changedLinesColouredInSlices() {
    // Long enough that the colouring takes several slices.
    QString text;
    for (int i = 0; i < 50000; ++i)
        text += QStringLiteral("<p class=\"z\">Zeile %1</p>\n").arg(i);
    View view(text);
    QVERIFY(view.settle());
    const QString paragraph = view.colours(40000);
    QVERIFY(paragraph.startsWith(QStringLiteral("tt.aaaaa.vvvt.")));

    view.source.commit({QStringLiteral("<!-- neu"), QStringLiteral("--> <br>")});
    const int added = view.source.lineCount() - 2;
    QVERIFY(view.settle());
    QCOMPARE(view.colours(added), QStringLiteral("cccccccc"));
    QCOMPARE(view.colours(added + 1), QStringLiteral("ccc.tttt"));

    // A comment opened at the top reaches every later line, and closing it takes it back.
    QTextCursor top(&view.source.document());
    top.insertText(QStringLiteral("<!--"));
    QVERIFY(view.settle());
    QCOMPARE(view.colours(40000), QString(paragraph.size(), u'c'));
    view.source.document().undo();
    QVERIFY(view.settle());
    QCOMPARE(view.colours(40000), paragraph);
}

void TestSourceView::gutterFollowsLineCount() {
    SourceEdit field;
    field.resize(300, 200);
    field.show();
    auto* gutter = field.findChild<QWidget*>(QStringLiteral("LineNumbers"));
    QVERIFY(gutter);
    int previous = 0;
    for (int lines : {9, 10000}) {
        field.setPlainText(QStringLiteral("x\n").repeated(lines - 1));
        QCOMPARE(field.blockCount(), lines);
        QVERIFY(field.gutterWidth() > previous);
        QCOMPARE(field.viewport()->geometry().left(), field.frameWidth() + field.gutterWidth());
        QCOMPARE(gutter->width(), field.gutterWidth());
        QCOMPARE(field.viewport()->geometry().left(), gutter->geometry().right() + 1);
        previous = field.gutterWidth();
    }
    // The current line is marked, and the mark follows the caret.
    field.moveCursor(QTextCursor::End);
    QCOMPARE(field.extraSelections().size(), 1);
    QCOMPARE(field.extraSelections().first().cursor.blockNumber(), field.blockCount() - 1);
}

void TestSourceView::windowsShowColoursAndNumbers_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("page source") << "TForm2"
                                 << "Memo2";
    QTest::newRow("post-editor") << "TForm7"
                                 << "Memo1";
}

void TestSourceView::windowsShowColoursAndNumbers() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    Fixture f;
    FIND(memo, SourceEdit, f, window, field);
    QVERIFY(memo->findChild<HtmlHighlighter*>());
    QVERIFY(memo->findChild<QWidget*>(QStringLiteral("LineNumbers")));
}

QTEST_MAIN(TestSourceView)
#include "tst_sourceview.moc"
