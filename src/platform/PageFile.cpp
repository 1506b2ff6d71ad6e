#include "platform/PageFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace PageFile {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; five of those bytes are unused.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = (u >= 0x80 && u < 0xA0) ? QChar(kCp1252High[u - 0x80]) : QChar(u);
    }
    return text;
}

QByteArray encodeCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (kCp1252High[i] == u) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes.append(mapped);
    }
    return bytes;
}

QString writeBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return createError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return createError(path, reason);
    }
    if (!file.commit())
        return createError(path, file.errorString());
    return {};
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

} // namespace

QString createError(const QString& path, const QString& reason) {
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, reason);
}

QString openError(const QString& path, const QString& reason) {
    return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, reason);
}

QByteArray encode(const QString& text, Encoding encoding) {
    return encoding == Encoding::Utf8 ? text.toUtf8() : encodeCp1252(text);
}

QString decode(const QByteArray& bytes, Encoding* detected) {
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        *detected = Encoding::Utf8;
        return text;
    }
    *detected = Encoding::Windows1252;
    return decodeCp1252(bytes);
}

QString writeLines(const QString& path, const QStringList& lines) {
    // One text, encoded in one pass: cheaper than encoding line by line.
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return writeBytes(path, text.toUtf8());
}

QString writeText(const QString& path, const QString& text, Encoding encoding) {
    return writeBytes(path, encode(withCrLf(text), encoding));
}

ReadResult readText(const QString& path, qint64 maxBytes) {
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = openError(path, file.errorString());
        return result;
    }
    if (file.size() > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = openError(path, file.errorString());
        return result;
    }
    result.text = decode(bytes, &result.encoding);
    result.ok = true;
    return result;
}

} // namespace PageFile
