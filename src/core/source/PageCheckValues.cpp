#include "core/source/PageCheckValues.h"

#include <QUrl>

#include <algorithm>

namespace Check {
namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

bool isBlank(QStringView text) {
    return std::all_of(text.begin(), text.end(), isSpace);
}

bool looksLikeAttribute(QStringView text) {
    qsizetype i = 1;
    const auto skipSpaces = [&] {
        while (i < text.size() && isSpace(text[i]))
            ++i;
    };
    if (!text.startsWith(u'"'))
        return false;
    skipSpaces();
    const qsizetype nameStart = i;
    while (i < text.size() && (isAsciiLetter(text[i]) || text[i].isDigit() || text[i] == u'-'))
        ++i;
    if (i == nameStart)
        return false;
    skipSpaces();
    if (i >= text.size() || text[i] != u'=')
        return false;
    ++i;
    skipSpaces();
    return i < text.size() && (text[i] == u'"' || text[i] == u'\'');
}

bool isDelay(QStringView delay) {
    const qsizetype point = delay.indexOf(u'.');
    const auto digits = [](QStringView part) {
        return !part.isEmpty() && std::all_of(part.begin(), part.end(),
                                              [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    return point < 0 ? digits(delay) : digits(delay.left(point)) && digits(delay.sliced(point + 1));
}

bool isExampleAddress(const QString& address) {
    const QString host = QUrl(address.trimmed()).host().toLower();
    for (QStringView example : {u"example.net", u"example.org", u"example.com"}) {
        if (host == example || host.endsWith(u'.' + example.toString()))
            return true;
    }
    return false;
}

bool isTextLinkLine(QStringView line) {
    line = line.trimmed();
    return line.startsWith(u"<p style=", Qt::CaseInsensitive) &&
           line.endsWith(u"</p></a>", Qt::CaseInsensitive);
}

bool isEmphasisCloseLine(QStringView line) {
    line = line.trimmed();
    for (QStringView close : {u"</b>", u"</u>", u"</i>", u"</s>", u"</sup>", u"</sub>"}) {
        if (line.compare(close, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool hasScheme(QStringView address) {
    for (qsizetype i = 0; i < address.size(); ++i) {
        const QChar c = address[i];
        if (c == u':')
            return i >= 2;
        if (!isAsciiLetter(c) && !(i > 0 && (c.isDigit() || c == u'+' || c == u'-' || c == u'.')))
            return false;
    }
    return false;
}

bool hasBadPercent(QStringView name) {
    for (qsizetype i = name.indexOf(u'%'); i >= 0; i = name.indexOf(u'%', i + 1)) {
        if (i + 2 >= name.size() || !isHexDigit(name[i + 1]) || !isHexDigit(name[i + 2]))
            return true;
    }
    return false;
}

} // namespace Check
