#include "publish/KnownServers.h"

#include <QDir>
#include <QSettings>

namespace {

QString keyOf(const PublishTarget& target) {
    return (target.protocol == PublishProtocol::Sftp ? QStringLiteral("sftp/")
                                                     : QStringLiteral("ftps/")) +
           QString::fromLatin1(target.host.toUtf8().toPercentEncoding()) + u'_' +
           QString::number(target.port);
}

} // namespace

KnownServers::KnownServers(const QString& folder)
    : m_file(QDir(folder).filePath(QStringLiteral("bekannte-server.ini"))) {}

ServerTrust KnownServers::trustFor(const PublishTarget& target) const {
    const QString pin = QSettings(m_file, QSettings::IniFormat).value(keyOf(target)).toString();
    ServerTrust trust;
    (target.protocol == PublishProtocol::Sftp ? trust.hostKeySha256 : trust.certificatePin) = pin;
    return trust;
}

void KnownServers::trust(const PublishTarget& target, const QString& pin) {
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSettings(m_file, QSettings::IniFormat).setValue(keyOf(target), pin);
}

void KnownServers::forget(const PublishTarget& target) {
    QSettings(m_file, QSettings::IniFormat).remove(keyOf(target));
}
