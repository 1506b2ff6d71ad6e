#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QPushButton;
class QSpinBox;
class QTableWidget;

// The group "Tabelle in einem Schritt": the counts of rows and columns, the grid that follows
// them and takes the cells' texts, and the button that adds the whole table.
class TableContentsBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableContentsBox)
public:
    explicit TableContentsBox(QWidget* parent);

    // "Tabelle mit Inhalt erstellen".
    QPushButton* addButton() const { return m_button; }
    // The cells' texts as typed, row by row; a cell never typed into is empty.
    QList<QStringList> rows() const;

private:
    QSpinBox* m_rows;
    QSpinBox* m_columns;
    QTableWidget* m_grid;
    QPushButton* m_button;
};
