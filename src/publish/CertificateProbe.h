#pragma once

#include "core/platform/Outcome.h"

#include <QString>

// What an FTPS server shows of itself before anyone trusts it: its certificate's public key,
// read through "AUTH TLS" and the handshake alone. Neither user nor password nor any file is
// sent. Blocks; for the upload's thread.
struct ServerCertificate {
    // As the transport pins it: "sha256//" and the base64 SHA-256 of the public key.
    QString pin;
    // As the user compares it with the host's: the same SHA-256 in hexadecimal pairs.
    QString fingerprint;
};

Expected<ServerCertificate> probeCertificate(const QString& host, int port);
