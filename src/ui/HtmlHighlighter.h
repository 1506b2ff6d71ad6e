#pragma once

#include "core/source/HtmlTokenizer.h"

#include <QObject>
#include <QTextCharFormat>
#include <QTextLayout>
#include <QTimer>

#include <array>

class QPlainTextEdit;
class SpellChecker;
class QTextBlock;
class QTextDocument;

// Colours the HTML in a source field without holding it up: a change only notes which lines
// need colouring, and the colouring runs on the event loop in slices of at most 5 ms, the
// lines on screen first. A line is read by the program's HTML tokenizer, as a browser reads
// it, from the state the line before it ended in; when a line now ends differently (a comment
// opened or closed, a script begun), the lines after it are coloured anew. The colours are
// shown only: the text, its undo steps and its modified flag stay as they were. The colours
// come from the field's palette and follow it. With a spell checker, the misspelt words of
// the text between the tags are marked in the same pass.
class HtmlHighlighter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HtmlHighlighter)
public:
    // What a stretch is. The brackets of a tag count as its name; a DOCTYPE is coloured as a
    // tag, its identifiers as values. Everything else, raw text too, is text.
    enum class Kind : quint8 { TagName, AttributeName, AttributeValue, Comment, Reference };

    // Colours the document the field shows now.
    explicit HtmlHighlighter(QPlainTextEdit& field);

    // Marks misspelt words from now on, and follows the checker's changes.
    void checkSpelling(SpellChecker& checker);

    // Whether every line has its colours.
    bool settled() const { return m_first < 0; }
    // The format a kind of stretch is shown in.
    const QTextCharFormat& format(Kind kind) const { return m_formats[std::size_t(kind)]; }

    // Lines longer than this stay uncoloured; their state is still followed.
    static constexpr int kLongestColouredLine = 20000;
    // The longest stretch of colouring in one go.
    static constexpr int kSliceMilliseconds = 5;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void contentsChange(int position, int removed, int added);
    void colourSlice();
    void colourVisible();
    void showColours();
    void colour(QTextBlock& block, HtmlTokenizer::State start);
    void markMisspelt(const QString& line, const HtmlTokenizer::Token& text, qsizetype referenceEnd,
                      QList<QTextLayout::FormatRange>& ranges);
    void markAll();
    void noteChanged(int first, int last);
    void takeColoursFromPalette();

    QPlainTextEdit& m_field;
    QTextDocument* m_document;
    QTimer m_slice;
    HtmlTokenizer m_tokenizer;
    SpellChecker* m_spelling = nullptr;
    std::array<QTextCharFormat, 5> m_formats;
    // The block numbers from which the colours may be out of date, and up to which lines
    // were changed; m_first is -1 when every line has its colours.
    int m_first = -1;
    int m_last = -1;
    int m_blockCount = 0;
    // The part of the document whose formats changed since the layout was last told.
    int m_dirtyFrom = -1;
    int m_dirtyTo = -1;
};
