#include "core/generators/GeneralSettingsHtml.h"

#include "core/generators/CssStyle.h"
#include "core/generators/PageKind.h"
#include "core/source/SourceHtml.h"

#include <algorithm>

namespace GeneralSettingsHtml {

namespace {

using SourceHtml::attributeValue;

// What the start writes and reads back alike: the web address before an external target, the
// address of a refresh line, and the background of a modern body.
const QString kWeb = QStringLiteral("http://");
const QString kUrlIs = QStringLiteral("url=");
const QString kBackgroundColor = QStringLiteral("background-color");
const QString kBackgroundImage = QStringLiteral("background-image");
const QString kUrlOpen = QStringLiteral("url(");

// A typed value as the page kind writes it into an attribute: a classic page takes it as
// typed, a modern one shows it as typed, and an address there holds no blanks.
QString valueFor(PageKind kind, const QString& typed) {
    return kind == PageKind::Modern ? SourceHtml::textAttribute(typed) : attributeValue(typed);
}
QString addressFor(PageKind kind, const QString& typed) {
    return kind == PageKind::Modern ? SourceHtml::addressAttribute(typed) : attributeValue(typed);
}

QString refreshLine(const DocumentStart& start, PageKind kind) {
    const QString url = start.redirect == RedirectKind::External ? kWeb + start.redirectTarget
                                                                 : start.redirectTarget;
    return QStringLiteral("<meta http-equiv=\"refresh\" content=\"") +
           valueFor(kind, start.redirectSeconds + QStringLiteral("; ") + kUrlIs) +
           addressFor(kind, url) + QStringLiteral("\">");
}

QString modernBodyLine(const DocumentStart& start) {
    CssStyle style;
    if (start.pictureMode) {
        const QString picture = start.backgroundPicture.trimmed();
        if (!picture.isEmpty())
            style.add(kBackgroundImage, kUrlOpen + CssStyle::quoted(picture) + u')');
    } else {
        style.add(kBackgroundColor, start.backgroundColor.trimmed());
    }
    return QStringLiteral("<body") + style.attribute() + u'>';
}

// The refresh, keywords, author and icon lines the page asks for, in both kinds of page; the
// modern page names its icon without the old "shortcut".
void appendHeadEntries(QStringList& lines, const DocumentStart& start, PageKind kind) {
    if (start.redirect != RedirectKind::None)
        lines.append(refreshLine(start, kind));
    if (start.withKeywords)
        lines.append(QStringLiteral("<meta name=\"Keywords\" content=\"") +
                     valueFor(kind, start.keywords) + QStringLiteral("\">"));
    if (start.withAuthor)
        lines.append(QStringLiteral("<meta name=\"Author\" content=\"") +
                     valueFor(kind, start.author) + QStringLiteral("\">"));
    if (start.withIcon)
        lines.append((kind == PageKind::Modern
                          ? QStringLiteral("<link rel=\"icon\" href=\"")
                          : QStringLiteral("<link rel=\"shortcut icon\" href=\"")) +
                     addressFor(kind, start.icon) + QStringLiteral("\">"));
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
    appendHeadEntries(lines, start, PageKind::Classic);
    lines.append(SourceHtml::titleLine(start.title));
    lines.append(SourceHtml::kHeadClose);
    lines.append(bodyLine(start));
    return lines;
}

QStringList modernDocumentStart(const DocumentStart& start, const QStringList& moreRules) {
    QStringList lines{QStringLiteral("<!DOCTYPE html>"),
                      QStringLiteral("<html lang=\"de\">"),
                      QStringLiteral("<head>"),
                      QStringLiteral("<meta charset=\"utf-8\">"),
                      QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, "
                                     "initial-scale=1\">"),
                      QStringLiteral("<meta name=\"generator\" content=\"%1\">")
                          .arg(QLatin1String(SourceHtml::kGeneratorName))};
    // The wait stands as a plain number, without the blanks a field may hold.
    DocumentStart entries = start;
    entries.redirectSeconds = start.redirectSeconds.trimmed();
    appendHeadEntries(lines, entries, PageKind::Modern);
    // A page needs a title; one left empty is named as an unsaved file is.
    const QString title = start.title.trimmed();
    lines.append(SourceHtml::titleLine(
        SourceHtml::escapedText(title.isEmpty() ? QStringLiteral("Unbenannt") : title)));
    lines += modernStyleBlock(moreRules);
    lines.append(SourceHtml::kHeadClose);
    lines.append(modernBodyLine(start));
    return lines;
}

// What every modern page needs: pictures never wider than the screen, and tables that scroll
// sideways inside their wrapper rather than widen the page.
QStringList modernStyleBlock(const QStringList& moreRules) {
    return QStringList{QStringLiteral("<style>"),
                       QStringLiteral("img { max-width: 100%; height: auto; }"),
                       QStringLiteral("hr, input, select, textarea { max-width: 100%; }"),
                       QStringLiteral(".tabelle { overflow-x: auto; }"),
                       QStringLiteral("table { border-collapse: collapse; }")} +
           moreRules + QStringList{QStringLiteral("</style>")};
}

void readRefresh(DocumentStart& start, const QString& content) {
    // "4; url=b.html": the wait, then the address after "url=" in any case.
    const qsizetype semicolon = content.indexOf(u';');
    start.redirectSeconds = content.left(semicolon);
    QString url = semicolon < 0 ? QString() : content.sliced(semicolon + 1).trimmed();
    if (url.startsWith(kUrlIs, Qt::CaseInsensitive))
        url.remove(0, kUrlIs.size());
    const bool external = url.startsWith(kWeb, Qt::CaseInsensitive);
    start.redirect = external ? RedirectKind::External : RedirectKind::Local;
    start.redirectTarget = external ? url.sliced(kWeb.size()) : url;
}

void readModernBackground(DocumentStart& start, const QString& style) {
    // The one declaration the body's style holds: "background-color: Yellow" or
    // "background-image: url('bg.jpg')".
    const qsizetype colon = style.indexOf(u':');
    const QString property = style.left(colon).trimmed().toLower();
    const QString value = style.sliced(colon + 1).trimmed();
    start.pictureMode = property == kBackgroundImage;
    if (!start.pictureMode) {
        start.backgroundColor = property == kBackgroundColor ? value : QString();
    } else if (value.startsWith(kUrlOpen, Qt::CaseInsensitive) && value.endsWith(u')')) {
        start.backgroundPicture =
            CssStyle::unquoted(QStringView(value).sliced(kUrlOpen.size()).chopped(1).trimmed());
    }
}

bool isRefreshDelay(const QString& typed) {
    const QString delay = typed.trimmed();
    return !delay.isEmpty() &&
           std::all_of(delay.begin(), delay.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace GeneralSettingsHtml
