#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <type_traits>

class ClickableLabel;
class PressedLook;
class QAbstractButton;
class QAction;
class QComboBox;
class QKeySequence;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

// Small helpers that make the program's named controls for layouts to place.
namespace Controls {

// Multi-line fields wrap long lines at spaces only: breaking an unbroken run anywhere costs
// time that grows with the square of its length, so a pasted megabyte would freeze them.
void wrapAtSpacesOnly(QPlainTextEdit* field);

// A named control for a layout to place. Multi-line fields wrap at spaces only.
template <typename W> W* named(QWidget* parent, const char* name) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_same_v<W, QPlainTextEdit>)
        wrapAtSpacesOnly(widget);
    return widget;
}

template <typename W> W* named(QWidget* parent, const char* name, const QString& text) {
    W* widget = named<W>(parent, name);
    widget->setText(text);
    return widget;
}

// A caption for a layout to place.
QLabel* caption(QWidget* parent, const char* name, const QString& text);
// A caption in bold that heads a group of controls.
QLabel* heading(QWidget* parent, const char* name, const QString& text);

// Shows or hides each of the controls.
template <typename Range> void setAllVisible(const Range& controls, bool visible) {
    for (QWidget* control : controls)
        control->setVisible(visible);
}
inline void setAllVisible(std::initializer_list<QWidget*> controls, bool visible) {
    setAllVisible<std::initializer_list<QWidget*>>(controls, visible);
}

// An editable combo box with items and an initial text, limited to maxLength typed
// characters when maxLength > 0.
QComboBox* editableCombo(QWidget* parent, const char* name, const QStringList& items,
                         const QString& text, int maxLength = 0);

// A menu item with its object name, caption (its Alt letter after a '&'), shortcut (none
// when empty) and picture (none when nullptr).
QAction* menuItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut,
                  const char* artwork);

// Tells what a click on a control without a caption of its own does: its tooltip, and its
// name for screen readers.
void describe(QWidget* control, const QString& whatItDoes);

// Enter in the field presses the button, as a user expects of the field's own button.
void enterPresses(QLineEdit& field, QAbstractButton& button);
// The same for every single-line field within the area, those of combo and spin boxes too.
void enterPressesInAll(QWidget& area, QAbstractButton& button);

// A toolbar picture ("<artwork>.png") with its pressed twin ("<artwork>_pressed.png") over
// it, both filling the cell, which takes the pictures' size; both described by what the
// command does.
PressedLook* toolbarPicture(QWidget* cell, const char* name, const char* pressedName,
                            const QString& artwork, const QString& whatItDoes);
// A picture button showing the named artwork (see Artwork) at its own size, described by what
// it does.
ClickableLabel* picture(QWidget* parent, const char* name, const QString& artwork,
                        const QString& whatItDoes, bool handCursor = true);

// The small pictures beside the fields that start the font or the colour assistant.
enum class AssistantPicture { Font, Color };
ClickableLabel* assistantPicture(QWidget* parent, const char* name, AssistantPicture kind);

// A picture at its own size that only shows and does nothing when clicked.
QLabel* decoration(QWidget* parent, const char* name, const QString& artwork);

} // namespace Controls
