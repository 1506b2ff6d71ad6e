#pragma once

#include <QScrollArea>

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The one way every window and page of the program lays out its controls: Qt layouts with the
// same margins and spacing everywhere, the add button at the bottom right of its page, and
// fields wide enough for the text they start with at any font.
namespace Layout {

// Around the controls of a page, a window or a group box.
inline constexpr int kMargin = 9;
// Between two controls of one group.
inline constexpr int kSpacing = 6;
// Between two groups or two columns.
inline constexpr int kGroupSpacing = 14;

// Layouts with the house margins and spacing, installed on the parent when one is given.
QVBoxLayout* column(QWidget* parent = nullptr);
QHBoxLayout* row(QWidget* parent = nullptr);
QGridLayout* grid(QWidget* parent = nullptr);
// The same without margins, for a layout nested in another.
QVBoxLayout* nestedColumn();
QHBoxLayout* nestedRow();
QGridLayout* nestedGrid();

// The last row of a page: space, then the page's add (or main) button at the right, where Tab
// ends and which gets its Alt letter first (see KeyboardReach).
QHBoxLayout* buttonRow(QPushButton* button);
// Appends the button row at the bottom of a page's column; everything above stays on top.
// Returns the row, for a button more beside the page's own.
QHBoxLayout* addButtonAtBottom(QBoxLayout& pageColumn, QPushButton* button);

// Makes a field at least as wide as its current text needs to be shown whole, plus room for
// extraChars more characters.
void showWhole(QLineEdit* field, int extraChars = 2);
void showWhole(QComboBox* box, int extraChars = 1);

// Opens a window at the size its layout asks for, never larger than the screen's available
// area around it, frame included; its minimum size stays its layout's minimum.
void fitToScreen(QWidget& window);
// Makes a window as large as its layout asks for now, after its contents or the font changed
// or a size kept from an earlier run was restored: it grows within the screen's available
// area, never shrinks below what the user made it, and stays on the screen.
void growToFit(QWidget& window);

// Places a window that is about to open over the middle of its owner, kept within the
// available area of the owner's screen.
void centreOn(QWidget& window, const QWidget& owner);
// Moves a window back into the available area of its screen, as far as it fits.
void keepOnScreen(QWidget& window);

} // namespace Layout

// A page whose controls scroll when its window is smaller than they need, instead of being
// cut or growing the window past the screen. Controls go on content().
class ScrollingPage : public QScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScrollingPage)
public:
    explicit ScrollingPage(QWidget* parent = nullptr);
    QWidget* content() const { return m_content; }
    QSize sizeHint() const override;

private:
    QWidget* m_content;
};
