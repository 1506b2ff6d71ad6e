#pragma once

#include "platform/PageFile.h"
#include "platform/StandIns.h"

#include <QString>
#include <QStringList>

class Dialogs;
class QPlainTextEdit;

// The post-editor's text and the file it came from: reads a file into the editing field and
// writes the field back in the encoding the file was read in, so that a text saved unchanged
// differs from its file only in line ends, which are written as CR LF. Failures are shown
// through Dialogs.
class EditorText final {
    Q_DISABLE_COPY_MOVE(EditorText)
public:
    EditorText(QPlainTextEdit& memo, Dialogs& dialogs) : m_memo(memo), m_dialogs(dialogs) {}

    // Reads the file into the field; on failure the field is left as it was. A file whose
    // characters cannot all go through the field unchanged is shown read-only.
    bool load(const QString& path);
    // Writes the field's text. A file read as Windows-1252 that no longer fits it is written
    // as an HTML page with character references, else as UTF-8 if the user agrees.
    bool save(const QString& path);
    // Empties the field as one edit that undo takes back; a text begun anew is written as
    // UTF-8 and may be edited.
    void clear();
    // Whether the text is only shown and must not be saved.
    bool isReadOnly() const;
    // What the text will be written in.
    PageFile::Encoding encoding() const { return m_encoding; }

    // The text as held, character for character, with '\n' between lines.
    QString text() const;
    // The text as a save writes it, before line ends and encoding: the characters the field
    // cannot hold are back in place of their stand-ins.
    QString asSaved() const;
    // The lines as the field shows them: a line it wraps gives one entry per piece.
    QStringList displayedLines() const;

private:
    QPlainTextEdit& m_memo;
    Dialogs& m_dialogs;
    PageFile::Encoding m_encoding = PageFile::Encoding::Utf8;
    StandIns m_standIns;
};
