#pragma once

#include "core/source/PageCheck.h"

#include <array>
#include <cstddef>

namespace Check {

// Every sentence the check says.
enum class Sentence {
    MissingEnd,
    ClosesNothing,
    Outside,
    ContentBeforeStart,
    ContentBeforeBody,
    MissingBody,
    ContentAfterEnd,
    WrongOrder,
    EmptyAddress,
    WithoutScheme,
    EmptyAlt,
    SpaceInName,
    BadPercent,
    MissingFile,
    QuoteInText,
    FormInForm,
    ListWithoutEntry,
    BadDelay,
    EndTagWithMore,
    GermanColour,
    UnknownColour,
    EmptyStyleValue,
    MissingAlt,
    EmptyPage,
    ExampleAddress,
    DuplicateCharset,
    Misnested,
    ListNotBegun,
    TableNotBegun,
    FormNotBegun,
    TableNotEnded,
    FormNotEnded,
    OutdatedAttribute,
    OutdatedElement,
    OutdatedFrames,
};
constexpr size_t kSentenceCount = static_cast<size_t>(Sentence::OutdatedFrames) + 1;

// Makes findings of sentences, filling %1, %2, … with the parts given. Each sentence's text
// is decoded once per check: a page full of mistakes says the same sentences often.
class SentenceBook {
public:
    template <typename... Parts>
    Finding finding(int line, Sentence sentence, const Parts&... parts) {
        QString text = decoded(sentence);
        if constexpr (sizeof...(parts) > 0)
            text = text.arg(spoken(parts)...);
        return made(line, sentence, std::move(text));
    }

private:
    static QString spoken(const QString& part) { return part; }
    static QString spoken(const char* caption) { return QString::fromUtf8(caption); }
    static QString spoken(int number) { return QString::number(number); }

    const QString& decoded(Sentence sentence);
    static Finding made(int line, Sentence sentence, QString text);

    std::array<QString, kSentenceCount> m_decoded;
};

} // namespace Check
