#pragma once

#include <QStringView>

#include <vector>

// Reads HTML just far enough to tell the line starts at which a browser reading the same text
// has closed again every element it opened in the body: the settled points. What follows such
// a point can be read on its own and added at the end of the body, and the page comes out as
// if it had been read whole. The reading errs one way only: where it is unsure, a point does
// not count.
namespace OpenElements {

struct Reading {
    // The line starts at which only the body is open and no form is left open in the parser's
    // sense (a form a table closed at once still owns the controls that follow), in order.
    std::vector<qsizetype> settled;
    // Whether the text reads the same on its own at the end of a body as in the whole page:
    // no second body or root start tag, no frameset, nothing but white space after the end of
    // the body, nothing whose reading depends on scripting, no control owned by a form that is
    // not its ancestor (moving the read text into the page would undo that tie).
    bool readsAlone = true;
};

enum class From {
    DocumentStart, // a whole page; points count once its body has started
    Body,          // text that follows a settled point; its start counts
};

Reading read(QStringView html, From from);

} // namespace OpenElements
