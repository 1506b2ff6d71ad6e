#include "generators/TablesHtml.h"

#include "source/SourceHtml.h"

namespace TablesHtml {

QStringList tableStart(const TableSettings& table) {
    QStringList lines;
    SourceHtml::AppendBreaks(lines, table.breaksBefore);
    TextFormatHtml::appendPositionOpen(lines, table.position);
    lines.append(QStringLiteral("<table  border=\"") + table.border +
                 QStringLiteral("\" bordercolor=\"") + table.borderColor +
                 QStringLiteral("\" bgcolor=\"") + table.bgColor + QStringLiteral("\" width=\"") +
                 table.width + QStringLiteral("\">"));
    return lines;
}

QStringList rowOpen() {
    return {QStringLiteral("<tr>")};
}

QStringList cellOpen(const CellSettings& cell) {
    return {QStringLiteral("<td bgcolor=\"") + cell.bgColor + QStringLiteral("\" border=\"") +
            cell.border + QStringLiteral("\" bordercolor=\"") + cell.borderColor +
            QStringLiteral("\">")};
}

QStringList cellClose() {
    return {QStringLiteral("</td>")};
}

QStringList rowClose() {
    return {QStringLiteral("</tr>")};
}

QStringList tableEnd(Position position, int breaksAfter) {
    QStringList lines{QStringLiteral("</table>")};
    TextFormatHtml::appendPositionClose(lines, position);
    SourceHtml::AppendBreaks(lines, breaksAfter);
    return lines;
}

} // namespace TablesHtml
