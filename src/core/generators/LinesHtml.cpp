#include "core/generators/LinesHtml.h"

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

} // namespace LinesHtml
