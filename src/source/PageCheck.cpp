#include "source/PageCheck.h"

#include "generators/Captions.h"
#include "source/CssColours.h"
#include "source/HtmlTokenizer.h"
#include "source/ProgramTags.h"

#include <QUrl>

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Every sentence the check says, with its kind. %1, %2, %3 are filled in where it is said.
enum class Sentence {
    MissingEnd,
    ClosesNothing,
    Outside,
    ContentBeforeStart,
    ContentBeforeBody,
    MissingBody,
    ContentAfterEnd,
    WrongOrder,
    EmptyAddress,
    WithoutScheme,
    EmptyAlt,
    SpaceInName,
    BadPercent,
    MissingFile,
    QuoteInText,
    FormInForm,
    ListWithoutEntry,
    BadDelay,
    EndTagWithMore,
    GermanColour,
    UnknownColour,
    EmptyStyleValue,
    MissingAlt,
    EmptyPage,
    ExampleAddress,
    DuplicateCharset,
    Misnested,
    ListNotBegun,
    TableNotBegun,
    FormNotBegun,
    TableNotEnded,
    FormNotEnded,
};

struct SentenceText {
    Sentence sentence;
    Finding::Kind kind;
    const char* text;
    // The tab page whose button mends what it says.
    const char* page = nullptr;
};

constexpr std::array<SentenceText, 32> kSentences{{
    {Sentence::MissingEnd, Finding::Kind::Fehler,
     "%1 (<%2>) aus Zeile %3 wird nicht geschlossen: Es fehlt </%2>."},
    {Sentence::ClosesNothing, Finding::Kind::Fehler,
     "</%1> schließt nichts: Davor ist kein <%1> offen."},
    {Sentence::Outside, Finding::Kind::Fehler, "%1 (<%2>) steht außerhalb %3."},
    {Sentence::ContentBeforeStart, Finding::Kind::Fehler,
     "Vor dem Seitenanfang (<html>) steht schon etwas: Es gehört hinter <body>."},
    {Sentence::ContentBeforeBody, Finding::Kind::Fehler,
     "Zwischen </head> und <body> steht etwas: Es gehört hinter <body>."},
    {Sentence::MissingBody, Finding::Kind::Fehler,
     "Nach </head> fehlt <body>: Der Inhalt der Seite gehört hinter <body>."},
    {Sentence::ContentAfterEnd, Finding::Kind::Fehler,
     "Nach %1 steht noch etwas: Alles, was die Seite zeigt, gehört vor </body>."},
    {Sentence::WrongOrder, Finding::Kind::Fehler,
     "%1 steht an falscher Stelle: Die Reihenfolge ist <html>, <head>, "
     "</head>, <body>, </body>, </html>, jedes nur einmal."},
    {Sentence::EmptyAddress, Finding::Kind::Hinweis,
     "%1=\"\" ist leer: Hier fehlt der Name einer Datei oder eine Adresse."},
    {Sentence::WithoutScheme, Finding::Kind::Hinweis,
     "Die Adresse „%1“ beginnt mit „www.“ ohne „http://“: Der Browser "
     "sucht sie dann als Datei neben der Seite."},
    {Sentence::EmptyAlt, Finding::Kind::Hinweis,
     "Das Bild hat einen leeren Ersatztext (alt=\"\"): Wer es nicht "
     "sehen kann, erfährt nicht, was es zeigt."},
    {Sentence::SpaceInName, Finding::Kind::Hinweis,
     "Im Namen „%1“ steht ein Leerzeichen: Nicht jeder Server findet die "
     "Datei dann. Besser ohne Leerzeichen benennen."},
    {Sentence::BadPercent, Finding::Kind::Hinweis,
     "Im Namen „%1“ steht ein Prozentzeichen ohne zwei Ziffern oder "
     "Buchstaben von A bis F dahinter: Der Browser findet die Datei dann "
     "nicht."},
    {Sentence::MissingFile, Finding::Kind::Hinweis,
     "Die Datei „%1“ gibt es im Ordner der Seite nicht."},
    {Sentence::QuoteInText, Finding::Kind::Fehler,
     "„%1“ steht als Text auf der Seite, weil ein Anführungszeichen das Attribut davor zu früh "
     "beendet hat: Löschen Sie das überzählige Anführungszeichen im Tag davor."},
    {Sentence::FormInForm, Finding::Kind::Fehler,
     "Das Formular steht im Formular aus Zeile %1, und Browser übergehen es: Beenden Sie das "
     "erste Formular mit </form>, bevor das nächste beginnt."},
    {Sentence::ListWithoutEntry, Finding::Kind::Fehler,
     "Die Liste (<%1>) beginnt in einer Liste, in der noch kein Listeneintrag (<li>) steht: "
     "Schreiben Sie zuerst einen Eintrag oder beenden Sie die äußere Liste."},
    {Sentence::BadDelay, Finding::Kind::Fehler,
     "Die Wartezeit „%1“ der Weiterleitung ist keine Zahl, die Browser lesen: Schreiben Sie "
     "eine ganze Zahl oder eine Dezimalzahl mit Punkt, etwa „0.5“."},
    {Sentence::EndTagWithMore, Finding::Kind::Fehler,
     "Hinter </%1 steht noch etwas, das Browser übergehen: Ein schließendes Tag enthält nur "
     "seinen Namen, also </%1>."},
    {Sentence::GermanColour, Finding::Kind::Hinweis,
     "„%1“ kennen Browser nicht; gemeint ist wohl „%2“."},
    {Sentence::UnknownColour, Finding::Kind::Hinweis,
     "Die Farbe „%1“ kennen Browser nicht: Nehmen Sie einen englischen Farbnamen wie „Red“ "
     "oder eine Angabe wie „#FF0000“."},
    {Sentence::EmptyStyleValue, Finding::Kind::Hinweis,
     "Im Stil (style) hat „%1:“ keinen Wert: Tragen Sie einen Wert ein oder löschen Sie die "
     "Angabe."},
    {Sentence::MissingAlt, Finding::Kind::Hinweis,
     "Das Bild hat keinen Ersatztext (alt): Wer es nicht sehen kann, erfährt nicht, was es "
     "zeigt."},
    {Sentence::EmptyPage, Finding::Kind::Hinweis, "Die Seite ist noch leer."},
    {Sentence::ExampleAddress, Finding::Kind::Hinweis,
     "Das Formular wird an eine Beispieladresse geschickt und kommt nirgends an. Tragen Sie im "
     "Fenster „%1“ unter „%2“ die Adresse eines Formular-Dienstes ein, den Ihr Webhoster "
     "anbietet.",
     Captions::kFormsPage},
    {Sentence::DuplicateCharset, Finding::Kind::Hinweis,
     "Der Zeichensatz der Seite steht schon in Zeile %1: Löschen Sie eine der beiden Angaben."},
    {Sentence::Misnested, Finding::Kind::Hinweis,
     "</%1> kommt, bevor <%2> aus Zeile %3 geschlossen ist: Browser ordnen das selbst, aber "
     "nicht immer wie gemeint. Schließen Sie zuerst, was zuletzt geöffnet wurde."},
    {Sentence::ListNotBegun, Finding::Kind::Fehler,
     "Die Liste ist nicht begonnen: Löschen Sie Zeile %1 oder nehmen Sie den Eintrag mit "
     "„Rückgängig“ zurück; drücken Sie dann auf der Seite „%2“ zuerst „%3“ oder „%4“.",
     Captions::kListsPage},
    {Sentence::TableNotBegun, Finding::Kind::Fehler,
     "Die Tabelle ist nicht begonnen: Löschen Sie Zeile %1 oder nehmen Sie sie mit "
     "„Rückgängig“ zurück; drücken Sie dann auf der Seite „%2“ zuerst „%3“.",
     Captions::kTablesPage},
    {Sentence::FormNotBegun, Finding::Kind::Fehler,
     "Das Formular ist nicht begonnen: Löschen Sie Zeile %1 oder nehmen Sie die Frage mit "
     "„Rückgängig“ zurück; drücken Sie dann im Fenster „%2“ zuerst „%3“. Es öffnet sich auf "
     "der Seite „%4“ mit „%5“.",
     Captions::kFormsPage},
    {Sentence::TableNotEnded, Finding::Kind::Fehler,
     "Die Tabelle aus Zeile %1 ist nicht beendet: Drücken Sie auf der Seite „%2“ „%3“.",
     Captions::kTablesPage},
    {Sentence::FormNotEnded, Finding::Kind::Fehler,
     "Das Formular aus Zeile %1 ist nicht beendet: Drücken Sie im Fenster „%2“ „%3“. Es öffnet "
     "sich auf der Seite „%4“ mit „%5“.",
     Captions::kFormsPage},
}};

constexpr bool inSentenceOrder() {
    for (size_t i = 0; i < kSentences.size(); ++i) {
        if (kSentences[i].sentence != static_cast<Sentence>(i))
            return false;
    }
    return true;
}
static_assert(inSentenceOrder(), "kSentences lists the sentences in their enum's order");

enum class Tag {
    Other,
    Html,
    Head,
    Body,
    Frameset,
    Frame,
    Table,
    Tr,
    Td,
    Th,
    Ul,
    Ol,
    Li,
    Form,
    Input,
    Select,
    Option,
    Textarea,
    Font,
    Center,
    Div,
    A,
    B,
    I,
    U,
    S,
    Sup,
    Sub,
    Img,
    Meta,
    P,
    Block, // the other elements whose start closes an open paragraph
    HeadEntry,
};
constexpr size_t kTagCount = static_cast<size_t>(Tag::HeadEntry) + 1;

// Where an element must stand.
enum class Context { Anywhere, Table, List, Form };

// How the check keeps track of an open element.
enum class Tracking {
    None,
    // Nested strictly: an end tag closes everything opened after it.
    Stacked,
    // Closed by its end tag even while elements opened after it are still open, as browsers
    // do with inline elements; the program also closes nested lists first-begun first.
    Loose,
};

struct Element {
    const char* name;   // as the sentences show it
    const char* spoken; // how the sentences name it
    Tracking tracking;
    bool endRequired;
    Context context;
    // Text formatting that browsers reopen where its end tag comes too early or too late.
    bool formatting = false;
};

// Indexed by Tag. A paragraph is never a finding on its own: its end tag is optional, a
// block start closes an open one and a stray "</p>" is ignored. It is followed only for the
// text formatting misnested with it.
constexpr std::array<Element, kTagCount> kElements{{
    {"", "", Tracking::None, false, Context::Anywhere},
    {"html", "Die Seite", Tracking::None, false, Context::Anywhere},
    {"head", "", Tracking::None, false, Context::Anywhere},
    {"body", "Der Seiteninhalt", Tracking::None, false, Context::Anywhere},
    {"frameset", "", Tracking::None, false, Context::Anywhere},
    {"frame", "", Tracking::None, false, Context::Anywhere},
    {"table", "Die Tabelle", Tracking::Stacked, true, Context::Anywhere},
    {"tr", "Die Tabellenzeile", Tracking::Stacked, false, Context::Table},
    {"td", "Die Tabellenzelle", Tracking::Stacked, false, Context::Table},
    {"th", "Die Kopfzelle", Tracking::Stacked, false, Context::Table},
    {"ul", "Die unsortierte Liste", Tracking::Loose, true, Context::Anywhere},
    {"ol", "Die sortierte Liste", Tracking::Loose, true, Context::Anywhere},
    {"li", "Der Listeneintrag", Tracking::None, false, Context::List},
    {"form", "Das Formular", Tracking::Loose, true, Context::Anywhere},
    {"input", "Das Eingabefeld", Tracking::None, false, Context::Form},
    {"select", "Die Auswahlliste", Tracking::Stacked, true, Context::Form},
    {"option", "", Tracking::None, false, Context::Anywhere},
    {"textarea", "Das Textfeld", Tracking::None, true, Context::Form},
    {"font", "Die Schriftangabe", Tracking::Loose, true, Context::Anywhere, true},
    {"center", "Die Zentrierung", Tracking::Stacked, true, Context::Anywhere},
    {"div", "Der Bereich", Tracking::Stacked, true, Context::Anywhere},
    {"a", "Der Link", Tracking::Loose, true, Context::Anywhere, true},
    {"b", "Der Fettdruck", Tracking::Loose, true, Context::Anywhere, true},
    {"i", "Die Kursivschrift", Tracking::Loose, true, Context::Anywhere, true},
    {"u", "Die Unterstreichung", Tracking::Loose, true, Context::Anywhere, true},
    {"s", "Die Durchstreichung", Tracking::Loose, true, Context::Anywhere, true},
    {"sup", "Die Hochstellung", Tracking::Loose, true, Context::Anywhere, true},
    {"sub", "Die Tiefstellung", Tracking::Loose, true, Context::Anywhere, true},
    {"img", "", Tracking::None, false, Context::Anywhere},
    {"meta", "", Tracking::None, false, Context::Anywhere},
    {"p", "", Tracking::None, false, Context::Anywhere},
    {"", "", Tracking::None, false, Context::Anywhere},
    // script, style, title, link, base
    {"", "", Tracking::None, false, Context::Anywhere},
}};

// How a sentence names the place an element belongs in, indexed by Context.
constexpr std::array<const char*, 4> kContexts{
    {"", "einer Tabelle (<table>)", "einer Liste (<ul> oder <ol>)", "eines Formulars (<form>)"}};

const Element& element(Tag tag) {
    return kElements[static_cast<size_t>(tag)];
}

Tag tagNamed(QStringView name) {
    static const std::unordered_map<std::string_view, Tag> tags = [] {
        std::unordered_map<std::string_view, Tag> map;
        for (size_t i = 1; i < kTagCount; ++i) {
            if (*kElements[i].name)
                map.emplace(kElements[i].name, static_cast<Tag>(i));
        }
        // What a frameset page shows browsers without frames belongs to the frameset.
        map.emplace("noframes", Tag::Frame);
        for (const char* block :
             {"address", "article", "aside",   "blockquote", "dd",         "details", "dialog",
              "dir",     "dl",      "dt",      "fieldset",   "figcaption", "figure",  "footer",
              "h1",      "h2",      "h3",      "h4",         "h5",         "h6",      "header",
              "hgroup",  "hr",      "listing", "main",       "menu",       "nav",     "pre",
              "section", "summary", "xmp",     "plaintext"})
            map.emplace(block, Tag::Block);
        // They belong in the head and show nothing.
        for (const char* head : {"script", "style", "title", "link", "base"})
            map.emplace(head, Tag::HeadEntry);
        return map;
    }();
    std::array<char, 12> lower{};
    if (name.size() >= qsizetype(lower.size()))
        return Tag::Other;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0x80)
            return Tag::Other;
        lower[size_t(i)] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    const auto found = tags.find(std::string_view(lower.data(), size_t(name.size())));
    return found == tags.end() ? Tag::Other : found->second;
}

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isBlank(QStringView text) {
    return std::all_of(text.begin(), text.end(), isSpace);
}

// Whether a start tag of this name makes browsers read what follows as text up to its own
// end tag.
bool startsRawText(QStringView name) {
    for (QStringView raw : {u"script", u"style", u"title", u"textarea", u"xmp", u"iframe",
                            u"noembed", u"noframes", u"noscript", u"plaintext"}) {
        if (name.compare(raw, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Text right after a tag that reads like an attribute: '"', blanks, a name, '=' and a quote,
// left over when a quote in the tag ended a value early.
bool looksLikeAttribute(QStringView text) {
    qsizetype i = 1;
    const auto skipSpaces = [&] {
        while (i < text.size() && isSpace(text[i]))
            ++i;
    };
    if (!text.startsWith(u'"'))
        return false;
    skipSpaces();
    const qsizetype nameStart = i;
    while (i < text.size() && (isAsciiLetter(text[i]) || text[i].isDigit() || text[i] == u'-'))
        ++i;
    if (i == nameStart)
        return false;
    skipSpaces();
    if (i >= text.size() || text[i] != u'=')
        return false;
    ++i;
    skipSpaces();
    return i < text.size() && (text[i] == u'"' || text[i] == u'\'');
}

// Whether a button writes start tags of this kind, each opening its line.
bool mayBeProgramTag(Tag tag) {
    switch (tag) {
    case Tag::Li:
    case Tag::Table:
    case Tag::Tr:
    case Tag::Td:
    case Tag::Form:
    case Tag::Input:
    case Tag::Select:
    case Tag::Textarea:
        return true;
    default:
        return false;
    }
}

// A refresh's delay: a whole number or a decimal number with a point, before the ';'.
bool isDelay(QStringView delay) {
    const qsizetype point = delay.indexOf(u'.');
    const auto digits = [](QStringView part) {
        return !part.isEmpty() && std::all_of(part.begin(), part.end(),
                                              [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    return point < 0 ? digits(delay) : digits(delay.left(point)) && digits(delay.sliced(point + 1));
}

// Whether an address leads to a host kept for examples, where nothing arrives.
bool isExampleAddress(const QString& address) {
    const QString host = QUrl(address.trimmed()).host().toLower();
    for (QStringView example : {u"example.net", u"example.org", u"example.com"}) {
        if (host == example || host.endsWith(u'.' + example.toString()))
            return true;
    }
    return false;
}

// Whether an element stays inside an open paragraph; every other start tag, and every other
// end tag but the paragraph's own, ends it.
bool staysInParagraph(Tag tag) {
    switch (tag) {
    case Tag::Other:
    case Tag::Input:
    case Tag::Select:
    case Tag::Option:
    case Tag::Textarea:
    case Tag::Font:
    case Tag::A:
    case Tag::B:
    case Tag::I:
    case Tag::U:
    case Tag::S:
    case Tag::Sup:
    case Tag::Sub:
    case Tag::Img:
    case Tag::Meta:
    case Tag::HeadEntry:
        return true;
    default:
        return false;
    }
}

// The line of a text link: the paragraph closes before the anchor it holds.
bool isTextLinkLine(QStringView line) {
    line = line.trimmed();
    return line.startsWith(u"<p style=", Qt::CaseInsensitive) &&
           line.endsWith(u"</p></a>", Qt::CaseInsensitive);
}

// The emphasis end tags the text page writes, each on a line of its own in this order after
// the paragraph; browsers put that right without a change the reader sees.
bool isEmphasisCloseLine(QStringView line) {
    line = line.trimmed();
    for (QStringView close : {u"</b>", u"</u>", u"</i>", u"</s>", u"</sup>", u"</sub>"}) {
        if (line.compare(close, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// "http:", "mailto:" and the like; a single letter is a drive, not a scheme.
bool hasScheme(QStringView address) {
    for (qsizetype i = 0; i < address.size(); ++i) {
        const QChar c = address[i];
        if (c == u':')
            return i >= 2;
        if (!isAsciiLetter(c) && !(i > 0 && (c.isDigit() || c == u'+' || c == u'-' || c == u'.')))
            return false;
    }
    return false;
}

bool hasBadPercent(QStringView name) {
    for (qsizetype i = name.indexOf(u'%'); i >= 0; i = name.indexOf(u'%', i + 1)) {
        if (i + 2 >= name.size() || !isHexDigit(name[i + 1]) || !isHexDigit(name[i + 2]))
            return true;
    }
    return false;
}

// The attributes the check reads.
enum class Attribute { Other, Alt, Src, Href, Colour, Style, HttpEquiv, Charset, Content, Action };

Attribute attributeNamed(QStringView name) {
    static constexpr std::pair<std::u16string_view, Attribute> kAttributes[]{
        {u"alt", Attribute::Alt},         {u"src", Attribute::Src},
        {u"href", Attribute::Href},       {u"bgcolor", Attribute::Colour},
        {u"color", Attribute::Colour},    {u"bordercolor", Attribute::Colour},
        {u"style", Attribute::Style},     {u"http-equiv", Attribute::HttpEquiv},
        {u"charset", Attribute::Charset}, {u"content", Attribute::Content},
        {u"action", Attribute::Action}};
    for (const auto& [attributeName, attribute] : kAttributes) {
        if (name.compare(QStringView(attributeName.data(), qsizetype(attributeName.size())),
                         Qt::CaseInsensitive) == 0)
            return attribute;
    }
    return Attribute::Other;
}

// The structure tags in the order a page has them.
enum Rank { NoRank = -1, HtmlOpen, HeadOpen, HeadClose, BodyOpen, BodyClose, HtmlClose };

class PageChecker {
public:
    explicit PageChecker(const CheckOptions& options) : m_options(options) {}

    QList<Finding> check(const QStringList& lines) {
        HtmlTokenizer tokenizer;
        HtmlTokenizer::State state;
        HtmlTokenizer::Token token;
        for (const QString& line : lines) {
            ++m_line;
            m_text = line;
            m_tagEnd = -1;
            tokenizer.start(line, state, HtmlTokenizer::End::Line);
            while (tokenizer.next(token))
                read(token, tokenizer.attributes());
            state = tokenizer.state();
        }
        finish();
        std::stable_sort(m_findings.begin(), m_findings.end(),
                         [](const Finding& a, const Finding& b) { return a.line < b.line; });
        return m_findings;
    }

private:
    struct Open {
        Tag tag;
        int line;
        int order; // when it was opened, counted over the whole page
        bool closed = false;
        bool hasEntry = false; // lists: a list entry was opened in it
        ProgramTag program = ProgramTag::None;
    };

    // The tag being read, gathered over the lines it spans.
    struct TagRead {
        bool end = false;
        Tag tag = Tag::Other;
        QString endName; // an end tag's name, kept when more follows it
        int line = 0;
        bool rawText = false;
        bool moreAfterEndName = false;
        bool hasAlt = false;
        bool refresh = false;
        bool charset = false;
        QString content; // meta
        QString action;  // form
        Attribute attribute =
            Attribute::Other; // the latest, whose value may go on past a line's end
        // Of a tag that opens its line and may be a button's: its signature, then whose it is.
        QString signature;
        ProgramTag program = ProgramTag::None;
    };

    template <typename... Parts> void say(int line, Sentence sentence, const Parts&... parts) {
        // Decoded once per check: a page full of mistakes says the same sentences often.
        const SentenceText& s = kSentences[static_cast<size_t>(sentence)];
        QString& decoded = m_sentences[static_cast<size_t>(sentence)];
        if (decoded.isNull())
            decoded = QString::fromUtf8(s.text);
        QString text = decoded;
        if constexpr (sizeof...(parts) > 0)
            text = text.arg(spoken(parts)...);
        m_findings.append(
            {line, s.kind, text, false, s.page ? QString::fromUtf8(s.page) : QString()});
    }

    static QString spoken(const QString& part) { return part; }
    static QString spoken(const char* caption) { return QString::fromUtf8(caption); }
    static QString spoken(int number) { return QString::number(number); }

    void sayMissingEnd(const Open& open) {
        if (open.program == ProgramTag::TableStart)
            return say(open.line, Sentence::TableNotEnded, open.line, Captions::kTablesPage,
                       Captions::kEndTable);
        if (open.program == ProgramTag::FormStart)
            return say(open.line, Sentence::FormNotEnded, open.line, Captions::kFormBuilder,
                       Captions::kEndForm, Captions::kFormsPage, Captions::kOpenFormBuilder);
        const Element& e = element(open.tag);
        say(open.line, Sentence::MissingEnd, e.spoken, e.name, open.line);
    }

    // An element out of place: where a button wrote it, the button to press first.
    void sayOutside(const Element& e) {
        switch (m_tag.program) {
        case ProgramTag::ListEntry:
            return say(m_line, Sentence::ListNotBegun, m_line, Captions::kListsPage,
                       Captions::kBeginSortedList, Captions::kBeginUnsortedList);
        case ProgramTag::TableRow:
        case ProgramTag::TableCell:
            return say(m_line, Sentence::TableNotBegun, m_line, Captions::kTablesPage,
                       Captions::kCreateTable);
        case ProgramTag::FormField:
            return say(m_line, Sentence::FormNotBegun, m_line, Captions::kFormBuilder,
                       Captions::kCreateForm, Captions::kFormsPage, Captions::kOpenFormBuilder);
        default:
            return say(m_line, Sentence::Outside, e.spoken, e.name,
                       kContexts[static_cast<size_t>(e.context)]);
        }
    }

    void sayClosesNothing(Tag tag) { say(m_line, Sentence::ClosesNothing, element(tag).name); }

    QStringView part(HtmlTokenizer::Extent extent) const {
        return QStringView(m_text).sliced(extent.start, extent.length);
    }

    void read(const HtmlTokenizer::Token& token, std::span<const HtmlTokenizer::Attribute> attrs) {
        const bool afterTag = token.start == m_tagEnd;
        m_tagEnd = -1;
        switch (token.kind) {
        case HtmlTokenizer::Kind::Text:
        case HtmlTokenizer::Kind::Reference:
            if (m_inRawText)
                return;
            if (afterTag && looksLikeAttribute(part(token.content)))
                say(m_line, Sentence::QuoteInText, part(token.content).trimmed().toString());
            if (!isBlank(part(token.content))) {
                m_shows = true;
                noteContent();
            }
            return;
        case HtmlTokenizer::Kind::StartTag:
        case HtmlTokenizer::Kind::EndTag:
            readTag(token, attrs);
            return;
        default:
            return;
        }
    }

    // One line's part of a tag; the tag counts where its name stands, once its '>' is read.
    void readTag(const HtmlTokenizer::Token& token,
                 std::span<const HtmlTokenizer::Attribute> attrs) {
        if (!token.begunBefore) {
            m_tag = TagRead{};
            m_tag.end = token.kind == HtmlTokenizer::Kind::EndTag;
            const QStringView name = part(token.content);
            m_tag.tag = tagNamed(name);
            m_tag.line = m_line;
            m_tag.rawText = !m_tag.end && startsRawText(name);
            if (m_tag.end && (token.unfinished || !attrs.empty() || token.selfClosing))
                m_tag.endName = name.toString().toLower();
            if (!m_tag.end && mayBeProgramTag(m_tag.tag) && isBlank(m_text.left(token.start)))
                ProgramTags::append(m_tag.signature, name);
        }
        if (m_tag.end) {
            m_tag.moreAfterEndName = m_tag.moreAfterEndName || !attrs.empty() || token.selfClosing;
        } else {
            for (const HtmlTokenizer::Attribute& attribute : attrs)
                readAttribute(attribute);
        }
        if (token.unfinished)
            return;
        if (!m_tag.signature.isEmpty())
            m_tag.program = ProgramTags::tagOf(m_tag.signature);
        m_tagEnd = token.start + token.length;
        const int line = m_line;
        m_line = m_tag.line;
        completeTag();
        m_line = line;
    }

    void readAttribute(const HtmlTokenizer::Attribute& attribute) {
        if (attribute.name.present()) {
            m_tag.attribute = attributeNamed(part(attribute.name));
            if (!m_tag.signature.isEmpty())
                ProgramTags::append(m_tag.signature, part(attribute.name));
        }
        if (m_tag.attribute == Attribute::Other)
            return;
        const QString value = attribute.value.present()
                                  ? HtmlTokenizer::decoded(part(attribute.value),
                                                           HtmlTokenizer::Decoding::AttributeValue)
                                  : QString();
        switch (m_tag.attribute) {
        case Attribute::Alt:
            m_tag.hasAlt = true;
            if (value.isEmpty())
                say(m_line, Sentence::EmptyAlt);
            return;
        case Attribute::Src:
            return checkAddress(QStringLiteral("src"), value, m_line);
        case Attribute::Href:
            return checkAddress(QStringLiteral("href"), value, m_line);
        case Attribute::Colour:
            return checkColour(value);
        case Attribute::Style:
            return checkStyle(value);
        case Attribute::HttpEquiv:
            m_tag.refresh = value.trimmed().compare(u"refresh", Qt::CaseInsensitive) == 0;
            m_tag.charset = value.trimmed().compare(u"content-type", Qt::CaseInsensitive) == 0;
            return;
        case Attribute::Charset:
            m_tag.charset = true;
            return;
        case Attribute::Content:
            m_tag.content = value;
            return;
        case Attribute::Action:
            m_tag.action = value;
            return;
        case Attribute::Other:
            return;
        }
    }

    void checkColour(QStringView value) {
        value = value.trimmed();
        if (value.isEmpty() || CssColours::isKnown(value))
            return;
        const char* english = CssColours::englishFor(value);
        if (*english)
            say(m_line, Sentence::GermanColour, value.toString(), english);
        else
            say(m_line, Sentence::UnknownColour, value.toString());
    }

    // The declarations of a style attribute: "name: value; name: value".
    void checkStyle(QStringView style) {
        for (QStringView declaration : style.tokenize(u';')) {
            const qsizetype colon = declaration.indexOf(u':');
            if (colon < 0)
                continue;
            const QStringView property = declaration.left(colon).trimmed();
            const QStringView value = declaration.sliced(colon + 1).trimmed();
            if (value.isEmpty())
                say(m_line, Sentence::EmptyStyleValue, property.toString());
            else if (property.compare(u"color", Qt::CaseInsensitive) == 0 ||
                     property.compare(u"background-color", Qt::CaseInsensitive) == 0)
                checkColour(value);
        }
    }

    void checkAddress(const QString& attribute, QStringView address, int line) {
        if (address.trimmed().isEmpty()) {
            say(line, Sentence::EmptyAddress, attribute);
            return;
        }
        if (address.startsWith(u"www.", Qt::CaseInsensitive)) {
            say(line, Sentence::WithoutScheme, address.toString());
            return;
        }
        if (hasScheme(address) || address.startsWith(u'#'))
            return;
        if (address.contains(u' '))
            say(line, Sentence::SpaceInName, address.toString());
        if (hasBadPercent(address))
            say(line, Sentence::BadPercent, address.toString());
        if (m_options.folderNames.isEmpty())
            return;
        // Only a name in the page's own folder can be looked up.
        const auto end = std::find_if(address.begin(), address.end(),
                                      [](QChar c) { return c == u'?' || c == u'#'; });
        const QStringView name = address.left(end - address.begin());
        if (name.contains(u'/') || name.contains(u'\\'))
            return;
        if (!m_options.folderNames.contains(QUrl::fromPercentEncoding(name.toUtf8())))
            say(line, Sentence::MissingFile, name.toString());
    }

    // A whole tag, read up to its '>'.
    void completeTag() {
        if (m_tag.end) {
            if (m_tag.moreAfterEndName)
                say(m_line, Sentence::EndTagWithMore, m_tag.endName);
            // The end tag that ends raw text closes nothing else.
            if (m_inRawText)
                m_inRawText = false;
            else
                endTag(m_tag.tag);
            return;
        }
        startTag(m_tag.tag);
        if (m_tag.tag == Tag::Img && !m_tag.hasAlt)
            say(m_line, Sentence::MissingAlt);
        else if (m_tag.tag == Tag::Meta)
            checkMeta();
        else if (m_tag.tag == Tag::Form && isExampleAddress(m_tag.action))
            say(m_line, Sentence::ExampleAddress, Captions::kFormBuilder, Captions::kFormService);
        if (m_tag.rawText) {
            m_inRawText = true;
            m_rawTag = m_tag.tag;
            m_rawLine = m_line;
        }
    }

    void checkMeta() {
        if (m_tag.charset) {
            if (m_charsetLine >= 0)
                say(m_line, Sentence::DuplicateCharset, m_charsetLine);
            else
                m_charsetLine = m_line;
        }
        if (m_tag.refresh) {
            const qsizetype semicolon = m_tag.content.indexOf(u';');
            const QStringView delay = QStringView(m_tag.content).left(semicolon).trimmed();
            if (!isDelay(delay))
                say(m_line, Sentence::BadDelay, delay.toString());
        }
    }

    // Content matters only where it may not stand.
    bool wantsContent() const {
        return (m_rank == NoRank && m_contentBeforeStart < 0) ||
               (m_rank == HeadClose && m_contentBeforeBody < 0) ||
               (m_rank >= BodyClose && !m_saidContentAfter);
    }

    void noteContent() {
        if (!wantsContent())
            return;
        if (m_rank == NoRank) {
            m_contentBeforeStart = m_line;
        } else if (m_rank == HeadClose) {
            m_contentBeforeBody = m_line;
        } else {
            say(m_line, Sentence::ContentAfterEnd,
                m_rank == HtmlClose ? QStringLiteral("</html>") : QStringLiteral("</body>"));
            m_saidContentAfter = true;
        }
    }

    // The structure tags: each once and in their order.
    void structureTag(Rank rank, const QString& shown) {
        if (rank <= m_rank) {
            say(m_line, Sentence::WrongOrder, shown);
            return;
        }
        if (rank == HtmlOpen) {
            m_htmlLine = m_line;
            if (m_contentBeforeStart >= 0)
                say(m_contentBeforeStart, Sentence::ContentBeforeStart);
        }
        if (rank == BodyOpen)
            m_bodyLine = m_line;
        if (m_contentBeforeBody >= 0) {
            say(m_contentBeforeBody,
                rank == BodyOpen ? Sentence::ContentBeforeBody : Sentence::MissingBody);
            m_contentBeforeBody = -1;
        }
        m_rank = rank;
    }

    // A frameset takes the body's place; framesets nest.
    void framesetTag() {
        m_shows = true;
        if (m_frameset && m_rank == BodyOpen)
            return;
        m_frameset = m_rank < BodyOpen;
        m_contentBeforeBody = -1;
        structureTag(BodyOpen, QStringLiteral("<frameset>"));
    }

    void startTag(Tag tag) {
        switch (tag) {
        case Tag::Html:
            return structureTag(HtmlOpen, QStringLiteral("<html>"));
        case Tag::Head:
            return structureTag(HeadOpen, QStringLiteral("<head>"));
        case Tag::Body:
            // The body of a frameset page's "<noframes>".
            if (m_frameset && m_rank == BodyOpen)
                return;
            return structureTag(BodyOpen, QStringLiteral("<body>"));
        case Tag::Frameset:
            return framesetTag();
        case Tag::Frame:
            return;
        case Tag::Meta:
        case Tag::HeadEntry:
            break;
        default:
            m_shows = true;
            break;
        }
        noteContent();
        if (tag == Tag::P)
            m_paragraph = {Tag::P, m_line, m_order++};
        else if (!staysInParagraph(tag))
            m_paragraph.closed = true;
        const Element& e = element(tag);
        if (!inContext(e.context)) {
            sayOutside(e);
        } else if (tag == Tag::Tr) {
            popTo(top(Tag::Table) + 1);
        } else if (tag == Tag::Td || tag == Tag::Th) {
            // A cell closes the cell before it; a cell without a row opens one.
            const int table = top(Tag::Table);
            const int row = top(Tag::Tr);
            popTo(std::max(row, table) + 1);
            if (row < table)
                push(Tag::Tr);
        } else if (tag == Tag::Li) {
            if (Open* list = innermostList())
                list->hasEntry = true;
        } else if (tag == Tag::Ul || tag == Tag::Ol) {
            const Open* list = innermostList();
            if (list && !list->hasEntry)
                say(m_line, Sentence::ListWithoutEntry, e.name);
        } else if (tag == Tag::Form && !m_looseAt[size_t(Tag::Form)].empty()) {
            say(m_line, Sentence::FormInForm,
                m_loose[size_t(m_looseAt[size_t(Tag::Form)].back())].line);
        }
        // Rows and cells outside a table are dropped; a list outside a form still holds its
        // options.
        if (e.tracking == Tracking::Stacked &&
            (e.context != Context::Table || inContext(e.context)))
            push(tag);
        else if (e.tracking == Tracking::Loose)
            openLoose(tag);
    }

    bool inContext(Context context) const {
        switch (context) {
        case Context::Anywhere:
            return true;
        case Context::Table:
            return top(Tag::Table) >= 0;
        case Context::List:
            return !m_looseAt[size_t(Tag::Ul)].empty() || !m_looseAt[size_t(Tag::Ol)].empty();
        case Context::Form:
            return !m_looseAt[size_t(Tag::Form)].empty();
        }
        return true;
    }

    void endTag(Tag tag) {
        switch (tag) {
        case Tag::Head:
            return structureTag(HeadClose, QStringLiteral("</head>"));
        case Tag::Body:
            return structureTag(BodyClose, QStringLiteral("</body>"));
        case Tag::Html:
            return structureTag(HtmlClose, QStringLiteral("</html>"));
        case Tag::Frameset:
        case Tag::Frame:
            return;
        default:
            break;
        }
        noteContent();
        if (tag == Tag::P)
            return closeParagraph();
        if (!staysInParagraph(tag))
            m_paragraph.closed = true;
        const Element& e = element(tag);
        // Rows, cells and entries out of place were found at their start tag.
        if ((e.context == Context::Table || e.context == Context::List) && !inContext(e.context))
            return;
        if (e.tracking == Tracking::Loose) {
            const std::vector<int>& at = m_looseAt[static_cast<size_t>(tag)];
            if (at.empty())
                return sayClosesNothing(tag);
            if (e.formatting && !isEmphasisCloseLine(m_text))
                checkNesting(m_loose[size_t(at.back())], true);
            closeLoose(tag);
        } else if (e.tracking == Tracking::Stacked) {
            const int at = top(tag);
            if (at < 0 || at < scopeOf(tag))
                return sayClosesNothing(tag);
            if (tag == Tag::Div || tag == Tag::Center)
                checkNesting(m_stack[size_t(at)], false);
            closeAt(size_t(at));
        } else if ((tag == Tag::Option && top(Tag::Select) < 0) || tag == Tag::Textarea) {
            sayClosesNothing(tag);
        }
    }

    // Whether text formatting, or with blocksToo a block or a paragraph, opened inside the
    // element an end tag closes is still open: browsers repair that, not always as meant.
    void checkNesting(const Open& closed, bool blocksToo) {
        const Open* inner = latestFormatting();
        if (blocksToo) {
            for (const Open* block : {m_stack.empty() ? nullptr : &m_stack.back(),
                                      m_paragraph.closed ? nullptr : &m_paragraph}) {
                if (block && (!inner || block->order > inner->order))
                    inner = block;
            }
        }
        if (inner && inner->order > closed.order)
            sayMisnested(closed, *inner);
    }

    void closeParagraph() {
        if (m_paragraph.closed)
            return;
        if (!isTextLinkLine(m_text))
            checkNesting(m_paragraph, false);
        m_paragraph.closed = true;
    }

    void sayMisnested(const Open& closed, const Open& inner) {
        say(m_line, Sentence::Misnested, element(closed.tag).name, element(inner.tag).name,
            inner.line);
    }

    // An end tag inside a table closes only what was opened inside it.
    int scopeOf(Tag tag) const {
        if (tag == Tag::Table)
            return 0;
        if (tag == Tag::Tr || tag == Tag::Td || tag == Tag::Th)
            return top(Tag::Table);
        return std::max({top(Tag::Table), top(Tag::Td), top(Tag::Th)});
    }

    int top(Tag tag) const {
        const std::vector<int>& at = m_stackAt[static_cast<size_t>(tag)];
        return at.empty() ? -1 : at.back();
    }

    void push(Tag tag) {
        m_stackAt[static_cast<size_t>(tag)].push_back(int(m_stack.size()));
        m_stack.push_back({tag, m_line, m_order++, false, false, m_tag.program});
    }

    // Closes the element at `at` by its end tag, and what was opened inside it.
    void closeAt(size_t at) {
        popTo(at + 1);
        m_stackAt[static_cast<size_t>(m_stack.back().tag)].pop_back();
        m_stack.pop_back();
    }

    // Closes everything from position `size` on, saying which end tags are missing.
    void popTo(size_t size) {
        while (m_stack.size() > size) {
            const Open open = m_stack.back();
            m_stack.pop_back();
            m_stackAt[static_cast<size_t>(open.tag)].pop_back();
            if (element(open.tag).endRequired)
                sayMissingEnd(open);
        }
    }

    void openLoose(Tag tag) {
        const int at = int(m_loose.size());
        m_looseAt[static_cast<size_t>(tag)].push_back(at);
        m_loose.push_back({tag, m_line, m_order++, false, false, m_tag.program});
        if (element(tag).formatting)
            m_formatting.push_back(at);
        else if (tag == Tag::Ul || tag == Tag::Ol)
            m_lists.push_back(at);
    }

    void closeLoose(Tag tag) {
        std::vector<int>& at = m_looseAt[static_cast<size_t>(tag)];
        m_loose[size_t(at.back())].closed = true;
        at.pop_back();
    }

    // The latest of the loose elements listed in `open` that is still open; the closed ones
    // at its end are dropped on the way, so each is looked at once more at most.
    Open* latestOpen(std::vector<int>& open) {
        while (!open.empty() && m_loose[size_t(open.back())].closed)
            open.pop_back();
        return open.empty() ? nullptr : &m_loose[size_t(open.back())];
    }
    const Open* latestFormatting() { return latestOpen(m_formatting); }
    Open* innermostList() { return latestOpen(m_lists); }

    void finish() {
        if (m_contentBeforeBody >= 0)
            say(m_contentBeforeBody, Sentence::MissingBody);
        if (m_inRawText && m_rawTag == Tag::Textarea)
            sayMissingEnd({Tag::Textarea, m_rawLine, 0});
        const bool tailAssumed = m_options.assumeClosingTail && m_rank < HtmlClose;
        if (m_htmlLine >= 0 && !tailAssumed) {
            if (m_bodyLine >= 0 && !m_frameset && m_rank < BodyClose)
                sayMissingEnd({Tag::Body, m_bodyLine, 0});
            if (m_rank < HtmlClose)
                sayMissingEnd({Tag::Html, m_htmlLine, 0});
        }
        popTo(0);
        for (const Open& open : m_loose) {
            if (!open.closed)
                sayMissingEnd(open);
        }
        if (!m_shows) {
            say(1, Sentence::EmptyPage);
            m_findings.back().emptyPage = true;
        }
    }

    const CheckOptions& m_options;
    QList<Finding> m_findings;
    std::array<QString, kSentences.size()> m_sentences;
    int m_line = 0;
    QStringView m_text;      // the line being read
    qsizetype m_tagEnd = -1; // where the latest tag on this line ends

    TagRead m_tag;
    // The element whose text is read up to its end tag.
    bool m_inRawText = false;
    Tag m_rawTag = Tag::Other;
    int m_rawLine = 0;

    int m_rank = NoRank;
    bool m_frameset = false;
    bool m_shows = false; // the page shows something
    int m_htmlLine = -1;
    int m_bodyLine = -1;
    int m_charsetLine = -1;
    int m_contentBeforeStart = -1;
    int m_contentBeforeBody = -1;
    bool m_saidContentAfter = false;

    int m_order = 0;
    std::vector<Open> m_stack;
    std::array<std::vector<int>, kTagCount> m_stackAt;
    std::vector<Open> m_loose;
    std::array<std::vector<int>, kTagCount> m_looseAt;
    std::vector<int> m_formatting; // the text formatting in m_loose, in the order opened
    std::vector<int> m_lists;      // the lists in m_loose
    Open m_paragraph{Tag::P, 0, 0, true};
};

} // namespace

QList<Finding> CheckPage(const QStringList& lines, const CheckOptions& options) {
    return PageChecker(options).check(lines);
}
