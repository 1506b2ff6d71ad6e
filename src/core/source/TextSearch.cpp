#include "core/source/TextSearch.h"

#include <QLocale>

namespace TextSearch {

namespace {

// A search backwards looks at this much text before its start first, then twice as much.
constexpr qsizetype kBackwardWindow = qsizetype(1) << 16;

// The first match of some characters at from or after it and starting before end.
std::optional<Match> firstFrom(const QString& text, const QRegularExpression& expression,
                               qsizetype from, qsizetype end) {
    QRegularExpressionMatchIterator matches = expression.globalMatch(text, from);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (match.capturedStart() >= end)
            break;
        if (match.capturedLength() > 0)
            return Match{match.capturedStart(), match.capturedLength(), false};
    }
    return std::nullopt;
}

// The last match of some characters starting at from or after it and ending at end or before.
std::optional<Match> lastBetween(const QString& text, const QRegularExpression& expression,
                                 qsizetype from, qsizetype end) {
    std::optional<Match> last;
    QRegularExpressionMatchIterator matches = expression.globalMatch(text, from);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (match.capturedEnd() > end)
            break;
        if (match.capturedLength() > 0)
            last = Match{match.capturedStart(), match.capturedLength(), false};
    }
    return last;
}

std::optional<Match> lastBefore(const QString& text, const QRegularExpression& expression,
                                qsizetype end) {
    for (qsizetype window = kBackwardWindow;; window *= 2) {
        const qsizetype from = qMax<qsizetype>(0, end - window);
        if (std::optional<Match> found = lastBetween(text, expression, from, end))
            return found;
        if (from == 0)
            return std::nullopt;
    }
}

std::optional<Match> wrapped(std::optional<Match> match) {
    if (match)
        match->wrapped = true;
    return match;
}

} // namespace

Expected<QRegularExpression> expressionFor(const QString& pattern, const Options& options) {
    QString source = options.regularExpression ? pattern : QRegularExpression::escape(pattern);
    if (options.wholeWord)
        // No letter, digit or underscore right before or after, whatever the pattern's ends.
        source = QStringLiteral("(?<!\\w)(?:%1)(?!\\w)").arg(source);
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!options.matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    // The field's lines end in paragraph separators, which ^, $ and \R take as line ends.
    if (options.regularExpression) {
        flags |= QRegularExpression::MultilineOption;
        source.prepend(QStringLiteral("(*ANY)"));
    }
    QRegularExpression expression(source, flags);
    if (!expression.isValid())
        return {{expression.errorString()}, {}};
    expression.optimize();
    return {{}, expression};
}

std::optional<Match> next(const QString& text, const QRegularExpression& expression,
                          qsizetype from) {
    from = qBound<qsizetype>(0, from, text.size());
    if (std::optional<Match> found = firstFrom(text, expression, from, text.size() + 1))
        return found;
    return wrapped(firstFrom(text, expression, 0, from));
}

std::optional<Match> previous(const QString& text, const QRegularExpression& expression,
                              qsizetype from) {
    from = qBound<qsizetype>(0, from, text.size());
    if (std::optional<Match> found = lastBefore(text, expression, from))
        return found;
    return wrapped(lastBefore(text, expression, text.size()));
}

Count count(const QString& text, const QRegularExpression& expression, qsizetype matchStart) {
    Count result;
    QRegularExpressionMatchIterator matches = expression.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (match.capturedLength() == 0)
            continue;
        if (result.total >= kCountLimit && match.capturedStart() > matchStart) {
            result.more = true;
            break;
        }
        ++result.total;
        if (match.capturedStart() == matchStart)
            result.number = result.total;
    }
    return result;
}

QString countText(const Count& count) {
    if (count.total == 0)
        return QStringLiteral("Nicht gefunden");
    const QLocale german(QLocale::German, QLocale::Germany);
    QString total = german.toString(count.total);
    if (count.more)
        total += u'+';
    if (count.number == 0)
        return QStringLiteral("%1 Treffer").arg(total);
    return QStringLiteral("%1 von %2").arg(german.toString(count.number), total);
}

QString replacementFor(const QRegularExpressionMatch& match, const QString& replacement,
                       bool regularExpression) {
    if (!regularExpression || !replacement.contains(u'\\'))
        return replacement;
    QString result;
    result.reserve(replacement.size());
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement[i];
        if (c == u'\\' && i + 1 < replacement.size()) {
            const QChar after = replacement[i + 1];
            if (after.isDigit() && after.digitValue() <= match.lastCapturedIndex()) {
                result += match.captured(after.digitValue());
                ++i;
                continue;
            }
            if (after == u'\\' || after == u'n' || after == u't') {
                result += after == u'n' ? QChar(u'\n') : after == u't' ? QChar(u'\t') : after;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

Replaced replaceAll(const QString& text, const QRegularExpression& expression,
                    const QString& replacement, bool regularExpression) {
    Replaced result;
    QRegularExpressionMatchIterator matches = expression.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (match.capturedLength() == 0)
            continue;
        const qsizetype start = match.capturedStart();
        // A match on the line of the edit before joins it, with what lies between them.
        const bool joins = !result.edits.isEmpty() &&
                           !QStringView(text)
                                .mid(result.edits.last().end, start - result.edits.last().end)
                                .contains(QChar::ParagraphSeparator);
        if (!joins)
            result.edits.append({start, start, {}});
        Edit& edit = result.edits.last();
        edit.text += QStringView(text).mid(edit.end, start - edit.end);
        edit.text += replacementFor(match, replacement, regularExpression);
        edit.end = match.capturedEnd();
        ++result.count;
    }
    return result;
}

} // namespace TextSearch
