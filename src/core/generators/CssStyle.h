#pragma once

#include "core/generators/TextFormatHtml.h"

#include <QString>
#include <QStringList>

// The declarations of one style attribute of a modern page, in the order they are added. A
// choice left empty gives no declaration, never an empty one.
class CssStyle final {
public:
    // "property: value"; nothing when the value is empty.
    CssStyle& add(const QString& property, const QString& value);
    // text-align for a position, and the space before and after as margins.
    CssStyle& addPlacement(const Placement& placement);
    // The space before and after alone.
    CssStyle& addSpacing(const Placement& placement);
    // font-family, font-size and color as typed in a text format's fields.
    CssStyle& addFont(const TextFormat& format);

    bool isEmpty() const { return m_declarations.isEmpty(); }
    // " style=\"a: b; c: d\"", or nothing when there is no declaration.
    QString attribute() const;

    // A text as a CSS string in single quotes.
    static QString quoted(QString text);
    // The text a CSS string in single or double quotes stands for; anything else as it is.
    static QString unquoted(QStringView css);
    // A typed font name as a quoted CSS string; nothing for an empty name.
    static QString fontFamily(const QString& typed);
    // A typed size in points ("12pt"); nothing unless it is a positive number.
    static QString fontSize(const QString& typed);
    // Whether a typed length is digits alone, a number of pixels.
    static bool isPixels(const QString& typed);
    // A typed length: digits alone are pixels ("120px"), anything else stays as typed ("50%").
    static QString length(const QString& typed);
    // The height of that many blank lines ("2.4em"); nothing for none.
    static QString blankLines(int count);
    // A typed border width in pixels as a border: "2px solid" and the colour when one is
    // typed, "none" for 0; nothing unless the width is digits alone.
    static QString border(const QString& typedWidth, const QString& color = {});
    // A rule of a style block: "selector { a: b; c: d; }".
    static QString rule(const QString& selector, const CssStyle& style);

private:
    QStringList m_declarations;
};
