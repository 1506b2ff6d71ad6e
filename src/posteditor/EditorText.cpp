#include "posteditor/EditorText.h"

#include "ui/FieldText.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace {

// CR LF and lone CR become LF, in one pass over the text in place.
QString withLineFeeds(QString text) {
    if (!text.contains(u'\r'))
        return text;
    QChar* out = text.data();
    const QChar* in = out;
    const QChar* const end = in + text.size();
    while (in != end) {
        const QChar c = *in++;
        if (c == u'\r') {
            *out++ = u'\n';
            if (in != end && *in == u'\n')
                ++in;
        } else {
            *out++ = c;
        }
    }
    text.truncate(out - text.constData());
    return text;
}

} // namespace

QString EditorText::load(const QString& path) {
    PageFile::ReadResult read = PageFile::readText(path, kCapacity);
    if (read.tooLarge)
        return QStringLiteral("Text überschreitet Memo-Kapazität");
    if (!read.ok)
        return read.error;
    // The field holds '\n' between lines; the file's own kind of line end is not kept,
    // since a save writes CR LF for every one.
    m_memo.setPlainText(withLineFeeds(std::move(read.text)));
    m_encoding = read.encoding;
    return {};
}

QString EditorText::save(const QString& path) const {
    return PageFile::writeText(path, text(), m_encoding);
}

void EditorText::clear() {
    QTextCursor cursor(m_memo.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    m_encoding = PageFile::Encoding::Utf8;
}

QString EditorText::text() const {
    return FieldText(m_memo);
}

QStringList EditorText::displayedLines() const {
    QTextDocument* document = m_memo.document();
    const auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (layout)
            layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* blockLayout = block.layout();
        if (!blockLayout || blockLayout->lineCount() == 0) {
            lines.append(text);
            continue;
        }
        for (int i = 0; i < blockLayout->lineCount(); ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            lines.append(text.mid(line.textStart(), line.textLength()));
        }
    }
    return lines;
}
