#include "core/generators/TablesHtml.h"

#include "core/source/SourceHtml.h"

namespace TablesHtml {

using SourceHtml::attributeValue;

QStringList tableStart(const TableSettings& table) {
    QStringList lines;
    TextFormatHtml::appendPlacementOpen(lines, table.placement);
    lines.append(QStringLiteral("<table  border=\"") + attributeValue(table.border) +
                 QStringLiteral("\" bordercolor=\"") + attributeValue(table.borderColor) +
                 QStringLiteral("\" bgcolor=\"") + attributeValue(table.bgColor) +
                 QStringLiteral("\" width=\"") + attributeValue(table.width) +
                 QStringLiteral("\">"));
    return lines;
}

QStringList rowOpen() {
    return {QStringLiteral("<tr>")};
}

QStringList cellOpen(const CellSettings& cell) {
    return {QStringLiteral("<td bgcolor=\"") + attributeValue(cell.bgColor) +
            QStringLiteral("\" border=\"") + attributeValue(cell.border) +
            QStringLiteral("\" bordercolor=\"") + attributeValue(cell.borderColor) +
            QStringLiteral("\">")};
}

QStringList cellClose() {
    return {QStringLiteral("</td>")};
}

QStringList rowClose() {
    return {QStringLiteral("</tr>")};
}

QStringList tableEnd(const Placement& placement) {
    QStringList lines{QStringLiteral("</table>")};
    TextFormatHtml::appendPlacementClose(lines, placement);
    return lines;
}

} // namespace TablesHtml
