#include "core/publish/UploadRecords.h"

#include "core/platform/PageFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

// The file holds {"targets": [{"protocol", "host", "port", "user", "folder",
// "files": {relative path: {"size", "sha256"}}}]}, the hash in hexadecimal.
namespace {

const QString kFileName = QStringLiteral("uploads.json");
constexpr QLatin1String kTargets("targets");
constexpr QLatin1String kPort("port");
constexpr QLatin1String kFiles("files");
constexpr QLatin1String kSize("size");
constexpr QLatin1String kSha256("sha256");

struct TextField {
    QLatin1String key;
    QString UploadTarget::*member;
};
const TextField kTextFields[] = {
    {QLatin1String("protocol"), &UploadTarget::protocol},
    {QLatin1String("host"), &UploadTarget::host},
    {QLatin1String("user"), &UploadTarget::user},
    {QLatin1String("folder"), &UploadTarget::folder},
};

} // namespace

Expected<FileState> fileStateOf(const QString& path) {
    QFile file(path);
    const auto refused = [&path](const QString& reason) {
        return Expected<FileState>{{PageFile::openError(path, reason)}};
    };
    // Anything but a regular file could keep the reader waiting.
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return refused(PageFile::notRegularReason());
    if (!file.open(QIODevice::ReadOnly))
        return refused(PageFile::reason(file.errorString()));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return refused(PageFile::reason(file.errorString()));
    return {{}, {file.pos(), hash.result()}};
}

UploadRecords::UploadRecords(const QString& folder) : m_folder(folder) {
    load();
}

void UploadRecords::load() {
    const PageFile::Decoded text =
        PageFile::readText(QDir(m_folder).filePath(kFileName), PageFile::kPageCapacity);
    if (!text.ok())
        return;
    const QJsonArray targets = QJsonDocument::fromJson(text.text.toUtf8())[kTargets].toArray();
    for (const QJsonValue& entry : targets) {
        const QJsonObject object = entry.toObject();
        Place place;
        for (const TextField& field : kTextFields)
            place.target.*field.member = object[field.key].toString();
        place.target.port = object[kPort].toInt();
        const QJsonObject files = object[kFiles].toObject();
        for (auto it = files.begin(); it != files.end(); ++it) {
            const QJsonObject file = it.value().toObject();
            place.files.insert(it.key(),
                               {qint64(file[kSize].toDouble(-1)),
                                QByteArray::fromHex(file[kSha256].toString().toLatin1())});
        }
        m_places.push_back(std::move(place));
    }
}

qsizetype UploadRecords::indexOf(const UploadTarget& target) const {
    const auto place = std::find_if(m_places.cbegin(), m_places.cend(),
                                    [&target](const Place& p) { return p.target == target; });
    return place == m_places.cend() ? -1 : place - m_places.cbegin();
}

bool UploadRecords::unchanged(const UploadTarget& target, const QString& relativePath,
                              const FileState& state) const {
    const qsizetype index = indexOf(target);
    return index >= 0 && m_places[index].files.value(relativePath) == state;
}

void UploadRecords::recordUploaded(const UploadTarget& target, const QString& relativePath,
                                   const FileState& state) {
    if (const qsizetype index = indexOf(target); index >= 0)
        m_places[index].files.insert(relativePath, state);
    else
        m_places.push_back({target, {{relativePath, state}}});
}

Outcome UploadRecords::save() const {
    QJsonArray targets;
    for (const Place& place : m_places) {
        QJsonObject object;
        for (const TextField& field : kTextFields)
            object.insert(field.key, place.target.*field.member);
        object.insert(kPort, place.target.port);
        QJsonObject files;
        for (auto it = place.files.cbegin(); it != place.files.cend(); ++it)
            files.insert(it.key(), QJsonObject{{kSize, double(it->size)},
                                               {kSha256, QString::fromLatin1(it->sha256.toHex())}});
        object.insert(kFiles, files);
        targets.append(object);
    }
    // A folder that cannot be made shows in the reason the write gives.
    QDir().mkpath(m_folder);
    const QString path = QDir(m_folder).filePath(kFileName);
    const Outcome written =
        PageFile::replaceFile(path, QJsonDocument(QJsonObject{{kTargets, targets}}).toJson());
    if (!written.ok())
        return {PageFile::createError(path, written.error)};
    return {};
}
