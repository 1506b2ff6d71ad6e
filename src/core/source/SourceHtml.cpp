#include "core/source/SourceHtml.h"

namespace SourceHtml {

namespace {

// A double quote inside an attribute's quotes.
constexpr QLatin1StringView kQuote("&quot;");

} // namespace

QString contentTypeLine() {
    return QStringLiteral(
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
}

QStringList pageStart() {
    return {QStringLiteral("<html>"), QStringLiteral("<head>"), contentTypeLine(),
            QStringLiteral("<meta name=\"Generator\" content=\"%1\">")
                .arg(QLatin1String(kGeneratorName))};
}

QString titleLine(const QString& title) {
    return QStringLiteral("<title>") + title + QStringLiteral("</title>");
}

QString attributeValue(QString typed) {
    return typed.replace(u'"', kQuote);
}

QString typedAttributeValue(QString written) {
    return written.replace(kQuote, QLatin1StringView("\""));
}

QString textAttribute(const QString& typed) {
    return attributeValue(escapedText(typed));
}

QString addressAttribute(const QString& typed) {
    return textAttribute(typed.trimmed()).replace(u' ', QStringLiteral("%20"));
}

QString escapedText(const QString& typed) {
    QString text;
    text.reserve(typed.size());
    for (const QChar c : typed) {
        switch (c.unicode()) {
        case u'&':
            text += QStringLiteral("&amp;");
            break;
        case u'<':
            text += QStringLiteral("&lt;");
            break;
        case u'>':
            text += QStringLiteral("&gt;");
            break;
        case 0x00A0:
            text += QStringLiteral("&nbsp;");
            break;
        default:
            text += c;
        }
    }
    return text;
}

void AppendBreaks(QStringList& lines, int count) {
    for (int i = 0; i < count; ++i)
        lines.append(kBreak);
}

QStringList closingTail() {
    return {kBodyClose, kHtmlClose};
}

} // namespace SourceHtml
