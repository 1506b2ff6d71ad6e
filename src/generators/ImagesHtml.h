#pragma once

#include "generators/TextFormatHtml.h"

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

// A picture placed on the page: its tag, the alignment block around it and the blank lines
// before and after.
struct ImageElement {
    ImageTag tag;
    Position position = Position::None;
    int breaksBefore = 0;
    int breaksAfter = 0;
};

namespace ImagesHtml {

// "<img src=\"F\" alt=\"T\">", or with the size "... width=\"W\" height=\"H\">".
QString imageLine(const ImageTag& tag);

// Breaks before, position opened, the picture line, position closed, breaks after.
QStringList imageBlock(const ImageElement& element);

} // namespace ImagesHtml
