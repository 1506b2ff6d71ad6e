#pragma once

#include <QRect>

class QComboBox;
class QWidget;

// The font size box of a text format: an editable combo box with the sizes from "8" to
// "32", the text "12" and room for three typed characters. Its text is written as typed.
namespace FontSizeBox {
QComboBox* create(QWidget* parent, const char* name, const QRect& geometry);
// The same for a layout to place, wide enough for its text at any font.
QComboBox* create(QWidget* parent, const char* name);
} // namespace FontSizeBox
