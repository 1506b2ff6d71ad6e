#pragma once

#include "core/platform/Outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Page files on disk. Writes go through QSaveFile and count only when every byte reached
// the file, so a failed save leaves the file that was there whole. Reads take regular files
// only and never more than the reader can hold.
namespace PageFile {

// How a text file's bytes were read, so that a save can write them back the same way. The
// UTF-16 ones without "Bom" are files that start with no byte-order mark.
enum class Encoding { Utf8, Utf8Bom, Windows1252, Utf16LE, Utf16BE, Utf16LENoBom, Utf16BENoBom };

// The encoding as the user is shown it ("UTF-8 mit BOM").
QString encodingName(Encoding encoding);

// What a file, print or decode step gives back: success, or the message to show.
// A file's text and how its bytes were encoded.
struct [[nodiscard]] Decoded : Outcome {
    QString text; // line breaks as read (CR LF, CR or LF); no byte-order mark
    Encoding encoding = Encoding::Utf8;
};

// The most a reader takes: bytes in all, and characters in one line.
struct Capacity {
    qint64 bytes;
    qsizetype lineLength;
};

// The largest page a window takes up from a file: 64 MiB in all, 4 MiB in one line.
inline constexpr Capacity kPageCapacity{qint64(64) << 20, qsizetype(4) << 20};

// Writes the bytes as the whole file, through a QSaveFile; in a folder that takes no
// temporary file, in place, putting the old bytes back should that fail. A symbolic link is
// followed through every level and its target written; the link stays. On failure the
// reason, and the file that was there is whole.
Outcome replaceFile(const QString& path, const QByteArray& bytes);

// Test seam: whether replaceFile may put a temporary file into the folder. By default, whether
// the folder is writable; a test sets its own check to lock a folder even for the superuser,
// whom permissions do not bind, and an empty one to go back to the default. Set it only
// while no save runs.
void setFolderTakesTemporaryFiles(std::function<bool(const QString& folder)> check);

// Every line followed by CR LF, UTF-8 without a byte-order mark. On failure the message
// "Datei \"<path>\" kann nicht erstellt werden. <reason>".
Outcome writeLines(const QString& path, const QStringList& lines);

// The text written as it stands, its line breaks (CR LF, CR or LF) written as CR LF. In
// Windows-1252, a character it cannot hold is written as a numeric character reference;
// ask needsUtf8() first for files that are not HTML.
Outcome writeText(const QString& path, const QString& text, Encoding encoding);

// Whether the text holds characters the encoding cannot hold and the file is not an HTML
// page, where they could be written as character references.
bool needsUtf8(const QString& path, const QString& text, Encoding encoding);

// Reads a whole regular file. Bytes that are not valid UTF-8 are read as Windows-1252; a
// byte-order mark selects UTF-8 or UTF-16, and so do the zero bytes of UTF-16 without one.
// More than the capacity is refused.
Decoded readText(const QString& path, const Capacity& capacity);

// The largest file copyFile takes: 256 MiB.
inline constexpr qint64 kCopyCapacity = qint64(256) << 20;

// Copies a regular file's bytes to a new file through a temporary name, so that the target
// either holds them all or does not appear. On failure the reason alone.
Outcome copyFile(const QString& from, const QString& to);

// Whether two files hold the same bytes; refused when either cannot be read.
Expected<bool> sameBytes(const QString& first, const QString& second);

// Encodes and decodes text in the given encoding (exposed for tests and the reader).
QByteArray encode(const QString& text, Encoding encoding, bool characterReferences = false);
Decoded decode(const QByteArray& bytes, const Capacity& capacity);

// The reason shown after a failed create or open: German for the common failures, the
// system's text for anything else.
QString reason(const QString& systemText);
QString notRegularReason();

QString createError(const QString& path, const QString& reason);
QString openError(const QString& path, const QString& reason);
QString capacityError();

} // namespace PageFile
