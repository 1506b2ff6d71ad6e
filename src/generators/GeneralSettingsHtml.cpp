#include "generators/GeneralSettingsHtml.h"

#include "source/SourceHtml.h"

namespace GeneralSettingsHtml {

namespace {

QString refreshLine(const DocumentStart& start) {
    const QString url = start.redirect == RedirectKind::External
                            ? QStringLiteral("http://") + start.redirectTarget
                            : start.redirectTarget;
    return QStringLiteral("<meta http-equiv=\"refresh\" content=\"") + start.redirectSeconds +
           QStringLiteral("; url=") + url + QStringLiteral("\">");
}

QString bodyLine(const DocumentStart& start) {
    if (start.pictureMode && !start.backgroundPicture.isEmpty())
        return QStringLiteral("<body background=\"") + start.backgroundPicture +
               QStringLiteral("\">");
    if (!start.pictureMode && !start.backgroundColor.isEmpty())
        return QStringLiteral("<body bgcolor=\"") + start.backgroundColor + QStringLiteral("\">");
    return QStringLiteral("<body>");
}

} // namespace

QStringList documentStart(const DocumentStart& start) {
    QStringList lines = SourceHtml::pageStart();
    if (start.redirect != RedirectKind::None)
        lines.append(refreshLine(start));
    if (start.withKeywords)
        lines.append(QStringLiteral("<meta name=\"Keywords\" content=\"") + start.keywords +
                     QStringLiteral("\">"));
    if (start.withAuthor)
        lines.append(QStringLiteral("<meta name=\"Author\" content=\"") + start.author +
                     QStringLiteral("\">"));
    if (start.withIcon)
        lines.append(QStringLiteral("<link rel=\"shortcut icon\" href=\"") + start.icon +
                     QStringLiteral("\">"));
    lines.append(SourceHtml::titleLine(start.title));
    lines.append(SourceHtml::kHeadClose);
    lines.append(bodyLine(start));
    return lines;
}

} // namespace GeneralSettingsHtml
