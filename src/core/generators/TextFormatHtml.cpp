#include "core/generators/TextFormatHtml.h"

#include "core/generators/CssStyle.h"
#include "core/source/SourceHtml.h"

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

namespace {

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

QString tagOf(ParagraphKind kind) {
    switch (kind) {
    case ParagraphKind::Paragraph:
        break;
    case ParagraphKind::Heading1:
        return QStringLiteral("h1");
    case ParagraphKind::Heading2:
        return QStringLiteral("h2");
    case ParagraphKind::Heading3:
        return QStringLiteral("h3");
    }
    return QStringLiteral("p");
}

} // namespace

void appendPlacementOpen(QStringList& lines, const Placement& placement) {
    SourceHtml::AppendBreaks(lines, placement.breaksBefore);
    appendPositionOpen(lines, placement.position);
}

void appendPlacementClose(QStringList& lines, const Placement& placement) {
    appendPositionClose(lines, placement.position);
    SourceHtml::AppendBreaks(lines, placement.breaksAfter);
}

QStringList placed(const Placement& placement, const QStringList& element) {
    QStringList lines;
    appendPlacementOpen(lines, placement);
    lines += element;
    appendPlacementClose(lines, placement);
    return lines;
}

QStringList placedWithBreaksInside(const Placement& placement, const QStringList& element,
                                   const QStringList& following) {
    QStringList lines;
    appendPlacementOpen(lines, placement);
    lines += element;
    SourceHtml::AppendBreaks(lines, placement.breaksAfter);
    lines += following;
    appendPositionClose(lines, placement.position);
    return lines;
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

QString paragraphStyleOpen(const TextFormat& format, ParagraphKind kind) {
    return u'<' + tagOf(kind) + QStringLiteral(" style=\"") +
           SourceHtml::attributeValue(QStringLiteral("font-family:") + format.fontName +
                                      QStringLiteral("; font-size:") + format.fontSize +
                                      QStringLiteral("pt; color:") + format.fontColor) +
           QStringLiteral("\">");
}

QString styledParagraphLine(const TextFormat& format, const QString& body, ParagraphKind kind) {
    return paragraphStyleOpen(format, kind) + body + QStringLiteral("</") + tagOf(kind) + u'>';
}

QStringList modernPlaced(const Placement& placement, const QStringList& element) {
    CssStyle style;
    style.addPlacement(placement);
    if (style.isEmpty())
        return element;
    return QStringList{QStringLiteral("<div") + style.attribute() + u'>'} + element +
           QStringList{QStringLiteral("</div>")};
}

QStringList modernTextBlock(const TextFormat& format, ParagraphKind kind, const QString& text) {
    return modernTextIn(tagOf(kind), format, text);
}

QStringList modernTextIn(const QString& tag, const TextFormat& format, const QString& text) {
    QStringList lines = SourceHtml::escapedText(text).split(u'\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        lines[i] += SourceHtml::kBreak;
    return modernElement(tag, format, lines);
}

QStringList modernBlock(const TextFormat& format, ParagraphKind kind, QStringList html) {
    return modernElement(tagOf(kind), format, std::move(html));
}

QStringList modernElement(const QString& tag, const TextFormat& format, QStringList html) {
    const Emphasis& e = format.emphasis;
    QStringList decorations;
    if (e.underline)
        decorations.append(QStringLiteral("underline"));
    if (e.strikeOut)
        decorations.append(QStringLiteral("line-through"));
    CssStyle style;
    style.addFont(format)
        .add(QStringLiteral("text-decoration"), decorations.join(u' '))
        .addPlacement(format.placement);
    QString open = u'<' + tag + style.attribute() + u'>';
    QString close;
    for (const auto& [on, name] :
         {std::pair{e.bold, "strong"}, std::pair{e.italic, "em"}, std::pair{e.superscript, "sup"},
          std::pair{e.subscript, "sub"}}) {
        if (!on)
            continue;
        open += QStringLiteral("<%1>").arg(QLatin1String(name));
        close.prepend(QStringLiteral("</%1>").arg(QLatin1String(name)));
    }
    close += QStringLiteral("</") + tag + u'>';
    html.first().prepend(open);
    html.last().append(close);
    return html;
}

QStringList textBlock(const TextFormat& format, const QString& paragraphLine) {
    QStringList element;
    appendEmphasisOpen(element, format.emphasis);
    element.append(paragraphLine);
    appendEmphasisClose(element, format.emphasis);
    return placed(format.placement, element);
}

} // namespace TextFormatHtml
