#pragma once

#include "core/platform/Outcome.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Real upload servers on 127.0.0.1 for the publishing tests, each in a temporary folder of its
// own, on a port it picked itself, gone with the object: stop() closes the script's input, on
// which it ends itself and all it started (its process group is killed should it hang), and
// the scripts end as well when the thread that started them, or the test, dies. The scripts
// live in tests/servers; `make test` installs what they need. A server that cannot start says
// why in start()'s error text, naming what is missing, so that a test fails and never passes
// unseen:
//     SftpTestServer server;
//     const Outcome started = server.start();
//     QVERIFY2(started.ok(), qPrintable(started.error));
// Both serve the same layout: the client's "/" holds a folder "/htdocs" (remoteFolder()),
// which is uploadFolder() on this machine and where uploads belong. Starting takes about a
// third of a second.
class TestServer {
public:
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;
    virtual ~TestServer();

    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    QString user() const { return m_user; }
    QString password() const { return m_password; }
    QString remoteFolder() const { return QStringLiteral("/htdocs"); }
    QString uploadFolder() const;

    // Puts a file below uploadFolder() as if an earlier upload had left it there (folders
    // made as needed, owned by the account the server writes as).
    bool putFile(const QString& relativePath, const QByteArray& bytes) const;

    // Waits, with the event loop running, until the server printed this line since it started
    // (the SFTP server's "STALLED" or "DROPPED").
    bool waitForLine(const QString& line, int timeoutMs = 20000);

    // What the server wrote to its standard error: Python's complaints, vsftpd's "500 OOPS".
    QString log() const { return QString::fromUtf8(m_log); }

    // Ends the server and every process it started; the files stay until the object goes.
    void stop();

protected:
    TestServer(QString user, QString password);

    // Runs the script with Debian's Python and waits for its "READY <port> <key>" line;
    // returns the key.
    Expected<QString> launch(const QString& script, const QStringList& arguments);
    QString folder(const QString& name) const { return m_dir.filePath(name); }
    virtual bool handOver(const QString& path) const;

    QTemporaryDir m_dir;
    QString m_root; // the client's "/" on this machine
    quint16 m_port = 0;
    QString m_user;
    QString m_password;

private:
    void takeOutput();

    std::unique_ptr<QProcess> m_process;
    QByteArray m_pending;
    QStringList m_lines;
    QByteArray m_log;
};

// SFTP (tests/servers/sftp_server.py, asyncssh): one user, who logs in with the password
// and/or the client key pair made for the test (ed25519, OpenSSH format, at clientKeyFile()
// and clientKeyFile() + ".pub"). Confined to its folder. A plain rename onto an existing file
// fails with "Failure", as on OpenSSH's internal-sftp.
class SftpTestServer final : public TestServer {
public:
    struct Options {
        QString password = QStringLiteral("Kennwort-1"); // empty: the key alone logs in
        QString clientKeyPassphrase;                     // for the key made for the test
        // Once, when the uploads together pass this many bytes: the server writes up to the
        // mark, prints STALLED and answers no more on that connection (stallAfter), or prints
        // DROPPED and cuts the connection (dropAfter). -1: never.
        qint64 stallAfter = -1;
        qint64 dropAfter = -1;
    };

    SftpTestServer();

    Outcome start(const Options& options);
    Outcome start() { return start(Options{}); }

    // Starts again on the same port over the same files, with the same host key or a new one
    // (for "the host key changed").
    enum class HostKey { Same, New };
    Outcome restart(HostKey hostKey);

    // "SHA256:<base64>", as ssh-keygen -l shows it.
    QString hostKeyFingerprint() const { return QStringLiteral("SHA256:") + m_hostKeySha256; }
    // The base64 alone, unpadded, as CURLOPT_SSH_HOST_PUBLIC_KEY_SHA256 and curl's
    // --hostpubsha256 take it; libcurl ignores trailing "=", so the padded form matches too,
    // while a "SHA256:" in front never does (CURLE_PEER_FAILED_VERIFICATION).
    QString hostKeySha256() const { return m_hostKeySha256; }

    QString clientKeyFile() const { return folder(QStringLiteral("client/id_ed25519")); }

private:
    Options m_options;
    QString m_hostKeySha256;
};

// Explicit FTPS (AUTH TLS) through vsftpd (tests/servers/ftps_server.py): TLS is required for
// the login and every data connection, a plain FTP login gets "530". The one login is
// vsftpd's anonymous one, user "anonymous" (or "ftp") with exactly the password given; a
// wrong password gets "530". The certificate is self-signed, made anew at every start, for
// 127.0.0.1 and localhost: pin it, or trust certificateFile(). Unlike SFTP, a rename onto an
// existing file replaces it. Needs root: vsftpd confines each session and then works as the
// account "daemon", which owns the uploaded files.
class FtpsTestServer final : public TestServer {
public:
    struct Options {
        QString password = QStringLiteral("Kennwort-1");
        qint64 maxBytesPerSecond = 0; // slows every transfer down, so that it can be cut off
        // TLS 1.2 at most. Over TLS 1.3 this vsftpd loses the end of most uploads larger than
        // a few kilobytes from libcurl 7.88 ("426 Failure reading network stream", curl's
        // CURLE_PARTIAL_FILE): libcurl closes the data connection without reading the session
        // tickets the server sent, so the close becomes a reset that discards what vsftpd has
        // not read yet. A client that caps FTPS at TLS 1.2 (CURL_SSLVERSION_MAX_TLSv1_2)
        // uploads without loss either way.
        bool tls12Only = false;
    };

    FtpsTestServer();

    Outcome start(const Options& options);
    Outcome start() { return start(Options{}); }

    // Starts again on the same port over the same files, with a new certificate and key.
    Outcome restart();

    // "sha256//<base64>" of the certificate's public key, as CURLOPT_PINNEDPUBLICKEY and
    // curl's --pinnedpubkey take it.
    QString pinnedPublicKey() const { return m_pin; }
    QString certificateFile() const { return folder(QStringLiteral("server/cert.pem")); }

private:
    bool handOver(const QString& path) const override;

    Options m_options;
    QString m_pin;
};
