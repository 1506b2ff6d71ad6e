#pragma once

#include "core/generators/TextFormatHtml.h"

#include <QString>
#include <QStringList>

// A horizontal rule: colour, thickness and width as typed, and its placement.
struct Rule {
    QString color;
    QString size;
    QString width;
    Placement placement{};
};

namespace LinesHtml {

// The rule tag, placed.
QStringList ruleBlock(const Rule& rule);

// The rule of a modern page: colour and thickness drawn as a filled bar, the width as a
// length, a position as margins (a rule is centred unless placed left or right), the space
// around it as margins.
QString modernRuleLine(const Rule& rule);

} // namespace LinesHtml
