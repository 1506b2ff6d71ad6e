#pragma once

#include "generators/TextFormatHtml.h"

#include <QString>
#include <QStringList>

// A horizontal rule: colour, thickness and width as typed, its position and the blank lines
// around it.
struct Rule {
    QString color;
    QString size;
    QString width;
    Position position = Position::None;
    int breaksBefore = 0;
    int breaksAfter = 0;
};

namespace LinesHtml {

// The rule tag inside its position block, with the breaks before and after.
QStringList ruleBlock(const Rule& rule);

} // namespace LinesHtml
