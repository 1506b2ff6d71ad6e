#include "core/generators/GeneralSettingsHtml.h"

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
    lines.append(SourceHtml::titleLine(start.title));
    lines.append(SourceHtml::kHeadClose);
    lines.append(bodyLine(start));
    return lines;
}

} // namespace GeneralSettingsHtml
