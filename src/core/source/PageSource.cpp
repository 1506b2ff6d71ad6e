#include "core/source/PageSource.h"

#include "core/platform/LineSplit.h"
#include "core/source/SourceHtml.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The block holding the last line: the last block, or the one before it when the text
// ends with a line break (which leaves an empty last block). Invalid for an empty text.
QTextBlock lastLineBlock(const QTextDocument& document) {
    const QTextBlock last = document.lastBlock();
    if (last.length() > 1)
        return last;
    return last.previous();
}

// An edit block for the lifetime of the scope: one undo step, one change notice.
class EditScope final {
public:
    explicit EditScope(QTextDocument& document) : m_cursor(&document) { m_cursor.beginEditBlock(); }
    ~EditScope() { m_cursor.endEditBlock(); }
    QTextCursor& cursor() { return m_cursor; }

private:
    QTextCursor m_cursor;
};

// The texts as lines of the page, each ended by a line break.
QString linesOf(const QStringList& texts) {
    QString lines;
    for (const QString& text : texts) {
        for (const QString& line : SplitAppendedText(text)) {
            lines += line;
            lines += u'\n';
        }
    }
    return lines;
}

} // namespace

PageSource::PageSource(QObject* parent) : QObject(parent), m_document(new QTextDocument(this)) {}

QStringList PageSource::lines() const {
    return SplitDocumentText(m_document->toRawText());
}

int PageSource::lineCount() const {
    const QTextBlock end = lastLineBlock(*m_document);
    return end.isValid() ? end.blockNumber() + 1 : 0;
}

QString PageSource::lastLine() const {
    const QTextBlock end = lastLineBlock(*m_document);
    return end.isValid() ? end.text() : QString();
}

bool PageSource::commit(const QStringList& texts) {
    if (isReadOnly()) {
        emit changeRefused();
        return false;
    }
    {
        EditScope edit(*m_document);
        removeClosingTail(edit.cursor());
        append(edit.cursor(), texts);
    }
    emit committed();
    return true;
}

bool PageSource::replace(qsizetype first, qsizetype count, const QStringList& texts) {
    if (isReadOnly()) {
        emit changeRefused();
        return false;
    }
    {
        EditScope edit(*m_document);
        QTextCursor& cursor = edit.cursor();
        cursor.setPosition(m_document->findBlockByNumber(int(first)).position());
        // Through the line break of the last line replaced, or to the end of a page whose
        // last line has none.
        const QTextBlock after = m_document->findBlockByNumber(int(first + count));
        cursor.setPosition(after.isValid() ? after.position() : m_document->characterCount() - 1,
                           QTextCursor::KeepAnchor);
        cursor.insertText(linesOf(texts));
    }
    emit committed();
    return true;
}

void PageSource::RemoveClosingTail() {
    EditScope edit(*m_document);
    removeClosingTail(edit.cursor());
}

QStringList PageSource::linesAsSaved() const {
    QStringList result = lines();
    if (!isClosed())
        result += SourceHtml::closingTail();
    if (m_standIns.swapsAny()) {
        for (QString& line : result)
            line = m_standIns.restore(std::move(line));
    }
    return result;
}

bool PageSource::isClosed() const {
    return lastLine() == SourceHtml::kHtmlClose;
}

void PageSource::closeDocument() {
    if (isClosed())
        return;
    EditScope edit(*m_document);
    append(edit.cursor(), SourceHtml::closingTail());
}

void PageSource::clear() {
    // Marked saved first: clearing the document drops its changes without telling anyone.
    markSaved();
    m_document->clear();
    setStandIns(StandIns());
    markSaved();
}

void PageSource::setStandIns(const StandIns& standIns) {
    const bool wasReadOnly = isReadOnly();
    m_standIns = standIns;
    if (isReadOnly() != wasReadOnly)
        emit readOnlyChanged(isReadOnly());
}

void PageSource::open(const QStringList& lines, bool changed, const StandIns& standIns) {
    setStandIns(standIns);
    QString text = lines.join(u'\n');
    if (!lines.isEmpty())
        text += u'\n';
    // Setting the whole text starts a new undo history.
    m_document->setPlainText(text);
    m_document->setModified(changed);
    emit committed();
}

QString PageSource::rawText() const {
    return m_document->toRawText();
}

bool PageSource::hasUnsavedChanges() const {
    // Undo back to the state last saved makes the page saved again.
    return m_document->isModified();
}

void PageSource::markSaved() {
    m_document->setModified(false);
}

void PageSource::removeClosingTail(QTextCursor& cursor) {
    const QTextBlock last = lastLineBlock(*m_document);
    if (!last.isValid() || last.text() != SourceHtml::kHtmlClose)
        return;
    // The line before "</html>" goes only when it is the "</body>" a save appended; a line
    // the user typed there stays.
    QTextBlock from = last;
    const QTextBlock before = last.previous();
    if (before.isValid() && before.text() == SourceHtml::kBodyClose)
        from = before;
    cursor.setPosition(from.position());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void PageSource::append(QTextCursor& cursor, const QStringList& texts) {
    QString inserted = linesOf(texts);
    if (inserted.isEmpty())
        return;
    cursor.movePosition(QTextCursor::End);
    // A last line the user left without a line break keeps its text on its own line.
    if (m_document->lastBlock().length() > 1)
        inserted.prepend(u'\n');
    cursor.insertText(inserted);
}
