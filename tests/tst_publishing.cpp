// Publishing against real servers started by the test: SFTP and FTPS uploads arrive byte for
// byte and only once, a server is trusted only after the user said so, and a failure or a
// cancel leaves what is on the server as it was.
#include "publish/Publication.h"
#include "support/TestServers.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kTimeout = 60000;

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A page with two pictures and a linked page, which names a picture of its own, and a name
// outside its folder.
struct Site {
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("seite"));
    QString page = folder + QStringLiteral("/index.html");
    Site() {
        write(page, "<!DOCTYPE html>\n<html><body><img src=\"a.jpg\" alt=\"\">"
                    "<p style=\"background-image: url('bilder/b.png')\">x</p>"
                    "<a href=\"zwei.html\">2</a><img src=\"../draussen.jpg\" alt=\"\">"
                    "</body></html>\n");
        write(folder + QStringLiteral("/a.jpg"), QByteArray(70000, 'a'));
        write(folder + QStringLiteral("/bilder/b.png"), "PNG b");
        write(folder + QStringLiteral("/zwei.html"), "<img src=\"c.gif\" alt=\"\">");
        write(folder + QStringLiteral("/c.gif"), "GIF c");
        write(dir.filePath(QStringLiteral("draussen.jpg")), "outside");
    }
    QStringList relativeFiles() const {
        return {"index.html", "a.jpg", "bilder/b.png", "zwei.html", "c.gif"};
    }
};

class Publisher {
public:
    Publisher(const PublishTarget& target, const QString& password) {
        m_request.target = target;
        m_request.password = password;
        m_request.recordsFolder = m_records.path();
    }
    Publisher(const TestServer& server, PublishProtocol protocol)
        : Publisher(
              {protocol, server.host(), server.port(), server.user(), {}, server.remoteFolder()},
              server.password()) {}
    Publication::Request& request() { return m_request; }
    Publication::Result run(const QString& page, bool cancelWhenStalled = false,
                            TestServer* server = nullptr) {
        m_request.pagePath = page;
        Publication publication;
        QSignalSpy finished(&publication, &Publication::finished);
        publication.start(m_request);
        if (cancelWhenStalled && server && server->waitForLine(QStringLiteral("STALLED")))
            publication.cancel();
        if (!finished.wait(kTimeout))
            return {};
        return finished.first().first().value<Publication::Result>();
    }

private:
    QTemporaryDir m_records;
    Publication::Request m_request;
};

} // namespace

class TestPublishing : public QObject {
    Q_OBJECT

private slots:
    void sftpSendsEachFileOnceAndOnlyWhenTrusted();
    void sftpChangedHostKeyIsRefusedBeforeSending();
    void sftpFailures_data();
    void sftpFailures();
    void sftpCancelMidFileKeepsTheOldFile();
    void ftpsUploadsOnceTheCertificateIsTrusted();
    void ftpWithoutTlsIsRefused();
};

void TestPublishing::sftpSendsEachFileOnceAndOnlyWhenTrusted() {
    SftpTestServer server;
    const Outcome started = server.start();
    QVERIFY2(started.ok(), qPrintable(started.error));
    Site site;
    Publisher publisher(server, PublishProtocol::Sftp);

    // A first connection only shows the server's key; nothing is sent.
    Publication::Result result = publisher.run(site.page);
    QCOMPARE(result.distrust, CurlTransport::Distrust::NewHostKey);
    QCOMPARE(result.fingerprint, server.hostKeyFingerprint());
    QVERIFY(QDir(server.uploadFolder()).isEmpty());

    publisher.request().trust.hostKeySha256 = result.pin;
    result = publisher.run(site.page);
    QVERIFY2(result.summary.ok(), qPrintable(result.summary.error));
    QCOMPARE(result.summary.uploaded, 5);
    QCOMPARE(result.outside, QStringList{"../draussen.jpg"});
    for (const QString& file : site.relativeFiles())
        QCOMPARE(read(server.uploadFolder() + u'/' + file), read(site.folder + u'/' + file));
    QVERIFY(!QFile::exists(server.uploadFolder() + QStringLiteral("/../draussen.jpg")));

    result = publisher.run(site.page);
    QCOMPARE(result.summary.uploaded, 0);
    QCOMPARE(result.summary.unchanged, 5);

    // A changed picture alone goes up again and takes the old one's place.
    write(site.folder + QStringLiteral("/bilder/b.png"), "PNG b, neu");
    result = publisher.run(site.page);
    QVERIFY2(result.summary.ok(), qPrintable(result.summary.error));
    QCOMPARE(result.summary.uploaded, 1);
    QCOMPARE(read(server.uploadFolder() + QStringLiteral("/bilder/b.png")), "PNG b, neu");
    QCOMPARE(QDir(server.uploadFolder() + QStringLiteral("/bilder")).entryList(QDir::Files),
             QStringList{"b.png"});
}

void TestPublishing::sftpChangedHostKeyIsRefusedBeforeSending() {
    SftpTestServer server;
    const Outcome started = server.start();
    QVERIFY2(started.ok(), qPrintable(started.error));
    const QString trusted = server.hostKeySha256();
    const Outcome restarted = server.restart(SftpTestServer::HostKey::New);
    QVERIFY2(restarted.ok(), qPrintable(restarted.error));
    Site site;
    Publisher publisher(server, PublishProtocol::Sftp);
    publisher.request().trust.hostKeySha256 = trusted;
    const Publication::Result result = publisher.run(site.page);
    QCOMPARE(result.distrust, CurlTransport::Distrust::ChangedHostKey);
    QCOMPARE(result.summary.error,
             QStringLiteral("Achtung: „127.0.0.1“ weist sich anders aus als beim letzten Mal. Es "
                            "wurde nichts gesendet. Fragen Sie Ihren Webhoster, ob der Schlüssel "
                            "geändert wurde."));
    QVERIFY(QDir(server.uploadFolder()).isEmpty());
}

void TestPublishing::sftpFailures_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("port"); // 0: the server's
    QTest::addColumn<QString>("error");
    QTest::newRow("wrong password")
        << "falsch" << 0
        << "Der Server „127.0.0.1“ hat Benutzer oder Passwort abgelehnt. Prüfen Sie beide.";
    QTest::newRow("nobody listening")
        << QString() << 1
        << "Der Server „127.0.0.1“ nimmt keine Verbindung an. Prüfen Sie Protokoll und Port, wie "
           "Ihr Webhoster sie angibt.";
}

void TestPublishing::sftpFailures() {
    QFETCH(QString, password);
    QFETCH(int, port);
    QFETCH(QString, error);
    SftpTestServer server;
    const Outcome started = server.start();
    QVERIFY2(started.ok(), qPrintable(started.error));
    Site site;
    Publisher publisher(server, PublishProtocol::Sftp);
    publisher.request().trust.hostKeySha256 = server.hostKeySha256();
    if (!password.isEmpty())
        publisher.request().password = password;
    if (port != 0)
        publisher.request().target.port = port;
    const Publication::Result result = publisher.run(site.page);
    QCOMPARE(result.summary.error, error);
    QVERIFY(QDir(server.uploadFolder()).isEmpty());
}

void TestPublishing::sftpCancelMidFileKeepsTheOldFile() {
    SftpTestServer server;
    SftpTestServer::Options options;
    options.stallAfter = 300000;
    const Outcome started = server.start(options);
    QVERIFY2(started.ok(), qPrintable(started.error));
    QVERIFY(server.putFile(QStringLiteral("gross.bin"), "alt"));
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("index.html"));
    write(page, "<img src=\"gross.bin\" alt=\"\">");
    write(dir.filePath(QStringLiteral("gross.bin")), QByteArray(2000000, 'n'));
    Publisher publisher(server, PublishProtocol::Sftp);
    publisher.request().trust.hostKeySha256 = server.hostKeySha256();

    const Publication::Result result = publisher.run(page, true, &server);
    QVERIFY(result.summary.cancelled);
    QCOMPARE(read(server.uploadFolder() + QStringLiteral("/gross.bin")), "alt");
    // The page went up before; of the big file neither a ".part" nor an ".alt" is left.
    QCOMPARE(QDir(server.uploadFolder()).entryList(QDir::Files),
             (QStringList{"gross.bin", "index.html"}));
}

void TestPublishing::ftpsUploadsOnceTheCertificateIsTrusted() {
    FtpsTestServer server;
    const Outcome started = server.start();
    QVERIFY2(started.ok(), qPrintable(started.error));
    Site site;
    Publisher publisher(server, PublishProtocol::Ftps);

    Publication::Result result = publisher.run(site.page);
    QCOMPARE(result.distrust, CurlTransport::Distrust::UntrustedCertificate);
    QCOMPARE(result.pin, server.pinnedPublicKey());
    QVERIFY(QDir(server.uploadFolder()).isEmpty());

    publisher.request().trust.certificatePin = result.pin;
    result = publisher.run(site.page);
    QVERIFY2(result.summary.ok(), qPrintable(result.summary.error));
    QCOMPARE(result.summary.uploaded, 5);
    for (const QString& file : site.relativeFiles())
        QCOMPARE(read(server.uploadFolder() + u'/' + file), read(site.folder + u'/' + file));
}

// A server that offers no TLS never sees the user's name or password.
void TestPublishing::ftpWithoutTlsIsRefused() {
    QTcpServer plain;
    QVERIFY(plain.listen(QHostAddress::LocalHost));
    QByteArray heard;
    connect(&plain, &QTcpServer::newConnection, &plain, [&] {
        QTcpSocket* client = plain.nextPendingConnection();
        client->write("220 Willkommen\r\n");
        connect(client, &QTcpSocket::readyRead, client, [&heard, client] {
            while (client->canReadLine()) {
                const QByteArray line = client->readLine();
                heard += line;
                client->write("502 Nicht hier\r\n");
            }
        });
    });
    Site site;
    Publisher publisher({PublishProtocol::Ftps,
                         QStringLiteral("127.0.0.1"),
                         plain.serverPort(),
                         QStringLiteral("anna"),
                         {},
                         QStringLiteral("/htdocs")},
                        QStringLiteral("geheim"));
    publisher.request().trust.certificatePin = QStringLiteral("sha256//AAAA");
    const Publication::Result result = publisher.run(site.page);
    QVERIFY(result.summary.error.startsWith(
        QStringLiteral("Der Server „127.0.0.1“ bietet keine verschlüsselte Verbindung (TLS) an.")));
    QVERIFY2(!heard.contains("USER") && !heard.contains("PASS"), heard.constData());
}

QTEST_MAIN(TestPublishing)
#include "tst_publishing.moc"
