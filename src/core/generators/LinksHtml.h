#pragma once

#include "core/generators/TextFormatHtml.h"

#include <QString>
#include <QStringList>

// Where a link points: the address kind's prefix, the address as typed and the target
// text that follows the address's closing quote.
struct LinkAddress {
    QString prefix;
    QString address;
    QString target;
};

// A picture shown as a link.
struct ImageLink {
    QString file;
    QString text;
    bool sized = false;
    QString width;
    QString height;
    QString border;
    Placement placement{};
};

namespace LinksHtml {

// The prefix of an e-mail address; a web address has none.
QString mailPrefix();

// The targets: every new-window link opens in the one window "Fenster"; the same page is a
// single blank; a frame target names the frame.
QString newWindowTarget();
QString samePageTarget();
QString frameTarget(const QString& frameName);

// The link as formatted text: the text block with the anchor inside the styled paragraph.
QStringList textLink(const TextFormat& format, const LinkAddress& link, const QString& linkText);

// The link as a picture, inside its position block with the breaks around it.
QStringList imageLink(const LinkAddress& link, const ImageLink& image);

// The links of a modern page: the anchor closed inside its paragraph, its text shown as
// typed, no target where the link opens in its own window, a picture's border in its style.
QStringList modernTextLink(const TextFormat& format, const LinkAddress& link,
                           const QString& linkText);
QStringList modernImageLink(const LinkAddress& link, const ImageLink& image);

} // namespace LinksHtml
