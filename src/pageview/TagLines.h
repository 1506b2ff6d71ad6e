#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Which source line an element starts on. The shown copy carries the line's number in an
// attribute of the first start tag on each line (the outermost of the elements that start
// there, or the first of a row of them), so that the view can find what a line of the source
// shows; one tag a line keeps the copy small where a line holds many. What is saved and what
// the source shows never hold it.
namespace TagLines {

// The attribute's name; its value is the line's number, the first line being 1.
inline constexpr QStringView kAttribute = u"data-quillmark-line";

struct Tag {
    qsizetype nameEnd; // where the tag's name ends, and the attribute goes
    int line;          // the line its '<' stands on
};

// Each mark costs the engine time to show the page, so a long page has its lines marked in
// runs: the first start tag of each run of `spacing` lines holds the mark, and the view lands
// within a run of the line asked for. Pages up to kMostMarked lines have every line marked.
inline constexpr qsizetype kMostMarked = 4096;
int spacingFor(qsizetype lineCount);

// The first start tag of each run of spacing lines of html (each line for 1) that a browser
// reads, in order; the first line has the number firstLine, and runs start at line 1. The
// root, head and body do not count: each stands for more than its line.
std::vector<Tag> read(QStringView html, int firstLine, int spacing);

// Appends the attribute for line, with the blank that separates it from the name before it.
void appendAttribute(QString& text, int line);

} // namespace TagLines
