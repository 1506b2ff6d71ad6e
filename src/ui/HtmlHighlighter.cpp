#include "ui/HtmlHighlighter.h"

#include "core/source/SpellingWords.h"
#include "ui/SpellChecker.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

using State = HtmlTokenizer::State;
using Token = HtmlTokenizer::Token;

namespace {

// A block's user state holds the tokenizer state its line ends in, in the bits the tokenizer
// reads, and in the bits above them the state its line was read from and whether its text
// changed since; -1 for a block never coloured. Every packed state is positive.
constexpr int kStateBits = HtmlTokenizer::kStateBits;
constexpr quint32 kStateMask = (1u << kStateBits) - 1;
constexpr int kChanged = 1 << (2 * kStateBits);
static_assert(2 * kStateBits + 1 < 31);

int packed(State start, State end) {
    return int(end.value | start.value << kStateBits);
}

State startOf(int userState) {
    return State((quint32(userState) >> kStateBits) & kStateMask);
}

State endOf(int userState) {
    return State(quint32(userState) & kStateMask);
}

bool needsColour(int userState, State start) {
    return userState < 0 || (userState & kChanged) || startOf(userState) != start;
}

// The state the line before the block ended in, as far as it is known.
State stateBefore(const QTextBlock& block) {
    const QTextBlock previous = block.previous();
    if (!previous.isValid() || previous.userState() < 0)
        return State{};
    return endOf(previous.userState());
}

} // namespace

HtmlHighlighter::HtmlHighlighter(QPlainTextEdit& field)
    : QObject(&field), m_field(field), m_document(field.document()) {
    takeColoursFromPalette();
    m_slice.setSingleShot(true);
    m_slice.setInterval(0);
    connect(&m_slice, &QTimer::timeout, this, &HtmlHighlighter::colourSlice);
    connect(m_document, &QTextDocument::contentsChange, this, &HtmlHighlighter::contentsChange);
    m_field.installEventFilter(this);
    m_blockCount = m_document->blockCount();
    markAll();
}

bool HtmlHighlighter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_field && event->type() == QEvent::PaletteChange) {
        takeColoursFromPalette();
        markAll();
    }
    return false;
}

void HtmlHighlighter::takeColoursFromPalette() {
    const QPalette& palette = m_field.palette();
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    // Saturated hues, light on a dark ground and dark on a light one; comments halfway
    // between the text and the ground. No kind changes the font, so colouring never moves a
    // line break of a wrapped line.
    const int lightness = base.lightness() < 128 ? 175 : 90;
    auto hue = [lightness](int degrees) { return QColor::fromHsl(degrees, 200, lightness); };
    const QColor comment((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                         (text.blue() + base.blue()) / 2);
    // In the order of Kind.
    const std::array<QColor, 5> colours = {hue(215), hue(25), hue(135), comment, hue(300)};
    for (std::size_t kind = 0; kind < m_formats.size(); ++kind) {
        m_formats[kind] = QTextCharFormat();
        m_formats[kind].setForeground(colours[kind]);
    }
}

void HtmlHighlighter::checkSpelling(SpellChecker& checker) {
    m_spelling = &checker;
    connect(&checker, &SpellChecker::changed, this, &HtmlHighlighter::markAll);
    markAll();
}

void HtmlHighlighter::markAll() {
    noteChanged(0, m_document->blockCount() - 1);
}

void HtmlHighlighter::contentsChange(int position, int /*removed*/, int added) {
    const int count = m_document->blockCount();
    const int shift = count - m_blockCount;
    m_blockCount = count;
    const int first = m_document->findBlock(position).blockNumber();
    const QTextBlock end = m_document->findBlock(position + added);
    const int last = end.isValid() ? end.blockNumber() : count - 1;
    // Lines noted before that lie after the change moved with it.
    if (m_first >= 0 && m_last > first)
        m_last = qMax(m_last + shift, first);
    noteChanged(qMax(first, 0), qMax(last, 0));
}

void HtmlHighlighter::noteChanged(int first, int last) {
    QTextBlock block = m_document->findBlockByNumber(first);
    for (int number = first; block.isValid() && number <= last; ++number, block = block.next()) {
        if (block.userState() >= 0)
            block.setUserState(block.userState() | kChanged);
    }
    m_first = m_first < 0 ? first : qMin(m_first, first);
    m_last = qMax(m_last, last);
    if (!m_slice.isActive())
        m_slice.start();
}

void HtmlHighlighter::colour(QTextBlock& block, State start) {
    const QString text = block.text();
    const bool shown = text.size() <= kLongestColouredLine;
    QList<QTextLayout::FormatRange> ranges;
    auto add = [&](qsizetype from, qsizetype to, Kind kind) {
        if (shown && to > from)
            ranges.append({int(from), int(to - from), format(kind)});
    };
    // A quoted value or DOCTYPE identifier, with the quotes around it that stand on the line;
    // returns the stretch.
    auto addQuoted = [&](HtmlTokenizer::Extent part) {
        auto quoteAt = [&text](qsizetype i) {
            return i >= 0 && i < text.size() && (text[i] == u'"' || text[i] == u'\'');
        };
        const qsizetype from = part.start - (quoteAt(part.start - 1) ? 1 : 0);
        qsizetype to = part.start + part.length;
        to += quoteAt(to) ? 1 : 0;
        add(from, to, Kind::AttributeValue);
        return std::pair{from, to};
    };

    const bool spelling = shown && m_spelling && m_spelling->marking();
    qsizetype referenceEnd = -1;
    m_tokenizer.start(text, start, HtmlTokenizer::End::Line);
    Token token;
    while (m_tokenizer.next(token)) {
        const qsizetype end = token.start + token.length;
        switch (token.kind) {
        case HtmlTokenizer::Kind::Text:
            // Raw text (scripts, styles) and RCDATA decode otherwise and are never checked.
            if (spelling && token.decoding == HtmlTokenizer::Decoding::Text)
                markMisspelt(text, token, referenceEnd, ranges);
            break;
        case HtmlTokenizer::Kind::Reference:
            add(token.start, end, Kind::Reference);
            referenceEnd = end;
            break;
        case HtmlTokenizer::Kind::Comment:
        case HtmlTokenizer::Kind::Cdata:
            add(token.start, end, Kind::Comment);
            break;
        case HtmlTokenizer::Kind::Doctype: {
            qsizetype from = token.start;
            for (const HtmlTokenizer::Extent identifier : {token.publicId, token.systemId}) {
                if (identifier.present()) {
                    const auto [quoted, after] = addQuoted(identifier);
                    add(from, quoted, Kind::TagName);
                    from = after;
                }
            }
            add(from, end, Kind::TagName);
            break;
        }
        case HtmlTokenizer::Kind::StartTag:
        case HtmlTokenizer::Kind::EndTag:
            if (token.content.present())
                add(token.start, token.content.start + token.content.length, Kind::TagName);
            for (const HtmlTokenizer::Attribute& attribute : m_tokenizer.attributes()) {
                if (attribute.name.present())
                    add(attribute.name.start, attribute.name.start + attribute.name.length,
                        Kind::AttributeName);
                if (attribute.quoted)
                    addQuoted(attribute.value);
                else if (attribute.value.present())
                    add(attribute.value.start, attribute.value.start + attribute.value.length,
                        Kind::AttributeValue);
            }
            if (!token.unfinished)
                add(end - (token.selfClosing ? 2 : 1), end, Kind::TagName);
            break;
        }
    }
    block.setUserState(packed(start, m_tokenizer.state()));

    QTextLayout* layout = block.layout();
    if (ranges.isEmpty() && layout->formats().isEmpty())
        return;
    layout->setFormats(ranges);
    const int from = block.position();
    const int to = from + block.length();
    m_dirtyFrom = m_dirtyFrom < 0 ? from : qMin(m_dirtyFrom, from);
    m_dirtyTo = qMax(m_dirtyTo, to);
}

void HtmlHighlighter::markMisspelt(const QString& line, const Token& text, qsizetype referenceEnd,
                                   QList<QTextLayout::FormatRange>& ranges) {
    const QStringView run = QStringView(line).mid(text.start, text.length);
    for (const SpellingWords::Word& word : SpellingWords::split(run)) {
        // A word a character reference stands in ("M&uuml;ller") is no word of its own.
        const qsizetype from = text.start + word.start;
        const qsizetype to = from + word.length;
        if ((from == text.start && referenceEnd == from) || (to < line.size() && line[to] == u'&'))
            continue;
        if (m_spelling->misspelt(run.mid(word.start, word.length)))
            ranges.append({int(from), int(word.length), m_spelling->markFormat()});
    }
}

void HtmlHighlighter::showColours() {
    if (m_dirtyFrom < 0)
        return;
    // Tells the layout, which repaints what is shown; the document itself does not change.
    m_document->markContentsDirty(m_dirtyFrom, m_dirtyTo - m_dirtyFrom);
    m_dirtyFrom = m_dirtyTo = -1;
}

void HtmlHighlighter::colourVisible() {
    const QRect shown = m_field.viewport()->rect();
    QTextBlock block = m_field.cursorForPosition(shown.topLeft()).block();
    const QTextBlock last = m_field.cursorForPosition(shown.bottomLeft()).block();
    for (; block.isValid(); block = block.next()) {
        const State start = stateBefore(block);
        if (needsColour(block.userState(), start)) {
            colour(block, start);
            // The state it was read from is a guess until the walk in order gets here, and
            // the lines after it must be checked against the state it ends in.
            const int number = block.blockNumber();
            m_first = m_first < 0 ? number : qMin(m_first, number);
            m_last = qMax(m_last, number);
        }
        if (block == last)
            break;
    }
    showColours();
}

void HtmlHighlighter::colourSlice() {
    QElapsedTimer clock;
    clock.start();
    colourVisible();
    if (m_first < 0)
        return;
    // Every line before m_first has its colours; from there on, a line is coloured when it
    // changed or the line before it now ends differently.
    int number = qMin(m_first, m_document->blockCount() - 1);
    QTextBlock block = m_document->findBlockByNumber(number);
    State start = stateBefore(block);
    for (; block.isValid(); block = block.next(), ++number) {
        if (needsColour(block.userState(), start))
            colour(block, start);
        else if (number > m_last)
            break;
        start = endOf(block.userState());
        if (clock.elapsed() >= kSliceMilliseconds && block.next().isValid()) {
            m_first = number + 1;
            showColours();
            m_slice.start();
            return;
        }
    }
    m_first = m_last = -1;
    showColours();
}
