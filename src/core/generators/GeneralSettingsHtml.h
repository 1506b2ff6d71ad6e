#pragma once

#include <QString>
#include <QStringList>

// Where the page sends its visitor after a while: nowhere, to a file beside the page or to
// a web address (written after "http://").
enum class RedirectKind { None, Local, External };

// What the document start is made of, as the page "Allgemeine Einstellungen" holds it.
struct DocumentStart {
    QString title;
    // The background: a colour (pictureMode false) or a picture; an empty one gives a plain
    // body tag.
    bool pictureMode = false;
    QString backgroundColor;
    QString backgroundPicture;
    RedirectKind redirect = RedirectKind::None;
    QString redirectSeconds;
    QString redirectTarget;
    // The optional head entries; the keywords may span several lines.
    bool withKeywords = false;
    QString keywords;
    bool withAuthor = false;
    QString author;
    bool withIcon = false;
    QString icon;
};

namespace GeneralSettingsHtml {

// "<html>", the whole head and the opening body tag.
QStringList documentStart(const DocumentStart& start);

// The same for a modern page: the doctype, the language, the character set and the
// viewport first, the head entries, the style every modern page needs (and the page's own
// rules after it), and a body that takes its background from its style.
QStringList modernDocumentStart(const DocumentStart& start, const QStringList& moreRules = {});

// The style block every modern page's head holds: pictures and tables that fit a phone's
// screen, then the page's own rules.
QStringList modernStyleBlock(const QStringList& moreRules = {});

// The settings a written start gives back, part by part: the redirect a refresh line's
// content names, and the background a modern body's style names.
void readRefresh(DocumentStart& start, const QString& content);
void readModernBackground(DocumentStart& start, const QString& style);

// Whether a typed wait before the redirect is a whole number of seconds ("4", " 0 "), as a
// modern page needs it: browsers drop a fraction, and checkers refuse one.
bool isRefreshDelay(const QString& typed);

} // namespace GeneralSettingsHtml
