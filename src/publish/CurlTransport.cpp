#include "publish/CurlTransport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>

namespace {

// The library is set up once for the whole program, whichever thread connects first.
void setUpCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// A list of strings as the library takes it, freed with it.
struct CommandList {
    curl_slist* list = nullptr;
    explicit CommandList(const QStringList& commands) {
        for (const QString& command : commands)
            list = curl_slist_append(list, command.toUtf8().constData());
    }
    ~CommandList() { curl_slist_free_all(list); }
    CommandList(const CommandList&) = delete;
    CommandList& operator=(const CommandList&) = delete;
};

} // namespace

struct CurlTransport::Handle {
    CURL* curl = nullptr;
    char error[CURL_ERROR_SIZE] = {};
    QByteArray password;
    QByteArray pin;
    // What a listing brings back, what an upload reads and whom it tells.
    QByteArray received;
    QFile* sending = nullptr;
    const Progress* progress = nullptr;
    // The host key a first connection showed.
    QByteArray seenKey;

    ~Handle() {
        password.fill('\0');
        if (curl)
            curl_easy_cleanup(curl);
    }

    static size_t receive(char* data, size_t size, size_t count, void* self) {
        static_cast<Handle*>(self)->received.append(data, qsizetype(size * count));
        return size * count;
    }
    static size_t send(char* buffer, size_t size, size_t count, void* self) {
        QFile* file = static_cast<Handle*>(self)->sending;
        const qint64 read = file ? file->read(buffer, qint64(size * count)) : 0;
        return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
    }
    static int report(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t sent) {
        const Progress* progress = static_cast<Handle*>(self)->progress;
        return progress && *progress && !(*progress)(qint64(sent)) ? 1 : 0;
    }
    // A server whose key is not trusted yet: the key is kept to be shown, the connection
    // refused.
    static int recordKey(void* self, int, const char* key, size_t length) {
        static_cast<Handle*>(self)->seenKey = QByteArray(key, qsizetype(length));
        return CURLKHMATCH_MISMATCH;
    }
};

CurlTransport::CurlTransport(const PublishTarget& target, const QString& password,
                             const ServerTrust& trust)
    : m_target(target), m_handle(std::make_unique<Handle>()) {
    setUpCurl();
    Handle& h = *m_handle;
    h.curl = curl_easy_init();
    h.password = password.toUtf8();
    CURL* curl = h.curl;
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, h.error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 20L);
    // A connection that moves nothing for half a minute has dropped.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 30L);
    curl_easy_setopt(curl, CURLOPT_USERNAME, target.user.toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Handle::receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &h);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &Handle::send);
    curl_easy_setopt(curl, CURLOPT_READDATA, &h);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Handle::report);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &h);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    if (target.protocol == PublishProtocol::Sftp) {
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "sftp");
        if (!target.keyFile.isEmpty()) {
            curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PUBLICKEY));
            curl_easy_setopt(curl, CURLOPT_SSH_PRIVATE_KEYFILE,
                             QFile::encodeName(target.keyFile).constData());
            if (!h.password.isEmpty())
                curl_easy_setopt(curl, CURLOPT_KEYPASSWD, h.password.constData());
        } else if (!h.password.isEmpty()) {
            curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES,
                             long(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
            curl_easy_setopt(curl, CURLOPT_PASSWORD, h.password.constData());
        } else {
            // Neither key nor password: the keys the user's SSH agent holds.
            curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_AGENT));
        }
        // The host key is always pinned; a server not trusted yet is only looked at.
        if (trust.hostKeySha256.isEmpty()) {
            curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYFUNCTION, &Handle::recordKey);
            curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYDATA, &h);
        } else {
            h.pin = trust.hostKeySha256.toLatin1();
            curl_easy_setopt(curl, CURLOPT_SSH_HOST_PUBLIC_KEY_SHA256, h.pin.constData());
        }
    } else {
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
        curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        // Over TLS 1.3 this libcurl closes an upload's data connection without reading the
        // session tickets the server sent, and some servers then lose the file's last bytes.
        curl_easy_setopt(curl, CURLOPT_SSLVERSION,
                         long(CURL_SSLVERSION_TLSv1_2) | long(CURL_SSLVERSION_MAX_TLSv1_2));
        curl_easy_setopt(curl, CURLOPT_PASSWORD, h.password.constData());
        if (!trust.certificatePin.isEmpty()) {
            // A certificate the user trusted by its key, which no authority vouches for.
            h.pin = trust.certificatePin.toLatin1();
            curl_easy_setopt(curl, CURLOPT_PINNEDPUBLICKEY, h.pin.constData());
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
        }
    }
}

CurlTransport::~CurlTransport() = default;

QString CurlTransport::fingerprintOf(const QByteArray& hostKey) {
    QByteArray hash = QCryptographicHash::hash(hostKey, QCryptographicHash::Sha256).toBase64();
    while (hash.endsWith('='))
        hash.chop(1);
    return QStringLiteral("SHA256:") + QString::fromLatin1(hash);
}

QByteArray CurlTransport::urlOf(const QString& path) const {
    QUrl url;
    url.setScheme(m_target.protocol == PublishProtocol::Sftp ? QStringLiteral("sftp")
                                                             : QStringLiteral("ftp"));
    url.setHost(m_target.host);
    url.setPort(m_target.port);
    // An FTP path is taken from the login folder; two slashes make it absolute.
    url.setPath(m_target.protocol == PublishProtocol::Ftps && path.startsWith(u'/') ? u'/' + path
                                                                                    : path);
    return url.toEncoded();
}

QString CurlTransport::quoted(const QString& path) const {
    if (m_target.protocol == PublishProtocol::Ftps)
        return path;
    QString escaped = path;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

Outcome CurlTransport::perform(const QString& path, const QStringList& commands,
                               const QString& file, const QStringList& after) {
    Handle& h = *m_handle;
    CURL* curl = h.curl;
    const CommandList quote(commands);
    const CommandList postQuote(after);
    curl_easy_setopt(curl, CURLOPT_URL, urlOf(path).constData());
    curl_easy_setopt(curl, CURLOPT_QUOTE, quote.list);
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, postQuote.list);
    h.received.clear();
    h.error[0] = '\0';
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_QUOTE, nullptr);
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, nullptr);
    if (code == CURLE_OK)
        return {};
    return failure(code, file);
}

Expected<QStringList> CurlTransport::names(const QString& folder) {
    curl_easy_setopt(m_handle->curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(m_handle->curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(m_handle->curl, CURLOPT_DIRLISTONLY, 1L);
    const QString listed = folder.endsWith(u'/') ? folder : folder + u'/';
    const Outcome listing = perform(listed, {});
    curl_easy_setopt(m_handle->curl, CURLOPT_DIRLISTONLY, 0L);
    if (!listing.ok())
        return {listing};
    Expected<QStringList> found;
    for (const QByteArray& line : m_handle->received.split('\n')) {
        QString name = QString::fromUtf8(line.trimmed());
        // Some FTP servers list whole paths.
        name = name.mid(name.lastIndexOf(u'/') + 1);
        if (!name.isEmpty() && name != u'.' && name != QStringLiteral(".."))
            found.value.append(name);
    }
    return found;
}

Outcome CurlTransport::makeFolder(const QString& folder) {
    const bool sftp = m_target.protocol == PublishProtocol::Sftp;
    QStringList commands;
    QString made;
    for (const QString& part : folder.split(u'/', Qt::SkipEmptyParts)) {
        made += u'/' + part;
        // A folder that is there already is no failure ("*").
        commands.append((sftp ? QStringLiteral("*mkdir ") : QStringLiteral("*MKD ")) +
                        quoted(made));
    }
    curl_easy_setopt(m_handle->curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(m_handle->curl, CURLOPT_NOBODY, 1L);
    const Outcome created = perform(QStringLiteral("/"), commands);
    if (!created.ok())
        return created;
    // Whether the last folder is there now tells whether it could be made.
    const Expected<QStringList> listed = names(folder);
    return listed;
}

Outcome CurlTransport::upload(const QString& localPath, const QString& remotePath,
                              const Progress& progress, const QList<Step>& then) {
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        return {
            QStringLiteral("„%1“ lässt sich nicht lesen: %2").arg(localPath, file.errorString())};
    Handle& h = *m_handle;
    h.sending = &file;
    h.progress = &progress;
    curl_easy_setopt(h.curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(h.curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(h.curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    QStringList after;
    for (const Step& step : then)
        after += commandsOf(step);
    const Outcome sent =
        perform(remotePath, {}, remotePath.mid(remotePath.lastIndexOf(u'/') + 1), after);
    curl_easy_setopt(h.curl, CURLOPT_UPLOAD, 0L);
    h.sending = nullptr;
    h.progress = nullptr;
    return sent;
}

QStringList CurlTransport::commandsOf(const Step& step) const {
    const bool sftp = m_target.protocol == PublishProtocol::Sftp;
    const QString may = step.mayFail ? QStringLiteral("*") : QString();
    if (step.kind == Step::Kind::Remove)
        return {may + (sftp ? QStringLiteral("rm ") + quoted(step.path)
                            : QStringLiteral("DELE ") + step.path)};
    if (sftp)
        return {may + QStringLiteral("rename ") + quoted(step.path) + u' ' + quoted(step.to)};
    return {may + QStringLiteral("RNFR ") + step.path, may + QStringLiteral("RNTO ") + step.to};
}

Outcome CurlTransport::rename(const QString& from, const QString& to) {
    curl_easy_setopt(m_handle->curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(m_handle->curl, CURLOPT_NOBODY, 1L);
    return perform(QStringLiteral("/"), commandsOf({Step::Kind::Rename, from, to}));
}

Outcome CurlTransport::remove(const QString& remotePath) {
    curl_easy_setopt(m_handle->curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(m_handle->curl, CURLOPT_NOBODY, 1L);
    return perform(QStringLiteral("/"), commandsOf({Step::Kind::Remove, remotePath, {}}));
}

Outcome CurlTransport::failure(int code, const QString& file) {
    const QString server = m_target.host;
    Handle& h = *m_handle;
    if (!h.seenKey.isEmpty()) {
        m_distrust = Distrust::NewHostKey;
        m_seenFingerprint = fingerprintOf(h.seenKey);
        m_seenHostKeySha256 = m_seenFingerprint.mid(7);
        return {QStringLiteral("Der Server „%1“ ist noch nicht als vertrauenswürdig bestätigt; es "
                               "wurde nichts gesendet.")
                    .arg(server)};
    }
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return {QStringLiteral("Den Server „%1“ gibt es nicht. Prüfen Sie die Schreibweise, wie "
                               "Ihr Webhoster sie angibt.")
                    .arg(server)};
    case CURLE_COULDNT_CONNECT:
        return {QStringLiteral("Der Server „%1“ nimmt keine Verbindung an. Prüfen Sie Protokoll "
                               "und Port, wie Ihr Webhoster sie angibt.")
                    .arg(server)};
    case CURLE_OPERATION_TIMEDOUT:
        return {QStringLiteral("Der Server „%1“ antwortet nicht. Prüfen Sie Ihre Verbindung zum "
                               "Internet und versuchen Sie es später noch einmal.")
                    .arg(server)};
    case CURLE_LOGIN_DENIED:
        if (!m_target.keyFile.isEmpty())
            return {QStringLiteral("Der Server „%1“ hat den SSH-Schlüssel abgelehnt. Prüfen Sie "
                                   "Schlüssel, Passphrase und Benutzer.")
                        .arg(server)};
        return {QStringLiteral("Der Server „%1“ hat Benutzer oder Passwort abgelehnt. Prüfen "
                               "Sie beide.")
                    .arg(server)};
    case CURLE_PEER_FAILED_VERIFICATION:
        if (m_target.protocol == PublishProtocol::Sftp) {
            m_distrust = Distrust::ChangedHostKey;
            return {QStringLiteral("Achtung: „%1“ weist sich anders aus als beim letzten Mal. Es "
                                   "wurde nichts gesendet. Fragen Sie Ihren Webhoster, ob der "
                                   "Schlüssel geändert wurde.")
                        .arg(server)};
        }
        m_distrust = Distrust::UntrustedCertificate;
        return {QStringLiteral("Das Zertifikat des Servers „%1“ bestätigt keine bekannte Stelle; "
                               "es wurde nichts gesendet.")
                    .arg(server)};
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        m_distrust = Distrust::UntrustedCertificate;
        return {QStringLiteral("Achtung: „%1“ weist sich mit einem anderen Zertifikat aus als "
                               "beim letzten Mal. Es wurde nichts gesendet. Fragen Sie Ihren "
                               "Webhoster, ob das Zertifikat geändert wurde.")
                    .arg(server)};
    case CURLE_USE_SSL_FAILED:
        return {QStringLiteral("Der Server „%1“ bietet keine verschlüsselte Verbindung (TLS) an. "
                               "Ohne sie sendet Quillmark Ihr Passwort nicht; fragen Sie Ihren "
                               "Webhoster nach FTPS oder SFTP.")
                    .arg(server)};
    case CURLE_REMOTE_DISK_FULL:
        return {QStringLiteral("Auf dem Server „%1“ ist kein Platz mehr frei. Löschen Sie dort "
                               "alte Dateien oder fragen Sie Ihren Webhoster.")
                    .arg(server)};
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
    case CURLE_QUOTE_ERROR:
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return {QStringLiteral("Der Server „%1“ lässt in den Ordner „%2“ nicht schreiben. Prüfen "
                               "Sie den Ordner auf dem Server, wie Ihr Webhoster ihn angibt.")
                    .arg(server, m_target.folder)};
    case CURLE_ABORTED_BY_CALLBACK:
        return {QStringLiteral("Das Hochladen wurde abgebrochen.")};
    default:
        break;
    }
    if (!file.isEmpty())
        return {QStringLiteral("Die Verbindung zu „%1“ ist beim Hochladen von „%2“ abgebrochen. "
                               "Die Datei auf dem Server ist geblieben, wie sie war; versuchen Sie "
                               "es noch einmal.")
                    .arg(server, file)};
    return {QStringLiteral("Die Verbindung zu „%1“ ist abgebrochen (%2). Versuchen Sie es noch "
                           "einmal.")
                .arg(server,
                     QString::fromUtf8(h.error[0] ? h.error : curl_easy_strerror(CURLcode(code))))};
}
