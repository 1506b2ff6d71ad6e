#pragma once

#include <QList>
#include <QStringView>

// Reads one line of HTML source and says which stretches are tag names, attribute names,
// attribute values, comments and character references; everything else is text. A line is
// read from the state the line before it ended in, so a comment or a tag may run over several
// lines.
namespace HtmlScanner {

// Where a line ends: in text, in a comment, or at some point inside a tag.
enum class State : quint8 {
    Text,
    Comment,
    Tag,          // between attributes
    AfterName,    // after an attribute name, before a possible '='
    BeforeValue,  // after '='
    DoubleQuoted, // inside a value in double quotes
    SingleQuoted, // inside a value in single quotes
};
constexpr int kStateCount = 7;

// What a stretch is; the brackets of a tag count as its name.
enum class Kind : quint8 { TagName, AttributeName, AttributeValue, Comment, Reference };

struct Span {
    int start;
    int length;
    Kind kind;
    bool operator==(const Span&) const = default;
};

// Appends the stretches of the line to spans and returns the state the line ends in.
State scan(QStringView line, State state, QList<Span>& spans);

} // namespace HtmlScanner
