#include "generators/LinesHtml.h"

#include "source/SourceHtml.h"

namespace LinesHtml {

QStringList ruleBlock(const Rule& rule) {
    QStringList lines;
    SourceHtml::AppendBreaks(lines, rule.breaksBefore);
    TextFormatHtml::appendPositionOpen(lines, rule.position);
    lines.append(QStringLiteral("<hr color=\"") + rule.color + QStringLiteral("\" size=\"") +
                 rule.size + QStringLiteral("\" width=\"") + rule.width + QStringLiteral("\">"));
    TextFormatHtml::appendPositionClose(lines, rule.position);
    SourceHtml::AppendBreaks(lines, rule.breaksAfter);
    return lines;
}

} // namespace LinesHtml
