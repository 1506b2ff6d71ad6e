// The page check on its own: each kind of finding with its line and sentence, and every
// emitter's output read back without a finding.
#include "core/forms/FormHtml.h"
#include "core/frames/FramesetHtml.h"
#include "core/generators/GeneralSettingsHtml.h"
#include "core/generators/ImagesHtml.h"
#include "core/generators/LinesHtml.h"
#include "core/generators/LinksHtml.h"
#include "core/generators/ListsHtml.h"
#include "core/generators/TablesHtml.h"
#include "core/generators/TextFormatHtml.h"
#include "core/source/PageCheck.h"
#include "core/source/PageKindOf.h"
#include "core/source/SourceHtml.h"

#include "support/PageLines.h"

#include <QTest>

#include <utility>

namespace {

// "12 Fehler: sentence", one per finding; the empty page's hint says so, and a finding that a
// tab page's button mends ends in "[Listen]".
QStringList described(const QList<Finding>& findings) {
    QStringList result;
    for (const Finding& f : findings)
        result << QString::number(f.line) +
                      (f.kind == Finding::Kind::Fehler ? QStringLiteral(" Fehler: ")
                       : f.emptyPage                   ? QStringLiteral(" Hinweis, Seite leer: ")
                                                       : QStringLiteral(" Hinweis: ")) +
                      f.text +
                      (f.page.isEmpty() ? QString() : QStringLiteral(" [") + f.page + u']');
    return result;
}

QStringList documentStart() {
    DocumentStart start;
    start.title = QStringLiteral("Meine Seite");
    return GeneralSettingsHtml::documentStart(start);
}

// A whole page as a save leaves it.
QStringList page(const QStringList& body) {
    return documentStart() + shown(body) + SourceHtml::closingTail();
}

TextFormat textFormat(Position position, const Emphasis& emphasis = {}) {
    TextFormat f;
    f.fontName = QStringLiteral("Arial");
    f.fontSize = QStringLiteral("12");
    f.fontColor = QStringLiteral("Black");
    f.placement.position = position;
    f.emphasis = emphasis;
    f.placement.breaksBefore = 1;
    f.placement.breaksAfter = 1;
    return f;
}

Emphasis emphasisOf(int mask) {
    return {bool(mask & 1), bool(mask & 2),  bool(mask & 4),
            bool(mask & 8), bool(mask & 16), bool(mask & 32)};
}

QStringList table(Position position) {
    QStringList result = TablesHtml::tableStart({QStringLiteral("1"),
                                                 QStringLiteral("Black"),
                                                 QStringLiteral("White"),
                                                 QStringLiteral("100%"),
                                                 {position, 1, 0}});
    for (int row = 0; row < 2; ++row) {
        result << TablesHtml::rowOpen();
        for (int cell = 0; cell < 2; ++cell)
            result << TablesHtml::cellOpen({}) << QStringLiteral("Zelle")
                   << TablesHtml::cellClose();
        result << TablesHtml::rowClose();
    }
    return result + TablesHtml::tableEnd({position, 0, 1});
}

// Lists nested as the list page collects them, closed first-begun first.
QStringList nestedLists(Position position) {
    ListBlock list;
    list.body << ListsHtml::openingLine(ListStyle::Numbers)
              << ListsHtml::entryLine(QStringLiteral("eins"))
              << ListsHtml::openingLine(ListStyle::Discs)
              << ListsHtml::entryLine(QStringLiteral("zwei"))
              << QStringLiteral("<UL TYPE=\"square\">")
              << ListsHtml::entryLine(QStringLiteral("drei")) << QStringLiteral("</UL>");
    list.openLists << ListsHtml::closingTag(ListKind::Sorted)
                   << ListsHtml::closingTag(ListKind::Unsorted);
    list.placement.position = position;
    return ListsHtml::listBlock(list);
}

// A form service a web host offers.
QString ownService() {
    return QStringLiteral("http://www.meinhoster.de/cgi-bin/formular.cgi");
}

// A form with every question kind and both buttons.
QStringList form(Position position, const Emphasis& emphasis, const QString& service) {
    const FormHtml::Question question{textFormat(position, emphasis), QStringLiteral("Wie?")};
    QStringList result{FormHtml::formStartLine(service, QStringLiteral("ich@example.de"))};
    result << FormHtml::decisionQuestion(
        question, {FormHtml::radioAnswerLine(question.text, QStringLiteral("gut")),
                   FormHtml::radioAnswerLine(question.text, QStringLiteral("schlecht"))});
    result << FormHtml::checkBoxQuestion(
        question, {FormHtml::checkBoxAnswerLine(question.text, QStringLiteral("ja"))});
    result << FormHtml::textAreaQuestion(
        question, {QStringLiteral("40"), QStringLiteral("5"), QStringLiteral("Zeile <b>\nzwei")});
    result << FormHtml::inputFieldQuestion(question,
                                           {QStringLiteral("20"), QStringLiteral("40"), false});
    result << FormHtml::inputFieldQuestion(question,
                                           {QStringLiteral("20"), QStringLiteral("40"), true});
    result << FormHtml::selectionListQuestion(question,
                                              {QStringLiteral("1"),
                                               {FormHtml::optionLine(QStringLiteral("rot")),
                                                FormHtml::optionLine(QStringLiteral("blau"))}});
    for (FormHtml::ButtonKind kind : {FormHtml::ButtonKind::Submit, FormHtml::ButtonKind::Reset})
        result << FormHtml::button({kind, QStringLiteral("Los"), position, 1, 1});
    return result << FormHtml::formEndLine();
}

QStringList elements(Position position, const Emphasis& emphasis,
                     const QString& service = ownService()) {
    const LinkAddress web{
        {}, QStringLiteral("http://www.example.de"), LinksHtml::newWindowTarget()};
    const LinkAddress mail{LinksHtml::mailPrefix(), QStringLiteral("ich@example.de"),
                           LinksHtml::samePageTarget()};
    const LinkAddress local{{}, QStringLiteral("seite2.html"), LinksHtml::frameTarget("rechts")};
    ImageLink picture;
    picture.file = QStringLiteral("bild.jpg");
    picture.text = QStringLiteral("Ein Bild");
    picture.border = QStringLiteral("0");
    picture.placement.position = position;
    QStringList result = TextFormatHtml::textBlock(
        textFormat(position, emphasis),
        TextFormatHtml::styledParagraphLine(textFormat(position), QStringLiteral("Hallo")));
    result << LinksHtml::textLink(textFormat(position, emphasis), web, QStringLiteral("Web"))
           << LinksHtml::textLink(textFormat(position), mail, QStringLiteral("Post"))
           << LinksHtml::imageLink(local, picture)
           << ImagesHtml::imageBlock(
                  {{picture.file, picture.text, true, QStringLiteral("10"), QStringLiteral("20")},
                   position,
                   1,
                   1})
           << LinesHtml::ruleBlock({QStringLiteral("Red"), QStringLiteral("2"),
                                    QStringLiteral("50%"), position, 1, 1});
    return result + table(position) + nestedLists(position) + form(position, emphasis, service);
}

} // namespace

class TestPageCheck : public QObject {
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void emittedPagesGiveNone_data();
    void emittedPagesGiveNone();
    void pageKind_data();
    void pageKind();
};

void TestPageCheck::findings_data() {
    QTest::addColumn<QStringList>("page");
    QTest::addColumn<bool>("assumeClosingTail");
    QTest::addColumn<QStringList>("folderNames");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char* name, const QStringList& page, const QStringList& expected,
                        bool assumeTail = false, const QStringList& folder = {}) {
        QTest::newRow(name) << page << assumeTail << folder << expected;
    };

    // Every element that needs its end tag, written in upper case inside a form.
    const std::pair<const char*, const char*> required[]{
        {"table", "Die Tabelle"},      {"ul", "Die unsortierte Liste"},
        {"ol", "Die sortierte Liste"}, {"select", "Die Auswahlliste"},
        {"font", "Die Schriftangabe"}, {"center", "Die Zentrierung"},
        {"div", "Der Bereich"},        {"a", "Der Link"},
        {"b", "Der Fettdruck"},        {"i", "Die Kursivschrift"},
        {"u", "Die Unterstreichung"},  {"s", "Die Durchstreichung"},
        {"sup", "Die Hochstellung"},   {"sub", "Die Tiefstellung"}};
    for (const auto& [tag, spoken] : required) {
        const QString name = QString::fromLatin1(tag);
        row(tag,
            {QStringLiteral("<form>"), u'<' + name.toUpper() + u'>', QStringLiteral("</form>")},
            {QStringLiteral(
                 "2 Fehler: %1 (<%2>) aus Zeile 2 wird nicht geschlossen: Es fehlt </%2>.")
                 .arg(QString::fromUtf8(spoken), name)});
    }
    row("table after an open paragraph", lines("<p>\n<table border=1>\n<tr><td>x</td></tr>"),
        {"2 Fehler: Die Tabelle (<table>) aus Zeile 2 wird nicht geschlossen: Es fehlt </table>."});
    row("form and text area", lines("<form action=x>\n<textarea name=t>\n</form>\n<table>"),
        {"1 Fehler: Das Formular (<form>) aus Zeile 1 wird nicht geschlossen: Es fehlt </form>.",
         "2 Fehler: Das Textfeld (<textarea>) aus Zeile 2 wird nicht geschlossen: Es fehlt "
         "</textarea>."});
    row("div left open in a cell", lines("<table><tr><td><div align=center>x</td></tr></table>"),
        {"1 Fehler: Der Bereich (<div>) aus Zeile 1 wird nicht geschlossen: Es fehlt </div>."});
    row("end tags that close nothing",
        lines("<b>x</b></b>\n<div><table><tr><td></div></td></tr></table></div>\n</ul>"),
        {"1 Fehler: </b> schließt nichts: Davor ist kein <b> offen.",
         "2 Fehler: </div> schließt nichts: Davor ist kein <div> offen.",
         "3 Fehler: </ul> schließt nichts: Davor ist kein <ul> offen."});
    row("out of place",
        lines("<tr valign=top>\n<td>x</td>\n<li class=a>y</li>\n<input name=a>\n"
              "<select><option>z</select>"),
        {"1 Fehler: Die Tabellenzeile (<tr>) steht außerhalb einer Tabelle (<table>).",
         "2 Fehler: Die Tabellenzelle (<td>) steht außerhalb einer Tabelle (<table>).",
         "3 Fehler: Der Listeneintrag (<li>) steht außerhalb einer Liste (<ul> oder <ol>).",
         "4 Fehler: Das Eingabefeld (<input>) steht außerhalb eines Formulars (<form>).",
         "5 Fehler: Die Auswahlliste (<select>) steht außerhalb eines Formulars (<form>)."});
    row("browsers' recovery gives nothing",
        lines("<b><i><u>x</u></i></b>\n</p><p>a<table><tr><td>b<td>c<tr><th>d</table>\n"
              "<ul><li>e<li>f</ul><form><select><option>g<option>h</select></form><p>i</p></p>"),
        {});
    row("content before the document start",
        QStringList{QStringLiteral("<!DOCTYPE html>"), QStringLiteral("Hallo")} + page({}),
        {"2 Fehler: Vor dem Seitenanfang (<html>) steht schon etwas: Es gehört hinter <body>."});
    row("content after the end", page({}) << QString() << QStringLiteral("<p>mehr"),
        {"11 Fehler: Nach </html> steht noch etwas: Alles, was die Seite zeigt, gehört vor "
         "</body>."});
    row("content after the body", lines("<html><body></body>\n<!-- gut -->\nText\n</html>"),
        {"3 Fehler: Nach </body> steht noch etwas: Alles, was die Seite zeigt, gehört vor "
         "</body>."});
    row("content between head and body",
        lines("<html><head><title>T</title></head>\n<p>x\n<body></body></html>"),
        {"2 Fehler: Zwischen </head> und <body> steht etwas: Es gehört hinter <body>."});
    row("no body", lines("<html><head></head>\n\n<p>x</html>"),
        {"3 Fehler: Nach </head> fehlt <body>: Der Inhalt der Seite gehört hinter <body>."});
    row("order", lines("<html>\n<body>\n<head>\n</body>\n<body>\n</html>"),
        {"1 Hinweis, Seite leer: Die Seite ist noch leer.",
         "3 Fehler: <head> steht an falscher Stelle: Die Reihenfolge ist <html>, <head>, </head>, "
         "<body>, </body>, </html>, jedes nur einmal.",
         "5 Fehler: <body> steht an falscher Stelle: Die Reihenfolge ist <html>, <head>, </head>, "
         "<body>, </body>, </html>, jedes nur einmal."});
    // A save in the main window appends the closing tail; the post-editor assumes nothing.
    const QStringList open = documentStart() << QStringLiteral("<p>Text</p>");
    row("closing tail assumed", open, {}, true);
    row("closing tail missing", open,
        {"1 Fehler: Die Seite (<html>) aus Zeile 1 wird nicht geschlossen: Es fehlt </html>.",
         "7 Fehler: Der Seiteninhalt (<body>) aus Zeile 7 wird nicht geschlossen: Es fehlt "
         "</body>."});
    row("hints",
        lines(
            "<img src=\"\" alt=''>\n<a href = www.example.de>w</a>\n"
            "<a title=\"a > b\"\nhref=\"mein bild.jpg\">x</a>\n<img src='100%.jpg' alt=Bild>\n"
            "<a href=\"a%20b.html#oben\">y</a><a href=\"#oben\">z</a><a href=\"mailto:a@b\">m</a>"),
        {"1 Hinweis: src=\"\" ist leer: Hier fehlt der Name einer Datei oder eine Adresse.",
         "1 Hinweis: Das Bild hat einen leeren Ersatztext (alt=\"\"): Wer es nicht sehen kann, "
         "erfährt nicht, was es zeigt.",
         "2 Hinweis: Die Adresse „www.example.de“ beginnt mit „www.“ ohne „http://“: Der Browser "
         "sucht sie dann als Datei neben der Seite.",
         "4 Hinweis: Im Namen „mein bild.jpg“ steht ein Leerzeichen: Nicht jeder Server findet "
         "die Datei dann. Besser ohne Leerzeichen benennen.",
         "5 Hinweis: Im Namen „100%.jpg“ steht ein Prozentzeichen ohne zwei Ziffern oder "
         "Buchstaben von A bis F dahinter: Der Browser findet die Datei dann nicht."});
    row("names looked up in the folder",
        lines("<img src=\"da.jpg\" alt=a><img src=\"fehlt.jpg\" alt=b>\n"
              "<a href=\"a%20b.html?x=1\">a</a><a href=\"ordner/x.html\">b</a>\n<a "
              "href=Da.jpg>c</a>"),
        {"1 Hinweis: Die Datei „fehlt.jpg“ gibt es im Ordner der Seite nicht.",
         "3 Hinweis: Die Datei „Da.jpg“ gibt es im Ordner der Seite nicht."},
        false, {"da.jpg", "a b.html"});
    row("comments, scripts and text areas are not read",
        lines("<!-- <table>\n</div> --><script>if (a<b) document.write(\"</b>\")</script>\n"
              "<form><TEXTAREA>\n<table></textarea></form>\n<style>\np { }</style>"),
        {});
    // Browsers end a comment at "<!-->" and "--!>" and read noframes and xmp as text.
    row("comments and raw text as browsers read them",
        lines("<html><body>\n<!-->\n<p>a</p>\n<!-- b --!>\n<noframes><b></noframes>\n"
              "<xmp><b></xmp>\n</body></html>"),
        {});
    row("an empty page", page({}), {"1 Hinweis, Seite leer: Die Seite ist noch leer."});
    row("errors",
        lines("<img src=\"a.jpg\" alt=\"Bild\">\" width=\"50%\">\n"
              "<form action=\"a.cgi\">\n<form action=\"b.cgi\"></form></form>\n"
              "<ul><ul type=\"circle\"><li>x</li></ul></ul>\n"
              "<ol><li>erstens</li>\n<ul type=\"circle\"><li>a</li></ul></ol>\n"
              "<meta http-equiv=\"refresh\" content=\"0,5; url=b.html\">\n"
              "<meta http-equiv=\"Refresh\" content=\" 0.5 \">\n<p>x</p GEAENDERT>"),
        {"1 Fehler: „\" width=\"50%\">“ steht als Text auf der Seite, weil ein Anführungszeichen "
         "das Attribut davor zu früh beendet hat: Löschen Sie das überzählige Anführungszeichen "
         "im Tag davor.",
         "3 Fehler: Das Formular steht im Formular aus Zeile 2, und Browser übergehen es: Beenden "
         "Sie das erste Formular mit </form>, bevor das nächste beginnt.",
         "4 Fehler: Die Liste (<ul>) beginnt in einer Liste, in der noch kein Listeneintrag "
         "(<li>) steht: Schreiben Sie zuerst einen Eintrag oder beenden Sie die äußere Liste.",
         "7 Fehler: Die Wartezeit „0,5“ der Weiterleitung ist keine Zahl, die Browser lesen: "
         "Schreiben Sie eine ganze Zahl oder eine Dezimalzahl mit Punkt, etwa „0.5“.",
         "9 Fehler: Hinter </p steht noch etwas, das Browser übergehen: Ein schließendes Tag "
         "enthält nur seinen Namen, also </p>."});
    const QString exampleAddress = QStringLiteral(
        "Das Formular wird an eine Beispieladresse geschickt und kommt nirgends an. Tragen Sie im "
        "Fenster „Formulare“ unter „Adresse des Formular-Dienstes:“ die Adresse eines "
        "Formular-Dienstes ein, den Ihr Webhoster anbietet. [Formulare]");
    row("colours, styles, pictures and forms",
        lines("<font color=\"Hellblau\">a</font>\n"
              "<table bordercolor=\"grün\" bgcolor=\"#ABCD\"><tr><td>x</td></tr></table>\n"
              "<hr color=\"#12345\"><font color=\"currentColor\">b</font>"
              "<font color=\"LightGoldenrodYellow\">c</font>\n"
              "<p style=\"color: RGB(1,2,3); background-color:transparent; font-family:;\">y</p>\n"
              "<p style=\"background-color: weiss\">z</p>\n<img src=\"b.jpg\">\n"
              "<meta charset=\"utf-8\">\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
              "<form action=\"https://www.example.com/senden\"></form>"),
        {"1 Hinweis: „Hellblau“ kennen Browser nicht; gemeint ist wohl „LightBlue“.",
         "2 Hinweis: „grün“ kennen Browser nicht; gemeint ist wohl „Green“.",
         "3 Hinweis: Die Farbe „#12345“ kennen Browser nicht: Nehmen Sie einen englischen "
         "Farbnamen wie „Red“ oder eine Angabe wie „#FF0000“.",
         "4 Hinweis: Im Stil (style) hat „font-family:“ keinen Wert: Tragen Sie einen Wert ein "
         "oder löschen Sie die Angabe.",
         "5 Hinweis: „weiss“ kennen Browser nicht; gemeint ist wohl „White“.",
         "6 Hinweis: Das Bild hat keinen Ersatztext (alt): Wer es nicht sehen kann, erfährt "
         "nicht, was es zeigt.",
         "8 Hinweis: Der Zeichensatz der Seite steht schon in Zeile 7: Löschen Sie eine der "
         "beiden Angaben.",
         QStringLiteral("9 Hinweis: ") + exampleAddress});
    // The text page closes emphasis in the order it opened it, each on a line of its own.
    row("misnested end tags",
        lines("<b><i><u>x</b></u></i>\n<div><b>y</div></b>\n<a href=\"a.html\"><div>z</a></div>\n"
              "<b>\n<u>\n<p>w</p>\n</b>\n</u>\n<p><i>v</p></i>\n<s><p>t</s></p>\n"
              "<p><a href=\"a.html\">u</p></a>"),
        {"1 Hinweis: </b> kommt, bevor <u> aus Zeile 1 geschlossen ist: Browser ordnen das "
         "selbst, aber nicht immer wie gemeint. Schließen Sie zuerst, was zuletzt geöffnet wurde.",
         "2 Hinweis: </div> kommt, bevor <b> aus Zeile 2 geschlossen ist: Browser ordnen das "
         "selbst, aber nicht immer wie gemeint. Schließen Sie zuerst, was zuletzt geöffnet wurde.",
         "3 Hinweis: </a> kommt, bevor <div> aus Zeile 3 geschlossen ist: Browser ordnen das "
         "selbst, aber nicht immer wie gemeint. Schließen Sie zuerst, was zuletzt geöffnet "
         "wurde.",
         "9 Hinweis: </p> kommt, bevor <i> aus Zeile 9 geschlossen ist: Browser ordnen das "
         "selbst, aber nicht immer wie gemeint. Schließen Sie zuerst, was zuletzt geöffnet wurde.",
         "10 Hinweis: </s> kommt, bevor <p> aus Zeile 10 geschlossen ist: Browser ordnen das "
         "selbst, aber nicht immer wie gemeint. Schließen Sie zuerst, was zuletzt geöffnet wurde.",
         "11 Hinweis: </p> kommt, bevor <a> aus Zeile 11 geschlossen ist: Browser ordnen das "
         "selbst, aber nicht immer wie gemeint. Schließen Sie zuerst, was zuletzt geöffnet "
         "wurde."});
    // What a button wrote, pressed before the button that begins it or without the one that
    // ends it.
    const QString service = ownService();
    const QString any = QStringLiteral("x");
    row("what a button wrote, out of place",
        QStringList{ListsHtml::entryLine(any)} + TablesHtml::rowOpen() + TablesHtml::cellOpen({}) +
            QStringList{FormHtml::radioAnswerLine(any, any)} + TablesHtml::tableStart({}) +
            QStringList{FormHtml::formStartLine(service, any), QStringLiteral("<p>")},
        {"1 Fehler: Die Liste ist nicht begonnen: Löschen Sie Zeile 1 oder nehmen Sie den Eintrag "
         "mit „Rückgängig“ zurück; drücken Sie dann auf der Seite „Listen“ zuerst „Sortierte "
         "Liste beginnen“ oder „Unsortierte Liste beginnen“. [Listen]",
         "2 Fehler: Die Tabelle ist nicht begonnen: Löschen Sie Zeile 2 oder nehmen Sie sie mit "
         "„Rückgängig“ zurück; drücken Sie dann auf der Seite „Tabellen“ zuerst „Tabelle "
         "erstellen“. [Tabellen]",
         "3 Fehler: Die Tabelle ist nicht begonnen: Löschen Sie Zeile 3 oder nehmen Sie sie mit "
         "„Rückgängig“ zurück; drücken Sie dann auf der Seite „Tabellen“ zuerst „Tabelle "
         "erstellen“. [Tabellen]",
         "4 Fehler: Das Formular ist nicht begonnen: Löschen Sie Zeile 4 oder nehmen Sie die Frage "
         "mit „Rückgängig“ zurück; drücken Sie dann im Fenster „Formulare“ zuerst „Formular "
         "erstellen“. Es öffnet sich auf der Seite „Formulare“ mit „Neues Formular erstellen“. "
         "[Formulare]",
         "5 Fehler: Die Tabelle aus Zeile 5 ist nicht beendet: Drücken Sie auf der Seite "
         "„Tabellen“ „Tabelle beenden“. [Tabellen]",
         "6 Fehler: Das Formular aus Zeile 6 ist nicht beendet: Drücken Sie im Fenster "
         "„Formulare“ „Formular beenden“. Es öffnet sich auf der Seite „Formulare“ mit „Neues "
         "Formular erstellen“. [Formulare]"});
    row("a modern table and form left open",
        TablesHtml::modernTableStart({QStringLiteral("1"), {}, {}, {}, {}}) +
            TablesHtml::rowOpen() + TablesHtml::modernCellOpen({QStringLiteral("Red"), {}, {}}) +
            QStringList{FormHtml::modernFormStartLine(service, any)},
        {"1 Fehler: Der Bereich (<div>) aus Zeile 1 wird nicht geschlossen: Es fehlt </div>.",
         "2 Fehler: Die Tabelle aus Zeile 2 ist nicht beendet: Drücken Sie auf der Seite "
         "„Tabellen“ „Tabelle beenden“. [Tabellen]",
         "5 Fehler: Das Formular aus Zeile 5 ist nicht beendet: Drücken Sie im Fenster "
         "„Formulare“ „Formular beenden“. Es öffnet sich auf der Seite „Formulare“ mit „Neues "
         "Formular erstellen“. [Formulare]"});
    row("the preset form service",
        page(elements(Position::Center, emphasisOf(1), FormHtml::formServiceAddress())),
        {QStringLiteral("75 Hinweis: ") + exampleAddress});
    // Presentational markup typed by hand: a modern page hints at the CSS that replaces it,
    // where it is outdated; a classic page takes it as it is.
    const QStringList outdated = lines(
        "<p ALIGN=\"center\">a</p><h1 align=right>b</h1>\n<FONT face=Arial>c</font>\n"
        "<center>d</center><u>e</u><s>f</s>\n"
        "<table bgcolor=\"yellow\" border=\"1\" width=\"50%\" cellpadding=2><tr "
        "valign=top><td background=\"a.jpg\" height=9>g</td></tr></table>\n"
        "<img src=\"a.jpg\" alt=\"A\" width=\"20\" height=\"10\" align=left>\n"
        "<iframe src=\"b.html\" width=300 height=200></iframe><span border=1 width=2>h</span>\n"
        "<ul type=square><li>i</li></ul><ol type=a><li>j</li></ol>\n"
        "<hr size=2 noshade width=50%><big>k</big><strike>l</strike><tt>m</tt>");
    const QStringList modernStart = GeneralSettingsHtml::modernDocumentStart({});
    const auto at = [&](int line, const char* hint) {
        return QStringLiteral("%1 Hinweis: ").arg(modernStart.size() + line) +
               QString::fromUtf8(hint);
    };
    row("outdated markup in a modern page", modernStart + outdated + SourceHtml::closingTail(),
        {at(1, "Das Attribut align ist veraltet. Verwenden Sie stattdessen CSS: text-align."),
         at(1, "Das Attribut align ist veraltet. Verwenden Sie stattdessen CSS: text-align."),
         at(2, "Das Element <font> ist veraltet. Verwenden Sie stattdessen CSS: font-family, "
               "font-size und color."),
         at(3, "Das Element <center> ist veraltet. Verwenden Sie stattdessen CSS: text-align."),
         at(4, "Das Attribut bgcolor ist veraltet. Verwenden Sie stattdessen CSS: "
               "background-color."),
         at(4, "Das Attribut border ist veraltet. Verwenden Sie stattdessen CSS: border."),
         at(4, "Das Attribut width ist veraltet. Verwenden Sie stattdessen CSS: width."),
         at(4, "Das Attribut cellpadding ist veraltet. Verwenden Sie stattdessen CSS: padding."),
         at(4, "Das Attribut valign ist veraltet. Verwenden Sie stattdessen CSS: "
               "vertical-align."),
         at(4, "Das Attribut background ist veraltet. Verwenden Sie stattdessen CSS: "
               "background-image."),
         at(4, "Das Attribut height ist veraltet. Verwenden Sie stattdessen CSS: height."),
         at(5, "Das Attribut align ist veraltet. Verwenden Sie stattdessen CSS: float oder "
               "vertical-align."),
         at(7, "Das Attribut type ist veraltet. Verwenden Sie stattdessen CSS: list-style-type."),
         at(8, "Das Attribut size ist veraltet. Verwenden Sie stattdessen CSS: height."),
         at(8, "Das Attribut noshade ist veraltet. Verwenden Sie stattdessen CSS: border und "
               "background-color."),
         at(8, "Das Attribut width ist veraltet. Verwenden Sie stattdessen CSS: width."),
         at(8, "Das Element <big> ist veraltet. Verwenden Sie stattdessen CSS: font-size."),
         at(8, "Das Element <strike> ist veraltet. Verwenden Sie stattdessen CSS: "
               "text-decoration."),
         at(8, "Das Element <tt> ist veraltet. Verwenden Sie stattdessen CSS: font-family.")});
    row("outdated markup in a classic page", page(outdated), {});
    row("frames in a modern page",
        lines("<!doctype html>\n<html><head><title>R</title></head>\n<frameset cols=\"50%,50%\">"
              "<frame src=\"a.html\">\n<noframes>Ohne Rahmen</noframes></frameset></html>"),
        {"3 Hinweis: Das Element <frameset> ist veraltet. Verwenden Sie stattdessen <iframe> und "
         "CSS.",
         "3 Hinweis: Das Element <frame> ist veraltet. Verwenden Sie stattdessen <iframe> und CSS.",
         "4 Hinweis: Das Element <noframes> ist veraltet. Verwenden Sie stattdessen <iframe> und "
         "CSS."});
}

void TestPageCheck::findings() {
    QFETCH(QStringList, page);
    QFETCH(bool, assumeClosingTail);
    QFETCH(QStringList, folderNames);
    QFETCH(QStringList, expected);
    const CheckOptions options{assumeClosingTail,
                               QSet<QString>(folderNames.begin(), folderNames.end())};
    // Joined, so that a failure shows every sentence.
    QCOMPARE(described(CheckPage(page, options)).join(u'\n'), expected.join(u'\n'));
}

void TestPageCheck::emittedPagesGiveNone_data() {
    QTest::addColumn<QStringList>("page");
    QTest::addColumn<bool>("assumeClosingTail");
    for (int mask = 0; mask < 64; ++mask) {
        const Emphasis emphasis = emphasisOf(mask);
        const TextFormat f = textFormat(Position(mask % 4), emphasis);
        QStringList body = TextFormatHtml::textBlock(
            f, TextFormatHtml::styledParagraphLine(f, QStringLiteral("Text"),
                                                   ParagraphKind(mask / 4 % 4)));
        body << LinksHtml::textLink(f, {{}, QStringLiteral("seite2.html"), {}},
                                    QStringLiteral("weiter"));
        body << FormHtml::formStartLine(ownService(), QStringLiteral("ich@example.de"))
             << FormHtml::decisionQuestion({f, QStringLiteral("Ja?")},
                                           {FormHtml::radioAnswerLine("Ja?", "ja")})
             << FormHtml::formEndLine();
        QTest::addRow("emphasis %d", mask) << page(body) << false;
    }
    for (Position position : {Position::None, Position::Left, Position::Center, Position::Right}) {
        Emphasis bold;
        bold.bold = true;
        QTest::addRow("every element, position %d", int(position))
            << page(elements(position, bold)) << false;
        QTest::addRow("every element, tail to come, position %d", int(position))
            << documentStart() + shown(elements(position, bold)) << true;
    }
    Emphasis all{true, true, true, true, true, true};
    const ImageElement picture{{QStringLiteral("bild.jpg"), QStringLiteral("Bild"), true,
                                QStringLiteral("10"), QStringLiteral("5%")},
                               {Position::Right, 1, 1}};
    const Rule rule{QStringLiteral("Red"), QStringLiteral("3"), QStringLiteral("50%"), {}};
    QTest::newRow("modern page")
        << GeneralSettingsHtml::modernDocumentStart({}) +
               TextFormatHtml::modernTextBlock(textFormat(Position::Center, all),
                                               ParagraphKind::Heading1, QStringLiteral("a\nb")) +
               ImagesHtml::modernImageBlock(picture) +
               ListsHtml::modernListBlock({{ListsHtml::modernOpeningLine(ListStyle::Squares),
                                            ListsHtml::modernEntryLine(QStringLiteral("a")),
                                            ListsHtml::modernOpeningLine(ListStyle::UpperRoman),
                                            ListsHtml::modernEntryLine(QStringLiteral("b"))},
                                           {ListsHtml::closingTag(ListKind::Sorted),
                                            ListsHtml::closingTag(ListKind::Unsorted)},
                                           {}}) +
               LinksHtml::modernTextLink(textFormat(Position::Left, all),
                                         {{}, QStringLiteral("seite2.html"), {}},
                                         QStringLiteral("weiter")) +
               QStringList{LinesHtml::modernRuleLine(rule)} + SourceHtml::closingTail()
        << false;
    QTest::newRow("elements without a document start")
        << shown(elements(Position::None, {})) << false;

    DocumentStart start;
    start.title = QStringLiteral("Alles");
    start.redirect = RedirectKind::External;
    start.redirectSeconds = QStringLiteral("5");
    start.redirectTarget = QStringLiteral("www.example.de");
    start.withKeywords = true;
    start.keywords = QStringLiteral("Garten, Rosen\nBeete");
    start.withAuthor = true;
    start.author = QStringLiteral("Jo");
    start.withIcon = true;
    start.icon = QStringLiteral("fav.ico");
    start.pictureMode = true;
    start.backgroundPicture = QStringLiteral("grund.jpg");
    QTest::newRow("every head entry")
        << shown(GeneralSettingsHtml::documentStart(start) << QStringLiteral("<p>Text</p>")) +
               SourceHtml::closingTail()
        << false;

    FramesetValues values;
    values.title = QStringLiteral("Rahmen");
    values.border = QStringLiteral("1");
    for (size_t i = 0; i < values.frames.size(); ++i)
        values.frames[i] = {QStringLiteral("f%1").arg(i), QStringLiteral("s%1.html").arg(i),
                            QStringLiteral("100")};
    for (FrameLayout layout :
         {FrameLayout::TwoColumns, FrameLayout::TopTwoColumns, FrameLayout::TopTwoColumnsBottom,
          FrameLayout::TopThreeColumnsBottom}) {
        QTest::addRow("frameset %d", int(layout)) << FramesetHtml::page(layout, values) << false;
        QTest::addRow("frameset %d, tail assumed", int(layout))
            << FramesetHtml::page(layout, values) << true;
    }
    QStringList withoutFrames = FramesetHtml::page(FrameLayout::TwoColumns, values);
    withoutFrames.insert(withoutFrames.size() - 2,
                         QStringLiteral("<noframes><body>Ohne Rahmen</body></noframes>"));
    QTest::newRow("frameset with noframes") << withoutFrames << false;
}

void TestPageCheck::emittedPagesGiveNone() {
    QFETCH(QStringList, page);
    QFETCH(bool, assumeClosingTail);
    QCOMPARE(described(CheckPage(page, {assumeClosingTail, {}})).join(u'\n'), QString());
}

void TestPageCheck::pageKind_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("modern");
    const auto row = [](const char* name, const QString& text, bool modern) {
        QTest::newRow(name) << text << modern;
    };
    row("bare doctype", QStringLiteral("<!DOCTYPE html>"), true);
    row("lower case", QStringLiteral("<!doctype html>\n<html lang=\"de\">"), true);
    row("mixed case", QStringLiteral("<!DocType HTML>"), true);
    row("spread over lines", QStringLiteral("<!DOCTYPE\nhtml\n>"), true);
    row("after a byte-order mark", QStringLiteral("\uFEFF<!DOCTYPE html>"), true);
    row("after blanks", QStringLiteral(" \n\t\r\n\f<!DOCTYPE html>"), true);
    row("after comments", QStringLiteral("<!-- a -->\n<!--\n<p>\n-->\n<!DOCTYPE html>"), true);
    row("after bogus comments", QStringLiteral("<!x><?xml version=\"1.0\"?>\n<!DOCTYPE html>"),
        true);
    row("the program's modern start", GeneralSettingsHtml::modernDocumentStart({}).join(u'\n'),
        true);
    row("the program's classic start", documentStart().join(u'\n'), false);
    row("public identifier",
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"), false);
    row("identifiers on the next lines",
        QStringLiteral("<!DOCTYPE html\nPUBLIC \"-//W3C//DTD HTML 4.01//EN\"\n"
                       "\"http://www.w3.org/TR/html4/strict.dtd\">"),
        false);
    row("system identifier", QStringLiteral("<!DOCTYPE html SYSTEM \"about:legacy-compat\">"),
        false);
    row("public keyword without identifier", QStringLiteral("<!DOCTYPE html PUBLIC>"), false);
    row("another name", QStringLiteral("<!DOCTYPE htm>"), false);
    row("cut off", QStringLiteral("<!DOCTYPE html"), false);
    row("html first", QStringLiteral("<html>\n<!DOCTYPE html>"), false);
    row("doctype after a tag", QStringLiteral("<!-- a --><p><!DOCTYPE html>"), false);
    row("text first", QStringLiteral("Hallo\n<!DOCTYPE html>"), false);
    row("reference first", QStringLiteral("&nbsp;<!DOCTYPE html>"), false);
    row("byte-order mark after a blank", QStringLiteral(" \uFEFF<!DOCTYPE html>"), false);
    row("bogus comment only", QStringLiteral("<!x html>"), false);
    row("comment not ended", QStringLiteral("<!-- <!DOCTYPE html>"), false);
    row("blanks only", QStringLiteral("\n \n"), false);
    row("empty", QString(), false);
}

// Read as one text and line by line, as the check reads it.
void TestPageCheck::pageKind() {
    QFETCH(QString, text);
    QFETCH(bool, modern);
    QCOMPARE(pageKindOf(text) == PageKind::Modern, modern);
    QCOMPARE(pageKindOfLines(text.split(u'\n')) == PageKind::Modern, modern);
}

QTEST_GUILESS_MAIN(TestPageCheck)
#include "tst_pagecheck.moc"
