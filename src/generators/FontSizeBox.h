#pragma once

class QComboBox;
class QWidget;

// The font size box of a text format: an editable combo box with the sizes from "8" to
// "32", the text "12" and room for three typed characters. Its text is written as typed.
namespace FontSizeBox {
// Wide enough for its text at any font.
QComboBox* create(QWidget* parent, const char* name);
} // namespace FontSizeBox
