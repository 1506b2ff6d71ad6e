#include "source/PageCheck.h"

#include <QUrl>

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
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
};

struct SentenceText {
    Sentence sentence;
    Finding::Kind kind;
    const char* text;
};

constexpr std::array<SentenceText, 14> kSentences{{
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
    RawText,
};
constexpr size_t kTagCount = static_cast<size_t>(Tag::RawText) + 1;

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
};

// Indexed by Tag. Paragraphs are not followed: their end tag is optional, a block start
// closes an open one and a stray "</p>" is ignored, so none of them is ever a finding.
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
    {"font", "Die Schriftangabe", Tracking::Loose, true, Context::Anywhere},
    {"center", "Die Zentrierung", Tracking::Stacked, true, Context::Anywhere},
    {"div", "Der Bereich", Tracking::Stacked, true, Context::Anywhere},
    {"a", "Der Link", Tracking::Loose, true, Context::Anywhere},
    {"b", "Der Fettdruck", Tracking::Loose, true, Context::Anywhere},
    {"i", "Die Kursivschrift", Tracking::Loose, true, Context::Anywhere},
    {"u", "Die Unterstreichung", Tracking::Loose, true, Context::Anywhere},
    {"s", "Die Durchstreichung", Tracking::Loose, true, Context::Anywhere},
    {"sup", "Die Hochstellung", Tracking::Loose, true, Context::Anywhere},
    {"sub", "Die Tiefstellung", Tracking::Loose, true, Context::Anywhere},
    // script, style, title
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
        // Their text is read as text up to their own end tag.
        for (const char* raw : {"script", "style", "title"})
            map.emplace(raw, Tag::RawText);
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

// The structure tags in the order a page has them.
enum Rank { NoRank = -1, HtmlOpen, HeadOpen, HeadClose, BodyOpen, BodyClose, HtmlClose };

class PageChecker {
public:
    explicit PageChecker(const CheckOptions& options) : m_options(options) {}

    QList<Finding> check(const QStringList& lines) {
        for (const QString& line : lines) {
            ++m_line;
            readLine(line);
        }
        finish();
        std::stable_sort(m_findings.begin(), m_findings.end(),
                         [](const Finding& a, const Finding& b) { return a.line < b.line; });
        return m_findings;
    }

private:
    enum class Mode { Text, Comment, Tag, RawText };

    struct Open {
        Tag tag;
        int line;
        bool closed = false;
    };

    void say(int line, Sentence sentence, const QString& a = {}, const QString& b = {},
             const QString& c = {}) {
        // Decoded once per check: a page full of mistakes says the same sentences often.
        const SentenceText& s = kSentences[static_cast<size_t>(sentence)];
        QString& decoded = m_sentences[static_cast<size_t>(sentence)];
        if (decoded.isNull())
            decoded = QString::fromUtf8(s.text);
        QString text = decoded;
        if (!a.isNull())
            text = b.isNull() ? text.arg(a) : c.isNull() ? text.arg(a, b) : text.arg(a, b, c);
        m_findings.append({line, s.kind, text});
    }

    void sayMissingEnd(const Open& open) {
        const Element& e = element(open.tag);
        say(open.line, Sentence::MissingEnd, QString::fromUtf8(e.spoken),
            QString::fromLatin1(e.name), QString::number(open.line));
    }

    void sayClosesNothing(Tag tag) {
        say(m_line, Sentence::ClosesNothing, QString::fromLatin1(element(tag).name));
    }

    // The text of one line, read on from where the previous line left off.
    void readLine(QStringView line) {
        qsizetype i = 0;
        if (m_mode == Mode::Tag) {
            const qsizetype end = scanTag(line, 0);
            if (end < 0) {
                m_tagText += line;
                m_tagText += u'\n';
                return;
            }
            m_tagText += line.left(end + 1);
            m_mode = Mode::Text;
            readTag(m_tagText, m_tagLine);
            i = end + 1;
        }
        while (i < line.size()) {
            if (m_mode == Mode::Comment) {
                const qsizetype end = line.indexOf(u"-->", i);
                if (end < 0)
                    return;
                m_mode = Mode::Text;
                i = end + 3;
            } else if (m_mode == Mode::RawText) {
                const qsizetype end = line.indexOf(m_rawEnd, i, Qt::CaseInsensitive);
                if (end < 0)
                    return;
                m_mode = Mode::Text;
                m_endsRawText = true;
                i = end;
            } else {
                i = readText(line, i);
            }
        }
    }

    // Reads text up to the next tag or comment and that tag, as far as this line holds it.
    qsizetype readText(QStringView line, qsizetype from) {
        const qsizetype open = line.indexOf(u'<', from);
        const qsizetype textEnd = open < 0 ? line.size() : open;
        noteText(line.sliced(from, textEnd - from));
        if (open < 0)
            return textEnd;
        const QStringView rest = line.sliced(open);
        if (rest.startsWith(u"<!--")) {
            m_mode = Mode::Comment;
            return open + 4;
        }
        const QChar next = rest.size() > 1 ? rest[1] : QChar();
        const bool isTag = isAsciiLetter(next) || next == u'!' || next == u'?' ||
                           (next == u'/' && rest.size() > 2 && isAsciiLetter(rest[2]));
        if (!isTag) {
            noteContent();
            return open + 1;
        }
        m_quote = 0;
        m_expectValue = false;
        const qsizetype end = scanTag(line, open + 1);
        if (end < 0) {
            m_mode = Mode::Tag;
            m_tagLine = m_line;
            m_tagText = rest.toString();
            m_tagText += u'\n';
            return line.size();
        }
        readTag(line.sliced(open, end + 1 - open), m_line);
        return end + 1;
    }

    // The position of the ">" that ends the tag, or -1 when the line ends first. A ">" in a
    // quoted attribute value does not end it.
    qsizetype scanTag(QStringView line, qsizetype from) {
        for (qsizetype j = from; j < line.size(); ++j) {
            const QChar c = line[j];
            if (m_quote) {
                if (c == m_quote)
                    m_quote = 0;
                continue;
            }
            if (c == u'>')
                return j;
            if (m_expectValue) {
                if (isSpace(c))
                    continue;
                m_expectValue = false;
                if (c == u'"' || c == u'\'') {
                    m_quote = c.unicode();
                    continue;
                }
            }
            if (c == u'=')
                m_expectValue = true;
        }
        return -1;
    }

    void noteText(QStringView text) {
        if (wantsContent() &&
            std::any_of(text.begin(), text.end(), [](QChar c) { return !isSpace(c); }))
            noteContent();
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

    // A whole tag from "<" to ">", which may span lines.
    void readTag(QStringView tag, int line) {
        if (tag[1] == u'!' || tag[1] == u'?')
            return;
        const bool closing = tag[1] == u'/';
        qsizetype nameEnd = closing ? 2 : 1;
        while (nameEnd < tag.size() && (isAsciiLetter(tag[nameEnd]) || tag[nameEnd].isDigit()))
            ++nameEnd;
        const qsizetype nameStart = closing ? 2 : 1;
        const QStringView name = tag.sliced(nameStart, nameEnd - nameStart);
        const Tag kind = tagNamed(name);
        const int previousLine = m_line;
        m_line = line;
        if (closing && m_endsRawText) {
            m_endsRawText = false;
        } else if (closing) {
            endTag(kind);
        } else {
            startTag(kind);
            readAttributes(tag.sliced(nameEnd, tag.size() - 1 - nameEnd));
            if (kind == Tag::Textarea || kind == Tag::RawText)
                startRawText(kind, name);
        }
        m_line = previousLine;
    }

    void readAttributes(QStringView text) {
        int line = m_line;
        qsizetype j = 0;
        const auto skipSpaces = [&] {
            for (; j < text.size() && isSpace(text[j]); ++j) {
                if (text[j] == u'\n')
                    ++line;
            }
        };
        while (true) {
            skipSpaces();
            if (j >= text.size())
                return;
            const qsizetype nameStart = j;
            while (j < text.size() && !isSpace(text[j]) && text[j] != u'=' && text[j] != u'/')
                ++j;
            if (j == nameStart) {
                ++j; // a "/" before ">"
                continue;
            }
            const QStringView name = text.sliced(nameStart, j - nameStart);
            const int nameLine = line;
            skipSpaces();
            QStringView value;
            if (j < text.size() && text[j] == u'=') {
                ++j;
                skipSpaces();
                const QChar quote = j < text.size() ? text[j] : QChar();
                if (quote == u'"' || quote == u'\'') {
                    const qsizetype end = text.indexOf(quote, j + 1);
                    const qsizetype valueEnd = end < 0 ? text.size() : end;
                    value = text.sliced(j + 1, valueEnd - j - 1);
                    line += int(value.count(u'\n'));
                    j = valueEnd + 1;
                } else {
                    const qsizetype valueStart = j;
                    while (j < text.size() && !isSpace(text[j]))
                        ++j;
                    value = text.sliced(valueStart, j - valueStart);
                }
            }
            checkAttribute(name, value, nameLine);
        }
    }

    void checkAttribute(QStringView name, QStringView value, int line) {
        if (name.compare(u"alt", Qt::CaseInsensitive) == 0) {
            if (value.isEmpty())
                say(line, Sentence::EmptyAlt);
        } else if (name.compare(u"src", Qt::CaseInsensitive) == 0 ||
                   name.compare(u"href", Qt::CaseInsensitive) == 0) {
            checkAddress(name.toString().toLower(), value, line);
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
        default:
            break;
        }
        noteContent();
        const Element& e = element(tag);
        if (!inContext(e.context)) {
            say(m_line, Sentence::Outside, QString::fromUtf8(e.spoken), QString::fromLatin1(e.name),
                QString::fromUtf8(kContexts[static_cast<size_t>(e.context)]));
        } else if (tag == Tag::Tr) {
            popTo(top(Tag::Table) + 1);
        } else if (tag == Tag::Td || tag == Tag::Th) {
            // A cell closes the cell before it; a cell without a row opens one.
            const int table = top(Tag::Table);
            const int row = top(Tag::Tr);
            popTo(std::max(row, table) + 1);
            if (row < table)
                push(Tag::Tr);
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

    void startRawText(Tag tag, QStringView name) {
        m_mode = Mode::RawText;
        m_rawTag = tag;
        m_rawLine = m_line;
        m_rawEnd = QStringLiteral("</") + name.toString();
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
        const Element& e = element(tag);
        // Rows, cells and entries out of place were found at their start tag.
        if ((e.context == Context::Table || e.context == Context::List) && !inContext(e.context))
            return;
        if (e.tracking == Tracking::Loose) {
            if (!closeLoose(tag))
                sayClosesNothing(tag);
        } else if (e.tracking == Tracking::Stacked) {
            const int at = top(tag);
            if (at >= 0 && at >= scopeOf(tag))
                closeAt(size_t(at));
            else
                sayClosesNothing(tag);
        } else if ((tag == Tag::Option && top(Tag::Select) < 0) || tag == Tag::Textarea) {
            sayClosesNothing(tag);
        }
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
        m_stack.push_back({tag, m_line, false});
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
        m_looseAt[static_cast<size_t>(tag)].push_back(int(m_loose.size()));
        m_loose.push_back({tag, m_line, false});
    }

    bool closeLoose(Tag tag) {
        std::vector<int>& at = m_looseAt[static_cast<size_t>(tag)];
        if (at.empty())
            return false;
        m_loose[size_t(at.back())].closed = true;
        at.pop_back();
        return true;
    }

    void finish() {
        if (m_contentBeforeBody >= 0)
            say(m_contentBeforeBody, Sentence::MissingBody);
        if (m_mode == Mode::RawText && m_rawTag == Tag::Textarea)
            sayMissingEnd({Tag::Textarea, m_rawLine, false});
        const bool tailAssumed = m_options.assumeClosingTail && m_rank < HtmlClose;
        if (m_htmlLine >= 0 && !tailAssumed) {
            if (m_bodyLine >= 0 && !m_frameset && m_rank < BodyClose)
                sayMissingEnd({Tag::Body, m_bodyLine, false});
            if (m_rank < HtmlClose)
                sayMissingEnd({Tag::Html, m_htmlLine, false});
        }
        popTo(0);
        for (const Open& open : m_loose) {
            if (!open.closed)
                sayMissingEnd(open);
        }
    }

    const CheckOptions& m_options;
    QList<Finding> m_findings;
    std::array<QString, kSentences.size()> m_sentences;
    int m_line = 0;

    Mode m_mode = Mode::Text;
    // A tag spanning lines: its text so far, its first line and how far its scan got.
    QString m_tagText;
    int m_tagLine = 0;
    char16_t m_quote = 0;
    bool m_expectValue = false;
    // The element whose text is read up to its end tag.
    Tag m_rawTag = Tag::Other;
    int m_rawLine = 0;
    QString m_rawEnd;
    // The end tag that ends raw text closes nothing else.
    bool m_endsRawText = false;

    int m_rank = NoRank;
    bool m_frameset = false;
    int m_htmlLine = -1;
    int m_bodyLine = -1;
    int m_contentBeforeStart = -1;
    int m_contentBeforeBody = -1;
    bool m_saidContentAfter = false;

    std::vector<Open> m_stack;
    std::array<std::vector<int>, kTagCount> m_stackAt;
    std::vector<Open> m_loose;
    std::array<std::vector<int>, kTagCount> m_looseAt;
};

} // namespace

QList<Finding> CheckPage(const QStringList& lines, const CheckOptions& options) {
    return PageChecker(options).check(lines);
}
