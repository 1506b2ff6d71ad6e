#pragma once

#include "core/platform/Outcome.h"

#include <utility>

class QComboBox;
class QWidget;

// The blank-line boxes: an editable combo box with the items "0" to "4", the text "0" and
// room for three typed characters.
namespace SpacingBox {

// Wide enough for its text at any font.
QComboBox* create(QWidget* parent, const char* name);

// The box's text as a whole number; anything else is refused with
// "'<text>' ist kein gültiger Integerwert", so that the command can stop before it changes
// anything.
Expected<int> read(const QComboBox& box);

// Both counts of a before/after pair, the one before first; the first refusal when one of
// them is not a whole number.
Expected<std::pair<int, int>> readBoth(const QComboBox& before, const QComboBox& after);

} // namespace SpacingBox
