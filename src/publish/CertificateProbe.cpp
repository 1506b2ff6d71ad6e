#include "publish/CertificateProbe.h"

#include <QCryptographicHash>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>

namespace {

constexpr int kWaitMs = 20000;

// Reads one FTP reply: lines up to the one that repeats the code followed by a blank.
QByteArray reply(QSslSocket& socket) {
    QByteArray last;
    while (true) {
        if (!socket.canReadLine() && !socket.waitForReadyRead(kWaitMs))
            return {};
        last = socket.readLine();
        if (last.size() >= 4 && last.at(3) == ' ')
            return last;
    }
}

} // namespace

Expected<ServerCertificate> probeCertificate(const QString& host, int port) {
    const QString unreachable =
        QStringLiteral("Der Server „%1“ ist nicht zu erreichen, um sein Zertifikat zu lesen.")
            .arg(host);
    QSslSocket socket;
    socket.connectToHost(host, quint16(port));
    if (!socket.waitForConnected(kWaitMs) || !reply(socket).startsWith("220"))
        return {{unreachable}};
    socket.write("AUTH TLS\r\n");
    if (!reply(socket).startsWith("234"))
        return {{QStringLiteral("Der Server „%1“ bietet keine verschlüsselte Verbindung (TLS) an.")
                     .arg(host)}};
    // Only looked at: the certificate is what the user is asked about.
    socket.setPeerVerifyMode(QSslSocket::QueryPeer);
    socket.startClientEncryption();
    if (!socket.waitForEncrypted(kWaitMs) || socket.peerCertificate().isNull())
        return {{unreachable}};
    const QByteArray hash = QCryptographicHash::hash(socket.peerCertificate().publicKey().toDer(),
                                                     QCryptographicHash::Sha256);
    socket.disconnectFromHost();
    Expected<ServerCertificate> read;
    read.value.pin = QStringLiteral("sha256//") + QString::fromLatin1(hash.toBase64());
    read.value.fingerprint = QString::fromLatin1(hash.toHex(':').toUpper());
    return read;
}
