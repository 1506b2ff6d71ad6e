#pragma once

#include <QList>
#include <QStringView>

// Finds the words of a text that are worth looking up in a dictionary: runs of letters with
// hyphens or apostrophes inside ("Hals-Nasen-Ohren-Arzt", "geht's"). Left out are single
// letters, runs with digits or underscores ("H2O", "Kapitel3", "mein_bild"), abbreviations
// in capitals of up to four letters ("HTML", "USA"), and everything glued to another run by a
// dot, slash, at sign or colon: addresses, file names, "z.B.".
namespace SpellingWords {

struct Word {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype end() const { return start + length; }
    friend bool operator==(const Word&, const Word&) = default;
};

QList<Word> split(QStringView text);

} // namespace SpellingWords
