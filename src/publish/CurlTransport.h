#pragma once

#include "core/publish/Transport.h"
#include "publish/PublishTarget.h"

#include <QByteArray>

#include <memory>

// The transport over libcurl: SFTP with the host key always pinned, or FTP with TLS required
// and the certificate checked against the system's authorities or pinned. One connection
// serves every operation of an upload. Not for the GUI thread: each call waits on the
// network.
class CurlTransport final : public Transport {
public:
    // Why a connection was refused before anything was sent, so that the window can ask.
    enum class Distrust {
        None,
        // SFTP: the server's key is not known yet; seenFingerprint() is its fingerprint.
        NewHostKey,
        // SFTP: the server's key differs from the trusted one; seenFingerprint() is the new.
        ChangedHostKey,
        // FTPS: no authority vouches for the certificate, and it is not pinned.
        UntrustedCertificate,
    };

    CurlTransport(const PublishTarget& target, const QString& password, const ServerTrust& trust);
    ~CurlTransport() override;

    Expected<QStringList> names(const QString& folder) override;
    Outcome makeFolder(const QString& folder) override;
    Outcome upload(const QString& localPath, const QString& remotePath, const Progress& progress,
                   const QList<Step>& then) override;
    Outcome rename(const QString& from, const QString& to) override;
    Outcome remove(const QString& remotePath) override;

    // After a refused connection: why, and the fingerprint the server showed
    // ("SHA256:…" as ssh-keygen -l shows it).
    Distrust distrust() const { return m_distrust; }
    const QString& seenFingerprint() const { return m_seenFingerprint; }
    // The base64 SHA-256 of the key the server showed, as trust pins it.
    const QString& seenHostKeySha256() const { return m_seenHostKeySha256; }

    // An SSH host key's fingerprint and its pin from the raw key.
    static QString fingerprintOf(const QByteArray& hostKey);

private:
    struct Handle;
    // Runs one request on the connection: url relative to the server, the quote commands to
    // send first and those to send after the transfer. The outcome names the server; `file`
    // names the file a dropped connection interrupted.
    Outcome perform(const QString& path, const QStringList& commands, const QString& file = {},
                    const QStringList& after = {});
    // The commands of a step in this protocol; "*" in front lets it fail.
    QStringList commandsOf(const Step& step) const;
    Outcome failure(int code, const QString& file);
    QByteArray urlOf(const QString& path) const;
    QString quoted(const QString& path) const;

    PublishTarget m_target;
    std::unique_ptr<Handle> m_handle;
    Distrust m_distrust = Distrust::None;
    QString m_seenFingerprint;
    QString m_seenHostKeySha256;
};
