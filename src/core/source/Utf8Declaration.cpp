#include "core/source/Utf8Declaration.h"

#include "core/source/HtmlTokenizer.h"
#include "core/source/SourceHtml.h"
#include "core/source/TagAttributes.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

#include <algorithm>
#include <optional>
#include <utility>

namespace {

using Token = HtmlTokenizer::Token;
using TagAttributes::isNamed;

enum class Declares { Utf8, OtherCharset, NoCharset };

struct Declaration {
    qsizetype line;
    qsizetype start;
    qsizetype length;
    Declares declares;
};

// What the head holds: the character-set declarations and where its "<head>" tag ends; and
// whether the body's start tag follows.
struct Head {
    QList<Declaration> declarations;
    qsizetype tagLine = -1;
    qsizetype tagEnd = 0;
    bool bodyFollows = false;
};

// The character set a "<meta>" declares, from its charset attribute or from the content of
// a content type; nothing when the tag declares neither.
std::optional<Declares> declares(QStringView line, const HtmlTokenizer& tokenizer) {
    static const QRegularExpression kCharset(QStringLiteral("charset\\s*="),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression kUtf8(QStringLiteral("charset\\s*=\\s*[\"']?\\s*utf-?8\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (const std::optional<QString> charset =
            TagAttributes::decoded(line, tokenizer, "charset"_L1)) {
        const QString name = charset->trimmed().toLower();
        return name == "utf-8"_L1 || name == "utf8"_L1 ? Declares::Utf8 : Declares::OtherCharset;
    }
    const std::optional<QString> equiv = TagAttributes::decoded(line, tokenizer, "http-equiv"_L1);
    if (!equiv || equiv->trimmed().compare("content-type"_L1, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString content =
        TagAttributes::decoded(line, tokenizer, "content"_L1).value_or(QString());
    if (!kCharset.match(content).hasMatch())
        return Declares::NoCharset;
    return kUtf8.match(content).hasMatch() ? Declares::Utf8 : Declares::OtherCharset;
}

// Reads the head as a browser does, up to "</head>" or "<body>", and on to "<body>".
Head readHead(const QStringList& lines) {
    Head head;
    HtmlTokenizer tokenizer;
    HtmlTokenizer::State state;
    Token token;
    bool inHead = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        tokenizer.start(line, state, HtmlTokenizer::End::Line);
        while (tokenizer.next(token)) {
            // A tag that spans lines is left as it stands.
            if (token.begunBefore || token.unfinished)
                continue;
            const bool start = token.kind == HtmlTokenizer::Kind::StartTag;
            if (start && isNamed(line, token, "body"_L1)) {
                head.bodyFollows = true;
                return head;
            }
            if (token.kind == HtmlTokenizer::Kind::EndTag && isNamed(line, token, "head"_L1))
                inHead = false;
            if (!inHead)
                continue;
            if (start && head.tagLine < 0 && isNamed(line, token, "head"_L1)) {
                head.tagLine = i;
                head.tagEnd = token.start + token.length;
            }
            if (start && isNamed(line, token, "meta"_L1)) {
                if (const std::optional<Declares> kind = declares(line, tokenizer))
                    head.declarations.append({i, token.start, token.length, *kind});
            }
        }
        state = tokenizer.state();
    }
    return head;
}

// Every declaration of another character set becomes the program's line. A content type
// without a character set becomes it too, unless the head names a character set elsewhere or
// an earlier one became it already: then it goes, and its line with it when nothing else
// stands there, so that the head keeps one content type. Returns whether a line changed.
bool rewrite(QStringList& lines, const QList<Declaration>& found) {
    bool hasContentType = std::any_of(found.cbegin(), found.cend(), [](const Declaration& d) {
        return d.declares != Declares::NoCharset;
    });
    QList<std::pair<Declaration, bool>> edits; // with whether the program's line takes its place
    for (const Declaration& declaration : found) {
        switch (declaration.declares) {
        case Declares::Utf8:
            break;
        case Declares::OtherCharset:
            edits.append({declaration, true});
            break;
        case Declares::NoCharset:
            edits.append({declaration, !hasContentType});
            hasContentType = true;
            break;
        }
    }
    // From the end backwards, so that earlier positions stay valid.
    for (auto it = edits.crbegin(); it != edits.crend(); ++it) {
        const auto& [declaration, replaced] = *it;
        QString& line = lines[declaration.line];
        line.replace(declaration.start, declaration.length,
                     replaced ? SourceHtml::contentTypeLine() : QString());
        if (line.trimmed().isEmpty())
            lines.removeAt(declaration.line);
    }
    return !edits.isEmpty();
}

// The program's line right after the head's opening tag; the text after the tag moves to
// the line after it. Returns whether there was a head.
bool declareAfterHead(QStringList& lines, const Head& head) {
    if (head.tagLine < 0)
        return false;
    QString& line = lines[head.tagLine];
    const QString rest = line.mid(head.tagEnd);
    line.truncate(head.tagEnd);
    lines.insert(head.tagLine + 1, SourceHtml::contentTypeLine());
    if (!rest.trimmed().isEmpty())
        lines.insert(head.tagLine + 2, rest);
    return true;
}

} // namespace

Utf8Declared DeclareUtf8(QStringList lines) {
    const Head head = readHead(lines);
    Utf8Declared result;
    result.changed = head.declarations.isEmpty() ? declareAfterHead(lines, head)
                                                 : rewrite(lines, head.declarations);
    result.holdsBody = head.bodyFollows;
    result.lines = std::move(lines);
    return result;
}
