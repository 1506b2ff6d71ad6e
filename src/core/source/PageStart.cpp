#include "core/source/PageStart.h"

#include "core/source/HtmlTokenizer.h"
#include "core/source/SourceHtml.h"
#include "core/source/TagAttributes.h"

#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using Kind = HtmlTokenizer::Kind;
using Token = HtmlTokenizer::Token;
using TagAttributes::isNamed;

// Where a start stands: from its first line, begun in the tokenizer's state there, through the
// line its body tag ends on.
struct Range {
    qsizetype first = 0;
    qsizetype last = -1; // -1: the page has no body tag
    HtmlTokenizer::State state;
};

// Whether a token begins the start of a page of the kind: the doctype of a modern page, the
// html tag of a classic one.
bool beginsStart(QStringView line, const Token& token, PageKind kind) {
    if (kind == PageKind::Modern)
        return token.kind == Kind::Doctype;
    return token.kind == Kind::StartTag && isNamed(line, token, "html"_L1);
}

// Reads the page line by line up to its body tag, which may go on over several lines. Without
// the tag that begins it, the start begins with the page.
Range locate(const QStringList& lines, PageKind kind) {
    Range range;
    bool begun = false;
    bool inBodyTag = false;
    HtmlTokenizer tokenizer;
    HtmlTokenizer::State state;
    Token token;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        tokenizer.start(line, state, HtmlTokenizer::End::Line);
        while (tokenizer.next(token)) {
            if (token.begunBefore) {
                if (inBodyTag && !token.unfinished) {
                    range.last = i;
                    return range;
                }
                continue;
            }
            if (!begun && beginsStart(line, token, kind)) {
                begun = true;
                range.first = i;
                range.state = state;
            }
            if (token.kind == Kind::StartTag && isNamed(line, token, "body"_L1)) {
                if (!token.unfinished) {
                    range.last = i;
                    return range;
                }
                inBodyTag = true;
            }
        }
        state = tokenizer.state();
    }
    return range;
}

// Reads the text of a start tag by tag: what its settings are, and which stretches of it the
// general settings write (the tags of the page's frame, the title, the head entries and the
// body tag, and a modern page's own style block); all else is the user's.
class StartReader final {
public:
    StartReader(QStringView text, PageKind kind) : m_text(text), m_kind(kind) {}

    // Reads from the state the text begins in through the body tag.
    void read(HtmlTokenizer::State state) {
        m_tokenizer.start(m_text, state);
        Token token;
        while (m_tokenizer.next(token)) {
            if (token.kind == Kind::Doctype)
                own(token.start, token);
            else if (token.kind == Kind::StartTag && startTag(token))
                return;
            else if (token.kind == Kind::EndTag)
                endTag(token);
        }
    }

    DocumentStart settings;
    // The settings' own stretches of the text, in order; the body tag is the last.
    QList<HtmlTokenizer::Extent> owned;

private:
    // True at the body tag, which ends the start.
    bool startTag(const Token& token) {
        if (named(token, "html"_L1) || named(token, "head"_L1)) {
            own(token.start, token);
        } else if (named(token, "title"_L1) || named(token, "style"_L1)) {
            // Their text runs to their end tag.
            m_elementStart = token.start;
            m_contentStart = token.start + token.length;
        } else if (named(token, "meta"_L1)) {
            if (readMeta())
                own(token.start, token);
        } else if (named(token, "link"_L1)) {
            if (readIcon())
                own(token.start, token);
        } else if (named(token, "body"_L1)) {
            readBody();
            own(token.start, token);
            return true;
        }
        return false;
    }

    void endTag(const Token& token) {
        const qsizetype elementStart = std::exchange(m_elementStart, -1);
        if (named(token, "head"_L1)) {
            own(token.start, token);
        } else if (elementStart >= 0 && named(token, "title"_L1)) {
            const QStringView title = m_text.sliced(m_contentStart, token.start - m_contentStart);
            // A classic page holds the title as typed.
            settings.title = m_kind == PageKind::Modern ? decoded(title) : title.toString();
            own(elementStart, token);
        } else if (elementStart >= 0 && named(token, "style"_L1)) {
            static const QString kModernStyle = GeneralSettingsHtml::modernStyleBlock().join(u'\n');
            const qsizetype end = token.start + token.length;
            if (m_text.sliced(elementStart, end - elementStart) == kModernStyle)
                own(elementStart, token);
        }
    }

    // The head entries the settings write: true for one of them.
    bool readMeta() {
        const QString name = lowered("name"_L1);
        const QString equiv = lowered("http-equiv"_L1);
        if (name == "keywords"_L1) {
            settings.withKeywords = true;
            settings.keywords = typed("content"_L1);
        } else if (name == "author"_L1) {
            settings.withAuthor = true;
            settings.author = typed("content"_L1);
        } else if (equiv == "refresh"_L1) {
            GeneralSettingsHtml::readRefresh(settings, typed("content"_L1));
        } else {
            return name == "generator"_L1 || name == "viewport"_L1 || equiv == "content-type"_L1 ||
                   TagAttributes::written(m_text, m_tokenizer, "charset"_L1).has_value();
        }
        return true;
    }

    bool readIcon() {
        const QString rel = lowered("rel"_L1);
        if (rel != "icon"_L1 && rel != "shortcut icon"_L1)
            return false;
        settings.withIcon = true;
        settings.icon = typed("href"_L1);
        return true;
    }

    void readBody() {
        if (m_kind == PageKind::Modern) {
            GeneralSettingsHtml::readModernBackground(settings, typed("style"_L1));
            return;
        }
        settings.pictureMode =
            TagAttributes::written(m_text, m_tokenizer, "background"_L1).has_value();
        if (settings.pictureMode)
            settings.backgroundPicture = typed("background"_L1);
        else
            settings.backgroundColor = typed("bgcolor"_L1);
    }

    bool named(const Token& token, QLatin1StringView name) const {
        return isNamed(m_text, token, name);
    }

    void own(qsizetype from, const Token& through) {
        owned.append({from, through.start + through.length - from});
    }

    static QString decoded(QStringView written) {
        return HtmlTokenizer::decoded(written, HtmlTokenizer::Decoding::AttributeValue);
    }

    // An attribute's value as the user typed it: a classic page writes it with its double
    // quotes as "&quot;", a modern one with every character a reference where it must be.
    QString typed(QLatin1StringView attribute) const {
        const std::optional<QStringView> value =
            TagAttributes::written(m_text, m_tokenizer, attribute);
        if (!value)
            return {};
        return m_kind == PageKind::Modern ? decoded(*value)
                                          : SourceHtml::typedAttributeValue(value->toString());
    }

    // An attribute's value as a browser compares it: without the blanks around it, in lower
    // case.
    QString lowered(QLatin1StringView attribute) const {
        return TagAttributes::decoded(m_text, m_tokenizer, attribute)
            .value_or(QString())
            .trimmed()
            .toLower();
    }

    QStringView m_text;
    PageKind m_kind;
    HtmlTokenizer m_tokenizer;
    // The open title or style element: its start tag, and where its text begins.
    qsizetype m_elementStart = -1;
    qsizetype m_contentStart = 0;
};

} // namespace

PageStart::PageStart(const QStringList& lines, PageKind kind) {
    const Range range = locate(lines, kind);
    if (range.last < 0)
        return;
    m_first = range.first;
    m_count = range.last - range.first + 1;
    const QString text = lines.sliced(m_first, m_count).join(u'\n');
    StartReader reader(text, kind);
    reader.read(range.state);
    m_settings = reader.settings;

    // What is left between the settings' own stretches are the user's lines; after the body
    // tag, the rest of its line.
    QString left;
    qsizetype from = 0;
    for (const HtmlTokenizer::Extent& owned : std::as_const(reader.owned)) {
        left += QStringView(text).sliced(from, owned.start - from);
        from = owned.start + owned.length;
    }
    m_afterBody = text.sliced(from);
    for (const QString& line : left.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            m_kept.append(line);
    }
}

PageStart::Replacement PageStart::replacedBy(QStringList start) const {
    const qsizetype headEnd = start.lastIndexOf(SourceHtml::kHeadClose);
    Q_ASSERT(headEnd >= 0);
    start = start.first(headEnd) + m_kept + start.sliced(headEnd);
    start.last() += m_afterBody;
    return {m_first, m_count, start};
}
