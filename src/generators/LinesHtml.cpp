#include "generators/LinesHtml.h"

#include "source/SourceHtml.h"

namespace LinesHtml {

using SourceHtml::attributeValue;

QStringList ruleBlock(const Rule& rule) {
    QStringList lines;
    SourceHtml::AppendBreaks(lines, rule.breaksBefore);
    TextFormatHtml::appendPositionOpen(lines, rule.position);
    lines.append(QStringLiteral("<hr color=\"") + attributeValue(rule.color) +
                 QStringLiteral("\" size=\"") + attributeValue(rule.size) +
                 QStringLiteral("\" width=\"") + attributeValue(rule.width) +
                 QStringLiteral("\">"));
    TextFormatHtml::appendPositionClose(lines, rule.position);
    SourceHtml::AppendBreaks(lines, rule.breaksAfter);
    return lines;
}

} // namespace LinesHtml
