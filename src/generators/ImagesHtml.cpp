#include "generators/ImagesHtml.h"

#include "source/SourceHtml.h"

namespace ImagesHtml {

using SourceHtml::attributeValue;

QString imageLine(const ImageTag& tag) {
    QString line = QStringLiteral("<img src=\"") + attributeValue(tag.file) +
                   QStringLiteral("\" alt=\"") + attributeValue(tag.text) + QLatin1Char('"');
    if (tag.sized)
        line += QStringLiteral(" width=\"") + attributeValue(tag.width) +
                QStringLiteral("\" height=\"") + attributeValue(tag.height) + QLatin1Char('"');
    return line + QLatin1Char('>');
}

QStringList imageBlock(const ImageElement& element) {
    QStringList lines;
    SourceHtml::AppendBreaks(lines, element.breaksBefore);
    TextFormatHtml::appendPositionOpen(lines, element.position);
    lines.append(imageLine(element.tag));
    TextFormatHtml::appendPositionClose(lines, element.position);
    SourceHtml::AppendBreaks(lines, element.breaksAfter);
    return lines;
}

} // namespace ImagesHtml
