#pragma once

#include <QString>

// How files reach the server: SFTP over SSH, or FTP with TLS required from the start of the
// session (explicit TLS, "AUTH TLS").
enum class PublishProtocol { Sftp, Ftps };

// Where a page goes: the server, the account and the folder on it. The password is not part
// of it; it is handed over only for the connection.
struct PublishTarget {
    PublishProtocol protocol = PublishProtocol::Sftp;
    QString host;
    int port = 22;
    QString user;
    // SFTP only: the private key file; the password then is its passphrase.
    QString keyFile;
    QString folder;

    static int defaultPort(PublishProtocol protocol) {
        return protocol == PublishProtocol::Sftp ? 22 : 21;
    }
};

// What the user said to trust for a server: the SSH host key's SHA-256 as base64, or the
// SHA-256 of an FTPS certificate's public key ("sha256//…"). Empty: nothing trusted yet.
struct ServerTrust {
    QString hostKeySha256;
    QString certificatePin;
};
