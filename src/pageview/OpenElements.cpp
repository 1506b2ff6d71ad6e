#include "pageview/OpenElements.h"

#include "core/source/HtmlTokenizer.h"

#include <QHash>
#include <QString>

#include <initializer_list>
#include <vector>

namespace OpenElements {
namespace {

bool among(QStringView name, std::initializer_list<QStringView> names) {
    for (QStringView one : names)
        if (name == one)
            return true;
    return false;
}

bool isVoid(QStringView name) {
    return among(name, {u"br", u"img", u"image", u"hr", u"input", u"meta", u"link", u"area",
                        u"base", u"basefont", u"bgsound", u"col", u"embed", u"frame", u"keygen",
                        u"param", u"source", u"track", u"wbr"});
}

bool isFormatting(QStringView name) {
    return among(name, {u"a", u"b", u"big", u"code", u"em", u"font", u"i", u"nobr", u"s", u"small",
                        u"strike", u"strong", u"tt", u"u"});
}

// Elements a browser's parser gives to the form that is open in its sense.
bool isControl(QStringView name) {
    return among(name, {u"button", u"fieldset", u"image", u"img", u"input", u"object", u"output",
                        u"select", u"textarea"});
}

bool isTablePart(QStringView name) {
    return among(name, {u"caption", u"col", u"colgroup", u"table", u"tbody", u"td", u"tfoot", u"th",
                        u"thead", u"tr"});
}

bool isSection(QStringView name) {
    return among(name, {u"tbody", u"thead", u"tfoot"});
}

// The rules a browser's parser reads a token by, as far as they matter here.
enum class Mode : quint8 { Body, Table, TableBody, Row, Cell, Select, SelectInTable };

// An open element with where it stands: the stack indexes of the innermost table open around
// it and of that table's section, row and cell (or caption), and of an open select.
struct Open {
    QString name;
    int table = -1;
    int section = -1;
    int row = -1;
    int cell = -1;
    int select = -1;

    Mode mode() const {
        if (select >= 0)
            return table >= 0 ? Mode::SelectInTable : Mode::Select;
        if (table < 0)
            return Mode::Body;
        if (cell >= 0)
            return Mode::Cell;
        if (row >= 0)
            return Mode::Row;
        return section >= 0 ? Mode::TableBody : Mode::Table;
    }
};

class Reader final {
public:
    Reader(QStringView html, From from) : m_html(html), m_inBody(from == From::Body) {
        if (m_inBody)
            m_reading.settled.push_back(0);
    }

    Reading run() {
        HtmlTokenizer tokenizer;
        tokenizer.start(m_html);
        HtmlTokenizer::Token token;
        while (tokenizer.next(token)) {
            switch (token.kind) {
            case HtmlTokenizer::Kind::Text:
                text(token.start, token.start + token.length);
                break;
            case HtmlTokenizer::Kind::StartTag:
            case HtmlTokenizer::Kind::EndTag: {
                if (token.unfinished)
                    break; // a browser drops a tag the text ends in
                const QString name =
                    HtmlTokenizer::decoded(m_html.sliced(token.content.start, token.content.length),
                                           HtmlTokenizer::Decoding::Name);
                if (token.kind == HtmlTokenizer::Kind::StartTag)
                    startTag(name);
                else
                    endTag(name);
                break;
            }
            default:
                afterBodyEnd();
                break;
            }
        }
        return m_reading;
    }

private:
    bool settled() const { return m_inBody && !m_lost && !m_ended && m_open.empty() && !m_form; }

    void text(qsizetype from, qsizetype to) {
        for (qsizetype at = from; at < to; ++at) {
            const QChar c = m_html[at];
            if (c == u'\n') {
                if (settled())
                    m_reading.settled.push_back(at + 1);
            } else if (m_ended && c != u' ' && c != u'\t' && c != u'\r' && c != u'\f') {
                m_reading.readsAlone = false;
            }
        }
    }

    Mode mode() const { return m_open.empty() ? Mode::Body : m_open.back().mode(); }

    void push(const QString& name) {
        Open open = m_open.empty() ? Open{} : m_open.back();
        open.name = name;
        const int index = int(m_open.size());
        if (name == u"table")
            open = {name, index, -1, -1, -1, -1};
        else if (isSection(name))
            open.section = index;
        else if (name == u"tr")
            open.row = index;
        else if (among(name, {u"td", u"th", u"caption"}))
            open.cell = index;
        else if (name == u"select")
            open.select = index;
        m_open.push_back(open);
        ++m_count[name];
    }

    // Closes the open elements from index on, as a browser does for the ends of tables and
    // selects. A formatting element placed in a table outside its cells stays in the browser's
    // list of formatting elements and comes back later: beyond this reading.
    void closeFrom(int index) {
        while (int(m_open.size()) > index) {
            const Open& open = m_open.back();
            const Mode mode = open.mode();
            if (isFormatting(open.name) &&
                (mode == Mode::Table || mode == Mode::TableBody || mode == Mode::Row))
                m_lost = true;
            --m_count[open.name];
            m_open.pop_back();
        }
    }

    bool isOpen(const QString& name) const { return m_count.value(name) > 0; }

    void startTag(const QString& tag) {
        afterBodyEnd();
        if (tag == u"head")
            return;
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
                m_lost = m_lost || !m_open.empty() || m_form;
            }
            return;
        }
        if (among(tag, {u"frameset", u"noscript", u"template", u"svg", u"math", u"plaintext"})) {
            // Other rules hold inside (or depend on scripting), which this reading does not
            // follow; plain text runs to the end.
            if (tag != u"plaintext")
                m_reading.readsAlone = false;
            m_lost = true;
            return;
        }
        if (m_lost) {
            // What is open is unknown: any form may be open apart from a control it owns.
            if (isControl(tag) && m_form)
                m_reading.readsAlone = false;
            m_form = m_form || tag == u"form";
            return;
        }
        switch (mode()) {
        case Mode::Select:
        case Mode::SelectInTable:
            return inSelect(tag);
        case Mode::Table:
        case Mode::TableBody:
        case Mode::Row:
            if (inTable(tag))
                return;
            break;
        case Mode::Cell:
            if (isTablePart(tag) && tag != u"table") {
                // Ends the cell (or caption), then counts in its row or table.
                closeFrom(m_open.back().cell);
                return startTag(tag);
            }
            break;
        case Mode::Body:
            if (isTablePart(tag) && tag != u"table")
                return; // dropped outside a table
            break;
        }
        inBody(tag);
    }

    void inBody(const QString& tag) {
        if (isControl(tag) && m_form && !isOpen(QStringLiteral("form"))) {
            // The parser gives it to a form that is not its ancestor, a tie that moving the
            // read text into the page undoes.
            m_reading.readsAlone = false;
        }
        if (tag == u"form") {
            if (m_form)
                return; // a browser drops a form inside a form
            m_form = true;
        }
        if (!isVoid(tag))
            push(tag);
    }

    // Start tags in a table outside its cells; false for those placed as in the body.
    bool inTable(const QString& tag) {
        const Open current = m_open.back();
        if (among(tag, {u"col", u"colgroup"})) {
            m_lost = true;
        } else if (tag == u"caption" || isSection(tag)) {
            closeFrom(current.table + 1);
            push(tag);
        } else if (tag == u"tr" || tag == u"td" || tag == u"th") {
            // Into the table's section and row, each made where it is missing.
            if (current.section < 0) {
                closeFrom(current.table + 1);
                push(QStringLiteral("tbody"));
            }
            const Open section = m_open.back();
            if (tag == u"tr" || section.row < 0) {
                closeFrom(section.section + 1);
                push(QStringLiteral("tr"));
            } else {
                closeFrom(section.row + 1);
            }
            if (tag != u"tr")
                push(tag);
        } else if (tag == u"table") {
            closeFrom(current.table);
            startTag(tag);
        } else if (tag == u"form") {
            // Made and closed at once; the parser keeps it as the open form.
            m_form = true;
        } else {
            return false;
        }
        return true;
    }

    void inSelect(const QString& tag) {
        const Open& current = m_open.back();
        if (tag == u"option" || tag == u"optgroup" || tag == u"script") {
            push(tag);
        } else if (tag == u"select") {
            closeFrom(current.select);
        } else if (tag == u"input" || tag == u"keygen" || tag == u"textarea" ||
                   (current.mode() == Mode::SelectInTable && isTablePart(tag))) {
            closeFrom(current.select);
            startTag(tag);
        } else if (among(tag, {u"style", u"title", u"xmp", u"iframe", u"noembed", u"noframes"})) {
            // Dropped in a select, where the tokenizer reads raw text after it all the same.
            m_reading.readsAlone = false;
            m_lost = true;
        }
        // Anything else is dropped in a select.
    }

    void endTag(const QString& tag) {
        if (tag == u"body" || tag == u"html") {
            m_ended = true;
            return;
        }
        afterBodyEnd();
        if (m_lost)
            return;
        const Mode mode = this->mode();
        const bool inSelect = mode == Mode::Select || mode == Mode::SelectInTable;
        if (tag == u"form") {
            if (inSelect)
                return;
            m_form = false;
            if (!m_open.empty() && m_open.back().name == tag)
                closeFrom(int(m_open.size()) - 1);
            else if (isOpen(tag))
                m_lost = true; // closed out of order: what stays open is beyond this reading
            return;
        }
        if (inSelect && tag != u"select" && !isTablePart(tag)) {
            if (m_open.back().name == tag)
                closeFrom(int(m_open.size()) - 1);
            return;
        }
        if (mode != Mode::Body && (isTablePart(tag) || tag == u"select")) {
            const int index = tablePart(tag);
            if (index < 0)
                return; // not open in this table: dropped
            if (inSelect && tag != u"select") {
                closeFrom(m_open.back().select);
                return endTag(tag);
            }
            closeFrom(index);
            return;
        }
        if (!m_open.empty() && m_open.back().name == tag) {
            closeFrom(int(m_open.size()) - 1);
            return;
        }
        // An end tag for an element that is not open is dropped; one for an element further
        // out closes what lies between, and what a browser then reopens is beyond this reading.
        if (isOpen(tag))
            m_lost = true;
    }

    // The stack index of the table part (or select) an end tag closes, -1 when none is open.
    int tablePart(const QString& tag) const {
        const Open& current = m_open.back();
        int index = -1;
        if (tag == u"table")
            index = current.table;
        else if (tag == u"select")
            index = current.select;
        else if (isSection(tag))
            index = current.section;
        else if (tag == u"tr")
            index = current.row;
        else
            index = current.cell;
        return index >= 0 && m_open[std::size_t(index)].name == tag ? index : -1;
    }

    // Anything but white space after the end of the body lands elsewhere in a whole page than
    // in a text read on its own.
    void afterBodyEnd() {
        if (m_ended)
            m_reading.readsAlone = false;
    }

    QStringView m_html;
    std::vector<Open> m_open;    // the elements opened in the page and not closed yet
    QHash<QString, int> m_count; // how often each name is open
    bool m_inBody;
    bool m_form = false;  // the parser's form element pointer is set
    bool m_lost = false;  // no later point counts
    bool m_ended = false; // after the end of the body
    Reading m_reading;
};

} // namespace

Reading read(QStringView html, From from) {
    return Reader(html, from).run();
}

} // namespace OpenElements
