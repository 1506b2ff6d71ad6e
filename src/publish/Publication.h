#pragma once

#include "core/publish/UploadPlan.h"
#include "core/publish/Uploader.h"
#include "publish/CurlTransport.h"
#include "publish/PublishTarget.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

// One upload of a saved page and the files it names, on a thread of its own, so that the
// windows stay usable. Whatever the server says comes back through signals on the thread the
// publication lives on; a server that is not trusted yet is never waited on: the upload stops,
// says why, and is started again once the user has answered.
class Publication final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Publication)
public:
    struct Request {
        PublishTarget target;
        QString password;
        ServerTrust trust;
        QString pagePath;
        bool uploadAll = false;
        // Where the records of what went up are kept.
        QString recordsFolder;
    };

    struct Result {
        Uploader::Summary summary;
        CurlTransport::Distrust distrust = CurlTransport::Distrust::None;
        // What the untrusted server showed: its fingerprint for the user, its pin for trust.
        QString fingerprint;
        QString pin;
        QStringList outside;
        QStringList missing;
    };

    explicit Publication(QObject* parent = nullptr);
    ~Publication() override;

    bool running() const { return m_worker.joinable() && !m_done; }
    void start(Request request);
    // Stops within a second; finished follows.
    void cancel() { m_cancel = true; }

    // What a target is known by in the records.
    static UploadTarget recordTarget(const PublishTarget& target);

signals:
    void progress(const QString& file, qint64 done, qint64 total);
    void finished(const Publication::Result& result);

private:
    Result run(const Request& request);

    std::thread m_worker;
    std::atomic<bool> m_cancel = false;
    std::atomic<bool> m_done = true;
};
