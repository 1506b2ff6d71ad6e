#pragma once

#include <QString>

#include <optional>

// What the view shows: the page text it last loaded or brought up to date, and the point up
// to which the engine's reading of that text is final. The point is marked in the shown page
// by a comment of its own. A new text that changes only what follows the point is added in
// place, without loading the page again: after an add, that is the new element and the
// closing tail.
class ShownPage final {
public:
    ShownPage();

    // The text to load for html, the point marked; remembered as shown.
    QString loading(const QString& html, const QString& baseFolder);

    struct Continuation {
        QString html;
        qsizetype settled = -1;
        QString marker;   // the comment's text, which the shown page holds once
        QString fragment; // what replaces everything after the marker, the new point marked
    };
    // How to bring the shown page to html in place; none when it must be loaded whole.
    std::optional<Continuation> continuation(const QString& html, const QString& baseFolder) const;
    // The shown page was brought up to date.
    void continued(Continuation continuation);
    // What the engine shows is not known.
    void forget();

private:
    QString marked(QStringView html, qsizetype at) const;

    QString m_marker;
    QString m_html;
    QString m_baseFolder;
    qsizetype m_settled = -1;
};
