#include "posteditor/EditorText.h"

#include "core/context/RecoveryCopy.h"
#include "core/platform/BareFileName.h"
#include "platform/Dialogs.h"
#include "platform/TextPrinter.h"
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

EditorText::EditorText(QPlainTextEdit& memo, Dialogs& dialogs) : m_memo(memo), m_dialogs(dialogs) {}

bool EditorText::hasUnsavedChanges() const {
    return m_memo.document()->isModified();
}

bool EditorText::mayDiscard() {
    return !hasUnsavedChanges() ||
           m_dialogs.yesOrNo(
               QStringLiteral("Wollen Sie den Text von „%1“ verwerfen?")
                   .arg(m_file.isEmpty() ? QStringLiteral("Unbenannt") : BareFileName(m_file)),
               m_memo.window());
}

void EditorText::whenDiscarded(std::function<void()> go) {
    // A file taken up replaces the text for good: unsaved text goes only after "Ja".
    if (mayDiscard())
        go();
}

Outcome EditorText::open(const QString& path) {
    PageFile::Decoded read = PageFile::readText(path, PageFile::kPageCapacity);
    if (!read.ok())
        return {read.error};
    // The field holds '\n' between lines; the file's own kind of line end is not kept,
    // since a save writes CR LF for every one.
    take(withLineFeeds(std::move(read.text)), read.encoding, path, false);
    return {};
}

void EditorText::take(const QString& text, PageFile::Encoding encoding, const QString& file,
                      bool unsaved) {
    m_standIns = StandIns::chooseFor(text);
    m_memo.setPlainText(m_standIns.hide(text));
    m_encoding = encoding;
    // A text that cannot go through the field unchanged is only shown.
    m_memo.setReadOnly(!m_standIns.complete());
    m_file = file;
    m_memo.document()->setModified(unsaved);
    emit fileChanged();
}

RecoverySnapshot EditorText::recoverySnapshot() const {
    RecoverySnapshot snapshot;
    snapshot.copy.window = RecoveryCopy::Window::PostEditor;
    snapshot.copy.taken = QDateTime::currentDateTime();
    snapshot.copy.file = m_file;
    snapshot.copy.hasFile = hasFile();
    snapshot.copy.encoding = m_encoding;
    snapshot.rawText = m_memo.document()->toRawText();
    snapshot.standIns = m_standIns;
    return snapshot;
}

void EditorText::restore(const RecoveryCopy& copy) {
    take(copy.text, copy.encoding, copy.file, true);
}

std::optional<Outcome> EditorText::write(const QString& path) {
    const QString written = asSaved();
    PageFile::Encoding encoding = m_encoding;
    if (PageFile::needsUtf8(path, written, encoding)) {
        if (!m_dialogs.question(QStringLiteral("Die Datei enthält Zeichen, die Windows-1252 "
                                               "nicht speichern kann. Als UTF-8 speichern?")))
            return std::nullopt;
        encoding = PageFile::Encoding::Utf8;
    }
    const Outcome outcome = PageFile::writeText(path, written, encoding);
    if (!outcome.ok())
        return outcome;
    m_encoding = encoding;
    m_file = path;
    m_savedOnce = true;
    m_memo.document()->setModified(false);
    emit saved();
    emit fileChanged();
    return outcome;
}

QString EditorText::previewFile() const {
    return m_savedOnce ? m_file : QString();
}

Outcome EditorText::print(QPrinter& printer) {
    return TextPrinter::print(printer, displayedLines(), m_memo.font());
}

void EditorText::beginAnew(NewVariant) {
    QTextCursor cursor(m_memo.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    m_encoding = PageFile::Encoding::Utf8;
    m_standIns = StandIns();
    m_memo.setReadOnly(false);
    m_memo.document()->setModified(false);
    emit fileChanged();
}

bool EditorText::isReadOnly() const {
    return m_memo.isReadOnly();
}

QTextDocument& EditorText::document() const {
    return *m_memo.document();
}

QString EditorText::text() const {
    return FieldText(m_memo);
}

QString EditorText::asSaved() const {
    return m_standIns.restore(text());
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
