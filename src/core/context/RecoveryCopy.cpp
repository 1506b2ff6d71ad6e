#include "core/context/RecoveryCopy.h"

#include "core/platform/BareFileName.h"

#include <QDataStream>
#include <QFile>

namespace {

// "QMRC" and the version of the layout below; a copy of another version is not taken up.
constexpr quint32 kMagic = 0x514D5243;
constexpr quint16 kVersion = 1;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
// No page the windows take up is larger; a copy of more is not one of ours.
constexpr qint64 kLargestCopy = qint64(512) << 20;

// Counts are checked against what is left before anything is reserved, so that a damaged
// count cannot ask for more memory than the file could fill (texts are read in steps).
bool countFits(QDataStream& in, quint32 count, qint64 leastBytesEach) {
    return in.status() == QDataStream::Ok &&
           qint64(count) * leastBytesEach <= in.device()->bytesAvailable();
}

// The text as UTF-8, half the bytes of UTF-16 for a page's markup, unless it holds a lone
// surrogate, which UTF-8 cannot carry: then as UTF-16, unit for unit.
void writeText(QDataStream& out, const QString& text) {
    const bool utf8 = text.isValidUtf16();
    out << utf8;
    if (utf8)
        out << text.toUtf8();
    else
        out << text;
}

void readText(QDataStream& in, QString& text) {
    bool utf8 = false;
    in >> utf8;
    if (!utf8) {
        in >> text;
        return;
    }
    QByteArray bytes;
    in >> bytes;
    text = QString::fromUtf8(bytes);
}

template <typename Enum> bool readEnum(QDataStream& in, Enum& value, Enum last) {
    quint8 raw = 0;
    in >> raw;
    if (raw > quint8(last))
        return false;
    value = Enum(raw);
    return true;
}

QString unreadable(const QString& path) {
    return QStringLiteral("Die nicht gespeicherte Arbeit in „%1“ kann nicht gelesen werden. "
                          "Die Datei bleibt erhalten.")
        .arg(path);
}

} // namespace

QString RecoveryCopy::caption() const {
    const QString name = file.isEmpty() || (window == Window::Page && !hasFile)
                             ? QStringLiteral("Unbenannt")
                             : BareFileName(file);
    return name + QStringLiteral(" – ") + taken.toString(QStringLiteral("dd.MM.yyyy, HH:mm"));
}

QByteArray RecoveryCopy::encode() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << kMagic << kVersion << quint8(window) << taken.toMSecsSinceEpoch() << file << hasFile
        << quint8(kind) << generalSettingsDone << quint8(encoding);
    out << quint32(pictures.size());
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        out << it.key() << it.value();
    writeText(out, text);
    return bytes;
}

Expected<RecoveryCopy> RecoveryCopy::decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(kStreamVersion);
    const Expected<RecoveryCopy> refused{{QStringLiteral("Die Datei ist keine lesbare Kopie.")}};
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (magic != kMagic || version != kVersion)
        return refused;
    Expected<RecoveryCopy> read;
    RecoveryCopy& copy = read.value;
    qint64 taken = 0;
    if (!readEnum(in, copy.window, Window::PostEditor))
        return refused;
    in >> taken >> copy.file >> copy.hasFile;
    copy.taken = QDateTime::fromMSecsSinceEpoch(taken);
    if (!readEnum(in, copy.kind, PageKind::Modern))
        return refused;
    in >> copy.generalSettingsDone;
    if (!readEnum(in, copy.encoding, PageFile::Encoding::Utf16BENoBom))
        return refused;
    quint32 pictures = 0;
    in >> pictures;
    if (!countFits(in, pictures, 2 * sizeof(quint32)))
        return refused;
    for (quint32 i = 0; i < pictures && in.status() == QDataStream::Ok; ++i) {
        QString name;
        QString path;
        in >> name >> path;
        copy.pictures.insert(name, path);
    }
    readText(in, copy.text);
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return refused;
    return read;
}

Expected<RecoveryCopy> RecoveryCopy::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestCopy)
        return {{unreadable(path)}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{unreadable(path)}};
    Expected<RecoveryCopy> copy = decode(bytes);
    if (!copy.ok())
        copy.error = unreadable(path);
    return copy;
}

RecoveryCopy RecoverySnapshot::finished() && {
    RecoveryCopy done = std::move(copy);
    const bool page = done.window == RecoveryCopy::Window::Page;
    QString text = std::move(rawText);
    text.replace(QChar::ParagraphSeparator, u'\n');
    if (!page)
        text.replace(QChar::LineSeparator, u'\n');
    // A page's text that ends without a break has its last line all the same (an empty last
    // block is no line).
    if (page && !text.isEmpty() && !text.endsWith(u'\n'))
        text += u'\n';
    done.text = standIns.restore(std::move(text));
    return done;
}
