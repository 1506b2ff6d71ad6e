#pragma once

#include <QString>

#include <optional>
#include <vector>

// What the view shows: the page text it last loaded or brought up to date, and settled points
// of that text, up to which the engine's reading of it is final. Each point is marked in the
// shown page by a numbered comment of its own; the marks stand a few hundred characters apart
// at least, and the last settled point always has one. A new text that keeps the old one up
// to a point is brought up to date in place from there, without loading the page again:
// after an add, that is the new element and the closing tail; after an undo, the tail alone.
// The first element of each line also carries the line's number (see TagLines).
class ShownPage final {
public:
    ShownPage();

    // The text to load for html, its points marked; remembered as shown.
    QString loading(const QString& html, const QString& baseFolder);

    struct Continuation {
        QString html;
        std::vector<qsizetype> settled;
        QString mark;     // the comment's text at the point from which the page changes
        QString fragment; // what replaces that comment and everything after it, marked anew
    };
    // How to bring the shown page to html in place; none when it must be loaded whole.
    std::optional<Continuation> continuation(const QString& html, const QString& baseFolder) const;
    // The shown page was brought up to date.
    void continued(Continuation continuation);
    // What the engine shows is not known.
    void forget();

private:
    QString mark(std::size_t point) const;
    void appendMark(QString& text, std::size_t point) const;
    // The text with a comment at each point, numbered from first, and the first element of
    // each run of spacing lines numbered with its line, the first line being firstLine.
    QString marked(QStringView html, const std::vector<qsizetype>& points, std::size_t first,
                   int firstLine, int spacing) const;

    QString m_marker;
    QString m_html;
    QString m_baseFolder;
    std::vector<qsizetype> m_settled;
};
