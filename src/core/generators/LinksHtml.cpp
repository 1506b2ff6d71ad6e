#include "core/generators/LinksHtml.h"

#include "core/generators/ImagesHtml.h"
#include "core/source/SourceHtml.h"

namespace LinksHtml {

namespace {

using SourceHtml::attributeValue;

const QString kAnchorClose = QStringLiteral("</a>");

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

// The anchor of a modern page: a blank target is left out.
QString modernAnchorOpen(const LinkAddress& link) {
    const QString target = link.target.trimmed();
    return QStringLiteral("<a href=\"") + SourceHtml::addressAttribute(link.prefix + link.address) +
           u'"' + (target.isEmpty() ? QString() : u' ' + target) + u'>';
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
                                  {anchorOpen(link) + imageTag(image) + kAnchorClose});
}

QStringList modernTextLink(const TextFormat& format, const LinkAddress& link,
                           const QString& linkText) {
    return TextFormatHtml::modernBlock(
        format, ParagraphKind::Paragraph,
        {modernAnchorOpen(link) + SourceHtml::escapedText(linkText) + kAnchorClose});
}

QStringList modernImageLink(const LinkAddress& link, const ImageLink& image) {
    const ImageTag tag{image.file, image.text, image.sized, image.width, image.height};
    return TextFormatHtml::modernPlaced(
        image.placement,
        {modernAnchorOpen(link) + ImagesHtml::modernImageLine(tag, image.border) + kAnchorClose});
}

} // namespace LinksHtml
