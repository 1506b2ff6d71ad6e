#include "core/platform/PageFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <functional>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PageFile {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; five of those bytes are unused.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr qint64 kReadChunk = qint64(1) << 20;

// How much of a file's start is looked at to tell UTF-16 without a byte-order mark.
constexpr qsizetype kUtf16Sample = 4096;

// As many levels of symbolic links as the system follows before it gives up.
constexpr int kLinkLevels = 40;

// The check set through setFolderTakesTemporaryFiles; empty, the folder is asked.
std::function<bool(const QString&)> folderCheck;

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16LeBom("\xFF\xFE");
const QByteArray kUtf16BeBom("\xFE\xFF");

QString decodeCp1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = (u >= 0x80 && u < 0xA0) ? QChar(kCp1252High[u - 0x80]) : QChar(u);
    }
    return text;
}

// The Windows-1252 byte for a code point, if it has one.
std::optional<char> cp1252Byte(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// Calls visit with every code point of the text; a lone surrogate is visited as itself.
template <typename Visit> void forEachCodePoint(const QString& text, Visit visit) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            visit(char32_t(c.unicode()));
        }
    }
}

QByteArray encodeCp1252(const QString& text, bool characterReferences) {
    QByteArray bytes;
    bytes.reserve(text.size());
    forEachCodePoint(text, [&](char32_t u) {
        if (const std::optional<char> b = cp1252Byte(u))
            bytes.append(*b);
        else if (characterReferences)
            bytes.append("&#" + QByteArray::number(uint(u)) + ';');
        else
            bytes.append('?');
    });
    return bytes;
}

QByteArray encodeUtf16(const QString& text, QStringConverter::Encoding encoding,
                       QStringConverter::Flags flags) {
    QStringEncoder encoder(encoding, flags);
    return encoder.encode(text);
}

// The text decoded with the encoding, unless its bytes are not valid in it.
std::optional<QString> decodeStrictly(QByteArrayView bytes, QStringConverter::Encoding encoding) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Whether at least nine in ten of the bytes at every other position from start, within the
// sample at the file's start, are zero: the high bytes of UTF-16 text in a Latin script.
bool mostlyZero(QByteArrayView bytes, qsizetype start) {
    const QByteArrayView sample = bytes.first(std::min(bytes.size(), kUtf16Sample));
    qsizetype count = 0;
    qsizetype zeros = 0;
    for (qsizetype i = start; i < sample.size(); i += 2) {
        ++count;
        if (sample[i] == 0)
            ++zeros;
    }
    return count > 0 && zeros * 10 >= count * 9;
}

bool hasLoneSurrogate(const QString& text) {
    bool lone = false;
    forEachCodePoint(text, [&](char32_t u) { lone = lone || QChar::isSurrogate(u); });
    return lone;
}

// The text of UTF-16 without a byte-order mark whose high bytes stand at every other position
// from highByte: an even number of bytes, mostly zero high bytes, every surrogate paired.
// Nothing when the bytes are not that.
std::optional<QString> decodeUnmarkedUtf16(QByteArrayView bytes, qsizetype highByte,
                                           QStringConverter::Encoding encoding) {
    if (bytes.size() % 2 != 0 || !mostlyZero(bytes, highByte))
        return std::nullopt;
    std::optional<QString> text = decodeStrictly(bytes, encoding);
    if (text && hasLoneSurrogate(*text))
        return std::nullopt;
    return text;
}

qsizetype longestLine(const QString& text) {
    qsizetype longest = 0;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            longest = std::max(longest, i - start);
            start = i + 1;
        }
    }
    return std::max(longest, n - start);
}

// Joins text with CR LF for every line break, whatever kind it was.
QString withCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

Decoded refused(QString error) {
    Decoded decoded;
    decoded.error = std::move(error);
    return decoded;
}

bool isHtmlPath(const QString& path) {
    return path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

QString systemReason(int error) {
    return reason(qt_error_string(error));
}

// The file a path names: symbolic links are followed through every level, and a link whose
// target is missing names that target. Nothing when the links go round in a loop.
std::optional<QString> linkTarget(const QString& path) {
    QFileInfo info(path);
    for (int level = 0; info.isSymLink(); ++level) {
        if (level == kLinkLevels)
            return std::nullopt;
        info.setFile(info.symLinkTarget());
    }
    return info.filePath();
}

bool folderTakesTemporaryFiles(const QString& folder) {
    return folderCheck ? folderCheck(folder) : QFileInfo(folder).isWritable();
}

// A folder that takes no temporary file still lets a writable file in it be saved, by
// writing the file in place: its old bytes are kept to be put back should that fail.
std::optional<QByteArray> keepForDirectWrite(const QFileInfo& target) {
    if (!target.isFile() || !target.isWritable() ||
        folderTakesTemporaryFiles(target.absolutePath()))
        return std::nullopt;
    // Old bytes that cannot be read could not be put back: then the file is not written.
    QFile file(target.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Writes every byte through the handle; on failure the system's error number.
int writeAll(int handle, QByteArrayView bytes) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(handle, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        data += written;
        left -= written;
    }
    return 0;
}

// Empties the file and writes every byte into it; on failure the reason.
Outcome overwrite(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return {reason(file.errorString())};
    if (const int error = writeAll(file.handle(), bytes); error != 0)
        return {systemReason(error)};
    file.close();
    if (file.error() != QFileDevice::NoError)
        return {reason(file.errorString())};
    return {};
}

// Writes the file in place; should that fail, its old bytes are put back.
Outcome writeInPlace(const QString& path, QByteArrayView bytes, QByteArrayView oldBytes) {
    const Outcome written = overwrite(path, bytes);
    if (!written.ok())
        static_cast<void>(overwrite(path, oldBytes));
    return written;
}

Outcome writeBytes(const QString& path, const QByteArray& bytes) {
    const Outcome replaced = replaceFile(path, bytes);
    if (!replaced.ok())
        return {createError(path, replaced.error)};
    return {};
}

// Reads at most limit + 1 bytes of a regular file, without ever waiting on the file. On
// failure the reason alone.
Outcome readBytes(const QString& path, qint64 limit, QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {systemReason(errno)};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {reason(file.errorString())};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return {systemReason(errno)};
    if (!S_ISREG(status.st_mode))
        return {notRegularReason()};
    // The size is not trusted (files of the system report none): read in chunks up to one
    // byte past the limit.
    while (bytes.size() <= limit) {
        const QByteArray chunk = file.read(std::min(kReadChunk, limit + 1 - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            return {reason(file.errorString())};
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    return {};
}

} // namespace

Outcome replaceFile(const QString& path, const QByteArray& bytes) {
    const std::optional<QString> resolved = linkTarget(path);
    if (!resolved)
        return {systemReason(ELOOP)};
    const QFileInfo target(*resolved);
    if (target.exists() && !target.isFile())
        return {notRegularReason()};
    if (target.exists() && !target.isWritable())
        return {systemReason(EACCES)};
    if (const std::optional<QByteArray> oldBytes = keepForDirectWrite(target))
        return writeInPlace(*resolved, bytes, *oldBytes);
    QSaveFile file(*resolved);
    // Unbuffered, so that every byte is known to have reached the file before commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {reason(file.errorString())};
    const int error = writeAll(file.handle(), bytes);
    if (error == 0 && file.commit())
        return {};
    const QString failure = error != 0 ? systemReason(error) : reason(file.errorString());
    file.cancelWriting();
    return {failure};
}

void setFolderTakesTemporaryFiles(std::function<bool(const QString& folder)> check) {
    folderCheck = std::move(check);
}

QString encodingName(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf8Bom:
        return QStringLiteral("UTF-8 mit BOM");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case Encoding::Utf16LE:
        return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16BE:
        return QStringLiteral("UTF-16 BE");
    case Encoding::Utf16LENoBom:
        return QStringLiteral("UTF-16 LE (ohne BOM)");
    case Encoding::Utf16BENoBom:
        return QStringLiteral("UTF-16 BE (ohne BOM)");
    }
    return {};
}

QString reason(const QString& systemText) {
    struct Row {
        int error;
        const char16_t* reason;
    };
    static constexpr Row kReasons[] = {
        {ENOSPC, u"Auf dem Datenträger ist kein Platz mehr frei."},
        {EACCES, u"Zugriff verweigert."},
        {EPERM, u"Zugriff verweigert."},
        {EROFS, u"Das Dateisystem ist schreibgeschützt."},
        {ENOENT, u"Die Datei oder der Ordner existiert nicht."},
        {EFBIG, u"Die Datei ist zu groß."},
        {ELOOP, u"Zu viele symbolische Verknüpfungen."},
        {ENOTDIR, u"Ein Teil des Pfades ist kein Ordner."},
        {ENAMETOOLONG, u"Der Dateiname ist zu lang."},
    };
    for (const Row& row : kReasons) {
        if (systemText == qt_error_string(row.error))
            return QString::fromUtf16(row.reason);
    }
    return systemText;
}

QString notRegularReason() {
    return QStringLiteral("Das ist keine gewöhnliche Datei.");
}

QString createError(const QString& path, const QString& reason) {
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, reason);
}

QString openError(const QString& path, const QString& reason) {
    return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, reason);
}

QString capacityError() {
    return QStringLiteral("Text überschreitet Memo-Kapazität");
}

QByteArray encode(const QString& text, Encoding encoding, bool characterReferences) {
    switch (encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8Bom:
        return kUtf8Bom + text.toUtf8();
    case Encoding::Windows1252:
        return encodeCp1252(text, characterReferences);
    case Encoding::Utf16LE:
        return encodeUtf16(text, QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    case Encoding::Utf16BE:
        return encodeUtf16(text, QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    case Encoding::Utf16LENoBom:
        return encodeUtf16(text, QStringConverter::Utf16LE, QStringConverter::Flag::Default);
    case Encoding::Utf16BENoBom:
        return encodeUtf16(text, QStringConverter::Utf16BE, QStringConverter::Flag::Default);
    }
    return {};
}

Decoded decode(const QByteArray& bytes, const Capacity& capacity) {
    if (bytes.size() > capacity.bytes)
        return refused(capacityError());
    Decoded decoded;
    struct Marked {
        const QByteArray& bom;
        QStringConverter::Encoding converter;
        Encoding encoding;
    };
    const Marked kMarked[] = {
        {kUtf8Bom, QStringConverter::Utf8, Encoding::Utf8Bom},
        {kUtf16LeBom, QStringConverter::Utf16LE, Encoding::Utf16LE},
        {kUtf16BeBom, QStringConverter::Utf16BE, Encoding::Utf16BE},
    };
    std::optional<QString> text;
    for (const Marked& marked : kMarked) {
        if (!bytes.startsWith(marked.bom))
            continue;
        text = decodeStrictly(QByteArrayView(bytes).sliced(marked.bom.size()), marked.converter);
        decoded.encoding = marked.encoding;
        break;
    }
    // Without a mark, UTF-16 in a Latin script is told by its zero high bytes: low byte first
    // (the high bytes at the odd positions), then high byte first.
    struct Unmarked {
        qsizetype highByte;
        QStringConverter::Encoding converter;
        Encoding encoding;
    };
    static constexpr Unmarked kUnmarked[] = {
        {1, QStringConverter::Utf16LE, Encoding::Utf16LENoBom},
        {0, QStringConverter::Utf16BE, Encoding::Utf16BENoBom},
    };
    for (const Unmarked& unmarked : kUnmarked) {
        if (text)
            break;
        text = decodeUnmarkedUtf16(bytes, unmarked.highByte, unmarked.converter);
        decoded.encoding = unmarked.encoding;
    }
    if (!text) {
        text = decodeStrictly(bytes, QStringConverter::Utf8);
        decoded.encoding = Encoding::Utf8;
    }
    if (!text) {
        text = decodeCp1252(bytes);
        decoded.encoding = Encoding::Windows1252;
    }
    if (longestLine(*text) > capacity.lineLength)
        return refused(capacityError());
    decoded.text = std::move(*text);
    return decoded;
}

Outcome writeLines(const QString& path, const QStringList& lines) {
    // Every line is encoded straight into one buffer: no copy of the page as one text.
    qsizetype characters = 0;
    for (const QString& line : lines)
        characters += line.size() + 2;
    QStringEncoder encoder(QStringEncoder::Utf8);
    QByteArray bytes(encoder.requiredSpace(characters), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QString& line : lines) {
        out = encoder.appendToBuffer(out, line);
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.constData());
    return writeBytes(path, bytes);
}

bool needsUtf8(const QString& path, const QString& text, Encoding encoding) {
    if (encoding != Encoding::Windows1252 || isHtmlPath(path))
        return false;
    bool fits = true;
    forEachCodePoint(text, [&](char32_t u) { fits = fits && cp1252Byte(u).has_value(); });
    return !fits;
}

Outcome writeText(const QString& path, const QString& text, Encoding encoding) {
    return writeBytes(path, encode(withCrLf(text), encoding, isHtmlPath(path)));
}

Decoded readText(const QString& path, const Capacity& capacity) {
    QByteArray bytes;
    if (Outcome failed = readBytes(path, capacity.bytes, bytes); !failed.ok())
        return refused(openError(path, failed.error));
    return decode(bytes, capacity);
}

Outcome copyFile(const QString& from, const QString& to) {
    QByteArray bytes;
    if (Outcome failed = readBytes(from, kCopyCapacity, bytes); !failed.ok())
        return failed;
    if (bytes.size() > kCopyCapacity)
        return {systemReason(EFBIG)};
    return replaceFile(to, bytes);
}

Expected<bool> sameBytes(const QString& first, const QString& second) {
    QByteArray bytes[2];
    const QString* paths[] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        if (const Outcome read = readBytes(*paths[i], kCopyCapacity, bytes[i]); !read.ok())
            return {read};
    }
    return {{}, bytes[0] == bytes[1]};
}

} // namespace PageFile
