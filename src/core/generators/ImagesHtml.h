#pragma once

#include "core/generators/TextFormatHtml.h"

#include <QString>
#include <QStringList>

// One picture tag: the file, its text and, when a size is given, width and height as typed.
struct ImageTag {
    QString file;
    QString text;
    bool sized = false;
    QString width;
    QString height;
};

// A picture placed on the page.
struct ImageElement {
    ImageTag tag;
    Placement placement{};
};

namespace ImagesHtml {

// "<img src=\"F\" alt=\"T\">", or with the size "... width=\"W\" height=\"H\">".
QString imageLine(const ImageTag& tag);

// The picture line, placed.
QStringList imageBlock(const ImageElement& element);

// The picture of a modern page: width and height as attributes when they are whole pixels,
// else in its style; placed as modern elements are.
// A border width in pixels ("2") draws a solid line of that width around it.
QString modernImageLine(const ImageTag& tag, const QString& border = {});
QStringList modernImageBlock(const ImageElement& element);

} // namespace ImagesHtml
