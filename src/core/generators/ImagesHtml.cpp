#include "core/generators/ImagesHtml.h"

#include "core/source/SourceHtml.h"

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
    return TextFormatHtml::placed(element.placement, {imageLine(element.tag)});
}

} // namespace ImagesHtml
