#pragma once

#include <QColor>
#include <QString>

#include <span>

// A colour that every browser knows by its English name.
struct NamedColor {
    const char* name;   // written into the page
    const char* german; // shown in the font dialog's colour list
    QRgb rgb;
};

// The sixteen named colours, Black to White, in the order the font dialog offers them.
std::span<const NamedColor> FontDialogColors();

// The text a colour field receives for a colour: its English name when it is one of the
// named colours exactly, else "#" and six upper-case hexadecimal digits (#FF8000).
QString ColorFieldText(const QColor& color);
