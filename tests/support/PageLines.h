#pragma once

#include <QStringList>

// Expected page lines written in a test as one block, one page line per text line.
inline QStringList lines(const char* block) {
    return QString::fromUtf8(block).split(u'\n');
}

// Emitted texts as the page shows them: a line break inside a text starts a new line.
inline QStringList shown(const QStringList& emitted) {
    QStringList result;
    for (const QString& text : emitted)
        result += text.split(u'\n');
    return result;
}
