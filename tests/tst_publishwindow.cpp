// „Veröffentlichen“ through its controls, against a real SFTP server the test starts: the page
// is saved first, the server is trusted only after the question, the status bar counts what
// went up, and the password goes only into the keyring.
#include "support/Fixture.h"
#include "support/TestServers.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

const QString kMain = QStringLiteral("TForm2");
const QString kPublish = QStringLiteral("PublishWindow");
constexpr int kTimeout = 60000;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Opens the window on a page with this text, to be saved at the given path, and fills in the
// server's details.
void fillIn(Fixture& f, const TestServer& server, const QString& page, bool ftps = false,
            const QString& text = QStringLiteral("Hallo")) {
    f.startPage();
    f.act(kMain, "Memo1=" + text + "|Button4");
    f.dialogs.answerFile(page);
    f.trigger(kMain, QStringLiteral("Veroeffentlichen1"));
    if (ftps)
        f.act(kPublish, QStringLiteral("PublishProtocol=FTP mit TLS (FTPS)"));
    f.act(kPublish, "PublishHost=" + server.host() + "|PublishUser=" + server.user() +
                        "|PublishPassword=" + server.password() +
                        "|PublishFolder=" + server.remoteFolder() + "|PublishRemember");
    FIND(port, QSpinBox, f, kPublish, "PublishPort");
    port->setValue(server.port());
}

QString reportOf(Fixture& f) {
    const auto* report = f.control<QLabel>(kPublish, QStringLiteral("PublishReport"));
    return report ? report->text() : QString();
}

// Starts the server of the protocol (FTPS when ftps) and starts it anew with another key.
struct Server {
    explicit Server(bool ftps) {
        if (ftps)
            ftpsServer = std::make_unique<FtpsTestServer>();
        else
            sftpServer = std::make_unique<SftpTestServer>();
    }
    TestServer& get() const {
        return ftpsServer ? static_cast<TestServer&>(*ftpsServer) : *sftpServer;
    }
    Outcome start() const { return ftpsServer ? ftpsServer->start() : sftpServer->start(); }
    Outcome changeKey() const {
        return ftpsServer ? ftpsServer->restart()
                          : sftpServer->restart(SftpTestServer::HostKey::New);
    }
    std::unique_ptr<SftpTestServer> sftpServer;
    std::unique_ptr<FtpsTestServer> ftpsServer;
};

} // namespace

class TestPublishWindow : public QObject {
    Q_OBJECT

private slots:
    void savesTrustsUploadsAndKeepsThePassword();
    void withoutKeyringThePasswordIsNotKept();
    void changedKeyIsTrustedOnlyThroughTheButton_data();
    void changedKeyIsTrustedOnlyThroughTheButton();
    void cancelKeepsTheOldFileAndSaysSo();
    void opensNearTheMainWindowFromTheToolbar();
};

void TestPublishWindow::savesTrustsUploadsAndKeepsThePassword() {
    SftpTestServer server;
    const Outcome started = server.start();
    QVERIFY2(started.ok(), qPrintable(started.error));
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("seite.html"));
    Fixture f;
    fillIn(f, server, page);
    f.dialogs.answerYes();
    f.act(kPublish, QStringLiteral("PublishStart"));
    QTRY_COMPARE_WITH_TIMEOUT(f.statusNotice(), QStringLiteral("1 Datei veröffentlicht"), kTimeout);
    // Saved first, then the one question: the server's fingerprint.
    QCOMPARE(f.dialogs.asked,
             (QStringList{"save:Unbenannt.html",
                          "trust:Sie verbinden sich zum ersten Mal mit dem Server "
                          "„127.0.0.1“. Sein Erkennungszeichen ist: " +
                              server.hostKeyFingerprint() +
                              ". Stimmt es mit dem überein, das Ihr Webhoster angibt? "
                              "Nur dann „Vertrauen“ wählen."}));
    QCOMPARE(bytesOf(server.uploadFolder() + QStringLiteral("/seite.html")), bytesOf(page));
    QCOMPARE(f.keyring.values(), QStringList{server.password()});

    // Trusted now and unchanged: nothing is asked and nothing goes up.
    f.act(kPublish, QStringLiteral("PublishStart"));
    QTRY_COMPARE_WITH_TIMEOUT(f.statusNotice(),
                              QStringLiteral("0 Dateien veröffentlicht, 1 unverändert"), kTimeout);
    QCOMPARE(f.dialogs.asked.size(), 2);
}

void TestPublishWindow::withoutKeyringThePasswordIsNotKept() {
    SftpTestServer server;
    const Outcome started = server.start();
    QVERIFY2(started.ok(), qPrintable(started.error));
    QTemporaryDir dir;
    Fixture f;
    f.keyringAvailable = false;
    fillIn(f, server, dir.filePath(QStringLiteral("seite.html")));
    f.dialogs.answerYes();
    f.act(kPublish, QStringLiteral("PublishStart"));
    QTRY_COMPARE_WITH_TIMEOUT(f.statusNotice(), QStringLiteral("1 Datei veröffentlicht"), kTimeout);
    FIND(report, QLabel, f, kPublish, "PublishReport");
    QVERIFY(report->text().contains(
        QStringLiteral("Kein Schlüsselbund verfügbar: Das Passwort wird nicht gespeichert.")));
    QVERIFY(f.keyring.isEmpty());
}

void TestPublishWindow::changedKeyIsTrustedOnlyThroughTheButton_data() {
    QTest::addColumn<bool>("ftps");
    QTest::addColumn<QString>("firstQuestion");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("SFTP") << false
                          << QStringLiteral("trust:Sie verbinden sich zum ersten Mal mit dem "
                                            "Server „127.0.0.1“. Sein Erkennungszeichen ist: ")
                          << QStringLiteral("Achtung: „127.0.0.1“ weist sich anders aus als beim "
                                            "letzten Mal. Es wurde nichts gesendet.");
    QTest::newRow("FTPS") << true
                          << QStringLiteral("trust:Der Server „127.0.0.1“ weist sich mit einem "
                                            "Zertifikat aus, das keine bekannte Stelle bestätigt. "
                                            "Sein Erkennungszeichen ist: ")
                          << QStringLiteral("Achtung: „127.0.0.1“ weist sich mit einem anderen "
                                            "Zertifikat aus als beim letzten Mal. Es wurde nichts "
                                            "gesendet.");
}

// A first connection is trusted after its question; a changed key is refused, and trusted anew
// only through „Dem neuen Schlüssel vertrauen“ and its two questions. A name outside the page's
// folder is listed, not sent.
void TestPublishWindow::changedKeyIsTrustedOnlyThroughTheButton() {
    QFETCH(bool, ftps);
    QFETCH(QString, firstQuestion);
    QFETCH(QString, refusal);
    const Server server(ftps);
    Outcome started = server.start();
    QVERIFY2(started.ok(), qPrintable(started.error));
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("seite")));
    writeBytes(dir.filePath(QStringLiteral("draussen.jpg")), "JPEG");
    Fixture f;
    fillIn(f, server.get(), dir.filePath(QStringLiteral("seite/index.html")), ftps,
           QStringLiteral("<img src=\"../draussen.jpg\" alt=\"\">"));
    f.dialogs.answerYes();
    f.act(kPublish, QStringLiteral("PublishStart"));
    QTRY_COMPARE_WITH_TIMEOUT(f.statusNotice(), QStringLiteral("1 Datei veröffentlicht"), kTimeout);
    QCOMPARE(f.dialogs.asked.size(), 2);
    QVERIFY2(f.dialogs.asked[1].startsWith(firstQuestion), qPrintable(f.dialogs.asked[1]));
    QCOMPARE(reportOf(f), QStringLiteral("1 Datei veröffentlicht\nNicht hochgeladen, weil "
                                         "außerhalb des Ordners der Seite: ../draussen.jpg"));

    started = server.changeKey();
    QVERIFY2(started.ok(), qPrintable(started.error));
    QVERIFY(QFile::remove(server.get().uploadFolder() + QStringLiteral("/index.html")));
    f.act(kPublish, QStringLiteral("PublishStart"));
    FIND(trustNew, QPushButton, f, kPublish, "PublishTrustNew");
    QTRY_VERIFY_WITH_TIMEOUT(trustNew->isVisible(), kTimeout);
    QVERIFY2(reportOf(f).startsWith(refusal), qPrintable(reportOf(f)));
    QCOMPARE(f.dialogs.asked.size(), 2);
    QVERIFY(QDir(server.get().uploadFolder()).isEmpty());

    f.dialogs.answerYes();
    f.dialogs.answerYes();
    f.act(kPublish, QStringLiteral("PublishTrustNew"));
    QTRY_VERIFY_WITH_TIMEOUT(
        QFile::exists(server.get().uploadFolder() + QStringLiteral("/index.html")), kTimeout);
    QCOMPARE(f.dialogs.asked.size(), 4);
    QVERIFY(f.dialogs.asked[2].startsWith(
        QStringLiteral("trust:Vertrauen Sie dem neuen Schlüssel von „127.0.0.1“ nur, wenn")));
    QVERIFY2(f.dialogs.asked[3].startsWith(firstQuestion), qPrintable(f.dialogs.asked[3]));
    QVERIFY(!trustNew->isVisible());
}

void TestPublishWindow::cancelKeepsTheOldFileAndSaysSo() {
    SftpTestServer server;
    SftpTestServer::Options options;
    options.stallAfter = 100000;
    const Outcome started = server.start(options);
    QVERIFY2(started.ok(), qPrintable(started.error));
    QVERIFY(server.putFile(QStringLiteral("seite.html"), "alt"));
    QTemporaryDir dir;
    Fixture f;
    fillIn(f, server, dir.filePath(QStringLiteral("seite.html")), false, QString(300000, u'x'));
    f.dialogs.answerYes();
    f.act(kPublish, QStringLiteral("PublishStart"));
    QVERIFY(server.waitForLine(QStringLiteral("STALLED"), kTimeout));
    FIND(file, QLabel, f, kPublish, "PublishFile");
    QTRY_COMPARE(file->text(), QStringLiteral("seite.html"));
    f.act(kPublish, QStringLiteral("PublishCancel"));
    FIND(start, QPushButton, f, kPublish, "PublishStart");
    // The transfer stops at once; taking away the ".part" may need a connection of its own.
    QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), kTimeout);
    QCOMPARE(reportOf(f), QStringLiteral("Das Hochladen wurde abgebrochen. Jede Datei auf dem "
                                         "Server ist ganz: die alte oder schon die neue."));
    QCOMPARE(bytesOf(server.uploadFolder() + QStringLiteral("/seite.html")), "alt");
    QCOMPARE(QDir(server.uploadFolder()).entryList(QDir::Files), QStringList{"seite.html"});
    QVERIFY(!f.statusNotice().contains(QStringLiteral("veröffentlicht")));
}

void TestPublishWindow::opensNearTheMainWindowFromTheToolbar() {
    Fixture f;
    f.windows().showAtStart();
    QWidget* main = f.window(kMain);
    main->move(40, 30);
    f.act(kMain, QStringLiteral("Image56"));
    QWidget* window = f.window(kPublish);
    QVERIFY(window->isVisible());
    QCOMPARE(window->parentWidget(), main);
    QVERIFY(main->frameGeometry().contains(window->frameGeometry().center()));
}

QTEST_MAIN(TestPublishWindow)
#include "tst_publishwindow.moc"
