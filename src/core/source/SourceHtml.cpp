#include "core/source/SourceHtml.h"

namespace SourceHtml {

QString contentTypeLine() {
    return QStringLiteral(
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
}

QStringList pageStart() {
    return {QStringLiteral("<html>"), QStringLiteral("<head>"), contentTypeLine(),
            QStringLiteral("<meta name=\"Generator\" content=\"Fernbrook Quillmark\">")};
}

QString titleLine(const QString& title) {
    return QStringLiteral("<title>") + title + QStringLiteral("</title>");
}

QString attributeValue(QString typed) {
    return typed.replace(u'"', QStringLiteral("&quot;"));
}

void AppendBreaks(QStringList& lines, int count) {
    for (int i = 0; i < count; ++i)
        lines.append(kBreak);
}

QStringList closingTail() {
    return {kBodyClose, kHtmlClose};
}

} // namespace SourceHtml
