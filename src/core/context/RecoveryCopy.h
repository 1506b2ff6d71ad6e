#pragma once

#include "core/generators/PageKind.h"
#include "core/platform/Outcome.h"
#include "core/platform/PageFile.h"
#include "core/platform/StandIns.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

// Unsaved work kept on disk while the program runs, so that it outlives a crash: the text a
// save would write and what the window needs to take it up again as it was.
struct RecoveryCopy {
    // The window the work belongs to.
    enum class Window : quint8 { Page, PostEditor };

    Window window = Window::Page;
    // When the copy was taken.
    QDateTime taken;
    // The page: its own file and whether it is saved under it; the post-editor: the file last
    // opened or saved there (empty without one).
    QString file;
    bool hasFile = false;
    // The page alone: its kind, whether the general settings were written, and the full path
    // chosen for each picture's bare name.
    PageKind kind = PageKind::Classic;
    bool generalSettingsDone = false;
    QHash<QString, QString> pictures;
    // The post-editor alone: what its text is written in.
    PageFile::Encoding encoding = PageFile::Encoding::Utf8;
    // The text as a save writes it. The page's: its lines, each followed by '\n' (which no
    // line of the page holds), without the closing tail a save appends; the post-editor's:
    // its text with '\n' between lines.
    QString text;

    // The file's bare name, or „Unbenannt“, then the time the copy was taken:
    // "Meine Seite.html – 09.12.2026, 14:03".
    QString caption() const;

    // Every character of every text exactly, whatever it holds (lone surrogates too).
    QByteArray encode() const;
    // The copy, or why these bytes are none: a truncated or foreign file is refused as a
    // whole, never taken up in part.
    static Expected<RecoveryCopy> decode(const QByteArray& bytes);
    // The copy in the file, or the message naming the file that cannot be taken up.
    static Expected<RecoveryCopy> read(const QString& path);
};

// What the window's thread takes of its text for a copy: the document's raw text, which costs
// no more than copying its characters, and the stand-ins to put back. Everything per line is
// left to the worker that writes the copy.
struct RecoverySnapshot {
    RecoveryCopy copy; // all but the text
    QString rawText;   // QTextDocument::toRawText()
    StandIns standIns;

    // The copy with its text as a save writes it: the page's blocks (apart by U+2029) as
    // lines, U+2028 kept in its line; the post-editor's lines and soft breaks alike as '\n'.
    // One pass over the characters, whatever the number of lines.
    RecoveryCopy finished() &&;
};
