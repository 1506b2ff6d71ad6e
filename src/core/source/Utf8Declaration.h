#pragma once

#include <QStringList>

// A page taken up from a file is saved as UTF-8 like every page, so its head must say so:
// a character-set declaration that names another encoding is replaced in place by the
// program's content-type line, and so is a content type that names no character set at all
// (older pages have one). Beside a character-set declaration such a content type would make
// a second one and is dropped instead. A head without any declaration gets the program's line
// right after its "<head>" tag. A text without a head is left as it is.
struct Utf8Declared {
    QStringList lines;
    bool changed = false;
    // Whether the page holds the body's start tag, as a browser reads it.
    bool holdsBody = false;
};

Utf8Declared DeclareUtf8(QStringList lines);
