#include "core/generators/ImagesHtml.h"

#include "core/generators/CssStyle.h"
#include "core/source/SourceHtml.h"

#include <utility>

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

QString modernImageLine(const ImageTag& tag, const QString& border) {
    QString line = QStringLiteral("<img src=\"") + SourceHtml::addressAttribute(tag.file) +
                   QStringLiteral("\" alt=\"") + SourceHtml::textAttribute(tag.text) +
                   QLatin1Char('"');
    CssStyle style;
    if (tag.sized) {
        for (const auto& [name, typed] : {std::pair{QStringLiteral("width"), tag.width},
                                          std::pair{QStringLiteral("height"), tag.height}}) {
            if (CssStyle::isPixels(typed))
                line += u' ' + name + QStringLiteral("=\"") + typed.trimmed() + u'"';
            else
                style.add(name, CssStyle::length(typed));
        }
    }
    if (CssStyle::isPixels(border) && border.trimmed().toInt() > 0)
        style.add(QStringLiteral("border"), CssStyle::length(border) + QStringLiteral(" solid"));
    return line + style.attribute() + QLatin1Char('>');
}

QStringList modernImageBlock(const ImageElement& element) {
    return TextFormatHtml::modernPlaced(element.placement, {modernImageLine(element.tag)});
}

} // namespace ImagesHtml
