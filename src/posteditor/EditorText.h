#pragma once

#include "commands/FileDocument.h"
#include "core/platform/PageFile.h"
#include "core/platform/StandIns.h"

#include <QObject>
#include <QString>
#include <QStringList>

class Dialogs;
struct RecoveryCopy;
struct RecoverySnapshot;
class QPlainTextEdit;
class QPrinter;
class QTextDocument;

// The post-editor's text and the file it came from: reads a file into the editing field and
// writes the field back in the encoding the file was read in, so that a text saved unchanged
// differs from its file only in line ends, which are written as CR LF.
class EditorText final : public QObject, public FileDocument {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditorText)
public:
    EditorText(QPlainTextEdit& memo, Dialogs& dialogs);

    // Undo back to the text last opened or saved makes it unchanged again.
    bool hasUnsavedChanges() const override;
    // True when the text holds nothing unsaved or the user lets it go.
    bool mayDiscard();
    void whenDiscarded(std::function<void()> go) override;
    // Empties the field as one edit that undo takes back, so nothing is asked; a text begun
    // anew is written as UTF-8 and may be edited. The file stays the one proposed.
    void beginAnew(NewVariant variant) override;
    // Reads the file into the field; on failure the field is left as it was. A file whose
    // characters cannot all go through the field unchanged is shown read-only.
    Outcome open(const QString& path) override;
    bool isReadOnly() const override;
    bool hasFile() const override { return !m_file.isEmpty(); }
    // The file last opened or saved here.
    QString ownFile() const override { return m_file; }
    // Writes the field's text. A file read as Windows-1252 that no longer fits it is written
    // as an HTML page with character references, else as UTF-8 if the user agrees.
    std::optional<Outcome> write(const QString& path) override;
    // After the first save here, the file last opened or saved.
    QString previewFile() const override;
    void previewed(const QString&) override {}
    Outcome print(QPrinter& printer) override;
    // What the text will be written in.
    PageFile::Encoding encoding() const { return m_encoding; }

    // The field's document, which says whether the text holds unsaved work.
    QTextDocument& document() const;

    // The text as held, character for character, with '\n' between lines.
    QString text() const;
    // The text as a save writes it, before line ends and encoding: the characters the field
    // cannot hold are back in place of their stand-ins.
    QString asSaved() const;
    // The lines as the field shows them: a line it wraps gives one entry per piece.
    QStringList displayedLines() const;

    // What a copy of the unsaved text is taken from, cheap enough for every change.
    RecoverySnapshot recoverySnapshot() const;
    // Takes up a copy of unsaved work in place of the text, as unsaved work again, with the
    // file and encoding it had.
    void restore(const RecoveryCopy& copy);

signals:
    // The file or the encoding the text is written in changed.
    void fileChanged();
    // The text was written to its file.
    void saved();

private:
    // Puts a text into the field as the file's, read in the encoding given.
    void take(const QString& text, PageFile::Encoding encoding, const QString& file, bool unsaved);

    QPlainTextEdit& m_memo;
    Dialogs& m_dialogs;
    QString m_file;
    bool m_savedOnce = false;
    PageFile::Encoding m_encoding = PageFile::Encoding::Utf8;
    StandIns m_standIns;
};
