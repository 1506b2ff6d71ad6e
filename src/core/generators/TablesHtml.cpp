#include "core/generators/TablesHtml.h"

#include "core/generators/CssStyle.h"
#include "core/source/SourceHtml.h"

namespace TablesHtml {

using SourceHtml::attributeValue;

namespace {

const QString kTableClose = QStringLiteral("</table>");

// A table is a block, which text-align does not move: the free space goes into its margins.
void addPosition(CssStyle& style, Position position) {
    const QString automatic = QStringLiteral("auto");
    if (position == Position::Center || position == Position::Right)
        style.add(QStringLiteral("margin-left"), automatic);
    if (position == Position::Center || position == Position::Left)
        style.add(QStringLiteral("margin-right"), automatic);
}

} // namespace

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
    QStringList lines{kTableClose};
    TextFormatHtml::appendPlacementClose(lines, placement);
    return lines;
}

QStringList modernTableStart(const TableSettings& table) {
    CssStyle wrapper;
    wrapper.addSpacing(table.placement);
    CssStyle style;
    style.add(QStringLiteral("border"), CssStyle::border(table.border, table.borderColor))
        .add(QStringLiteral("background-color"), table.bgColor.trimmed())
        .add(QStringLiteral("width"), CssStyle::length(table.width));
    addPosition(style, table.placement.position);
    return {QStringLiteral("<div class=\"tabelle\"") + wrapper.attribute() + u'>',
            QStringLiteral("<table") + style.attribute() + u'>'};
}

QStringList modernCellOpen(const CellSettings& cell) {
    CssStyle style;
    style.add(QStringLiteral("background-color"), cell.bgColor.trimmed())
        .add(QStringLiteral("border"), CssStyle::border(cell.border, cell.borderColor));
    return {QStringLiteral("<td") + style.attribute() + u'>'};
}

QStringList modernTableEnd(const Placement& placement) {
    QStringList lines{kTableClose, QStringLiteral("</div>")};
    const QString space = CssStyle::blankLines(placement.breaksAfter);
    if (!space.isEmpty())
        lines.append(QStringLiteral("<div") +
                     CssStyle().add(QStringLiteral("height"), space).attribute() +
                     QStringLiteral("></div>"));
    return lines;
}

QStringList wholeTable(const TablePieces& pieces, const QList<QStringList>& rows) {
    QStringList lines = pieces.start;
    for (const QStringList& cells : rows) {
        lines += rowOpen();
        for (const QString& text : cells) {
            lines += pieces.cellOpen;
            lines.append(text);
            lines += cellClose();
        }
        lines += rowClose();
    }
    return lines + pieces.end;
}

} // namespace TablesHtml
