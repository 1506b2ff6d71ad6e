#include "ui/AlignedColumns.h"

#include <QEvent>
#include <QGridLayout>
#include <QWidget>

#include <algorithm>

namespace {

// An item of a grid and the columns it covers.
struct Placed {
    QLayoutItem* item;
    int column;
    int columnSpan;
};

QList<Placed> placedItems(const QGridLayout& grid) {
    QList<Placed> items;
    for (int i = 0; i < grid.count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid.getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        items.append({grid.itemAt(i), column, columnSpan});
    }
    return items;
}

// The width the controls the column shows on their own need; 0 when it shows none.
int neededWidth(const QGridLayout& grid, int column) {
    int width = 0;
    for (const Placed& placed : placedItems(grid)) {
        if (placed.column == column && placed.columnSpan == 1 && !placed.item->isEmpty())
            width = std::max(width, placed.item->sizeHint().width());
    }
    return width;
}

// Whether the grid shows something in the column, on its own or across it: only then does
// the grid keep spacing beside the column.
bool showsIn(const QGridLayout& grid, int column) {
    return std::ranges::any_of(placedItems(grid), [column](const Placed& placed) {
        return placed.column <= column && column < placed.column + placed.columnSpan &&
               !placed.item->isEmpty();
    });
}

} // namespace

AlignedColumns::AlignedColumns(const QList<QGridLayout*>& grids, const QList<int>& columns,
                               QObject* parent)
    : QObject(parent), m_grids(grids), m_columns(columns) {
    for (QGridLayout* grid : std::as_const(m_grids)) {
        grid->parentWidget()->installEventFilter(this);
        for (const Placed& placed : placedItems(*grid)) {
            QWidget* widget = placed.item->widget();
            if (widget && placed.columnSpan == 1 && m_columns.contains(placed.column))
                widget->installEventFilter(this);
        }
    }
    align();
}

bool AlignedColumns::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShowToParent: // a grid or a control in a tied column shown or hidden,
    case QEvent::HideToParent:
    case QEvent::Show:          // a grid shown, maybe after its font changed unseen,
    case QEvent::LayoutRequest: // or about to be laid out again
        align();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void AlignedColumns::align() {
    for (int column : std::as_const(m_columns)) {
        int width = 0;
        bool spaced = false;
        for (const QGridLayout* grid : std::as_const(m_grids)) {
            if (grid->parentWidget()->isHidden())
                continue;
            width = std::max(width, neededWidth(*grid, column));
            spaced = spaced || showsIn(*grid, column);
        }
        for (QGridLayout* grid : std::as_const(m_grids)) {
            // A grid leaves out the spacing beside a column it shows nothing in; the room it
            // keeps there makes up for it.
            const int room =
                spaced && !showsIn(*grid, column) ? width + grid->horizontalSpacing() : width;
            // Setting a width lays the grid out again, which asks for this once more.
            if (grid->columnMinimumWidth(column) != room)
                grid->setColumnMinimumWidth(column, room);
        }
    }
}
