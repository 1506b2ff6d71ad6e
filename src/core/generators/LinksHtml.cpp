#include "core/generators/LinksHtml.h"

#include "core/source/SourceHtml.h"

namespace LinksHtml {

namespace {

using SourceHtml::attributeValue;

QString anchorOpen(const LinkAddress& link) {
    return QStringLiteral("<a href=\"") + attributeValue(link.prefix + link.address) +
           QStringLiteral("\"") + link.target + QStringLiteral(">");
}

QString imageTag(const ImageLink& image) {
    QString tag = QStringLiteral("<img src=\"") + attributeValue(image.file) +
                  QStringLiteral("\" alt=\"") + attributeValue(image.text) + QStringLiteral("\"");
    // The sized tag leaves a blank of its own after the height, so two blanks stand
    // before the border there and one in the short tag.
    if (image.sized)
        tag += QStringLiteral(" width=\"") + attributeValue(image.width) +
               QStringLiteral("\" height=\"") + attributeValue(image.height) +
               QStringLiteral("\" ");
    return tag + QStringLiteral(" border=\"") + attributeValue(image.border) +
           QStringLiteral("\">");
}

} // namespace

QString mailPrefix() {
    return QStringLiteral("mailto:");
}

QString newWindowTarget() {
    return QStringLiteral(" target=\"Fenster\"");
}

QString samePageTarget() {
    return QStringLiteral(" ");
}

QString frameTarget(const QString& frameName) {
    return QStringLiteral(" target=\"") + attributeValue(frameName) + QStringLiteral("\"");
}

QStringList textLink(const TextFormat& format, const LinkAddress& link, const QString& linkText) {
    // The paragraph closes before the anchor.
    return TextFormatHtml::textBlock(format, TextFormatHtml::paragraphStyleOpen(format) +
                                                 anchorOpen(link) + linkText +
                                                 QStringLiteral("</p></a>"));
}

QStringList imageLink(const LinkAddress& link, const ImageLink& image) {
    return TextFormatHtml::placed(image.placement,
                                  {anchorOpen(link) + imageTag(image) + QStringLiteral("</a>")});
}

} // namespace LinksHtml
