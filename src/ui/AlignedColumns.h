#pragma once

#include <QList>
#include <QObject>

class QGridLayout;

// Lines up columns of grids that lie one under another, so that their captions, fields and
// pictures stand as in one grid: each tied column is as wide as the widest of the grids
// shown needs it. The width follows the grids and the controls of the tied columns that come
// and go, and the font; the grids are complete when tied.
class AlignedColumns final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlignedColumns)
public:
    AlignedColumns(const QList<QGridLayout*>& grids, const QList<int>& columns, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void align();

    QList<QGridLayout*> m_grids;
    QList<int> m_columns;
};
