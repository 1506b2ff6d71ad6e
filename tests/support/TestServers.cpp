#include "support/TestServers.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString python = QStringLiteral("/usr/bin/python3");
const QString scripts = QStringLiteral(QUILLMARK_TEST_SERVERS);
const QString vsftpd = QStringLiteral(QUILLMARK_VSFTPD);
constexpr int startTimeoutMs = 30000;
constexpr int stopTimeoutMs = 10000;

// The account vsftpd's sessions work as (ftps_server.py's FTP_ACCOUNT).
const char* const ftpAccount = "daemon";

} // namespace

TestServer::TestServer(QString user, QString password)
    : m_user(std::move(user)), m_password(std::move(password)) {}

TestServer::~TestServer() {
    stop();
}

QString TestServer::uploadFolder() const {
    return m_root + remoteFolder();
}

bool TestServer::putFile(const QString& relativePath, const QByteArray& bytes) const {
    const QString path = QDir(uploadFolder()).filePath(relativePath);
    const QString parent = QFileInfo(path).path();
    if (!QDir().mkpath(parent))
        return false;
    for (QDir dir(parent); dir.absolutePath() != uploadFolder(); dir.cdUp()) {
        if (!handOver(dir.absolutePath()))
            return false;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           handOver(path);
}

bool TestServer::handOver(const QString&) const {
    return true;
}

bool TestServer::waitForLine(const QString& line, int timeoutMs) {
    return QTest::qWaitFor([&] { return m_lines.contains(line); }, timeoutMs);
}

void TestServer::takeOutput() {
    m_log += m_process->readAllStandardError();
    m_pending += m_process->readAllStandardOutput();
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        m_lines.append(QString::fromUtf8(m_pending.left(end)).trimmed());
        m_pending.remove(0, end + 1);
    }
}

Expected<QString> TestServer::launch(const QString& script, const QStringList& arguments) {
    stop();
    const QString path = scripts + u'/' + script;
    if (!QFileInfo(python).isExecutable())
        return {{python + QStringLiteral(" is missing (Debian's python3)")}};
    if (!QFileInfo::exists(path))
        return {{path + QStringLiteral(" is missing")}};
    if (!m_dir.isValid())
        return {{QStringLiteral("no temporary folder: ") + m_dir.errorString()}};

    m_lines.clear();
    m_pending.clear();
    m_log.clear();
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(python);
    m_process->setArguments(QStringList{path} + arguments);
    // A process group of its own, for stop() to end whole; SIGTERM should the test die.
    m_process->setChildProcessModifier([] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    QObject::connect(m_process.get(), &QProcess::readyReadStandardOutput, m_process.get(),
                     [this] { takeOutput(); });
    QObject::connect(m_process.get(), &QProcess::readyReadStandardError, m_process.get(),
                     [this] { takeOutput(); });
    m_process->start();

    const auto ready = [this] {
        return !m_lines.isEmpty() || m_process->state() == QProcess::NotRunning;
    };
    if (!m_process->waitForStarted() || !QTest::qWaitFor(ready, startTimeoutMs)) {
        const QString error = script + QStringLiteral(" did not get ready: ") +
                              m_process->errorString() + u' ' + log();
        stop();
        return {{error}};
    }
    const QStringList fields = m_lines.value(0).split(u' ');
    if (fields.size() != 3 || fields[0] != QStringLiteral("READY") || fields[1].toUShort() == 0) {
        m_process->waitForFinished(stopTimeoutMs);
        takeOutput();
        const QString error = script + QStringLiteral(" did not start: ") + log().trimmed();
        stop();
        return {{error}};
    }
    m_port = fields[1].toUShort();
    return {{}, fields[2]};
}

void TestServer::stop() {
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        const pid_t group = static_cast<pid_t>(m_process->processId());
        // End of input is the scripts' signal to end, and to end all they started.
        m_process->closeWriteChannel();
        if (!m_process->waitForFinished(stopTimeoutMs)) {
            kill(-group, SIGKILL);
            m_process->waitForFinished(stopTimeoutMs);
        }
    }
    takeOutput();
    m_process.reset();
}

SftpTestServer::SftpTestServer() : TestServer(QStringLiteral("webmaster"), {}) {
    m_root = folder(QStringLiteral("root"));
}

Outcome SftpTestServer::start(const Options& options) {
    m_options = options;
    m_password = options.password;
    if (!QDir().mkpath(uploadFolder()))
        return {QStringLiteral("cannot make ") + uploadFolder()};
    QStringList arguments{QStringLiteral("--root"),         m_root,
                          QStringLiteral("--host-key-dir"), folder(QStringLiteral("hostkey")),
                          QStringLiteral("--user"),         m_user,
                          QStringLiteral("--client-key"),   clientKeyFile()};
    if (!options.password.isEmpty())
        arguments << QStringLiteral("--password") << options.password;
    if (!options.clientKeyPassphrase.isEmpty())
        arguments << QStringLiteral("--client-key-passphrase") << options.clientKeyPassphrase;
    if (options.stallAfter >= 0)
        arguments << QStringLiteral("--stall-after") << QString::number(options.stallAfter);
    if (options.dropAfter >= 0)
        arguments << QStringLiteral("--drop-after") << QString::number(options.dropAfter);
    if (m_port != 0)
        arguments << QStringLiteral("--port") << QString::number(m_port);

    const Expected<QString> ready = launch(QStringLiteral("sftp_server.py"), arguments);
    if (!ready.ok())
        return {ready.error};
    m_hostKeySha256 = ready.value.mid(QStringLiteral("SHA256:").size());
    return {};
}

Outcome SftpTestServer::restart(HostKey hostKey) {
    stop();
    if (hostKey == HostKey::New && !QDir(folder(QStringLiteral("hostkey"))).removeRecursively())
        return {QStringLiteral("cannot remove the host key")};
    return start(m_options);
}

FtpsTestServer::FtpsTestServer() : TestServer(QStringLiteral("anonymous"), {}) {
    m_root = folder(QStringLiteral("server/root"));
}

Outcome FtpsTestServer::start(const Options& options) {
    m_options = options;
    m_password = options.password;
    if (geteuid() != 0)
        return {QStringLiteral("the FTPS test server (vsftpd) needs the tests to run as root")};
    if (!QFileInfo(vsftpd).isExecutable())
        return {QStringLiteral("vsftpd is missing at ") + vsftpd +
                QStringLiteral("; make test-deps unpacks it there")};
    QStringList arguments{QStringLiteral("--vsftpd"),   vsftpd,
                          QStringLiteral("--dir"),      folder(QStringLiteral("server")),
                          QStringLiteral("--password"), options.password,
                          QStringLiteral("--max-rate"), QString::number(options.maxBytesPerSecond)};
    if (options.tls12Only)
        arguments << QStringLiteral("--tls12-only");
    if (m_port != 0)
        arguments << QStringLiteral("--port") << QString::number(m_port);

    const Expected<QString> ready = launch(QStringLiteral("ftps_server.py"), arguments);
    if (!ready.ok())
        return {ready.error};
    m_pin = ready.value;
    return {};
}

Outcome FtpsTestServer::restart() {
    stop();
    return start(m_options);
}

bool FtpsTestServer::handOver(const QString& path) const {
    const passwd* account = getpwnam(ftpAccount);
    return account &&
           chown(QFile::encodeName(path).constData(), account->pw_uid, account->pw_gid) == 0;
}
