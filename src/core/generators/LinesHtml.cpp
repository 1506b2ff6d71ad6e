#include "core/generators/LinesHtml.h"

#include "core/generators/CssStyle.h"
#include "core/source/SourceHtml.h"

namespace LinesHtml {

using SourceHtml::attributeValue;

QStringList ruleBlock(const Rule& rule) {
    return TextFormatHtml::placed(rule.placement,
                                  {QStringLiteral("<hr color=\"") + attributeValue(rule.color) +
                                   QStringLiteral("\" size=\"") + attributeValue(rule.size) +
                                   QStringLiteral("\" width=\"") + attributeValue(rule.width) +
                                   QStringLiteral("\">")});
}

QString modernRuleLine(const Rule& rule) {
    CssStyle style;
    const QString color = rule.color.trimmed();
    if (!color.isEmpty() || CssStyle::isPixels(rule.size))
        style.add(QStringLiteral("border"), QStringLiteral("none"))
            .add(QStringLiteral("height"), CssStyle::isPixels(rule.size)
                                               ? CssStyle::length(rule.size)
                                               : QStringLiteral("2px"))
            .add(QStringLiteral("background-color"),
                 color.isEmpty() ? QStringLiteral("gray") : color);
    style.add(QStringLiteral("width"), CssStyle::length(rule.width));
    if (rule.placement.position == Position::Left)
        style.add(QStringLiteral("margin-left"), QStringLiteral("0"));
    if (rule.placement.position == Position::Right)
        style.add(QStringLiteral("margin-right"), QStringLiteral("0"));
    style.addSpacing(rule.placement);
    return QStringLiteral("<hr") + style.attribute() + u'>';
}

} // namespace LinesHtml
