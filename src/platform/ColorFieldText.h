#pragma once

#include <QColor>
#include <QString>

#include <span>

// The colours that colour fields receive as an English word.
struct NamedColor {
    const char* name;   // written into the page
    const char* german; // shown in the font dialog's colour list
    QRgb rgb;
};

// The twenty named colours; the first sixteen (Black to White) are the font dialog's choices.
std::span<const NamedColor> NamedColors();
std::span<const NamedColor> FontDialogColors();

// The text a colour field receives for a colour: its English name when it is one of the
// named colours exactly, else "#" and six upper-case hexadecimal digits (#FF8000).
QString ColorFieldText(const QColor& color);
