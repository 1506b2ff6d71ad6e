#pragma once

#include "core/platform/Outcome.h"

#include <QRegularExpression>
#include <QString>

#include <optional>

// Searching a text for what the search bar asks: a plain text or a regular expression, with
// or without regard to case, anywhere or as a whole word. Every search runs over one string
// (a snapshot of the field's text, its lines parted by paragraph separators), whose positions
// are the field's positions.
namespace TextSearch {

struct Options {
    bool matchCase = false;
    bool wholeWord = false;
    bool regularExpression = false;
};

struct Match {
    qsizetype start = 0;
    qsizetype length = 0;
    // Whether the search went round the end (or, backwards, the start) to find it.
    bool wrapped = false;
};

// The expression that finds the pattern, or the reason it is not a valid one.
Expected<QRegularExpression> expressionFor(const QString& pattern, const Options& options);

// The first match starting at from or after it, else the first one from the start; a search
// backwards gives the last match ending before from, else the last one of the text. Matches
// of no characters are passed over.
std::optional<Match> next(const QString& text, const QRegularExpression& expression,
                          qsizetype from);
std::optional<Match> previous(const QString& text, const QRegularExpression& expression,
                              qsizetype from);

// Where a match stands among all: its number (from 1) and how many there are, counted up to
// the limit when the match comes before it; beyond, the count stops and is marked as more.
struct Count {
    qsizetype number = 0; // 0: the match is not one of them
    qsizetype total = 0;
    bool more = false;
};
inline constexpr qsizetype kCountLimit = 9999;
Count count(const QString& text, const QRegularExpression& expression, qsizetype matchStart);

// "3 von 12", "3 von 9.999+", "Nicht gefunden".
QString countText(const Count& count);

// Every match replaced, as edits to make one after the other from the start: each puts its
// text in place of a stretch of the text as it was, from a match's start to the end of the
// last match that follows it on the same line. In a regular expression's replacement, \1 to
// \9 stand for what its groups found and \0 for the whole match.
struct Edit {
    qsizetype start = 0;
    qsizetype end = 0;
    QString text;
};
struct Replaced {
    QList<Edit> edits;
    qsizetype count = 0;
};
Replaced replaceAll(const QString& text, const QRegularExpression& expression,
                    const QString& replacement, bool regularExpression);

// The replacement for one match.
QString replacementFor(const QRegularExpressionMatch& match, const QString& replacement,
                       bool regularExpression);

} // namespace TextSearch
