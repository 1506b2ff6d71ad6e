#include "source/Utf8Declaration.h"

#include "source/SourceHtml.h"

#include <QRegularExpression>

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

// The head ends where "</head>" or "<body" first appears; declarations count only before.
bool headEnds(QStringView line) {
    static const QRegularExpression kEnd(QStringLiteral("</head\\b|<body\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return kEnd.match(line).hasMatch();
}

} // namespace

Utf8Declared DeclareUtf8(QStringList lines) {
    Utf8Declared result;
    bool declared = false;
    for (QString& line : lines) {
        // Each declaration of another encoding becomes the program's line, from the end of
        // the line backwards so that earlier positions stay valid.
        QList<QRegularExpressionMatch> tags;
        for (const QRegularExpressionMatch& match : metaTag().globalMatch(line)) {
            if (declaresCharset(match.capturedView()))
                tags.append(match);
        }
        for (auto it = tags.crbegin(); it != tags.crend(); ++it) {
            declared = true;
            if (declaresUtf8(it->capturedView()))
                continue;
            line.replace(it->capturedStart(), it->capturedLength(), SourceHtml::contentTypeLine());
            result.changed = true;
        }
        if (headEnds(line))
            break;
    }
    if (!declared) {
        static const QRegularExpression kHead(QStringLiteral("<head(\\s[^>]*)?>"),
                                              QRegularExpression::CaseInsensitiveOption);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch head = kHead.match(lines[i]);
            if (!head.hasMatch()) {
                if (headEnds(lines[i]))
                    break;
                continue;
            }
            // The text after the tag moves to the line after the declaration.
            const QString rest = lines[i].mid(head.capturedEnd());
            lines[i].truncate(head.capturedEnd());
            lines.insert(i + 1, SourceHtml::contentTypeLine());
            if (!rest.trimmed().isEmpty())
                lines.insert(i + 2, rest);
            result.changed = true;
            break;
        }
    }
    result.lines = std::move(lines);
    return result;
}
