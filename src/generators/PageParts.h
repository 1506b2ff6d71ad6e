#pragma once

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QWidget;

// The pieces the main window's tab pages are laid out with: titled groups, rows of a caption
// and its controls, a line between two parts of a page, and the two spacing rows.
namespace PageParts {

// A titled group box at the end of the column; its controls go on the returned grid.
QGridLayout* addGroup(QBoxLayout& column, QWidget* parent, const char* name, const QString& title);

// A row of a grid: the caption in the first column, then the controls side by side from the
// left of the second, which takes the room the grid has to spare. Returns the controls' row for a
// stretch or a control more.
QHBoxLayout* addRow(QGridLayout& grid, int row, QWidget* caption,
                    std::initializer_list<QWidget*> controls);

// A grid for the rows that belong to a check box, under it and indented to its text.
QGridLayout* indentedUnder(const QCheckBox& checkBox);

// A sunken horizontal line.
QFrame* rule(QWidget* parent, const char* name);

// Controls that come and go keep their room, so that the rest of the page stays in place.
void keepRoomWhenHidden(std::initializer_list<QWidget*> controls);

// The object names and captions of a spacing pair, "Abstand vor …" and "Abstand nach …".
struct SpacingNames {
    const char* beforeCaption;
    QString beforeText;
    const char* beforeBox;
    const char* afterCaption;
    QString afterText;
    const char* afterBox;
};

struct SpacingRows {
    QLabel* beforeCaption;
    QComboBox* before;
    QLabel* afterCaption;
    QComboBox* after;
};

// The spacing pair on two rows of the grid, from row on.
SpacingRows addSpacingRows(QGridLayout& grid, int row, QWidget* parent, const SpacingNames& names);

} // namespace PageParts
