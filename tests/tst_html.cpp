// The HTML emitters on their own, without any window: every table row gives what an emitter
// returns and the lines the page receives from it, written as they stand in the saved file.
#include "core/forms/FormHtml.h"
#include "core/frames/FramesetHtml.h"
#include "core/generators/GeneralSettingsHtml.h"
#include "core/generators/ImagesHtml.h"
#include "core/generators/LinesHtml.h"
#include "core/generators/LinksHtml.h"
#include "core/generators/ListsHtml.h"
#include "core/generators/TablesHtml.h"
#include "core/generators/TextFormatHtml.h"
#include "core/platform/BareFileName.h"
#include "core/platform/ColorFieldText.h"
#include "core/source/SourceHtml.h"
#include "core/source/Utf8Declaration.h"

#include "support/PageLines.h"

#include <QTest>

#include <tuple>

namespace {

void addLineColumns() {
    QTest::addColumn<QStringList>("emitted");
    QTest::addColumn<QStringList>("expected");
}

// The head every page starts with, up to the generator line.
constexpr char kPageStart[] = R"(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<meta name="Generator" content="Fernbrook Quillmark">)";

QStringList pageStartAnd(const char* block) {
    return lines(kPageStart) + lines(block);
}

TextFormat arial() {
    TextFormat format;
    format.fontName = QStringLiteral("Arial");
    format.fontSize = QStringLiteral("12");
    format.fontColor = QStringLiteral("Black");
    return format;
}

} // namespace

class TestHtml : public QObject {
    Q_OBJECT

private slots:
    void source_data();
    void source() { compareLines(); }
    void documentStart_data();
    void documentStart() { compareLines(); }
    void textFormat_data();
    void textFormat() { compareLines(); }
    void elements_data();
    void elements() { compareLines(); }
    void links_data();
    void links() { compareLines(); }
    void lists_data();
    void lists() { compareLines(); }
    void form_data();
    void form() { compareLines(); }
    void frameset_data();
    void frameset() { compareLines(); }
    void quotesInAttributes_data();
    void quotesInAttributes() { compareLines(); }
    void namesAndColours_data();
    void namesAndColours() { compareLines(); }
    void modern_data();
    void modern() { compareLines(); }
    void modernElements_data();
    void modernElements() { compareLines(); }
    void modernLinks_data();
    void modernLinks() { compareLines(); }
    void modernLists_data();
    void modernLists() { compareLines(); }
    void modernTables_data();
    void modernTables() { compareLines(); }
    void modernForms_data();
    void modernForms() { compareLines(); }
    void modernFrames_data();
    void modernFrames() { compareLines(); }
    void utf8Declaration_data();
    void utf8Declaration();

private:
    static void compareLines();
};

void TestHtml::compareLines() {
    QFETCH(QStringList, emitted);
    QFETCH(QStringList, expected);
    QCOMPARE(shown(emitted), expected);
}

void TestHtml::source_data() {
    addLineColumns();
    QTest::newRow("title passes markup and umlauts")
        << QStringList{SourceHtml::titleLine(QStringLiteral("Grüße & <b>\"Tipps\"</b>"))}
        << lines(R"(<title>Grüße & <b>"Tipps"</b></title>)");
    QTest::newRow("empty title") << QStringList{SourceHtml::titleLine({})}
                                 << lines("<title></title>");
    QTest::newRow("closing tail") << SourceHtml::closingTail() << lines("</body>\n</html>");
}

void TestHtml::documentStart_data() {
    addLineColumns();
    // Every field typed, no entry checked: nothing typed for an unchecked entry shows.
    DocumentStart start;
    start.title = QStringLiteral("Start");
    start.redirectSeconds = QStringLiteral("5");
    start.redirectTarget = QStringLiteral("seite 2.html");
    start.keywords = QStringLiteral("Garten, Rosen\nBeete");
    start.author = QStringLiteral("Jürgen \"Jo\" Groß");
    start.icon = QStringLiteral("fav.ico");
    start.backgroundPicture = QStringLiteral("bild.jpg");
    QTest::newRow("unchecked entries leave no line")
        << GeneralSettingsHtml::documentStart(start)
        << pageStartAnd("<title>Start</title>\n</head>\n<body>");

    start.backgroundColor = QStringLiteral("#FF8000");
    QTest::newRow("colour, picture ignored")
        << GeneralSettingsHtml::documentStart(start).mid(6) << lines(R"(<body bgcolor="#FF8000">)");
    start.pictureMode = true;
    QTest::newRow("picture, colour ignored") << GeneralSettingsHtml::documentStart(start).mid(6)
                                             << lines(R"(<body background="bild.jpg">)");
    start.backgroundPicture.clear();
    QTest::newRow("picture mode without picture")
        << GeneralSettingsHtml::documentStart(start).mid(6) << lines("<body>");

    start.redirect = RedirectKind::Local;
    QTest::newRow("redirect to a file beside the page")
        << GeneralSettingsHtml::documentStart(start).mid(4, 1)
        << lines(R"(<meta http-equiv="refresh" content="5; url=seite 2.html">)");

    // Every head entry in its order, the keywords on two lines as typed.
    start.redirect = RedirectKind::External;
    start.redirectTarget = QStringLiteral("www.example.org/a?b=1&c=2");
    start.withKeywords = true;
    start.withAuthor = true;
    start.withIcon = true;
    QTest::newRow("external redirect and every head entry")
        << GeneralSettingsHtml::documentStart(start)
        << pageStartAnd(
               R"(<meta http-equiv="refresh" content="5; url=http://www.example.org/a?b=1&c=2">
<meta name="Keywords" content="Garten, Rosen
Beete">
<meta name="Author" content="Jürgen &quot;Jo&quot; Groß">
<link rel="shortcut icon" href="fav.ico">
<title>Start</title>
</head>
<body>)");
}

void TestHtml::textFormat_data() {
    addLineColumns();
    // Every combination of the six emphasis flags: opened and closed in the same order.
    const char* const tags[] = {"b", "u", "i", "s", "sup", "sub"};
    for (int flags = 0; flags < 64; ++flags) {
        TextFormat format = arial();
        Emphasis& e = format.emphasis;
        bool* const on[] = {&e.bold,      &e.underline,   &e.italic,
                            &e.strikeOut, &e.superscript, &e.subscript};
        QStringList opened;
        QStringList closed;
        for (int i = 0; i < 6; ++i) {
            *on[i] = (flags >> i) & 1;
            if (*on[i]) {
                opened << QStringLiteral("<%1>").arg(QLatin1String(tags[i]));
                closed << QStringLiteral("</%1>").arg(QLatin1String(tags[i]));
            }
        }
        QTest::addRow("emphasis %s", flags ? qPrintable(opened.join(QString())) : "none")
            << TextFormatHtml::textBlock(
                   format, TextFormatHtml::styledParagraphLine(format, QStringLiteral("Hallo")))
            << opened +
                   lines(R"(<p style="font-family:Arial; font-size:12pt; color:Black">Hallo</p>)") +
                   closed;
    }

    TextFormat placed = arial();
    placed.emphasis.bold = true;
    placed.placement.position = Position::Center;
    placed.placement.breaksBefore = 2;
    placed.placement.breaksAfter = 1;
    QTest::newRow("centred, breaks outside the block")
        << TextFormatHtml::textBlock(placed, QStringLiteral("X")) << lines(R"(<br>
<br>
<div align="center">
<b>
X
</b>
</div>
<br>)");
    for (const auto& [kind, tag] :
         {std::pair{ParagraphKind::Heading1, "h1"}, std::pair{ParagraphKind::Heading2, "h2"},
          std::pair{ParagraphKind::Heading3, "h3"}})
        QTest::addRow("heading %s", tag)
            << QStringList{TextFormatHtml::styledParagraphLine(arial(), QStringLiteral("Kopf"),
                                                               kind)}
            << QStringList{QStringLiteral("<%1 style=\"font-family:Arial; font-size:12pt; "
                                          "color:Black\">Kopf</%1>")
                               .arg(QLatin1String(tag))};
    QTest::newRow("empty style fields, body passed through")
        << QStringList{TextFormatHtml::styledParagraphLine({}, QStringLiteral("a < b & \"c\""))}
        << lines(R"(<p style="font-family:; font-size:pt; color:">a < b & "c"</p>)");
}

// Pictures, rules and tables: elements with a position block and breaks around them.
void TestHtml::elements_data() {
    addLineColumns();
    ImageElement image;
    image.tag.file = QStringLiteral("strand bild.jpg");
    image.tag.text = QStringLiteral("Strand & \"Meer\"");
    QTest::newRow("picture")
        << ImagesHtml::imageBlock(image)
        << lines(R"(<img src="strand bild.jpg" alt="Strand & &quot;Meer&quot;">)");
    image.tag.sized = true;
    image.tag.width = QStringLiteral("320");
    image.tag.height = QString();
    image.placement.position = Position::Right;
    image.placement.breaksBefore = 1;
    image.placement.breaksAfter = 2;
    QTest::newRow("picture sized, right, breaks") << ImagesHtml::imageBlock(image) << lines(R"(<br>
<div align="right">
<img src="strand bild.jpg" alt="Strand & &quot;Meer&quot;" width="320" height="">
</div>
<br>
<br>)");

    Rule rule;
    QTest::newRow("rule, empty fields")
        << LinesHtml::ruleBlock(rule) << lines(R"(<hr color="" size="" width="">)");
    rule = {
        QStringLiteral("Red"), QStringLiteral("3"), QStringLiteral("50%"), Position::Center, 1, 1};
    QTest::newRow("rule centred") << LinesHtml::ruleBlock(rule) << lines(R"(<br>
<div align="center">
<hr color="Red" size="3" width="50%">
</div>
<br>)");

    const TableSettings table{QStringLiteral("1"),
                              QStringLiteral("Navy"),
                              QStringLiteral("#C0DCC0"),
                              QStringLiteral("80%"),
                              {Position::Left, 1, 0}};
    const CellSettings cell{QStringLiteral("Yellow"), QStringLiteral("0"), QString()};
    QTest::newRow("table with one cell")
        << TablesHtml::tableStart(table) + TablesHtml::rowOpen() + TablesHtml::cellOpen(cell) +
               TablesHtml::cellClose() + TablesHtml::rowClose() +
               TablesHtml::tableEnd({Position::Left, 0, 2})
        << lines(R"(<br>
<div align="left">
<table  border="1" bordercolor="Navy" bgcolor="#C0DCC0" width="80%">
<tr>
<td bgcolor="Yellow" border="0" bordercolor="">
</td>
</tr>
</table>
</div>
<br>
<br>)");
}

void TestHtml::links_data() {
    addLineColumns();
    TextFormat format = arial();
    const LinkAddress web{QString(), QStringLiteral("www.example.org/?a=1&b=2"),
                          LinksHtml::newWindowTarget()};
    QTest::newRow("text, new window")
        << LinksHtml::textLink(format, web, QStringLiteral("Zur Seite"))
        << lines(
               R"(<p style="font-family:Arial; font-size:12pt; color:Black"><a href="www.example.org/?a=1&b=2" target="Fenster">Zur Seite</p></a>)");
    const LinkAddress same{QString(), QStringLiteral("#oben"), LinksHtml::samePageTarget()};
    format.emphasis.italic = true;
    format.placement.position = Position::Right;
    format.placement.breaksAfter = 1;
    QTest::newRow("text, same page, formatted")
        << LinksHtml::textLink(format, same, QStringLiteral("nach oben"))
        << lines(R"(<div align="right">
<i>
<p style="font-family:Arial; font-size:12pt; color:Black"><a href="#oben" >nach oben</p></a>
</i>
</div>
<br>)");
    const LinkAddress mail{LinksHtml::mailPrefix(), QStringLiteral("anna@example.org"),
                           LinksHtml::frameTarget(QStringLiteral("rechts"))};
    ImageLink image;
    image.file = QStringLiteral("brief.gif");
    image.text = QStringLiteral("Post");
    image.border = QStringLiteral("0");
    QTest::newRow("picture, e-mail into a frame")
        << LinksHtml::imageLink(mail, image)
        << lines(
               R"(<a href="mailto:anna@example.org" target="rechts"><img src="brief.gif" alt="Post" border="0"></a>)");
    image.sized = true;
    image.width = QStringLiteral("40");
    image.height = QStringLiteral("30");
    image.placement.position = Position::Center;
    image.placement.breaksBefore = 1;
    QTest::newRow("picture sized: two blanks before the border")
        << LinksHtml::imageLink(web, image) << lines(R"(<br>
<div align="center">
<a href="www.example.org/?a=1&b=2" target="Fenster"><img src="brief.gif" alt="Post" width="40" height="30"  border="0"></a>
</div>)");
}

void TestHtml::lists_data() {
    addLineColumns();
    QStringList opening;
    for (ListStyle style : {ListStyle::Numbers, ListStyle::LowerLetters, ListStyle::UpperLetters,
                            ListStyle::LowerRoman, ListStyle::UpperRoman, ListStyle::Circles,
                            ListStyle::Squares, ListStyle::Discs})
        opening << ListsHtml::openingLine(style);
    QTest::newRow("opening lines of every style") << opening << lines(R"(<ol type="1">
<ol type="a">
<ol type="A">
<ol type="i">
<ol type="I">
<ul type="circle">
<ul type="square">
<ul type="disc">)");
    // A closing tag read back names its kind; any other text names none.
    QStringList readBack;
    for (const char* tag : {"</ol>", "</ul>", "</OL>", "<ol>", ""}) {
        const std::optional<ListKind> kind = ListsHtml::kindOfClosingTag(QString::fromLatin1(tag));
        readBack << (kind ? ListsHtml::closingTag(*kind) : QStringLiteral("-"));
    }
    QTest::newRow("closing tags read back") << readBack << lines("</ol>\n</ul>\n-\n-\n-");
    QTest::newRow("entries and preview")
        << QStringList{ListsHtml::entryLine(QStringLiteral("Äpfel & <Birnen>")),
                       ListsHtml::entryLine({}),
                       ListsHtml::previewLine(ListKind::Sorted, 12, QStringLiteral("zwölf")),
                       ListsHtml::previewLine(ListKind::Unsorted, 3, QStringLiteral("Punkt"))}
        << lines(R"(<li>Äpfel & <Birnen></li>
<li></li>
12) zwölf
- Punkt)");

    ListBlock nested;
    nested.body = lines("<ol type=\"1\">\n<li>a</li>\n<ul type=\"disc\">\n<li>b</li>");
    nested.openLists = lines("</ol>\n</ul>");
    nested.placement.position = Position::Center;
    nested.placement.breaksBefore = 1;
    nested.placement.breaksAfter = 1;
    QTest::newRow("nested lists closed, first-begun first")
        << ListsHtml::listBlock(nested) << lines(R"(<br>
<div align="center">
<ol type="1">
<li>a</li>
<ul type="disc">
<li>b</li>

</ol>
</ul>

</div>
<br>)");
    QTest::newRow("empty list") << ListsHtml::listBlock({}) << QStringList{QString(), QString()};
}

void TestHtml::form_data() {
    addLineColumns();
    QTest::newRow("start, end and answers")
        << QStringList{FormHtml::formStartLine(FormHtml::formServiceAddress(),
                                               QStringLiteral("ihre@adresse.de")),
                       FormHtml::radioAnswerLine(QStringLiteral("Wie?"), QStringLiteral("gut")),
                       FormHtml::checkBoxAnswerLine(QStringLiteral("Was?"),
                                                    QStringLiteral("Äpfel & Birnen")),
                       FormHtml::optionLine(QStringLiteral("rot")),
                       FormHtml::previewLine(2, QStringLiteral("blau")),
                       FormHtml::formEndLine()}
        << lines(
               R"(<form action="http://formmail.example.net/Formular-Chef/Formular-Chef.cgi" method="post"><input type="hidden" name="empfaenger" value="ihre@adresse.de">
<input type="radio" name="Wie?" value="gut" >gut<br>
<input type="checkbox" name="Was?" value="Äpfel & Birnen">Äpfel & Birnen<br>
<option>rot</option>
2) blau
</form>)");

    const FormHtml::Question plain{arial(), QStringLiteral("Name")};
    QTest::newRow("decision closes a paragraph")
        << FormHtml::decisionQuestion(plain, {QStringLiteral("<input a>")}) << lines(R"(</p>
<p style="font-family:Arial; font-size:12pt; color:Black">Name
<input a>

</p>)");
    QTest::newRow("check boxes, no answers")
        << FormHtml::checkBoxQuestion(plain, {}) << lines(R"(<p>
<p style="font-family:Arial; font-size:12pt; color:Black">Name

</p>)");

    // The formatted question: breaks around the question, the field inside the position.
    FormHtml::Question placed = plain;
    placed.format.placement.position = Position::Left;
    placed.format.emphasis.bold = true;
    placed.format.emphasis.subscript = true;
    placed.format.placement.breaksBefore = 1;
    placed.format.placement.breaksAfter = 2;
    QTest::newRow("text area, formatted, preset on two lines")
        << FormHtml::textAreaQuestion(
               placed, {QStringLiteral("40"), QStringLiteral("5"), QStringLiteral("Erste\nZweite")})
        << lines(R"(<p>
<br>
<div align="left">
<b>
<sub>
<p style="font-family:Arial; font-size:12pt; color:Black">Name
</b>
</sub>
<br>
<br>
<textarea name="Name" cols="40" rows="5">Erste
Zweite</textarea>
</div>
</p>)");
    QTest::newRow("input and password fields")
        << FormHtml::inputFieldQuestion(plain, {QStringLiteral("20"), QStringLiteral("30"), false})
                   .mid(2, 1) +
               FormHtml::inputFieldQuestion(plain, {QString(), QString(), true}).mid(2, 1)
        << lines(R"(<input name="Name" type="text" size="20" maxlength="30">
<input name="Name" type="password" size="" maxlength="">)");
    QTest::newRow("selection list")
        << FormHtml::selectionListQuestion(
               plain, {QStringLiteral("3"), {QStringLiteral("<option>a</option>")}})
               .mid(2)
        << lines(R"(<select size="3" name="Name">
<option>a</option>

</select>
</p>)");

    QTest::newRow("send button, plain") << FormHtml::button({.kind = FormHtml::ButtonKind::Submit,
                                                             .caption = QStringLiteral("Absenden")})
                                        << lines(R"(<input type="submit" value="Absenden">)");
    QTest::newRow("reset button, centred, breaks")
        << FormHtml::button({FormHtml::ButtonKind::Reset, QStringLiteral("Löschen \"alles\""),
                             Position::Center, 1, 2})
        << lines(R"(<br>
<div align="center">
<input type="reset" value="Löschen &quot;alles&quot;">
<br>
<br>
</div>)");
}

// The modern page kind: HTML5 with CSS, text shown as typed.
void TestHtml::modern_data() {
    addLineColumns();
    DocumentStart start;
    start.title = QStringLiteral("Äpfel & Birnen");
    start.backgroundColor = QStringLiteral("LightYellow");
    QTest::newRow("document start")
        << GeneralSettingsHtml::modernDocumentStart(start) << lines(R"(<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="generator" content="Fernbrook Quillmark">
<title>Äpfel &amp; Birnen</title>
<style>
img { max-width: 100%; height: auto; }
hr, input, select, textarea { max-width: 100%; }
.tabelle { overflow-x: auto; }
table { border-collapse: collapse; }
</style>
</head>
<body style="background-color: LightYellow">)");
    DocumentStart full;
    full.pictureMode = true;
    full.backgroundPicture = QStringLiteral("Sonne's Bild.jpg");
    full.redirect = RedirectKind::Local;
    full.redirectSeconds = QStringLiteral("5");
    full.redirectTarget = QStringLiteral("neu.html");
    full.withKeywords = true;
    full.keywords = QStringLiteral("Obst, \"frisch\"");
    full.withAuthor = true;
    full.author = QStringLiteral("Ida");
    full.withIcon = true;
    full.icon = QStringLiteral("icon.png");
    QTest::newRow("head entries, empty title, picture")
        << GeneralSettingsHtml::modernDocumentStart(full).mid(6, 5) +
               GeneralSettingsHtml::modernDocumentStart(full).mid(17)
        << lines(R"x(<meta http-equiv="refresh" content="5; url=neu.html">
<meta name="Keywords" content="Obst, &quot;frisch&quot;">
<meta name="Author" content="Ida">
<link rel="icon" href="icon.png">
<title>Unbenannt</title>
</head>
<body style="background-image: url('Sonne\'s Bild.jpg')">)x");

    TextFormat plain;
    QTest::newRow("text, no choices, shown as typed")
        << TextFormatHtml::modernTextBlock(plain, ParagraphKind::Paragraph,
                                           QStringLiteral("a < b & c > d\n10\u00A0km"))
        << lines("<p>a &lt; b &amp; c &gt; d<br>\n10&nbsp;km</p>");
    TextFormat all = arial();
    all.fontName = QStringLiteral("Times New Roman");
    all.emphasis = {true, true, true, true, true, true};
    all.placement = {Position::Center, 2, 1};
    QTest::newRow("heading, every choice")
        << TextFormatHtml::modernTextBlock(all, ParagraphKind::Heading2, QStringLiteral("Kopf"))
        << lines(
               R"(<h2 style="font-family: 'Times New Roman'; font-size: 12pt; color: Black; )"
               R"(text-decoration: underline line-through; text-align: center; margin-top: 2.4em; )"
               R"(margin-bottom: 1.2em"><strong><em><sup><sub>Kopf</sub></sup></em></strong></h2>)");
    TextFormat odd;
    odd.fontSize = QStringLiteral("groß");
    odd.fontName = QStringLiteral("A'b");
    odd.placement.breaksBefore = -1;
    QTest::newRow("size not a number, quote in the font name")
        << TextFormatHtml::modernTextBlock(odd, ParagraphKind::Paragraph, QStringLiteral("x"))
        << lines(R"(<p style="font-family: 'A\'b'">x</p>)");
}

// Pictures and rules of a modern page: lengths in pixels as attributes or style, positions
// through the modern placement.
void TestHtml::modernElements_data() {
    addLineColumns();
    ImageElement image;
    image.tag = {
        QStringLiteral(" mein bild.jpg "), QStringLiteral("Ein \"Bild\" & <mehr>"), false, {}, {}};
    QTest::newRow("picture, unplaced, named as typed")
        << ImagesHtml::modernImageBlock(image)
        << lines(R"(<img src="mein%20bild.jpg" alt="Ein &quot;Bild&quot; &amp; &lt;mehr&gt;">)");
    image.tag = {QStringLiteral("b.png"), {}, true, QStringLiteral("120"), QStringLiteral("80")};
    image.placement = {Position::Center, 1, 0};
    QTest::newRow("picture in pixels, centred")
        << ImagesHtml::modernImageBlock(image)
        << lines(
               R"(<div style="text-align: center; margin-top: 1.2em">
<img src="b.png" alt="" width="120" height="80">
</div>)");
    image.tag = {QStringLiteral("b.png"), {}, true, QStringLiteral("50%"), {}};
    image.placement = {};
    QTest::newRow("picture in percent, no height")
        << ImagesHtml::modernImageBlock(image)
        << lines(R"(<img src="b.png" alt="" style="width: 50%">)");

    Rule rule;
    QTest::newRow("rule, no choices")
        << QStringList{LinesHtml::modernRuleLine(rule)} << lines("<hr>");
    rule = {
        QStringLiteral("Navy"), QStringLiteral("4"), QStringLiteral("300"), {Position::Left, 0, 2}};
    QTest::newRow("rule, every choice, left")
        << QStringList{LinesHtml::modernRuleLine(rule)}
        << lines(R"(<hr style="border: none; height: 4px; background-color: Navy; width: 300px; )"
                 R"(margin-left: 0; margin-bottom: 2.4em">)");
    rule = {{}, QStringLiteral("dick"), QStringLiteral("80%"), {Position::Right, 0, 0}};
    QTest::newRow("rule, size not a number, right")
        << QStringList{LinesHtml::modernRuleLine(rule)}
        << lines(R"(<hr style="width: 80%; margin-right: 0">)");
}

// Links of a modern page: closed inside the paragraph, no blank target.
void TestHtml::modernLinks_data() {
    addLineColumns();
    TextFormat bold = arial();
    bold.emphasis.bold = true;
    const LinkAddress web{{}, QStringLiteral("seite.html"), LinksHtml::samePageTarget()};
    QTest::newRow("text link, same window")
        << LinksHtml::modernTextLink(bold, web, QStringLiteral("Weiter & zurück"))
        << lines(R"(<p style="font-family: 'Arial'; font-size: 12pt; color: Black"><strong>)"
                 R"(<a href="seite.html">Weiter &amp; zurück</a></strong></p>)");
    const LinkAddress mail{LinksHtml::mailPrefix(), QStringLiteral("ich@example.de"),
                           LinksHtml::newWindowTarget()};
    QTest::newRow("e-mail, new window")
        << LinksHtml::modernTextLink({}, mail, QStringLiteral("Post"))
        << lines(R"(<p><a href="mailto:ich@example.de" target="Fenster">Post</a></p>)");
    ImageLink picture{QStringLiteral("knopf.png"), QStringLiteral("Knopf"), true,
                      QStringLiteral("40"),        QStringLiteral("40"),    QStringLiteral("2"),
                      {Position::Right, 0, 0}};
    QTest::newRow("picture link with border, right")
        << LinksHtml::modernImageLink(
               {{}, QStringLiteral("a.html"), LinksHtml::frameTarget("rechts")}, picture)
        << lines(R"(<div style="text-align: right">
<a href="a.html" target="rechts"><img src="knopf.png" alt="Knopf" width="40" height="40" style="border: 2px solid"></a>
</div>)");
    picture.border = QStringLiteral("0");
    picture.sized = false;
    picture.placement = {};
    QTest::newRow("picture link, no border")
        << LinksHtml::modernImageLink(web, picture)
        << lines(R"(<a href="seite.html"><img src="knopf.png" alt="Knopf"></a>)");
}

// Lists of a modern page: marks in CSS, a sub-list inside the entry before it.
void TestHtml::modernLists_data() {
    addLineColumns();
    const std::pair<ListStyle, const char*> marks[] = {
        {ListStyle::Numbers, "ol style=\"list-style-type: decimal\""},
        {ListStyle::LowerLetters, "ol style=\"list-style-type: lower-alpha\""},
        {ListStyle::UpperLetters, "ol style=\"list-style-type: upper-alpha\""},
        {ListStyle::LowerRoman, "ol style=\"list-style-type: lower-roman\""},
        {ListStyle::UpperRoman, "ol style=\"list-style-type: upper-roman\""},
        {ListStyle::Circles, "ul style=\"list-style-type: circle\""},
        {ListStyle::Squares, "ul style=\"list-style-type: square\""},
        {ListStyle::Discs, "ul style=\"list-style-type: disc\""}};
    for (const auto& [style, line] : marks)
        QTest::addRow("opening %s", line) << QStringList{ListsHtml::modernOpeningLine(style)}
                                          << QStringList{u'<' + QLatin1String(line) + u'>'};
    ListBlock nested;
    nested.body = {ListsHtml::modernOpeningLine(ListStyle::Discs),
                   ListsHtml::modernEntryLine(QStringLiteral("Obst & Gemüse")),
                   ListsHtml::modernOpeningLine(ListStyle::Numbers),
                   ListsHtml::modernEntryLine(QStringLiteral("<Äpfel>"))};
    // Still open as begun: the outer list first.
    nested.openLists = {ListsHtml::closingTag(ListKind::Unsorted),
                        ListsHtml::closingTag(ListKind::Sorted)};
    nested.placement = {Position::Left, 0, 1};
    QTest::newRow("nested, placed") << ListsHtml::modernListBlock(nested)
                                    << lines(
                                           R"(<div style="text-align: left; margin-bottom: 1.2em">
<ul style="list-style-type: disc">
<li>Obst &amp; Gemüse
<ol style="list-style-type: decimal">
<li>&lt;Äpfel&gt;

</ol>
</ul>

</div>)");
}

// Tables of a modern page: a scrolling wrapper, everything else in styles.
void TestHtml::modernTables_data() {
    addLineColumns();
    QTest::newRow("no choices") << TablesHtml::modernTableStart({}) + TablesHtml::rowOpen() +
                                       TablesHtml::modernCellOpen({}) + TablesHtml::cellClose() +
                                       TablesHtml::rowClose() + TablesHtml::modernTableEnd({})
                                << lines(R"(<div class="tabelle">
<table>
<tr>
<td>
</td>
</tr>
</table>
</div>)");
    const TableSettings table{QStringLiteral("2"),
                              QStringLiteral("Navy"),
                              QStringLiteral("#C0DCC0"),
                              QStringLiteral("80%"),
                              {Position::Center, 1, 0}};
    const CellSettings cell{QStringLiteral("Yellow"), QStringLiteral("1"), QStringLiteral("Red")};
    QTest::newRow("every choice, centred, space around")
        << TablesHtml::modernTableStart(table) + TablesHtml::modernCellOpen(cell) +
               TablesHtml::modernTableEnd({Position::Center, 0, 2})
        << lines(R"(<div class="tabelle" style="margin-top: 1.2em">
<table style="border: 2px solid Navy; background-color: #C0DCC0; width: 80%; margin-left: auto; margin-right: auto">
<td style="background-color: Yellow; border: 1px solid Red">
</table>
</div>
<div style="height: 2.4em"></div>)");
    // A border of 0 is none; a colour without a border and a border not in pixels draw none.
    QStringList edges;
    for (const auto& [border, width, position] :
         {std::tuple{"0", "300", Position::Left}, std::tuple{"dick", "", Position::Right}})
        edges << TablesHtml::modernTableStart({QString::fromLatin1(border),
                                               QStringLiteral("Navy"),
                                               {},
                                               QString::fromLatin1(width),
                                               {position, 0, 0}})
                     .constLast();
    edges << TablesHtml::modernCellOpen({{}, QStringLiteral("0"), QStringLiteral("Teal")})
          << TablesHtml::modernCellOpen({{}, QStringLiteral("1px"), QStringLiteral("Teal")});
    QTest::newRow("borders, pixel width, left and right")
        << edges << lines(R"(<table style="border: none; width: 300px; margin-right: auto">
<table style="margin-left: auto">
<td style="border: none">
<td>)");
}

// Forms of a modern page: fieldsets with a legend, labelled fields, no empty attributes.
void TestHtml::modernForms_data() {
    addLineColumns();
    const QString question = QStringLiteral("Ihr \"Name\"");
    const QString answer = QStringLiteral("\"gut\" & <b>");
    QTest::newRow("start lines, answers and options shown as typed")
        << QStringList{FormHtml::modernFormStartLine(FormHtml::formServiceAddress(),
                                                     QStringLiteral("ihre@adresse.de")),
                       FormHtml::modernFormStartLine(QStringLiteral(" "), {}),
                       FormHtml::modernRadioAnswerLine(question, answer),
                       FormHtml::modernCheckBoxAnswerLine({}, QStringLiteral("ja")),
                       FormHtml::modernOptionLine(answer)}
        << lines(
               R"(<form action="http://formmail.example.net/Formular-Chef/Formular-Chef.cgi" method="post"><input type="hidden" name="empfaenger" value="ihre@adresse.de">
<form method="post"><input type="hidden" name="empfaenger" value="">
<label><input type="radio" name="Ihr &quot;Name&quot;" value="&quot;gut&quot; &amp; &lt;b&gt;"> "gut" &amp; &lt;b&gt;</label><br>
<label><input type="checkbox" value="ja"> ja</label><br>
<option>"gut" &amp; &lt;b&gt;</option>)");

    const FormHtml::Question plain{{}, QStringLiteral("Wie & wo?")};
    QTest::newRow("choice question")
        << FormHtml::modernChoiceQuestion(
               plain, {FormHtml::modernRadioAnswerLine(plain.text, QStringLiteral("hier"))})
        << lines(R"(<fieldset>
<legend>Wie &amp; wo?</legend>
<label><input type="radio" name="Wie &amp; wo?" value="hier"> hier</label><br>
</fieldset>)");
    QTest::newRow("empty question: no legend, no name")
        << FormHtml::modernChoiceQuestion({}, {}) +
               FormHtml::modernInputFieldQuestion({}, {}).mid(1, 1)
        << lines("<fieldset>\n</fieldset>\n<label><input type=\"text\"></label>");

    FormHtml::Question formatted{arial(), QStringLiteral("Name")};
    formatted.format.emphasis.bold = true;
    formatted.format.emphasis.underline = true;
    formatted.format.emphasis.subscript = true;
    formatted.format.placement = {Position::Left, 1, 2};
    QTest::newRow("text area, formatted question, preset on two lines")
        << FormHtml::modernTextAreaQuestion(formatted, {QStringLiteral("40"), QStringLiteral("5"),
                                                        QStringLiteral("Erste <Zeile>\nZweite")})
        << lines(R"(<fieldset style="text-align: left; margin-top: 1.2em; margin-bottom: 2.4em">
<legend style="font-family: 'Arial'; font-size: 12pt; color: Black; text-decoration: underline"><strong><sub>Name</sub></strong></legend>
<label><textarea name="Name" cols="40" rows="5">Erste &lt;Zeile&gt;
Zweite</textarea></label>
</fieldset>)");

    // Numbers are written only where HTML takes them: sizes above 0, a maximum length from 0.
    const FormHtml::Question name{{}, QStringLiteral("Name")};
    QTest::newRow("fields with and without valid numbers")
        << FormHtml::modernInputFieldQuestion(name,
                                              {QStringLiteral(" 007 "), QStringLiteral("0"), false})
                   .mid(2, 1) +
               FormHtml::modernInputFieldQuestion(name,
                                                  {QStringLiteral("0"), QStringLiteral("-1"), true})
                   .mid(2, 1) +
               FormHtml::modernTextAreaQuestion(
                   name, {QStringLiteral("breit"), QStringLiteral("2.5"), {}})
                   .mid(2, 1) +
               FormHtml::modernSelectionListQuestion(name, {QStringLiteral("+3"), {}}).mid(2)
        << lines(R"(<label><input type="text" name="Name" size="7" maxlength="0"></label>
<label><input type="password" name="Name"></label>
<label><textarea name="Name"></textarea></label>
<label><select name="Name">
</select></label>
</fieldset>)");
    QTest::newRow("selection list")
        << FormHtml::modernSelectionListQuestion(
               name, {QStringLiteral("3"), {FormHtml::modernOptionLine(QStringLiteral("rot"))}})
               .mid(2, 3)
        << lines(R"(<label><select name="Name" size="3">
<option>rot</option>
</select></label>)");

    QTest::newRow("buttons: caption shown as typed, none typed, placed")
        << FormHtml::modernButton({.caption = QStringLiteral("Senden & \"los\"")}) +
               FormHtml::modernButton(
                   {FormHtml::ButtonKind::Reset, QStringLiteral(" "), {Position::Center, 1, 0}})
        << lines(R"(<button type="submit">Senden &amp; "los"</button>
<div style="text-align: center; margin-top: 1.2em">
<button type="reset">Zurücksetzen</button>
</div>)");
}

// The frame page of a modern page: named iframes laid out by a grid that fills the window.
void TestHtml::modernFrames_data() {
    addLineColumns();
    FramesetValues values;
    values.title = QStringLiteral("Rahmen & Co");
    values.border = QStringLiteral("1");
    const char* const sizes[] = {"150", "*", "20%", "2*", ""};
    const char* const letters = "ABCDE";
    for (int i = 0; i < 5; ++i) {
        const QChar letter = QLatin1Char(letters[i]);
        values.frames[i] = {QStringLiteral("name") + letter, letter + QStringLiteral(".html"),
                            QString::fromLatin1(sizes[i])};
    }
    QTest::newRow("two columns, whole page")
        << FramesetHtml::modernPage(FrameLayout::TwoColumns, values) << lines(R"(<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="generator" content="Fernbrook Quillmark">
<title>Rahmen &amp; Co</title>
<style>
img { max-width: 100%; height: auto; }
hr, input, select, textarea { max-width: 100%; }
.tabelle { overflow-x: auto; }
table { border-collapse: collapse; }
html, body { height: 100%; margin: 0; }
body { display: grid; grid-template-rows: 1fr; grid-template-columns: 150px 1fr; }
iframe { width: 100%; height: 100%; box-sizing: border-box; border: 1px solid; }
</style>
</head>
<body>
<iframe src="A.html" name="nameA"></iframe>
<iframe src="B.html" name="nameB"></iframe>
</body>
</html>)");
    QTest::newRow("top, two columns")
        << FramesetHtml::modernPage(FrameLayout::TopTwoColumns, values).mid(13)
        << lines(
               R"(body { display: grid; grid-template-rows: 20% 1fr; grid-template-columns: 150px 1fr; }
iframe { width: 100%; height: 100%; box-sizing: border-box; border: 1px solid; }
.quer { grid-column: 1 / -1; }
</style>
</head>
<body>
<iframe src="C.html" name="nameC" class="quer"></iframe>
<iframe src="A.html" name="nameA"></iframe>
<iframe src="B.html" name="nameB"></iframe>
</body>
</html>)");
    QTest::newRow("top, two columns, bottom")
        << FramesetHtml::modernPage(FrameLayout::TopTwoColumnsBottom, values).mid(13, 1) +
               FramesetHtml::modernPage(FrameLayout::TopTwoColumnsBottom, values).mid(19)
        << lines(
               R"(body { display: grid; grid-template-rows: 20% 1fr 2fr; grid-template-columns: 150px 1fr; }
<iframe src="C.html" name="nameC" class="quer"></iframe>
<iframe src="A.html" name="nameA"></iframe>
<iframe src="B.html" name="nameB"></iframe>
<iframe src="D.html" name="nameD" class="quer"></iframe>
</body>
</html>)");
    values.border = QStringLiteral("0");
    QTest::newRow("top, three columns, bottom, no border")
        << FramesetHtml::modernPage(FrameLayout::TopThreeColumnsBottom, values).mid(13, 2) +
               FramesetHtml::modernPage(FrameLayout::TopThreeColumnsBottom, values).mid(19)
        << lines(
               R"(body { display: grid; grid-template-rows: 20% 1fr 2fr; grid-template-columns: 150px 1fr 1fr; }
iframe { width: 100%; height: 100%; box-sizing: border-box; border: none; }
<iframe src="C.html" name="nameC" class="quer"></iframe>
<iframe src="A.html" name="nameA"></iframe>
<iframe src="B.html" name="nameB"></iframe>
<iframe src="E.html" name="nameE"></iframe>
<iframe src="D.html" name="nameD" class="quer"></iframe>
</body>
</html>)");

    // Sizes a grid cannot take as typed, an unreadable border, a frame without page or name.
    FramesetValues odd;
    odd.border = QStringLiteral("dünn");
    odd.frame(Frame::A).size = QStringLiteral("12.5%");
    odd.frame(Frame::B).size = QStringLiteral("3px");
    QTest::newRow("odd sizes, border and frame")
        << FramesetHtml::modernPage(FrameLayout::TwoColumns, odd).mid(6, 1) +
               FramesetHtml::modernPage(FrameLayout::TwoColumns, odd).mid(13, 2) +
               FramesetHtml::modernPage(FrameLayout::TwoColumns, odd).mid(18, 1)
        << lines(R"(<title>Unbenannt</title>
body { display: grid; grid-template-rows: 1fr; grid-template-columns: 12.5% 1fr; }
iframe { width: 100%; height: 100%; box-sizing: border-box; }
<iframe></iframe>)");
}

void TestHtml::frameset_data() {
    addLineColumns();
    FramesetValues values;
    values.title = QStringLiteral("Rahmen & Co");
    values.border = QStringLiteral("1");
    const char* const letters = "ABCDE";
    for (int i = 0; i < 5; ++i) {
        const QChar letter = QLatin1Char(letters[i]);
        values.frames[i] = {QStringLiteral("name") + letter, letter + QStringLiteral(".html"),
                            QString::number(10 * (i + 1))};
    }
    QTest::newRow("two columns") << FramesetHtml::page(FrameLayout::TwoColumns, values)
                                 << pageStartAnd(R"(<title>Rahmen & Co</title>
</head>
<frameset cols="10,20" border="1">
<frame src="A.html" name="nameA">
<frame src="B.html" name="nameB">
</frameset>
</html>)");
    QTest::newRow("top, two columns")
        << FramesetHtml::page(FrameLayout::TopTwoColumns, values).mid(6)
        << lines(R"(<frameset rows="30,*" border="1">
<frame src="C.html" name="nameC">
<frameset cols="10,20" border="1">
<frame src="A.html" name="nameA">
<frame src="B.html" name="nameB">
</frameset>
</frameset>
</html>)");
    QTest::newRow("top, two columns, bottom")
        << FramesetHtml::page(FrameLayout::TopTwoColumnsBottom, values).mid(6)
        << lines(R"(<frameset rows="30,*,40" border="1">
<frame src="C.html" name="nameC">
<frameset cols="10,20" border="1">
<frame src="A.html" name="nameA">
<frame src="B.html" name="nameB">
</frameset>
<frame src="D.html" name="nameD">
</frameset>
</html>)");
    values.border = QString();
    QTest::newRow("top, three columns, bottom, empty border")
        << FramesetHtml::page(FrameLayout::TopThreeColumnsBottom, values).mid(6)
        << lines(R"(<frameset rows="30,*,40" border="">
<frame src="C.html" name="nameC">
<frameset cols="10,20,50" border="">
<frame src="A.html" name="nameA">
<frame src="B.html" name="nameB">
<frame src="E.html" name="nameE">
</frameset>
<frame src="D.html" name="nameD">
</frameset>
</html>)");
}

// A double quote typed into any field that fills an attribute is written as "&quot;", so
// that it cannot end the attribute; the same text between tags stays as typed.
void TestHtml::quotesInAttributes_data() {
    addLineColumns();
    DocumentStart start;
    start.title = QStringLiteral("Der \"beste\" Garten");
    start.redirect = RedirectKind::External;
    start.redirectSeconds = QStringLiteral("5\"");
    start.redirectTarget = QStringLiteral("www.example.org/?q=\"a\"");
    start.withKeywords = true;
    start.keywords = QStringLiteral("\"Rosen\"");
    start.withIcon = true;
    start.icon = QStringLiteral("\"fav\".ico");
    start.backgroundColor = QStringLiteral("\"Red\"");
    QTest::newRow("head entries; title as typed")
        << GeneralSettingsHtml::documentStart(start)
        << pageStartAnd(
               R"(<meta http-equiv="refresh" content="5&quot;; url=http://www.example.org/?q=&quot;a&quot;">
<meta name="Keywords" content="&quot;Rosen&quot;">
<link rel="shortcut icon" href="&quot;fav&quot;.ico">
<title>Der "beste" Garten</title>
</head>
<body bgcolor="&quot;Red&quot;">)");
    start.pictureMode = true;
    start.backgroundPicture = QStringLiteral("a\"b.jpg");
    QTest::newRow("background picture") << GeneralSettingsHtml::documentStart(start).mid(9)
                                        << lines(R"(<body background="a&quot;b.jpg">)");

    TextFormat quoted;
    quoted.fontName = QStringLiteral("\"Times New Roman\"");
    quoted.fontSize = QStringLiteral("1\"2");
    quoted.fontColor = QStringLiteral("\"Red\"");
    QTest::newRow("paragraph style; text as typed")
        << QStringList{TextFormatHtml::styledParagraphLine(quoted,
                                                           QStringLiteral("Er sagt \"Hallo\""))}
        << lines(
               R"(<p style="font-family:&quot;Times New Roman&quot;; font-size:1&quot;2pt; color:&quot;Red&quot;">Er sagt "Hallo"</p>)");

    const ImageTag image{QStringLiteral("\"a\".jpg"), QStringLiteral("Ein \"Bild\""), true,
                         QStringLiteral("1\""), QStringLiteral("\"2")};
    QTest::newRow("picture")
        << QStringList{ImagesHtml::imageLine(image)}
        << lines(
               R"(<img src="&quot;a&quot;.jpg" alt="Ein &quot;Bild&quot;" width="1&quot;" height="&quot;2">)");
    const Rule rule{QStringLiteral("\"Red\""), QStringLiteral("3\""), QStringLiteral("\"50%")};
    QTest::newRow("rule")
        << LinesHtml::ruleBlock(rule)
        << lines(R"(<hr color="&quot;Red&quot;" size="3&quot;" width="&quot;50%">)");
    const TableSettings table{QStringLiteral("1\""), QStringLiteral("\"Navy\""),
                              QStringLiteral("\"Red\""), QStringLiteral("\"80%")};
    const CellSettings cell{QStringLiteral("\"Lime\""), QStringLiteral("0\""),
                            QStringLiteral("\"Teal\"")};
    QTest::newRow("table and cell")
        << TablesHtml::tableStart(table) + TablesHtml::cellOpen(cell)
        << lines(
               R"(<table  border="1&quot;" bordercolor="&quot;Navy&quot;" bgcolor="&quot;Red&quot;" width="&quot;80%">
<td bgcolor="&quot;Lime&quot;" border="0&quot;" bordercolor="&quot;Teal&quot;">)");

    const LinkAddress intoFrame{QString(), QStringLiteral("seite.html?a=\"1\""),
                                LinksHtml::frameTarget(QStringLiteral("\"rechts\""))};
    QTest::newRow("text link into a frame; link text as typed")
        << LinksHtml::textLink(arial(), intoFrame, QStringLiteral("\"Hier\""))
        << lines(
               R"(<p style="font-family:Arial; font-size:12pt; color:Black"><a href="seite.html?a=&quot;1&quot;" target="&quot;rechts&quot;">"Hier"</p></a>)");
    ImageLink imageLink;
    imageLink.file = QStringLiteral("\"a\".gif");
    imageLink.text = QStringLiteral("Ein \"Knopf\"");
    imageLink.sized = true;
    imageLink.width = QStringLiteral("4\"");
    imageLink.height = QStringLiteral("\"3");
    imageLink.border = QStringLiteral("0\"");
    QTest::newRow("picture link")
        << LinksHtml::imageLink({LinksHtml::mailPrefix(), QStringLiteral("\"anna\"@example.org"),
                                 LinksHtml::samePageTarget()},
                                imageLink)
        << lines(
               R"(<a href="mailto:&quot;anna&quot;@example.org" ><img src="&quot;a&quot;.gif" alt="Ein &quot;Knopf&quot;" width="4&quot;" height="&quot;3"  border="0&quot;"></a>)");

    QTest::newRow("form recipient")
        << QStringList{FormHtml::formStartLine(FormHtml::formServiceAddress(),
                                               QStringLiteral("\"Anna\" <anna@example.org>"))}
        << lines(
               R"(<form action="http://formmail.example.net/Formular-Chef/Formular-Chef.cgi" method="post"><input type="hidden" name="empfaenger" value="&quot;Anna&quot; <anna@example.org>">)");
    const QString question = QStringLiteral("Ihr \"Name\"");
    const QString answer = QStringLiteral("\"gut\" & <b>");
    QTest::newRow("answers; answer text as typed")
        << QStringList{FormHtml::radioAnswerLine(question, answer),
                       FormHtml::checkBoxAnswerLine(question, answer)}
        << lines(
               R"(<input type="radio" name="Ihr &quot;Name&quot;" value="&quot;gut&quot; & <b>" >"gut" & <b><br>
<input type="checkbox" name="Ihr &quot;Name&quot;" value="&quot;gut&quot; & <b>">"gut" & <b><br>)");
    const FormHtml::Question asked{{}, question};
    QTest::newRow("text area; question and preset as typed")
        << FormHtml::textAreaQuestion(asked, {QStringLiteral("4\""), QStringLiteral("\"2"),
                                              QStringLiteral("Ein \"Text\"")})
        << lines(R"(<p>
<p style="font-family:; font-size:pt; color:">Ihr "Name"
<textarea name="Ihr &quot;Name&quot;" cols="4&quot;" rows="&quot;2">Ein "Text"</textarea>
</p>)");
    QTest::newRow("input field")
        << FormHtml::inputFieldQuestion(asked,
                                        {QStringLiteral("2\""), QStringLiteral("\"3"), false})
               .mid(2, 1)
        << lines(
               R"(<input name="Ihr &quot;Name&quot;" type="text" size="2&quot;" maxlength="&quot;3">)");
    QTest::newRow("selection list")
        << FormHtml::selectionListQuestion(asked, {QStringLiteral("3\""), {}}).mid(2, 1)
        << lines(R"(<select size="3&quot;" name="Ihr &quot;Name&quot;">)");
    QTest::newRow("button") << FormHtml::button({.caption = QStringLiteral("\"Los\"")})
                            << lines(R"(<input type="submit" value="&quot;Los&quot;">)");

    FramesetValues frames;
    frames.title = QStringLiteral("Die \"Rahmen\"");
    frames.border = QStringLiteral("1\"");
    for (Frame frame : {Frame::A, Frame::B, Frame::C, Frame::D})
        frames.frame(frame) = {QStringLiteral("\"n\""), QStringLiteral("\"s\".html"),
                               QStringLiteral("1\"")};
    QTest::newRow("frameset; title as typed")
        << FramesetHtml::page(FrameLayout::TopTwoColumnsBottom, frames).mid(4, 4)
        << lines(R"(<title>Die "Rahmen"</title>
</head>
<frameset rows="1&quot;,*,1&quot;" border="1&quot;">
<frame src="&quot;s&quot;.html" name="&quot;n&quot;">)");
}

// File names and colour texts, one result per row.
void TestHtml::namesAndColours_data() {
    addLineColumns();
    const auto row = [](const char* name, const QString& result, const char* expected) {
        QTest::newRow(name) << QStringList{result} << QStringList{QString::fromUtf8(expected)};
    };
    row("bare name after a trailing separator", BareFileName(QStringLiteral("C:\\Web\\")), "");
    row("caption",
        WindowCaption(QStringLiteral("Quillmark"), QStringLiteral("/home/anna/Grüße.html"), false),
        "Grüße.html  -  Quillmark");
    row("proposed: separators made dashes", ProposedFileName(QStringLiteral("a/b\\c")),
        "a-b-c.html");
    row("proposed: leading dots and blanks dropped",
        ProposedFileName(QStringLiteral(" ..\t.Mein Garten.")), "Mein Garten..html");
    row("proposed: a separator first stays a dash", ProposedFileName(QStringLiteral("/etc")),
        "-etc.html");
    row("proposed: nothing left", ProposedFileName(QStringLiteral(" . .")), "Unbenannt.html");
    row("proposed: empty title", ProposedFileName({}), "Unbenannt.html");
    const QString html = QStringLiteral(".html");
    row("type appended", WithFileType(QStringLiteral("/tmp/seite"), html), "/tmp/seite.html");
    row("type kept in any case", WithFileType(QStringLiteral("/tmp/SEITE.HTM"), html),
        "/tmp/SEITE.HTM");
    row("other known type kept", WithFileType(QStringLiteral("/tmp/notiz.txt"), html),
        "/tmp/notiz.txt");
    row("unknown type extended",
        WithFileType(QStringLiteral("/tmp/seite.html.bak"), QStringLiteral(".txt")),
        "/tmp/seite.html.bak.txt");
    row("colour: transparency ignored", ColorFieldText(QColor(255, 255, 255, 0)), "White");
    row("colour: no HTML name", ColorFieldText(QColor(0xFF, 0xFB, 0xF0)), "#FFFBF0");
}

void TestHtml::utf8Declaration_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("declared");
    const QString meta = SourceHtml::contentTypeLine();
    const auto row = [&meta](const char* name, const char* page, const char* declared) {
        QTest::newRow(name) << QString::fromUtf8(page)
                            << QString::fromUtf8(declared).replace(QStringLiteral("META"), meta);
    };
    // An unchanged page is written as "same".
    row("the program's own page", kPageStart, "same");
    row("UTF-8 written otherwise", "<head>\n<META CHARSET=\"UTF8\">", "same");
    row("another encoding, replaced in place",
        "<head>\n<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">",
        "<head>\nMETA");
    row("among other tags on its line", "<head>\n  <meta charset='iso-8859-1'><title>x</title>",
        "<head>\n  META<title>x</title>");
    row("a head without one", "<html>\n<HEAD>\n<title>x</title>",
        "<html>\n<HEAD>\nMETA\n<title>x</title>");
    row("a head on one line", "<html><head><title>x</title></head>",
        "<html><head>\nMETA\n<title>x</title></head>");
    row("a declaration in the body is not the head's",
        "<head>\n</head>\n<body>\n<meta charset=\"latin1\">",
        "<head>\nMETA\n</head>\n<body>\n<meta charset=\"latin1\">");
    row("no head", "<header>\n<p>Hallo</p>", "same");
    // Older pages declare a content type without a charset.
    row("one without a charset replaced in place",
        "<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html\">\n<title>x</title>",
        "<head>\nMETA\n<title>x</title>");
    row("one without a charset dropped beside the program's line",
        "<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
        "<meta http-equiv='content-type' content='text/html'>\n<title>x</title>",
        "<head>\nMETA\n<title>x</title>");
    row("one without a charset dropped from its line beside another encoding",
        "<head><META HTTP-EQUIV=Content-Type CONTENT=text/html>\n<meta charset=\"latin1\">",
        "<head>\nMETA");
    row("a refresh declares nothing", "<head>\n<meta http-equiv=\"refresh\" content=\"5\">",
        "<head>\nMETA\n<meta http-equiv=\"refresh\" content=\"5\">");
}

void TestHtml::utf8Declaration() {
    QFETCH(QString, page);
    QFETCH(QString, declared);
    const QStringList before = page.split(u'\n');
    const Utf8Declared result = DeclareUtf8(before);
    const bool same = declared == QLatin1String("same");
    QCOMPARE(result.lines, same ? before : declared.split(u'\n'));
    QCOMPARE(result.changed, !same);
}

QTEST_GUILESS_MAIN(TestHtml)
#include "tst_html.moc"
