#include "core/generators/GeneralSettingsHtml.h"

#include "core/generators/CssStyle.h"
#include "core/source/SourceHtml.h"

namespace GeneralSettingsHtml {

namespace {

using SourceHtml::attributeValue;

QString refreshLine(const DocumentStart& start) {
    const QString url = start.redirect == RedirectKind::External
                            ? QStringLiteral("http://") + start.redirectTarget
                            : start.redirectTarget;
    return QStringLiteral("<meta http-equiv=\"refresh\" content=\"") +
           attributeValue(start.redirectSeconds + QStringLiteral("; url=") + url) +
           QStringLiteral("\">");
}

// What every modern page needs: pictures never wider than the screen, and tables that scroll
// sideways inside their wrapper rather than widen the page.
QStringList modernStyleBlock() {
    return {QStringLiteral("<style>"), QStringLiteral("img { max-width: 100%; height: auto; }"),
            QStringLiteral(".tabelle { overflow-x: auto; }"),
            QStringLiteral("table { border-collapse: collapse; }"), QStringLiteral("</style>")};
}

QString modernBodyLine(const DocumentStart& start) {
    CssStyle style;
    if (start.pictureMode) {
        const QString picture = start.backgroundPicture.trimmed();
        if (!picture.isEmpty())
            style.add(QStringLiteral("background-image"),
                      QStringLiteral("url(") + CssStyle::quoted(picture) + u')');
    } else {
        style.add(QStringLiteral("background-color"), start.backgroundColor.trimmed());
    }
    return QStringLiteral("<body") + style.attribute() + u'>';
}

// The refresh, keywords, author and icon lines the page asks for; they are valid in both
// kinds of page.
void appendHeadEntries(QStringList& lines, const DocumentStart& start) {
    if (start.redirect != RedirectKind::None)
        lines.append(refreshLine(start));
    if (start.withKeywords)
        lines.append(QStringLiteral("<meta name=\"Keywords\" content=\"") +
                     attributeValue(start.keywords) + QStringLiteral("\">"));
    if (start.withAuthor)
        lines.append(QStringLiteral("<meta name=\"Author\" content=\"") +
                     attributeValue(start.author) + QStringLiteral("\">"));
    if (start.withIcon)
        lines.append(QStringLiteral("<link rel=\"shortcut icon\" href=\"") +
                     attributeValue(start.icon) + QStringLiteral("\">"));
}

QString bodyLine(const DocumentStart& start) {
    if (start.pictureMode && !start.backgroundPicture.isEmpty())
        return QStringLiteral("<body background=\"") + attributeValue(start.backgroundPicture) +
               QStringLiteral("\">");
    if (!start.pictureMode && !start.backgroundColor.isEmpty())
        return QStringLiteral("<body bgcolor=\"") + attributeValue(start.backgroundColor) +
               QStringLiteral("\">");
    return QStringLiteral("<body>");
}

} // namespace

QStringList documentStart(const DocumentStart& start) {
    QStringList lines = SourceHtml::pageStart();
    appendHeadEntries(lines, start);
    lines.append(SourceHtml::titleLine(start.title));
    lines.append(SourceHtml::kHeadClose);
    lines.append(bodyLine(start));
    return lines;
}

QStringList modernDocumentStart(const DocumentStart& start) {
    QStringList lines{QStringLiteral("<!DOCTYPE html>"),
                      QStringLiteral("<html lang=\"de\">"),
                      QStringLiteral("<head>"),
                      QStringLiteral("<meta charset=\"utf-8\">"),
                      QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, "
                                     "initial-scale=1\">"),
                      QStringLiteral("<meta name=\"generator\" content=\"%1\">")
                          .arg(QLatin1String(SourceHtml::kGeneratorName))};
    appendHeadEntries(lines, start);
    // A page needs a title; one left empty is named as an unsaved file is.
    const QString title = start.title.trimmed();
    lines.append(SourceHtml::titleLine(
        SourceHtml::escapedText(title.isEmpty() ? QStringLiteral("Unbenannt") : title)));
    lines += modernStyleBlock();
    lines.append(SourceHtml::kHeadClose);
    lines.append(modernBodyLine(start));
    return lines;
}

} // namespace GeneralSettingsHtml
