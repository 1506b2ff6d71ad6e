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

// Where an element stands on the page: its alignment block and the blank lines ("<br>")
// before and after it.
struct Placement {
    Position position = Position::None;
    int breaksBefore = 0;
    int breaksAfter = 0;
};

// What a text block is: a paragraph or a heading of the first three levels.
enum class ParagraphKind { Paragraph, Heading1, Heading2, Heading3 };

// How a text is formatted: font, size and colour as typed, emphasis and placement.
struct TextFormat {
    QString fontName;
    QString fontSize;
    QString fontColor;
    Emphasis emphasis;
    Placement placement{};
};

namespace TextFormatHtml {

// The breaks before and the alignment's opening line ("<div align=\"left\">" and so on;
// none for no position).
void appendPlacementOpen(QStringList& lines, const Placement& placement);
// The alignment's closing line ("</div>" when a position is set) and the breaks after.
void appendPlacementClose(QStringList& lines, const Placement& placement);
// Breaks before, opening line, the element, "</div>", breaks after: text, pictures, links,
// rules and lists.
QStringList placed(const Placement& placement, const QStringList& element);
// Breaks before, opening line, the element, breaks after, then what follows inside the
// alignment block, "</div>": form buttons and questions, whose breaks after stand inside it.
QStringList placedWithBreaksInside(const Placement& placement, const QStringList& element,
                                   const QStringList& following = {});

void appendEmphasisOpen(QStringList& lines, const Emphasis& emphasis);
// The closing tags in the same order as the opening ones ("</b>" before "</u>").
void appendEmphasisClose(QStringList& lines, const Emphasis& emphasis);

// "<p style=\"font-family:F; font-size:Spt; color:C\">": the styled paragraph up to its body;
// a heading opens "<h1 style=…>" and so on with the same style.
QString paragraphStyleOpen(const TextFormat& format, ParagraphKind kind = ParagraphKind::Paragraph);

// The styled paragraph or heading line with its body and its end tag ("</p>", "</h1>" …).
QString styledParagraphLine(const TextFormat& format, const QString& body,
                            ParagraphKind kind = ParagraphKind::Paragraph);

// A formatted block: placed, the emphasis opened, the given paragraph line, emphasis closed.
QStringList textBlock(const TextFormat& format, const QString& paragraphLine);

// An element of a modern page, placed: inside "<div style=\"…\">" with its alignment and the
// space around it, or alone when it has neither.
QStringList modernPlaced(const Placement& placement, const QStringList& element);

// The text of a modern page: one paragraph or heading whose style carries the font, the
// underline and strike-through, the alignment and the space around it, with bold, italic,
// superscript and subscript nested inside. The text shows as typed; each line but the last
// ends with "<br>".
QStringList modernTextBlock(const TextFormat& format, ParagraphKind kind, const QString& text);
// The same block around lines that are HTML already, such as a link.
QStringList modernBlock(const TextFormat& format, ParagraphKind kind, QStringList html);
// The same text and lines inside another element that holds text, such as the legend of a
// form's question.
QStringList modernTextIn(const QString& tag, const TextFormat& format, const QString& text);
QStringList modernElement(const QString& tag, const TextFormat& format, QStringList html);

} // namespace TextFormatHtml
