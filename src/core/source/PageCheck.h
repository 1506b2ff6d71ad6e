#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// One thing the page check found: where, how serious, and a sentence a beginner understands.
struct Finding {
    enum class Kind { Fehler, Hinweis };
    int line = 0; // 1-based
    Kind kind = Kind::Fehler;
    QString text;
    // The hint that the page shows nothing yet: a summary says so instead of "in order".
    bool emptyPage = false;
    // The caption of the tab page whose button mends it; empty when no button does.
    QString page;

    bool operator==(const Finding&) const = default;
};

struct CheckOptions {
    // The main window saves a page with a document start by appending the closing tail; while
    // that tail is missing it counts as present. The post-editor assumes nothing.
    bool assumeClosingTail = false;
    // The names in the page's folder, listed once per check. Empty when the page has no file
    // of its own: then no name is looked up.
    QSet<QString> folderNames;
};

// Reads the page the way browsers recover HTML 4 and returns what breaks it or deserves a
// look, ordered by line. Where a finding is about a tag as an add button writes it, its
// sentence names the button that mends it. A page that begins as a modern page does (see
// pageKindOf) also gets a hint at each presentational element or attribute that CSS replaces.
// Takes time linear in the length of the page.
QList<Finding> CheckPage(const QStringList& lines, const CheckOptions& options);
