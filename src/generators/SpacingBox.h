#pragma once

#include <QRect>

#include <optional>

class Dialogs;
class QComboBox;
class QWidget;

// The blank-line boxes: an editable combo box with the items "0" to "4", the text "0" and
// room for three typed characters.
namespace SpacingBox {

QComboBox* create(QWidget* parent, const char* name, const QRect& geometry);

// The box's text as a whole number. Anything else shows
// "'<text>' ist kein gültiger Integerwert" and gives nothing, so that the command can stop
// before it changes anything.
std::optional<int> read(const QComboBox& box, Dialogs& dialogs);

} // namespace SpacingBox
