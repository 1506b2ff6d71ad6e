#include "generators/PageParts.h"

#include "generators/SpacingBox.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

namespace PageParts {

QGridLayout* addGroup(QBoxLayout& column, QWidget* parent, const char* name, const QString& title) {
    auto* box = Controls::named<QGroupBox>(parent, name);
    box->setTitle(title);
    column.addWidget(box);
    return Layout::grid(box);
}

QHBoxLayout* addRow(QGridLayout& grid, int row, QWidget* caption,
                    std::initializer_list<QWidget*> controls) {
    if (caption)
        grid.addWidget(caption, row, 0);
    QHBoxLayout* line = Layout::nestedRow();
    for (QWidget* control : controls)
        line->addWidget(control);
    grid.addLayout(line, row, 1);
    grid.setColumnStretch(1, 1);
    return line;
}

QGridLayout* indentedUnder(const QCheckBox& checkBox) {
    QGridLayout* grid = Layout::nestedGrid();
    const QStyle* style = checkBox.style();
    const int indent = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &checkBox) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &checkBox);
    grid->setContentsMargins(indent, 0, 0, 0);
    return grid;
}

QFrame* rule(QWidget* parent, const char* name) {
    auto* line = Controls::named<QFrame>(parent, name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void keepRoomWhenHidden(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
}

SpacingRows addSpacingRows(QGridLayout& grid, int row, QWidget* parent, const SpacingNames& names) {
    SpacingRows rows{Controls::caption(parent, names.beforeCaption, names.beforeText),
                     SpacingBox::create(parent, names.beforeBox),
                     Controls::caption(parent, names.afterCaption, names.afterText),
                     SpacingBox::create(parent, names.afterBox)};
    addRow(grid, row, rows.beforeCaption, {rows.before})->addStretch(1);
    addRow(grid, row + 1, rows.afterCaption, {rows.after})->addStretch(1);
    return rows;
}

} // namespace PageParts
