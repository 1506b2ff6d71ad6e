#include "publish/Publication.h"

#include "publish/CertificateProbe.h"

#include <QMetaObject>

Publication::Publication(QObject* parent) : QObject(parent) {
    qRegisterMetaType<Publication::Result>();
}

Publication::~Publication() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

UploadTarget Publication::recordTarget(const PublishTarget& target) {
    return {target.protocol == PublishProtocol::Sftp ? QStringLiteral("sftp")
                                                     : QStringLiteral("ftps"),
            target.host, target.port, target.user, target.folder};
}

void Publication::start(Request request) {
    if (m_worker.joinable())
        m_worker.join();
    m_cancel = false;
    m_done = false;
    m_worker = std::thread([this, request = std::move(request)] {
        const Result result = run(request);
        m_done = true;
        QMetaObject::invokeMethod(
            this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
    });
}

Publication::Result Publication::run(const Request& request) {
    Result result;
    const Expected<UploadPlan> plan = planUpload(request.pagePath);
    if (!plan.ok()) {
        result.summary.error = plan.error;
        return result;
    }
    result.outside = plan.value.outside;
    result.missing = plan.value.missing;

    CurlTransport transport(request.target, request.password, request.trust);
    UploadRecords records(request.recordsFolder);
    Uploader uploader(transport, records, recordTarget(request.target));
    uploader.setUploadAll(request.uploadAll);
    uploader.setCancelFlag(&m_cancel);
    uploader.setProgress([this](const QString& file, qint64 done, qint64 total) {
        QMetaObject::invokeMethod(
            this, [this, file, done, total] { emit progress(file, done, total); },
            Qt::QueuedConnection);
    });
    result.summary = uploader.run(plan.value.files);
    result.distrust = transport.distrust();
    if (result.distrust == CurlTransport::Distrust::NewHostKey ||
        result.distrust == CurlTransport::Distrust::ChangedHostKey) {
        result.fingerprint = transport.seenFingerprint();
        result.pin = transport.seenHostKeySha256();
    } else if (result.distrust == CurlTransport::Distrust::UntrustedCertificate &&
               request.trust.certificatePin.isEmpty()) {
        // The certificate is read in a connection of its own, in which nothing is sent.
        const Expected<ServerCertificate> certificate =
            probeCertificate(request.target.host, request.target.port);
        if (certificate.ok()) {
            result.fingerprint = certificate.value.fingerprint;
            result.pin = certificate.value.pin;
        }
    }
    return result;
}
