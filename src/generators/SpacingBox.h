#pragma once

#include <optional>
#include <utility>

class Dialogs;
class QComboBox;
class QWidget;

// The blank-line boxes: an editable combo box with the items "0" to "4", the text "0" and
// room for three typed characters.
namespace SpacingBox {

// Wide enough for its text at any font.
QComboBox* create(QWidget* parent, const char* name);

// The box's text as a whole number. Anything else shows
// "'<text>' ist kein gültiger Integerwert" and gives nothing, so that the command can stop
// before it changes anything.
std::optional<int> read(const QComboBox& box, Dialogs& dialogs);

// Both counts of a before/after pair, the one before first; nothing, after the conversion
// message of the first one that is not a whole number.
std::optional<std::pair<int, int>> readBoth(const QComboBox& before, const QComboBox& after,
                                            Dialogs& dialogs);

} // namespace SpacingBox
