// Publishing without a network: which files a page sends, the order of the operations on the
// server that keeps every file whole, and the records that spare unchanged files.
#include "core/publish/Transport.h"
#include "core/publish/UploadPlan.h"
#include "core/publish/UploadRecords.h"
#include "core/publish/Uploader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

namespace {

const QString kBase = QStringLiteral("/web");

// A server in memory that notes every operation and fails the one it is told to. As the
// interface allows, it refuses to rename onto a file that exists.
class ScriptedTransport final : public Transport {
public:
    QMap<QString, QByteArray> files; // by absolute path
    QSet<QString> folders{kBase};
    QStringList operations;
    QString failing;

    Expected<QStringList> names(const QString& folder) override {
        if (const Outcome outcome = did(QStringLiteral("names ") + folder); !outcome.ok())
            return {outcome};
        if (!folders.contains(folder))
            return {{QStringLiteral("Ordner fehlt")}};
        QStringList result;
        for (const QString& path : files.keys() + folders.values()) {
            if (path != folder && QFileInfo(path).path() == folder)
                result << QFileInfo(path).fileName();
        }
        return {{}, result};
    }

    Outcome makeFolder(const QString& folder) override {
        const Outcome outcome = did(QStringLiteral("mkdir ") + folder);
        for (QString made = folder; outcome.ok() && made != u"/"; made = QFileInfo(made).path())
            folders.insert(made);
        return outcome;
    }

    // Sends half, then the rest, then takes the steps; a failure or a stop leaves the half
    // behind.
    Outcome upload(const QString& localPath, const QString& remotePath, const Progress& progress,
                   const QList<Step>& then) override {
        const Outcome outcome = did(QStringLiteral("upload ") + remotePath);
        QFile file(localPath);
        if (!file.open(QIODevice::ReadOnly))
            return {file.errorString()};
        const QByteArray bytes = file.readAll();
        files[remotePath] = bytes.first(bytes.size() / 2);
        if (!progress(bytes.size() / 2))
            return {QStringLiteral("abgebrochen")};
        if (!outcome.ok())
            return outcome;
        files[remotePath] = bytes;
        progress(bytes.size());
        for (const Step& step : then) {
            const Outcome taken =
                step.kind == Step::Kind::Rename ? rename(step.path, step.to) : remove(step.path);
            if (!taken.ok() && !step.mayFail)
                return taken;
        }
        return {};
    }

    Outcome rename(const QString& from, const QString& to) override {
        if (const Outcome outcome = did(QStringLiteral("rename ") + from + u' ' + to);
            !outcome.ok())
            return outcome;
        if (!files.contains(from) || files.contains(to))
            return {QStringLiteral("Umbenennen verweigert")};
        files[to] = files.take(from);
        return {};
    }

    Outcome remove(const QString& remotePath) override {
        const Outcome outcome = did(QStringLiteral("remove ") + remotePath);
        if (outcome.ok())
            files.remove(remotePath);
        return outcome;
    }

    // "bilder/a.jpg=bytes" for every file below the base, in order.
    QStringList held() const {
        QStringList result;
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            result << it.key().sliced(kBase.size() + 1) + u'=' + QString::fromUtf8(it.value());
        return result;
    }

    QStringList uploads() const { return operations.filter(QStringLiteral("upload ")); }

private:
    Outcome did(const QString& operation) {
        operations << operation;
        return {operation == failing ? QStringLiteral("misslungen: ") + operation : QString()};
    }
};

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Each entry "path=content", or "path->target" for a symbolic link; paths below root.
void create(const QString& root, const QStringList& entries) {
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(u'=');
        if (const qsizetype arrow = entry.indexOf(u"->");
            arrow >= 0 && (equals < 0 || arrow < equals)) {
            QVERIFY(QFile::link(root + u'/' + entry.sliced(arrow + 2),
                                root + u'/' + entry.first(arrow)));
        } else {
            write(root + u'/' + entry.first(equals), entry.sliced(equals + 1).toUtf8());
        }
    }
}

UploadTarget target(const QString& user = QStringLiteral("anna")) {
    return {QStringLiteral("sftp"), QStringLiteral("example.net"), 22, user, kBase};
}

// What changes between a first and a second run.
enum class Change { Nothing, SameSize, Larger, UploadAll, OtherUser, GoneFromServer, Garbled };

} // namespace

Q_DECLARE_METATYPE(Change)

class TestPublish : public QObject {
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void placing_data();
    void placing();
    void secondRun_data();
    void secondRun();
    void statusText_data();
    void statusText();
    void sentences();
};

void TestPublish::plan_data() {
    QTest::addColumn<QStringList>("entries"); // the page is seite/index.html
    QTest::addColumn<QStringList>("sent");    // empty: the page cannot be read
    QTest::addColumn<QStringList>("outside");
    QTest::addColumn<QStringList>("missing");

    QTest::newRow("pictures") << QStringList{"seite/index.html=<html><head><link rel=\"shortcut "
                                             "icon\" href=\"favicon.ico\">"
                                             "<link rel=icon href=bild&#46;png><style>h1 { "
                                             "background: URL( \"kopf.png\" ) }\n"
                                             "p { background: url(absatz.gif) "
                                             "}</style></head><body background=\"hg.jpg\">"
                                             "<img src=\"mein%20bild.jpg\"><p "
                                             "style=\"background-image: url('stil.jpg')\">",
                                             "seite/favicon.ico=i",
                                             "seite/bild.png=b",
                                             "seite/kopf.png=k",
                                             "seite/absatz.gif=a",
                                             "seite/hg.jpg=h",
                                             "seite/mein bild.jpg=m",
                                             "seite/stil.jpg=s"}
                              << QStringList{"index.html",    "favicon.ico", "bild.png",
                                             "kopf.png",      "absatz.gif",  "hg.jpg",
                                             "mein bild.jpg", "stil.jpg"}
                              << QStringList{} << QStringList{};
    QTest::newRow("linked pages, one level deep")
        << QStringList{"seite/index.html=<a href=\"unter/seite.html#oben\">1</a>"
                       "<a href='info.htm?x=1'>2</a>",
                       "seite/unter/seite.html=<img src=\"bild.jpg\"><a href=\"../weiter.html\">"
                       "<a href=\"../index.html\">",
                       "seite/info.htm=<img src=info.png>",
                       "seite/unter/bild.jpg=b",
                       "seite/info.png=i",
                       "seite/weiter.html=<img src=\"weiter.jpg\">",
                       "seite/weiter.jpg=w"}
        << QStringList{"index.html",     "unter/seite.html", "info.htm",
                       "unter/bild.jpg", "weiter.html",      "info.png"}
        << QStringList{} << QStringList{};
    QTest::newRow("frames") << QStringList{"seite/index.html=<frameset cols=\"20%,*\">"
                                           "<frame src=\"menue.html\"><frame src=\"inhalt.html\">"
                                           "</frameset>",
                                           "seite/menue.html=<iframe src=\"karte.html\"></iframe>"
                                           "<img src=\"m.gif\">",
                                           "seite/inhalt.html=<body background=\"i.jpg\">",
                                           "seite/karte.html=<img src=\"k.jpg\">",
                                           "seite/m.gif=m",
                                           "seite/i.jpg=i",
                                           "seite/k.jpg=k"}
                            << QStringList{"index.html", "menue.html", "inhalt.html",
                                           "karte.html", "m.gif",      "i.jpg"}
                            << QStringList{} << QStringList{};
    QTest::newRow("outside and missing")
        << QStringList{"seite/index.html=<img src=\"../bilder/x.jpg\"><img src=\"verweis.jpg\">"
                       "<img src=\"fehlt.jpg\"><img src=\"../bilder/x.jpg\">"
                       "<img src=\"../seite/da.jpg\"><img src=\"./fehlt.jpg\">",
                       "bilder/x.jpg=x", "seite/da.jpg=d", "seite/verweis.jpg->bilder/x.jpg"}
        << QStringList{"index.html", "da.jpg"} << QStringList{"../bilder/x.jpg", "verweis.jpg"}
        << QStringList{"fehlt.jpg"};
    QTest::newRow("addresses")
        << QStringList{"seite/index.html=<a href=\"https://example.com/a.jpg\"><script "
                       "src=\"//example.com/x.js\"></script><a href=\"mailto:a@example.com\">"
                       "<img src=\"data:image/png;base64,AAAA\"><a href=\"javascript:void(0)\"><a "
                       "href=\"#oben\">"
                       "<a href=\"?x=1\"><a href=\"ftp://example.com/a.jpg\"><a href=\" "
                       "a.php?x=1#z \">"
                       "<a href=\"unter/\"><img src=\"b%C3%A4r.jpg\"><img src=\"unter\\u.jpg\">",
                       "seite/a.jpg=a",
                       "seite/x.js=x",
                       "seite/a.php=p",
                       "seite/unter/u.jpg=u",
                       "seite/bär.jpg=b"}
        << QStringList{"index.html", "a.php", "bär.jpg", "unter/u.jpg"} << QStringList{}
        << QStringList{};
    QTest::newRow("duplicates") << QStringList{"seite/index.html=<img src=a.jpg><img src=./a.jpg>"
                                               "<img src=\"a.jpg?v=2\"><img src=unter/../a.jpg>"
                                               "<a href=\"index.html\"><a href=\"b.jpg\">",
                                               "seite/a.jpg=a", "seite/b.jpg=b"}
                                << QStringList{"index.html", "a.jpg", "b.jpg"} << QStringList{}
                                << QStringList{};
    QTest::newRow("comments, scripts and text")
        << QStringList{"seite/index.html=<!-- <img src=\"k.jpg\"> --><script>"
                       "document.write('<img src=\"s.jpg\">');</script>"
                       "<textarea><img "
                       "src=\"t.jpg\"></textarea>src=\"u.jpg\"<style></style>url(v.jpg)"
                       "<img src=\"a.jpg\" src=\"b.jpg\"><img src=\"c.jpg\"",
                       "seite/k.jpg=k",
                       "seite/s.jpg=s",
                       "seite/t.jpg=t",
                       "seite/u.jpg=u",
                       "seite/v.jpg=v",
                       "seite/a.jpg=a",
                       "seite/b.jpg=b",
                       "seite/c.jpg=c"}
        << QStringList{"index.html", "a.jpg"} << QStringList{} << QStringList{};
    QTest::newRow("no page") << QStringList{"seite/a.jpg=a"} << QStringList{} << QStringList{}
                             << QStringList{};
}

void TestPublish::plan() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, outside);
    QFETCH(QStringList, missing);
    const QTemporaryDir root;
    create(root.path(), entries);
    const QString folder = root.path() + QStringLiteral("/seite/");
    const Expected<UploadPlan> plan = planUpload(folder + QStringLiteral("index.html"));
    QCOMPARE(plan.ok(), !sent.isEmpty());
    QStringList relative;
    for (const UploadFile& file : plan.value.files) {
        QCOMPARE(file.localPath, folder + file.relativePath);
        relative << file.relativePath;
    }
    QCOMPARE(relative, sent);
    QCOMPARE(plan.value.outside, outside);
    QCOMPARE(plan.value.missing, missing);
}

void TestPublish::placing_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QStringList>("before"); // below the base, which exists
    QTest::addColumn<QString>("failing");
    QTest::addColumn<bool>("cancelling"); // in the middle of the file
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("error");

    const QString a = QStringLiteral("a.jpg");
    QTest::newRow("new file") << a << QStringList{} << QString() << false
                              << QStringList{"names /web", "upload /web/a.jpg.part",
                                             "rename /web/a.jpg.part /web/a.jpg"}
                              << QStringList{"a.jpg=neu"} << QString();
    QTest::newRow("new folder") << QStringLiteral("bilder/a.jpg") << QStringList{} << QString()
                                << false
                                << QStringList{"names /web/bilder", "mkdir /web/bilder",
                                               "upload /web/bilder/a.jpg.part",
                                               "rename /web/bilder/a.jpg.part /web/bilder/a.jpg"}
                                << QStringList{"bilder/a.jpg=neu"} << QString();
    const QStringList replaced{"names /web", "upload /web/a.jpg.part",
                               "rename /web/a.jpg /web/a.jpg.alt",
                               "rename /web/a.jpg.part /web/a.jpg", "remove /web/a.jpg.alt"};
    QTest::newRow("replaced file") << a << QStringList{"a.jpg=alt"} << QString() << false
                                   << replaced << QStringList{"a.jpg=neu"} << QString();
    QTest::newRow("stopped between the renames")
        << a << QStringList{"a.jpg.alt=alt"} << QString() << false
        << QStringList{"names /web", "rename /web/a.jpg.alt /web/a.jpg"} + replaced.sliced(1)
        << QStringList{"a.jpg=neu"} << QString();
    QTest::newRow("stopped before removing the old file")
        << a << QStringList{"a.jpg=alt", "a.jpg.alt=älter"} << QString() << false
        << QStringList{"names /web", "remove /web/a.jpg.alt"} + replaced.sliced(1)
        << QStringList{"a.jpg=neu"} << QString();
    QTest::newRow("upload fails") << a << QStringList{"a.jpg=alt", "a.jpg.part=n"}
                                  << QStringLiteral("upload /web/a.jpg.part") << false
                                  << QStringList{"names /web", "upload /web/a.jpg.part",
                                                 "rename /web/a.jpg.alt /web/a.jpg",
                                                 "remove /web/a.jpg.part"}
                                  << QStringList{"a.jpg=alt"}
                                  << QStringLiteral("misslungen: upload /web/a.jpg.part");
    QTest::newRow("moving the old file aside fails")
        << a << QStringList{"a.jpg=alt"} << QStringLiteral("rename /web/a.jpg /web/a.jpg.alt")
        << false
        << replaced.first(3) +
               QStringList{"rename /web/a.jpg.alt /web/a.jpg", "remove /web/a.jpg.part"}
        << QStringList{"a.jpg=alt"}
        << QStringLiteral("misslungen: rename /web/a.jpg /web/a.jpg.alt");
    QTest::newRow("putting the new file in place fails")
        << a << QStringList{"a.jpg=alt"} << QStringLiteral("rename /web/a.jpg.part /web/a.jpg")
        << false
        << replaced.first(4) +
               QStringList{"rename /web/a.jpg.alt /web/a.jpg", "remove /web/a.jpg.part"}
        << QStringList{"a.jpg=alt"}
        << QStringLiteral("misslungen: rename /web/a.jpg.part /web/a.jpg");
    QTest::newRow("folder cannot be made")
        << QStringLiteral("bilder/a.jpg") << QStringList{} << QStringLiteral("mkdir /web/bilder")
        << false << QStringList{"names /web/bilder", "mkdir /web/bilder"} << QStringList{}
        << QStringLiteral("misslungen: mkdir /web/bilder");
    QTest::newRow("cancelled") << a << QStringList{"a.jpg=alt"} << QString() << true
                               << QStringList{"names /web", "upload /web/a.jpg.part",
                                              "remove /web/a.jpg.part"}
                               << QStringList{"a.jpg=alt"} << QString();
}

void TestPublish::placing() {
    QFETCH(QString, relative);
    QFETCH(QStringList, before);
    QFETCH(QString, failing);
    QFETCH(bool, cancelling);
    QFETCH(QStringList, operations);
    QFETCH(QStringList, after);
    QFETCH(QString, error);
    const QTemporaryDir local;
    const QString path = local.filePath(QStringLiteral("seite/a.jpg"));
    write(path, "neu");
    ScriptedTransport server;
    for (const QString& entry : before) {
        const qsizetype equals = entry.indexOf(u'=');
        server.files.insert(kBase + u'/' + entry.first(equals), entry.sliced(equals + 1).toUtf8());
    }
    server.failing = failing;
    UploadRecords records(local.filePath(QStringLiteral("records")));
    Uploader uploader(server, records, target());
    std::atomic<bool> cancel = false;
    uploader.setCancelFlag(&cancel);
    qint64 lastDone = -1;
    uploader.setProgress([&](const QString& file, qint64 done, qint64 total) {
        QCOMPARE(file, relative);
        QCOMPARE(total, 3);
        QVERIFY(done >= lastDone && done <= total);
        lastDone = done;
        cancel = cancelling && done > 0;
    });
    const Uploader::Summary summary = uploader.run({{path, relative}});
    QCOMPARE(server.operations, operations);
    QCOMPARE(server.held(), after);
    QCOMPARE(summary.error, error);
    QCOMPARE(summary.cancelled, cancelling);
    const bool placed = error.isEmpty() && !cancelling;
    QCOMPARE(summary.uploaded, int(placed));
    if (placed)
        QCOMPARE(lastDone, 3);
}

void TestPublish::secondRun_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("uploaded");
    QTest::addColumn<int>("unchanged");

    const QStringList all{"upload /web/index.html.part", "upload /web/a.jpg.part",
                          "upload /web/bilder/b.jpg.part"};
    QTest::newRow("nothing") << Change::Nothing << QStringList{} << 3;
    QTest::newRow("same size, other bytes") << Change::SameSize << all.sliced(1, 1) << 2;
    QTest::newRow("larger") << Change::Larger << all.sliced(1, 1) << 2;
    QTest::newRow("upload all") << Change::UploadAll << all << 0;
    QTest::newRow("other user") << Change::OtherUser << all << 0;
    QTest::newRow("gone from the server") << Change::GoneFromServer << all.sliced(2) << 2;
    QTest::newRow("records garbled") << Change::Garbled << all << 0;
}

// Each run takes up the records anew from their folder, as the window does.
void TestPublish::secondRun() {
    QFETCH(Change, change);
    QFETCH(QStringList, uploaded);
    QFETCH(int, unchanged);
    const QTemporaryDir local;
    create(local.path(), {"seite/index.html=<img src=a.jpg><img src=bilder/b.jpg>",
                          "seite/a.jpg=eins", "seite/bilder/b.jpg=zwei"});
    const Expected<UploadPlan> plan =
        planUpload(local.filePath(QStringLiteral("seite/index.html")));
    QVERIFY(plan.ok());
    const QString recordsFolder = local.filePath(QStringLiteral("records"));
    ScriptedTransport server;
    const auto run = [&](const UploadTarget& to, bool all) {
        UploadRecords records(recordsFolder);
        Uploader uploader(server, records, to);
        uploader.setUploadAll(all);
        server.operations.clear();
        return uploader.run(plan.value.files);
    };
    const Uploader::Summary first = run(target(), false);
    QVERIFY2(first.ok(), qPrintable(first.error));
    QCOMPARE(first.uploaded, 3);

    if (change == Change::SameSize || change == Change::Larger)
        write(plan.value.files[1].localPath,
              change == Change::SameSize ? "zwei" : "einsundzwanzig");
    if (change == Change::GoneFromServer)
        server.files.remove(QStringLiteral("/web/bilder/b.jpg"));
    if (change == Change::Garbled) {
        for (const QFileInfo& file : QDir(recordsFolder).entryInfoList(QDir::Files))
            write(file.filePath(), "{\"targets\": [{\"files\": ");
    }
    const Uploader::Summary second =
        run(target(change == Change::OtherUser ? QStringLiteral("bert") : QStringLiteral("anna")),
            change == Change::UploadAll);
    QVERIFY2(second.ok(), qPrintable(second.error));
    QCOMPARE(server.uploads(), uploaded);
    QCOMPARE(second.uploaded, uploaded.size());
    QCOMPARE(second.unchanged, unchanged);
}

void TestPublish::statusText_data() {
    QTest::addColumn<int>("uploaded");
    QTest::addColumn<int>("unchanged");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1 << 0 << QStringLiteral("1 Datei veröffentlicht");
    QTest::newRow("several") << 12 << 0 << QStringLiteral("12 Dateien veröffentlicht");
    QTest::newRow("one and unchanged")
        << 1 << 2 << QStringLiteral("1 Datei veröffentlicht, 2 unverändert");
    QTest::newRow("none and unchanged")
        << 0 << 1 << QStringLiteral("0 Dateien veröffentlicht, 1 unverändert");
}

void TestPublish::statusText() {
    QFETCH(int, uploaded);
    QFETCH(int, unchanged);
    QFETCH(QString, text);
    QCOMPARE(Uploader::statusText(uploaded, unchanged), text);
}

void TestPublish::sentences() {
    const QStringList names{"../bilder/x.jpg", "verweis.jpg"};
    QCOMPARE(outsideSentence(names), QStringLiteral("Nicht hochgeladen, weil außerhalb des "
                                                    "Ordners der Seite: ../bilder/x.jpg, "
                                                    "verweis.jpg"));
    QCOMPARE(missingSentence(names.first(1)),
             QStringLiteral("Übersprungen, weil nicht vorhanden: ../bilder/x.jpg"));
}

QTEST_GUILESS_MAIN(TestPublish)
#include "tst_publish.moc"
