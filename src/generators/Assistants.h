#pragma once

class ColorDialogObject;
class FontDialogObject;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The fields one font assistant fills.
struct FontAssistantFields {
    QLineEdit* fontName;
    QComboBox* fontSize;
    QCheckBox* bold;
    QCheckBox* underline;
    QCheckBox* italic;
    QCheckBox* strikeOut;
    QLineEdit* fontColor;
};

namespace Assistants {

// Clears the four style boxes (also when the dialog is then cancelled), asks for a font and
// fills family, size in whole points, the styles it has and its colour.
void runFontAssistant(FontDialogObject& dialog, const FontAssistantFields& fields);

// Asks for a colour and fills the field with its name or "#RRGGBB".
void runColorAssistant(ColorDialogObject& dialog, QLineEdit& field);

} // namespace Assistants
