#pragma once

#include "core/generators/TextFormatHtml.h"

#include <QString>
#include <QStringList>

#include <optional>

// A sorted list is numbered ("<ol>"), an unsorted one bulleted ("<ul>").
enum class ListKind { Sorted, Unsorted };

// How the entries of a list are marked: five numberings of sorted lists, three bullets of
// unsorted ones.
enum class ListStyle {
    Numbers,
    LowerLetters,
    UpperLetters,
    LowerRoman,
    UpperRoman,
    Circles,
    Squares,
    Discs
};

// A finished list as it goes into the page: the collected lines, the lists still open
// (the first-begun first) and its placement.
struct ListBlock {
    QStringList body;
    QStringList openLists;
    Placement placement{};
};

namespace ListsHtml {

// "<ol type=\"1\">", "<ul type=\"circle\">" and so on.
QString openingLine(ListStyle style);
// "</ol>" or "</ul>".
QString closingTag(ListKind kind);
// The kind whose closing tag this is; nothing for any other text.
std::optional<ListKind> kindOfClosingTag(const QString& tag);
QString entryLine(const QString& entry);
// How an entry shows in the preview: "3) entry" for the third sorted entry, "- entry" for
// an unsorted one.
QString previewLine(ListKind kind, int sortedCount, const QString& entry);
// Placed: the body and an empty line, the open lists' closing tags from the first-begun and
// an empty line.
QStringList listBlock(const ListBlock& list);

// The lists of a modern page: the marks as a list-style-type, entries shown as typed and left
// open, so that a list begun after an entry stands inside it; placed as modern elements are.
QString modernOpeningLine(ListStyle style);
QString modernEntryLine(const QString& entry);
QStringList modernListBlock(const ListBlock& list);

} // namespace ListsHtml
