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

} // namespace LinesHtml
