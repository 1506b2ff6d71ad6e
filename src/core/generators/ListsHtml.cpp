#include "core/generators/ListsHtml.h"

#include "core/generators/CssStyle.h"
#include "core/source/SourceHtml.h"

#include <algorithm>

namespace ListsHtml {

namespace {

const QString kEntryOpen = QStringLiteral("<li>");

} // namespace

QString openingLine(ListStyle style) {
    switch (style) {
    case ListStyle::Numbers:
        return QStringLiteral("<ol type=\"1\">");
    case ListStyle::LowerLetters:
        return QStringLiteral("<ol type=\"a\">");
    case ListStyle::UpperLetters:
        return QStringLiteral("<ol type=\"A\">");
    case ListStyle::LowerRoman:
        return QStringLiteral("<ol type=\"i\">");
    case ListStyle::UpperRoman:
        return QStringLiteral("<ol type=\"I\">");
    case ListStyle::Circles:
        return QStringLiteral("<ul type=\"circle\">");
    case ListStyle::Squares:
        return QStringLiteral("<ul type=\"square\">");
    case ListStyle::Discs:
        return QStringLiteral("<ul type=\"disc\">");
    }
    return {};
}

QString closingTag(ListKind kind) {
    return kind == ListKind::Sorted ? QStringLiteral("</ol>") : QStringLiteral("</ul>");
}

std::optional<ListKind> kindOfClosingTag(const QString& tag) {
    for (ListKind kind : {ListKind::Sorted, ListKind::Unsorted}) {
        if (tag == closingTag(kind))
            return kind;
    }
    return std::nullopt;
}

QString entryLine(const QString& entry) {
    return kEntryOpen + entry + QStringLiteral("</li>");
}

QString previewLine(ListKind kind, int sortedCount, const QString& entry) {
    if (kind == ListKind::Sorted)
        return QString::number(sortedCount) + QStringLiteral(") ") + entry;
    return QStringLiteral("- ") + entry;
}

namespace {

// The body and an empty line, the open lists' closing tags and an empty line.
QStringList listLines(const ListBlock& list) {
    QStringList element = list.body;
    element.append(QString());
    element += list.openLists;
    element.append(QString());
    return element;
}

QString markOf(ListStyle style) {
    switch (style) {
    case ListStyle::Numbers:
        break;
    case ListStyle::LowerLetters:
        return QStringLiteral("lower-alpha");
    case ListStyle::UpperLetters:
        return QStringLiteral("upper-alpha");
    case ListStyle::LowerRoman:
        return QStringLiteral("lower-roman");
    case ListStyle::UpperRoman:
        return QStringLiteral("upper-roman");
    case ListStyle::Circles:
        return QStringLiteral("circle");
    case ListStyle::Squares:
        return QStringLiteral("square");
    case ListStyle::Discs:
        return QStringLiteral("disc");
    }
    return QStringLiteral("decimal");
}

} // namespace

QStringList listBlock(const ListBlock& list) {
    return TextFormatHtml::placed(list.placement, listLines(list));
}

QString modernOpeningLine(ListStyle style) {
    const bool sorted = style <= ListStyle::UpperRoman;
    return (sorted ? QStringLiteral("<ol") : QStringLiteral("<ul")) +
           CssStyle().add(QStringLiteral("list-style-type"), markOf(style)).attribute() + u'>';
}

QString modernEntryLine(const QString& entry) {
    return kEntryOpen + SourceHtml::escapedText(entry);
}

QStringList modernListBlock(const ListBlock& list) {
    // The lists still open close from the innermost out, so that each closes inside the one
    // around it.
    ListBlock closed = list;
    std::reverse(closed.openLists.begin(), closed.openLists.end());
    return TextFormatHtml::modernPlaced(list.placement, listLines(closed));
}

} // namespace ListsHtml
