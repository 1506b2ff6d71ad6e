#pragma once

#include "platform/PageFile.h"

#include <QString>
#include <QStringList>

class QPlainTextEdit;

// The post-editor's text and the file it came from: reads a file into the editing field and
// writes the field back in the encoding the file was read in, so that a text saved unchanged
// differs from its file only in line ends, which are written as CR LF.
class EditorText final {
    Q_DISABLE_COPY_MOVE(EditorText)
public:
    // The largest file the field takes.
    static constexpr qint64 kCapacity = qint64(64) * 1024 * 1024;

    explicit EditorText(QPlainTextEdit& memo) : m_memo(memo) {}

    // Reads the file into the field. On failure the field is left as it was and the message
    // to show is returned; an empty text means success.
    QString load(const QString& path);
    // Writes the field's text; returns the message to show on failure, else an empty text.
    QString save(const QString& path) const;
    // Empties the field as one edit that undo takes back; a text begun anew is written as
    // UTF-8.
    void clear();

    // The text as held, character for character, with '\n' between lines.
    QString text() const;
    // The lines as the field shows them: a line it wraps gives one entry per piece.
    QStringList displayedLines() const;

private:
    QPlainTextEdit& m_memo;
    PageFile::Encoding m_encoding = PageFile::Encoding::Utf8;
};
