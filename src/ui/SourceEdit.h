#pragma once

#include <QPlainTextEdit>

class HtmlHighlighter;
class LineNumbers;
class SpellChecker;

// A plain text field for source text: the line numbers in a gutter at its left, following the
// text as it scrolls and the font as it changes, and the line that holds the caret softly
// marked. Otherwise an ordinary QPlainTextEdit.
class SourceEdit final : public QPlainTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SourceEdit)
public:
    explicit SourceEdit(QWidget* parent = nullptr);

    // A field for a page's HTML, named so: the system's fixed-width font, Shift+Enter as an
    // ordinary line break, coloured HTML, the vertical scroll bar always shown. With wrap, long
    // lines wrap at spaces only; without, they do not wrap.
    static SourceEdit* forHtml(const char* objectName, bool wrap);

    // Shows and edits a document that lives elsewhere (it gets a plain-text layout first, and
    // the field's font).
    void showDocument(QTextDocument& document);

    // Marks the misspelt words of the text between the tags, and offers the spelling items in
    // the context menu; for a field that shows HTML.
    void checkSpelling(SpellChecker& checker);

    // The gutter's width: room for the highest line number.
    int gutterWidth() const;

    // Marks stretches of the text {start, length} as found by a search; none unmarks them.
    void markFound(const QList<std::pair<int, int>>& stretches);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class LineNumbers;
    void paintLineNumbers(QPaintEvent* event);
    void fitGutter();
    void followUpdate(const QRect& rect, int dy);
    void markCurrentLine();
    void colour();

    LineNumbers* m_gutter;
    QList<QTextEdit::ExtraSelection> m_found;
    // The colouring of the document shown, when the field shows HTML.
    HtmlHighlighter* m_highlighter = nullptr;
    SpellChecker* m_spelling = nullptr;
};
