#include "core/publish/Uploader.h"

#include "core/publish/Transport.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {

// The names beside a file on the server while it is being replaced.
const QString kPart = QStringLiteral(".part");
const QString kAlt = QStringLiteral(".alt");

} // namespace

Uploader::Uploader(Transport& transport, UploadRecords& records, const UploadTarget& target)
    : m_transport(transport), m_records(records), m_target(target) {}

Uploader::Summary Uploader::run(const QList<UploadFile>& files) {
    Summary summary;
    // First what goes up, so that the progress knows every byte.
    std::vector<Send> sends;
    qint64 total = 0;
    for (const UploadFile& file : files) {
        if (cancelled()) {
            summary.cancelled = true;
            return summary;
        }
        const Expected<FileState> state = fileStateOf(file.localPath);
        if (!state.ok()) {
            summary.error = state.error;
            return summary;
        }
        const QFileInfo remote(remotePath(file.relativePath));
        if (!m_uploadAll && listing(remote.path()).names.contains(remote.fileName()) &&
            m_records.unchanged(m_target, file.relativePath, state.value)) {
            ++summary.unchanged;
            continue;
        }
        total += state.value.size;
        sends.push_back({&file, state.value});
    }
    qint64 done = 0;
    for (const Send& each : sends) {
        const Outcome sent = cancelled() ? Outcome{} : send(each, done, total, summary);
        if (cancelled()) {
            summary.cancelled = true;
            break;
        }
        if (!sent.ok()) {
            summary.error = sent.error;
            break;
        }
        done += each.state.size;
    }
    if (summary.uploaded > 0) {
        // The files that went up are recorded even when a later one failed.
        if (const Outcome saved = m_records.save(); !saved.ok() && summary.ok())
            summary.error = saved.error;
    }
    return summary;
}

QString Uploader::statusText(int uploaded, int unchanged) {
    QString text = QStringLiteral("%1 %2 veröffentlicht")
                       .arg(uploaded)
                       .arg(uploaded == 1 ? QStringLiteral("Datei") : QStringLiteral("Dateien"));
    if (unchanged > 0)
        text += QStringLiteral(", %1 unverändert").arg(unchanged);
    return text;
}

QString Uploader::remotePath(const QString& relativePath) const {
    return QDir::cleanPath(m_target.folder + u'/' + relativePath);
}

Uploader::Listing& Uploader::listing(const QString& folder) {
    auto it = m_listings.find(folder);
    if (it == m_listings.end()) {
        // A folder that cannot be listed is taken as missing: making it says what is wrong.
        const Expected<QStringList> names = m_transport.names(folder);
        it = m_listings.insert(
            folder, {names.ok(), QSet<QString>(names.value.cbegin(), names.value.cend())});
    }
    return *it;
}

void Uploader::report(const QString& file, qint64 done, qint64 total) const {
    if (m_progress)
        m_progress(file, done, total);
}

Outcome Uploader::send(const Send& each, qint64 done, qint64 total, Summary& summary) {
    const UploadFile& file = *each.file;
    const QString path = remotePath(file.relativePath);
    const QString part = path + kPart;
    const QString alt = path + kAlt;
    const QFileInfo remote(path);
    Listing& there = listing(remote.path());
    if (!there.exists) {
        if (const Outcome made = m_transport.makeFolder(remote.path()); !made.ok())
            return made;
        there.exists = true;
    }
    // A stopped run left the old file as "name.alt": back in its place, or away when the new
    // one took it already.
    if (there.names.contains(remote.fileName() + kAlt)) {
        const Outcome cleared = there.names.contains(remote.fileName())
                                    ? m_transport.remove(alt)
                                    : m_transport.rename(alt, path);
        if (!cleared.ok())
            return cleared;
        there.names.insert(remote.fileName());
    }
    report(file.relativePath, done, total);
    // The whole "name.part" takes the place of "name"; the old file waits as "name.alt" until
    // then. An ".alt" that cannot be removed goes at the next upload.
    const bool replacing = there.names.contains(remote.fileName());
    using Step = Transport::Step;
    QList<Step> placing;
    if (replacing)
        placing.append({Step::Kind::Rename, path, alt});
    placing.append({Step::Kind::Rename, part, path});
    if (replacing)
        placing.append({Step::Kind::Remove, alt, {}, true});
    const Outcome sent = m_transport.upload(
        file.localPath, part,
        [&](qint64 bytes) {
            report(file.relativePath, done + std::min(bytes, each.state.size), total);
            return !cancelled();
        },
        placing);
    if (!sent.ok()) {
        // Whichever step failed, the old file goes back where it stood.
        if (replacing && !cancelled())
            static_cast<void>(m_transport.rename(alt, path));
        static_cast<void>(m_transport.remove(part));
        return sent;
    }
    m_records.recordUploaded(m_target, file.relativePath, each.state);
    ++summary.uploaded;
    return {};
}
