// „Veröffentlichen“ through its controls, against a real SFTP server the test starts: the page
// is saved first, the server is trusted only after the question, the status bar counts what
// went up, and the password goes only into the keyring.
#include "support/Fixture.h"
#include "support/TestServers.h"

#include <QDir>
#include <QLabel>
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

// Opens the window on a saved page and fills in the server's details.
void fillIn(Fixture& f, const SftpTestServer& server, const QString& page) {
    f.startPage();
    f.act(kMain, QStringLiteral("Memo1=Hallo|Button4"));
    f.dialogs.answerFile(page);
    f.trigger(kMain, QStringLiteral("Veroeffentlichen1"));
    f.act(kPublish, "PublishHost=" + server.host() + "|PublishUser=" + server.user() +
                        "|PublishPassword=" + server.password() +
                        "|PublishFolder=" + server.remoteFolder() + "|PublishRemember");
    FIND(port, QSpinBox, f, kPublish, "PublishPort");
    port->setValue(server.port());
}

} // namespace

class TestPublishWindow : public QObject {
    Q_OBJECT

private slots:
    void savesTrustsUploadsAndKeepsThePassword();
    void withoutKeyringThePasswordIsNotKept();
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

QTEST_MAIN(TestPublishWindow)
#include "tst_publishwindow.moc"
