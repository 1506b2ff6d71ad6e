#include "pageview/OpenElements.h"

#include <QString>

#include <initializer_list>
#include <vector>

namespace OpenElements {
namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'\n' || c == u'\t' || c == u'\r' || c == u'\f';
}

bool isLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool among(QStringView name, std::initializer_list<QStringView> names) {
    for (QStringView one : names)
        if (name == one)
            return true;
    return false;
}

bool isVoid(QStringView name) {
    return among(name, {u"br", u"img", u"hr", u"input", u"meta", u"link", u"area", u"base",
                        u"basefont", u"bgsound", u"col", u"embed", u"frame", u"keygen", u"param",
                        u"source", u"track", u"wbr"});
}

// Elements whose content is text up to their own end tag.
bool holdsRawText(QStringView name) {
    return among(name, {u"title", u"textarea", u"style", u"script", u"xmp", u"iframe", u"noembed",
                        u"noframes"});
}

class Reader final {
public:
    Reader(QStringView html, From from) : m_html(html), m_inBody(from == From::Body) {
        if (m_inBody)
            m_reading.settled.push_back(0);
    }

    Reading run() {
        while (m_at < m_html.size()) {
            const QChar c = m_html[m_at];
            if (c == u'<') {
                markup();
                continue;
            }
            if (!isSpace(c) && m_ended)
                m_reading.readsAlone = false;
            ++m_at;
            if (c == u'\n' && m_inBody && !m_lost && !m_ended && m_open.empty())
                m_reading.settled.push_back(m_at);
        }
        return m_reading;
    }

private:
    // At a '<': a comment, a tag, or a plain character.
    void markup() {
        const QStringView rest = m_html.sliced(m_at);
        if (rest.startsWith(u"<!--")) {
            comment();
        } else if (rest.size() > 1 && (rest[1] == u'!' || rest[1] == u'?')) {
            afterBodyEnd();
            skipPast(u'>');
        } else if (rest.size() > 2 && rest[1] == u'/' && isLetter(rest[2])) {
            m_at += 2;
            endTag(name());
        } else if (rest.startsWith(u"</")) {
            // "</>" is dropped, any other "</" starts a comment up to the next '>'.
            skipPast(u'>');
        } else if (rest.size() > 1 && isLetter(rest[1])) {
            m_at += 1;
            startTag(name());
        } else {
            afterBodyEnd();
            ++m_at;
        }
    }

    void comment() {
        afterBodyEnd();
        const qsizetype from = m_at + 2; // "<!-->" and "<!--->" end at once
        qsizetype end = m_html.indexOf(u"-->", from);
        const qsizetype bang = m_html.indexOf(u"--!>", from);
        if (bang >= 0 && (end < 0 || bang < end))
            end = bang + 1;
        m_at = end < 0 ? m_html.size() : end + 3;
    }

    // Reads a tag's name, lower case, and moves past the whole tag.
    QString name() {
        const qsizetype start = m_at;
        while (m_at < m_html.size() && !isSpace(m_html[m_at]) && m_html[m_at] != u'/' &&
               m_html[m_at] != u'>')
            ++m_at;
        QString read = m_html.sliced(start, m_at - start).toString().toLower();
        skipAttributes();
        return read;
    }

    void skipAttributes() {
        const qsizetype size = m_html.size();
        while (m_at < size) {
            while (m_at < size && (isSpace(m_html[m_at]) || m_html[m_at] == u'/'))
                ++m_at;
            if (m_at >= size)
                return;
            if (m_html[m_at] == u'>') {
                ++m_at;
                return;
            }
            ++m_at; // an attribute name's first character may be anything, even '='
            while (m_at < size && !isSpace(m_html[m_at]) && m_html[m_at] != u'/' &&
                   m_html[m_at] != u'>' && m_html[m_at] != u'=')
                ++m_at;
            while (m_at < size && isSpace(m_html[m_at]))
                ++m_at;
            if (m_at >= size || m_html[m_at] != u'=')
                continue;
            ++m_at;
            while (m_at < size && isSpace(m_html[m_at]))
                ++m_at;
            if (m_at < size && (m_html[m_at] == u'"' || m_html[m_at] == u'\'')) {
                const qsizetype close = m_html.indexOf(m_html[m_at], m_at + 1);
                m_at = close < 0 ? size : close + 1;
            } else {
                while (m_at < size && !isSpace(m_html[m_at]) && m_html[m_at] != u'>')
                    ++m_at;
            }
        }
    }

    void startTag(const QString& tag) {
        afterBodyEnd();
        if (tag == u"head") {
            return;
        }
        if (tag == u"html") {
            // Its attributes go to the page's root, which a text read on its own has not.
            m_reading.readsAlone = !m_inBody && m_reading.readsAlone;
            return;
        }
        if (tag == u"body") {
            if (m_inBody) {
                m_reading.readsAlone = false;
            } else {
                m_inBody = true;
                m_lost = m_lost || !m_open.empty();
            }
            return;
        }
        if (among(tag, {u"frameset", u"noscript", u"template"})) {
            m_reading.readsAlone = false;
            m_lost = m_lost || tag == u"frameset";
        } else if (among(tag, {u"svg", u"math"})) {
            m_lost = true; // other rules hold inside, which this reading does not follow
        } else if (tag == u"plaintext") {
            m_lost = true;
            m_at = m_html.size();
            return;
        }
        if (holdsRawText(tag)) {
            skipRawText(tag);
        } else if (!isVoid(tag)) {
            m_open.push_back(tag);
        }
    }

    void endTag(const QString& tag) {
        if (tag == u"body" || tag == u"html") {
            m_ended = true;
            return;
        }
        afterBodyEnd();
        if (!m_open.empty() && m_open.back() == tag) {
            m_open.pop_back();
            return;
        }
        // An end tag for an element that is not open is dropped; one for an element further
        // out closes what lies between, and what a browser then reopens is beyond this reading.
        for (const QString& open : m_open)
            if (open == tag)
                m_lost = true;
    }

    void skipRawText(const QString& tag) {
        qsizetype at = m_at;
        while ((at = m_html.indexOf(u"</", at)) >= 0) {
            at += 2;
            const QStringView after = m_html.sliced(at);
            if (after.size() > tag.size() && after.startsWith(tag, Qt::CaseInsensitive)) {
                const QChar next = after[tag.size()];
                if (isSpace(next) || next == u'/' || next == u'>') {
                    m_at = at + tag.size();
                    skipAttributes();
                    return;
                }
            }
        }
        m_lost = true; // open to the end
        m_at = m_html.size();
    }

    // Anything but white space after the end of the body lands elsewhere in a whole page than
    // in a text read on its own.
    void afterBodyEnd() {
        if (m_ended)
            m_reading.readsAlone = false;
    }

    void skipPast(QChar c) {
        const qsizetype at = m_html.indexOf(c, m_at);
        m_at = at < 0 ? m_html.size() : at + 1;
    }

    QStringView m_html;
    qsizetype m_at = 0;
    std::vector<QString> m_open; // the elements opened in the page and not closed yet
    bool m_inBody;
    bool m_lost = false;  // no later point counts
    bool m_ended = false; // after the end of the body
    Reading m_reading;
};

} // namespace

Reading read(QStringView html, From from) {
    return Reader(html, from).run();
}

} // namespace OpenElements
