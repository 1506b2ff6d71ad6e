#pragma once

#include <QString>
#include <QStringList>

// Alignment block around an element: none, or a div aligned left, centred or right.
enum class Position { None, Left, Center, Right };

// The six emphasis flags, written in this one order when opening and when closing.
struct Emphasis {
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikeOut = false;
    bool superscript = false;
    bool subscript = false;
};

// How a text is formatted: font, size and colour as typed, position, emphasis and the
// blank lines before and after.
struct TextFormat {
    QString fontName;
    QString fontSize;
    QString fontColor;
    Position position = Position::None;
    Emphasis emphasis;
    int breaksBefore = 0;
    int breaksAfter = 0;
};

namespace TextFormatHtml {

// "<div align=\"left\">" and so on; nothing for no position.
void appendPositionOpen(QStringList& lines, Position position);
// "</div>" when a position is set.
void appendPositionClose(QStringList& lines, Position position);

void appendEmphasisOpen(QStringList& lines, const Emphasis& emphasis);
// The closing tags in the same order as the opening ones ("</b>" before "</u>").
void appendEmphasisClose(QStringList& lines, const Emphasis& emphasis);

// "<p style=\"font-family:F; font-size:Spt; color:C\">": the styled paragraph up to its body.
QString paragraphStyleOpen(const TextFormat& format);

// The styled paragraph line with its body and "</p>".
QString styledParagraphLine(const TextFormat& format, const QString& body);

// A formatted block: breaks before, position, emphasis, the given paragraph line, emphasis
// closed, position closed, breaks after.
QStringList textBlock(const TextFormat& format, const QString& paragraphLine);

} // namespace TextFormatHtml
