#include "core/source/PageCheck.h"

#include "core/generators/Captions.h"
#include "core/source/CssColours.h"
#include "core/source/HtmlTokenizer.h"
#include "core/source/PageCheckElements.h"
#include "core/source/PageCheckSentences.h"
#include "core/source/PageCheckValues.h"
#include "core/source/PageKindOf.h"
#include "core/source/ProgramTags.h"

#include <QUrl>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using namespace Check;

// The structure tags in the order a page has them.
enum Rank { NoRank = -1, HtmlOpen, HeadOpen, HeadClose, BodyOpen, BodyClose, HtmlClose };

class PageChecker {
public:
    explicit PageChecker(const CheckOptions& options) : m_options(options) {}

    QList<Finding> check(const QStringList& lines) {
        HtmlTokenizer tokenizer;
        HtmlTokenizer::State state;
        HtmlTokenizer::Token token;
        m_modern = pageKindOfLines(lines) == PageKind::Modern;
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
        m_findings.append(m_sentences.finding(line, sentence, parts...));
    }

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
            return say(m_line, Sentence::Outside, e.spoken, e.name, placeOf(e.context));
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
            if (m_modern && !m_tag.end)
                sayOutdated(name);
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

    // In a modern page, an element that CSS, or for frames <iframe>, replaces.
    void sayOutdated(QStringView name) {
        const Element& e = element(m_tag.tag);
        if (e.frames)
            say(m_line, Sentence::OutdatedFrames, name.toString().toLower());
        else if (e.css)
            say(m_line, Sentence::OutdatedElement, name.toString().toLower(), e.css);
    }

    void readAttribute(const HtmlTokenizer::Attribute& attribute) {
        if (attribute.name.present()) {
            const AttributeName& known = attributeNamed(part(attribute.name));
            m_tag.attribute = known.attribute;
            if (const char* css = m_modern ? cssInsteadOf(known, m_tag.tag) : nullptr)
                say(m_line, Sentence::OutdatedAttribute, known.name, css);
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
    SentenceBook m_sentences;
    bool m_modern = false; // the page is written as a modern page: outdated markup gets a hint
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
