#include "ui/HtmlScanner.h"

namespace HtmlScanner {

namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The length of a character reference at from ("&auml;", "&#228;", "&#xE4;"; the ';' may be
// missing), or 0 when the '&' there starts none.
int referenceLength(QStringView line, int from) {
    const int n = int(line.size());
    int i = from + 1;
    const int nameStart = i;
    if (i < n && line[i] == u'#') {
        ++i;
        const bool hex = i < n && (line[i] == u'x' || line[i] == u'X');
        if (hex)
            ++i;
        const int digitsStart = i;
        while (i < n && (hex ? isHexDigit(line[i]) : isDigit(line[i])))
            ++i;
        if (i == digitsStart)
            return 0;
    } else {
        while (i < n && line[i].isLetterOrNumber() && line[i].unicode() < 128)
            ++i;
        if (i == nameStart || !line[nameStart].isLetter())
            return 0;
    }
    if (i < n && line[i] == u';')
        ++i;
    return i - from;
}

// Whether a '<' at from opens a tag: it must be followed by a name, '/', '!' or '?'.
bool opensTag(QStringView line, int from) {
    if (from + 1 >= line.size())
        return false;
    const QChar next = line[from + 1];
    return next.isLetter() || next == u'/' || next == u'!' || next == u'?';
}

} // namespace

State scan(QStringView line, State state, QList<Span>& spans) {
    const int n = int(line.size());
    int i = 0;
    // Where the comment or quoted value that is open began; a line that starts inside one
    // begins it at 0.
    int openedAt = 0;
    auto add = [&spans](int start, int end, Kind kind) {
        if (end > start)
            spans.append({start, end - start, kind});
    };
    while (i < n) {
        switch (state) {
        case State::Text: {
            const QChar c = line[i];
            if (c == u'&') {
                const int length = referenceLength(line, i);
                add(i, i + length, Kind::Reference);
                i += qMax(length, 1);
            } else if (c == u'<' && line.sliced(i).startsWith(u"<!--")) {
                openedAt = i;
                i += 4;
                state = State::Comment;
            } else if (c == u'<' && opensTag(line, i)) {
                const int start = i;
                i += 2;
                while (i < n && (isNameChar(line[i]) || line[i] == u'!' || line[i] == u'?'))
                    ++i;
                add(start, i, Kind::TagName);
                state = State::Tag;
            } else {
                ++i;
            }
            break;
        }
        case State::Comment: {
            const qsizetype end = line.indexOf(u"-->", i);
            if (end < 0) {
                add(openedAt, n, Kind::Comment);
                i = n;
            } else {
                add(openedAt, int(end) + 3, Kind::Comment);
                i = int(end) + 3;
                state = State::Text;
            }
            break;
        }
        case State::Tag:
        case State::AfterName: {
            while (i < n && isSpace(line[i]))
                ++i;
            if (i == n)
                break;
            if (line[i] == u'>') {
                add(i, i + 1, Kind::TagName);
                ++i;
                state = State::Text;
            } else if (line.sliced(i).startsWith(u"/>")) {
                add(i, i + 2, Kind::TagName);
                i += 2;
                state = State::Text;
            } else if (state == State::AfterName && line[i] == u'=') {
                ++i;
                state = State::BeforeValue;
            } else {
                const int start = i;
                while (i < n && !isSpace(line[i]) && line[i] != u'=' && line[i] != u'>' &&
                       !line.sliced(i).startsWith(u"/>"))
                    ++i;
                add(start, qMax(i, start + 1), Kind::AttributeName);
                i = qMax(i, start + 1);
                state = State::AfterName;
            }
            break;
        }
        case State::BeforeValue: {
            while (i < n && isSpace(line[i]))
                ++i;
            if (i == n)
                break;
            const QChar c = line[i];
            if (c == u'"' || c == u'\'') {
                openedAt = i;
                ++i;
                state = c == u'"' ? State::DoubleQuoted : State::SingleQuoted;
            } else if (c == u'>') {
                state = State::Tag;
            } else {
                const int start = i;
                while (i < n && !isSpace(line[i]) && line[i] != u'>')
                    ++i;
                add(start, i, Kind::AttributeValue);
                state = State::Tag;
            }
            break;
        }
        case State::DoubleQuoted:
        case State::SingleQuoted: {
            const QChar quote = state == State::DoubleQuoted ? u'"' : u'\'';
            const qsizetype end = line.indexOf(quote, i);
            if (end < 0) {
                add(openedAt, n, Kind::AttributeValue);
                i = n;
            } else {
                add(openedAt, int(end) + 1, Kind::AttributeValue);
                i = int(end) + 1;
                state = State::Tag;
            }
            break;
        }
        }
    }
    return state;
}

} // namespace HtmlScanner
