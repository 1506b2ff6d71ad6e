#include "core/source/SpellingWords.h"

namespace SpellingWords {

namespace {

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c.isMark() || c == u'_';
}

// Joins two parts of one word when it stands between them.
bool isInnerJoint(QChar c) {
    return c == u'-' || c == u'\'' || c == u'\u2019';
}

// Joins two runs into something that is not a word of its own.
bool isGlue(QChar c) {
    return c == u'.' || c == u'/' || c == u'\\' || c == u'@' || c == u':';
}

bool worthChecking(QStringView word) {
    if (word.size() < 2)
        return false;
    bool allCapitals = true;
    for (const QChar c : word) {
        if (c.isDigit() || c == u'_')
            return false;
        if (c.isLower())
            allCapitals = false;
    }
    return !(allCapitals && word.size() <= 4);
}

} // namespace

QList<Word> split(QStringView text) {
    QList<Word> words;
    const qsizetype size = text.size();
    auto wordAt = [&](qsizetype i) { return i >= 0 && i < size && isWordCharacter(text[i]); };
    // A run glued on by a dot or the like at this side, e.g. the "de" of "example.de".
    auto glued = [&](qsizetype glue, qsizetype beyond) {
        return glue >= 0 && glue < size && isGlue(text[glue]) && wordAt(beyond);
    };
    qsizetype i = 0;
    while (i < size) {
        if (!isWordCharacter(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < size && (isWordCharacter(text[i]) ||
                            (isInnerJoint(text[i]) && wordAt(i - 1) && wordAt(i + 1))))
            ++i;
        if (glued(start - 1, start - 2) || glued(i, i + 1))
            continue;
        if (worthChecking(text.mid(start, i - start)))
            words.append({start, i - start});
    }
    return words;
}

} // namespace SpellingWords
