#include "generators/TextFormatHtml.h"

#include "source/SourceHtml.h"

#include <array>
#include <utility>

namespace TextFormatHtml {

namespace {

using Tags = std::pair<const char*, const char*>;

std::array<std::pair<bool, Tags>, 6> emphasisTags(const Emphasis& e) {
    return {{{e.bold, {"<b>", "</b>"}},
             {e.underline, {"<u>", "</u>"}},
             {e.italic, {"<i>", "</i>"}},
             {e.strikeOut, {"<s>", "</s>"}},
             {e.superscript, {"<sup>", "</sup>"}},
             {e.subscript, {"<sub>", "</sub>"}}}};
}

} // namespace

void appendPositionOpen(QStringList& lines, Position position) {
    switch (position) {
    case Position::None:
        return;
    case Position::Left:
        lines.append(QStringLiteral("<div align=\"left\">"));
        return;
    case Position::Center:
        lines.append(QStringLiteral("<div align=\"center\">"));
        return;
    case Position::Right:
        lines.append(QStringLiteral("<div align=\"right\">"));
        return;
    }
}

void appendPositionClose(QStringList& lines, Position position) {
    if (position != Position::None)
        lines.append(QStringLiteral("</div>"));
}

void appendEmphasisOpen(QStringList& lines, const Emphasis& emphasis) {
    for (const auto& [on, tags] : emphasisTags(emphasis)) {
        if (on)
            lines.append(QString::fromLatin1(tags.first));
    }
}

void appendEmphasisClose(QStringList& lines, const Emphasis& emphasis) {
    for (const auto& [on, tags] : emphasisTags(emphasis)) {
        if (on)
            lines.append(QString::fromLatin1(tags.second));
    }
}

QString paragraphStyleOpen(const TextFormat& format) {
    return QStringLiteral("<p style=\"") +
           SourceHtml::attributeValue(QStringLiteral("font-family:") + format.fontName +
                                      QStringLiteral("; font-size:") + format.fontSize +
                                      QStringLiteral("pt; color:") + format.fontColor) +
           QStringLiteral("\">");
}

QString styledParagraphLine(const TextFormat& format, const QString& body) {
    return paragraphStyleOpen(format) + body + QStringLiteral("</p>");
}

QStringList textBlock(const TextFormat& format, const QString& paragraphLine) {
    QStringList lines;
    SourceHtml::AppendBreaks(lines, format.breaksBefore);
    appendPositionOpen(lines, format.position);
    appendEmphasisOpen(lines, format.emphasis);
    lines.append(paragraphLine);
    appendEmphasisClose(lines, format.emphasis);
    appendPositionClose(lines, format.position);
    SourceHtml::AppendBreaks(lines, format.breaksAfter);
    return lines;
}

} // namespace TextFormatHtml
