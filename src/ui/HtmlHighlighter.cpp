#include "ui/HtmlHighlighter.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using HtmlScanner::State;

namespace {

// A block's user state holds the state its line was read from, the state it ended in and
// whether its text changed since; -1 for a block never coloured.
constexpr int kChanged = 0x100;

int packed(State start, State end) {
    return int(start) | int(end) << 4;
}

State startOf(int userState) {
    return State(userState & 0xf);
}

State endOf(int userState) {
    return State((userState >> 4) & 0xf);
}

bool needsColour(int userState, State start) {
    return userState < 0 || (userState & kChanged) || startOf(userState) != start;
}

// The state the line before the block ended in, as far as it is known.
State stateBefore(const QTextBlock& block) {
    const QTextBlock previous = block.previous();
    if (!previous.isValid() || previous.userState() < 0)
        return State::Text;
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
    // In the order of HtmlScanner::Kind.
    const std::array<QColor, 5> colours = {hue(215), hue(25), hue(135), comment, hue(300)};
    for (std::size_t kind = 0; kind < m_formats.size(); ++kind) {
        m_formats[kind] = QTextCharFormat();
        m_formats[kind].setForeground(colours[kind]);
    }
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
    QList<HtmlScanner::Span> spans;
    const State end = HtmlScanner::scan(text, start, spans);
    block.setUserState(packed(start, end));

    QList<QTextLayout::FormatRange> ranges;
    if (text.size() <= kLongestColouredLine) {
        ranges.reserve(spans.size());
        for (const HtmlScanner::Span& span : spans)
            ranges.append({span.start, span.length, m_formats[std::size_t(span.kind)]});
    }
    QTextLayout* layout = block.layout();
    if (ranges.isEmpty() && layout->formats().isEmpty())
        return;
    layout->setFormats(ranges);
    const int from = block.position();
    const int to = from + block.length();
    m_dirtyFrom = m_dirtyFrom < 0 ? from : qMin(m_dirtyFrom, from);
    m_dirtyTo = qMax(m_dirtyTo, to);
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
