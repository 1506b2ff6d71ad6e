#include "core/source/PageKindOf.h"

#include "core/source/HtmlTokenizer.h"

#include <algorithm>

namespace {

// Reads a page's beginning token by token, up to the token that tells its kind.
class KindReader {
public:
    // Reads one token of text, which begins the page when pageStart is set; true once the
    // kind is told.
    bool read(const HtmlTokenizer::Token& token, QStringView text, bool pageStart) {
        switch (token.kind) {
        case HtmlTokenizer::Kind::Text:
            return !isBlank(text.sliced(token.content.start, token.content.length),
                            pageStart && token.content.start == 0);
        case HtmlTokenizer::Kind::Comment:
            return false;
        case HtmlTokenizer::Kind::Doctype:
            // A doctype on several lines comes in parts: the name in one, an identifier in
            // another.
            if (!token.begunBefore)
                m_modern = true;
            if (token.content.present())
                m_named =
                    HtmlTokenizer::decoded(text.sliced(token.content.start, token.content.length),
                                           HtmlTokenizer::Decoding::Name) == u"html";
            m_modern = m_modern && !token.publicId.present() && !token.systemId.present() &&
                       !token.forceQuirks;
            if (token.unfinished)
                return false;
            kind = m_named && m_modern ? PageKind::Modern : PageKind::Classic;
            return true;
        default:
            return true;
        }
    }

    PageKind kind = PageKind::Classic;

private:
    static bool isBlank(QStringView run, bool pageStart) {
        if (pageStart && run.startsWith(QChar(0xFEFF)))
            run = run.sliced(1);
        return std::all_of(run.begin(), run.end(), [](QChar c) {
            return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
        });
    }

    bool m_named = false;  // the doctype being read is named "html"
    bool m_modern = false; // and so far it has no identifier and is no reason for quirks mode
};

} // namespace

PageKind pageKindOf(QStringView text) {
    HtmlTokenizer tokenizer;
    HtmlTokenizer::Token token;
    KindReader reader;
    tokenizer.start(text);
    while (tokenizer.next(token)) {
        if (reader.read(token, text, true))
            return reader.kind;
    }
    return PageKind::Classic;
}

PageKind pageKindOfLines(const QStringList& lines) {
    HtmlTokenizer tokenizer;
    HtmlTokenizer::State state;
    HtmlTokenizer::Token token;
    KindReader reader;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        tokenizer.start(lines[i], state, HtmlTokenizer::End::Line);
        while (tokenizer.next(token)) {
            if (reader.read(token, lines[i], i == 0))
                return reader.kind;
        }
        state = tokenizer.state();
    }
    return PageKind::Classic;
}
