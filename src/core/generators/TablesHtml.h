#pragma once

#include "core/generators/TextFormatHtml.h"

#include <QString>
#include <QStringList>

// The settings of a whole table, as typed.
struct TableSettings {
    QString border;
    QString borderColor;
    QString bgColor;
    QString width;
    // Read when the table is begun: its breaks after are those of the table's end.
    Placement placement{};
};

// The settings of the cell being opened, as typed.
struct CellSettings {
    QString bgColor;
    QString border;
    QString borderColor;
};

// The pieces that differ between the kinds of page, each as the page writes it, for a table
// written whole.
struct TablePieces {
    QStringList start;
    QStringList cellOpen;
    QStringList end;
};

// A table is written one tag at a time; each function gives the lines of one piece.
namespace TablesHtml {

// Breaks before, the position's opening line and the table line.
QStringList tableStart(const TableSettings& table);
QStringList rowOpen();
QStringList cellOpen(const CellSettings& cell);
QStringList cellClose();
QStringList rowClose();
// "</table>", the position's closing line and the breaks after, as placed when it ends.
QStringList tableEnd(const Placement& placement);

// The table of a modern page, between the same rows and cell closes: "<div class=\"tabelle\">"
// (the wrapper that scrolls a wide table sideways, with the space before as a margin) and the
// table line, whose style holds the border, the colour, the width and the position as margins.
QStringList modernTableStart(const TableSettings& table);
// "<td>" with the cell's colour and border in its style.
QStringList modernCellOpen(const CellSettings& cell);
// "</table>", "</div>" and, for breaks after, a box of their height; the position was placed
// at the start.
QStringList modernTableEnd(const Placement& placement);

// A whole table at once: the start; for each row "<tr>", each of its cells opened with its
// text as one line and closed, and "</tr>"; then the end. The texts go in as given.
QStringList wholeTable(const TablePieces& pieces, const QList<QStringList>& rows);

} // namespace TablesHtml
