#include "generators/TableContentsBox.h"

#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace Controls;

namespace {

// A table of up to fifty rows and fifty columns; it starts with two of each.
constexpr int kMaxCount = 50;
constexpr int kStartCount = 2;
// The rows the grid shows however small the page.
constexpr int kShownRows = 3;
// The two counts with their captions fill the first columns of the box; the last one takes the
// room to spare.
constexpr int kSpareColumn = 4;

// A count box and its caption at the given column of the grid's first row.
QSpinBox* countBox(QGridLayout& grid, int column, const char* labelName, const QString& text,
                   const char* boxName) {
    QWidget* box = grid.parentWidget();
    QLabel* label = caption(box, labelName, text);
    auto* count = named<QSpinBox>(box, boxName);
    count->setRange(1, kMaxCount);
    count->setValue(kStartCount);
    label->setBuddy(count);
    grid.addWidget(label, 0, column);
    grid.addWidget(count, 0, column + 1);
    return count;
}

} // namespace

TableContentsBox::TableContentsBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("TableInOneStep"));
    setTitle(QStringLiteral("Tabelle in einem Schritt"));
    QGridLayout* grid = Layout::grid(this);
    m_rows = countBox(*grid, 0, "Label75", QStringLiteral("Zeilen:"), "SpinBox1");
    m_columns = countBox(*grid, 2, "Label76", QStringLiteral("Spalten:"), "SpinBox2");
    grid->setColumnStretch(kSpareColumn, 1);

    m_grid = named<QTableWidget>(this, "TableGrid");
    m_grid->setRowCount(m_rows->value());
    m_grid->setColumnCount(m_columns->value());
    // It takes the room the page has to spare and shows at least three rows. Its columns share
    // its width; when too many for that, they keep the usual width and the grid scrolls.
    m_grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QHeaderView* columns = m_grid->horizontalHeader();
    columns->setMinimumSectionSize(columns->defaultSectionSize());
    columns->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->setMinimumHeight(columns->sizeHint().height() +
                             kShownRows * m_grid->verticalHeader()->defaultSectionSize() +
                             2 * m_grid->frameWidth());
    grid->addWidget(m_grid, 1, 0, 1, kSpareColumn + 1);
    grid->setRowStretch(1, 1);
    // Rows and columns come and go with the counts; the cells that stay keep their texts.
    connect(m_rows, &QSpinBox::valueChanged, m_grid, &QTableWidget::setRowCount);
    connect(m_columns, &QSpinBox::valueChanged, m_grid, &QTableWidget::setColumnCount);

    m_button = named<QPushButton>(this, "Button46", QStringLiteral("Tabelle mit Inhalt erstellen"));
    grid->addWidget(m_button, 2, 0, 1, kSpareColumn + 1, Qt::AlignRight);
}

QList<QStringList> TableContentsBox::rows() const {
    QList<QStringList> rows;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            const QTableWidgetItem* cell = m_grid->item(row, column);
            cells.append(cell ? cell->text() : QString());
        }
        rows.append(cells);
    }
    return rows;
}
