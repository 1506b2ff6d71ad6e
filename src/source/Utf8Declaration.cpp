#include "source/Utf8Declaration.h"

#include "source/SourceHtml.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

const QRegularExpression& metaTag() {
    static const QRegularExpression kMeta(QStringLiteral("<meta\\b[^>]*>"),
                                          QRegularExpression::CaseInsensitiveOption);
    return kMeta;
}

bool declaresCharset(QStringView tag) {
    static const QRegularExpression kCharset(QStringLiteral("charset\\s*="),
                                             QRegularExpression::CaseInsensitiveOption);
    return kCharset.match(tag).hasMatch();
}

bool declaresUtf8(QStringView tag) {
    static const QRegularExpression kUtf8(QStringLiteral("charset\\s*=\\s*[\"']?\\s*utf-?8\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return kUtf8.match(tag).hasMatch();
}

// http-equiv="Content-Type", in any case, quoted either way or not at all.
bool declaresContentType(QStringView tag) {
    static const QRegularExpression kContentType(
        QStringLiteral("(?<![\\w-])http-equiv\\s*=\\s*(?:\"content-type\"|'content-type'|"
                       "content-type(?![^\\s/>]))"),
        QRegularExpression::CaseInsensitiveOption);
    return kContentType.match(tag).hasMatch();
}

// The head ends where "</head>" or "<body" first appears; declarations count only before.
bool headEnds(QStringView line) {
    static const QRegularExpression kEnd(QStringLiteral("</head\\b|<body\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return kEnd.match(line).hasMatch();
}

enum class Declares { Utf8, OtherCharset, NoCharset };

std::optional<Declares> declares(QStringView tag) {
    if (declaresCharset(tag))
        return declaresUtf8(tag) ? Declares::Utf8 : Declares::OtherCharset;
    if (declaresContentType(tag))
        return Declares::NoCharset;
    return std::nullopt;
}

struct Declaration {
    qsizetype line;
    qsizetype start;
    qsizetype length;
    Declares declares;
};

QList<Declaration> headDeclarations(const QStringList& lines) {
    QList<Declaration> found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const QRegularExpressionMatch& match : metaTag().globalMatch(lines[i])) {
            if (const std::optional<Declares> kind = declares(match.capturedView()))
                found.append({i, match.capturedStart(), match.capturedLength(), *kind});
        }
        if (headEnds(lines[i]))
            break;
    }
    return found;
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
// the line after it. Returns whether the head was found.
bool declareAfterHead(QStringList& lines) {
    static const QRegularExpression kHead(QStringLiteral("<head(\\s[^>]*)?>"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch head = kHead.match(lines[i]);
        if (!head.hasMatch()) {
            if (headEnds(lines[i]))
                return false;
            continue;
        }
        const QString rest = lines[i].mid(head.capturedEnd());
        lines[i].truncate(head.capturedEnd());
        lines.insert(i + 1, SourceHtml::contentTypeLine());
        if (!rest.trimmed().isEmpty())
            lines.insert(i + 2, rest);
        return true;
    }
    return false;
}

} // namespace

Utf8Declared DeclareUtf8(QStringList lines) {
    const QList<Declaration> found = headDeclarations(lines);
    Utf8Declared result;
    result.changed = found.isEmpty() ? declareAfterHead(lines) : rewrite(lines, found);
    result.lines = std::move(lines);
    return result;
}
