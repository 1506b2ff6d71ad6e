#pragma once

#include "core/generators/GeneralSettingsHtml.h"
#include "core/generators/PageKind.h"

#include <QStringList>

// The document start of a page as the page holds it now, read as a browser reads it: the lines
// from its "<html>" (a modern page's "<!DOCTYPE html>") through its body tag. A page without a
// body tag holds none.
class PageStart final {
public:
    PageStart(const QStringList& lines, PageKind kind);

    // What the start says, as the page "Allgemeine Einstellungen" holds it.
    const DocumentStart& settings() const { return m_settings; }

    // Lines of the page and the texts that take their place: count lines from first.
    struct Replacement {
        qsizetype first = 0;
        qsizetype count = 0;
        QStringList texts;
    };
    // The start's lines give way to a new start (texts as the general settings write them).
    // What the settings do not write stays: a style or a comment typed into the head goes
    // just before the new "</head>", and what follows the body tag on its line stays after
    // the new one. A page without a start gets the new one at its top.
    Replacement replacedBy(QStringList start) const;

private:
    qsizetype m_first = 0;
    qsizetype m_count = 0;
    DocumentStart m_settings;
    QStringList m_kept;
    QString m_afterBody;
};
