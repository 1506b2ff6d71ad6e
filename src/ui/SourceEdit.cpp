#include "ui/SourceEdit.h"

#include "platform/FileTextField.h"
#include "ui/HtmlHighlighter.h"
#include "ui/SpellingMenu.h"

#include <QPlainTextDocumentLayout>

#include <QPainter>
#include <QTextBlock>

namespace {

constexpr int kGutterPadding = 4;

// The colour a part of the way from one colour to another.
QColor blend(const QColor& from, const QColor& to, double part) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * part),
                            float(from.greenF() + (to.greenF() - from.greenF()) * part),
                            float(from.blueF() + (to.blueF() - from.blueF()) * part));
}

} // namespace

// The gutter: paints what the field tells it to.
class LineNumbers final : public QWidget {
public:
    explicit LineNumbers(SourceEdit& field) : QWidget(&field), m_field(field) {
        setObjectName(QStringLiteral("LineNumbers"));
    }

protected:
    void paintEvent(QPaintEvent* event) override { m_field.paintLineNumbers(event); }

private:
    SourceEdit& m_field;
};

SourceEdit::SourceEdit(QWidget* parent) : QPlainTextEdit(parent), m_gutter(new LineNumbers(*this)) {
    connect(this, &QPlainTextEdit::blockCountChanged, this, &SourceEdit::fitGutter);
    connect(this, &QPlainTextEdit::updateRequest, this, &SourceEdit::followUpdate);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &SourceEdit::markCurrentLine);
    fitGutter();
    markCurrentLine();
}

int SourceEdit::gutterWidth() const {
    int digits = 1;
    for (int highest = qMax(1, blockCount()); highest >= 10; highest /= 10)
        ++digits;
    return 2 * kGutterPadding + fontMetrics().horizontalAdvance(u'9') * digits;
}

void SourceEdit::fitGutter() {
    const int width = gutterWidth();
    if (viewportMargins().left() != width)
        setViewportMargins(width, 0, 0, 0);
    const QRect contents = contentsRect();
    m_gutter->setGeometry(contents.left(), contents.top(), width, contents.height());
}

void SourceEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    fitGutter();
}

void SourceEdit::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitGutter();
    else if (event->type() == QEvent::PaletteChange)
        markCurrentLine();
}

void SourceEdit::followUpdate(const QRect& rect, int dy) {
    if (dy != 0)
        m_gutter->scroll(0, dy);
    else
        m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
}

void SourceEdit::markCurrentLine() {
    QTextEdit::ExtraSelection line;
    line.format.setBackground(
        blend(palette().color(QPalette::Base), palette().color(QPalette::Highlight), 0.12));
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    setExtraSelections(QList<QTextEdit::ExtraSelection>{line} + m_found);
    // The current line's number is drawn brighter.
    m_gutter->update();
}

void SourceEdit::markFound(const QList<std::pair<int, int>>& stretches) {
    if (stretches.isEmpty() && m_found.isEmpty())
        return;
    m_found.clear();
    QTextCharFormat found;
    found.setBackground(blend(palette().color(QPalette::Base), QColor(255, 190, 0), 0.45));
    for (const auto& [start, length] : stretches) {
        QTextCursor stretch(document());
        stretch.setPosition(start);
        stretch.setPosition(start + length, QTextCursor::KeepAnchor);
        m_found.append({stretch, found});
    }
    markCurrentLine();
}

void SourceEdit::paintLineNumbers(QPaintEvent* event) {
    QPainter painter(m_gutter);
    const QPalette& colours = palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));
    const QColor text = colours.color(QPalette::Text);
    const QColor faint = blend(colours.color(QPalette::Base), text, 0.55);
    const int current = textCursor().blockNumber();
    const int right = m_gutter->width() - kGutterPadding;
    const int lineHeight = fontMetrics().height();

    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (block.isVisible() && bottom >= event->rect().top()) {
            painter.setPen(block.blockNumber() == current ? text : faint);
            painter.drawText(0, qRound(top), right, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
    }
}

SourceEdit* SourceEdit::forHtml(const char* objectName, bool wrap) {
    auto* field = new SourceEdit;
    field->setObjectName(QString::fromLatin1(objectName));
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (wrap) {
        // A run without spaces is never split: that would freeze the field on long lines.
        field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        field->setWordWrapMode(QTextOption::WordWrap);
    } else {
        field->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    SetUpFileTextField(*field);
    field->colour();
    return field;
}

void SourceEdit::showDocument(QTextDocument& document) {
    // The colouring belongs to the document it was made for.
    const bool coloured = m_highlighter != nullptr;
    delete m_highlighter;
    m_highlighter = nullptr;
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    setDocument(&document);
    // The text is laid out in the field's font, as in a document of the field's own.
    document.setDefaultFont(font());
    if (coloured)
        colour();
}

void SourceEdit::colour() {
    m_highlighter = new HtmlHighlighter(*this);
    if (m_spelling)
        m_highlighter->checkSpelling(*m_spelling);
}

void SourceEdit::checkSpelling(SpellChecker& checker) {
    if (m_spelling || !m_highlighter)
        return;
    m_spelling = &checker;
    m_highlighter->checkSpelling(checker);
    SpellingMenu::install(*this, checker);
}
