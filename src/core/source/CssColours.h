#pragma once

#include <QStringView>

// The colours browsers know in HTML colour attributes and in CSS.
namespace CssColours {

// Whether a browser shows value as a colour: one of the named colours of CSS, "transparent",
// "currentcolor", "#" with 3, 4, 6 or 8 hexadecimal digits, or rgb(), rgba(), hsl(), hsla();
// in any case, with blanks around it.
bool isKnown(QStringView value);

// The English colour name meant by a German colour word a beginner types ("hellblau" gives
// "LightBlue"), in any case; empty for any other word.
const char* englishFor(QStringView germanWord);

} // namespace CssColours
