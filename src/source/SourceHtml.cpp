#include "source/SourceHtml.h"

namespace SourceHtml {

QStringList pageStart() {
    return {
        QStringLiteral("<html>"), QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"),
        QStringLiteral("<meta name=\"Generator\" content=\"Fernbrook Quillmark\">")};
}

QString titleLine(const QString& title) {
    return QStringLiteral("<title>") + title + QStringLiteral("</title>");
}

void AppendBreaks(QStringList& lines, int count) {
    for (int i = 0; i < count; ++i)
        lines.append(kBreak);
}

QStringList closingTail() {
    return {kBodyClose, kHtmlClose};
}

} // namespace SourceHtml
