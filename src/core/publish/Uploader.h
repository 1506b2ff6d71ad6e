#pragma once

#include "core/platform/Outcome.h"
#include "core/publish/UploadPlan.h"
#include "core/publish/UploadRecords.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <atomic>
#include <functional>
#include <utility>

class Transport;

// Sends the files of a plan to the target's folder so that a visitor never meets half a file:
// each goes up as "name.part" and takes the place of "name" by renaming only once it is whole;
// the old "name" waits as "name.alt" until then. A "name.alt" without "name", which a run
// stopped in between leaves, is renamed back first. Whatever fails or is cancelled, the old
// file stays in place. Files the records know unchanged and the server still has are skipped,
// unless every file is to go up; each file sent is recorded, and the records are saved at the
// end. Runs on any thread: it touches nothing but the transport, the records and the files.
class Uploader final {
public:
    // Told the file being sent (its relative path) and the bytes sent of all that go up.
    using Progress = std::function<void(const QString& file, qint64 done, qint64 total)>;

    struct [[nodiscard]] Summary : Outcome {
        int uploaded = 0;
        int unchanged = 0;
        bool cancelled = false; // the user stopped it; no error then
    };

    Uploader(Transport& transport, UploadRecords& records, const UploadTarget& target);
    Uploader(const Uploader&) = delete;
    Uploader& operator=(const Uploader&) = delete;

    void setUploadAll(bool all) { m_uploadAll = all; }
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Set from any thread to stop: between files, or in the middle of one.
    void setCancelFlag(const std::atomic<bool>* cancel) { m_cancel = cancel; }

    Summary run(const QList<UploadFile>& files);

    // The status bar's text after a run: "3 Dateien veröffentlicht, 2 unverändert".
    static QString statusText(int uploaded, int unchanged);

private:
    struct Send {
        const UploadFile* file;
        FileState state;
    };
    // What a folder on the server held when it was first listed.
    struct Listing {
        bool exists = false;
        QSet<QString> names;
    };

    bool cancelled() const { return m_cancel && m_cancel->load(); }
    QString remotePath(const QString& relativePath) const;
    Listing& listing(const QString& folder);
    void report(const QString& file, qint64 done, qint64 total) const;
    // Sends one file and puts it in place; on failure the old file stands as it stood. done
    // is what went up before it.
    Outcome send(const Send& each, qint64 done, qint64 total, Summary& summary);

    Transport& m_transport;
    UploadRecords& m_records;
    const UploadTarget m_target;
    bool m_uploadAll = false;
    Progress m_progress;
    const std::atomic<bool>* m_cancel = nullptr;
    QHash<QString, Listing> m_listings; // by remote folder
};
