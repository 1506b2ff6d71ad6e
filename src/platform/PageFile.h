#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Page files on disk. Writes go through QSaveFile, so a failed save leaves the file that
// was there whole.
namespace PageFile {

// How a text file's bytes were read, so that a save can write them back the same way.
enum class Encoding { Utf8, Windows1252 };

struct ReadResult {
    bool ok = false;
    QString text; // line breaks as read (CR LF, CR or LF)
    Encoding encoding = Encoding::Utf8;
    QString error; // the user-facing message when !ok
    bool tooLarge = false;
};

// Every line followed by CR LF, UTF-8 without a byte-order mark. Returns an empty text on
// success, else the message "Datei \"<path>\" kann nicht erstellt werden. <reason>".
QString writeLines(const QString& path, const QStringList& lines);

// The text written as it stands, its line breaks (CR LF, CR or LF) written as CR LF.
QString writeText(const QString& path, const QString& text, Encoding encoding);

// Reads a whole text file. Bytes that are not valid UTF-8 are read as Windows-1252.
// Files larger than maxBytes are refused with tooLarge set.
ReadResult readText(const QString& path, qint64 maxBytes);

// Encodes and decodes text in the given encoding (exposed for tests and the reader).
QByteArray encode(const QString& text, Encoding encoding);
QString decode(const QByteArray& bytes, Encoding* detected);

QString createError(const QString& path, const QString& reason);
QString openError(const QString& path, const QString& reason);

} // namespace PageFile
