#include "core/generators/ListsHtml.h"

#include "core/source/SourceHtml.h"

namespace ListsHtml {

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
    return QStringLiteral("<li>") + entry + QStringLiteral("</li>");
}

QString previewLine(ListKind kind, int sortedCount, const QString& entry) {
    if (kind == ListKind::Sorted)
        return QString::number(sortedCount) + QStringLiteral(") ") + entry;
    return QStringLiteral("- ") + entry;
}

QStringList listBlock(const ListBlock& list) {
    QStringList element = list.body;
    element.append(QString());
    element += list.openLists;
    element.append(QString());
    return TextFormatHtml::placed(list.placement, element);
}

} // namespace ListsHtml
