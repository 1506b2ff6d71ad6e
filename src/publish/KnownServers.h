#pragma once

#include "publish/PublishTarget.h"

#include <QString>

// The servers the user trusted, kept in a file of the program's own (beside its other data,
// never in the system's SSH files): per protocol, host and port, the SSH host key's SHA-256 or
// the FTPS certificate's pinned public key.
class KnownServers final {
public:
    // The file lives in folder; the program passes its data folder, tests a temporary one.
    explicit KnownServers(const QString& folder);

    ServerTrust trustFor(const PublishTarget& target) const;
    void trust(const PublishTarget& target, const QString& pin);
    void forget(const PublishTarget& target);

private:
    QString m_file;
};
