// Publishing a page with 100 pictures of 100 KB to an SFTP server on this machine, against
// curl uploading the same files over the same server in one run ("curl -T {…}").
#include "publish/Publication.h"
#include "support/TestServers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 100;
constexpr int kFileBytes = 100 * 1024;

struct Setup {
    SftpTestServer server;
    Outcome started;
    QTemporaryDir page;
    QTemporaryDir records;
    QStringList names; // the page first, then its pictures

    Setup() : started(server.start()) {
        QByteArray html = "<!DOCTYPE html>\n<html><body>\n";
        for (int i = 0; i < kFiles; ++i) {
            const QString name = QStringLiteral("bild%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
            QFile picture(page.filePath(name));
            if (picture.open(QIODevice::WriteOnly))
                picture.write(QByteArray(kFileBytes, char('a' + i % 26)));
            html += "<img src=\"" + name.toUtf8() + "\" alt=\"\">\n";
            names.append(name);
        }
        QFile index(page.filePath(QStringLiteral("index.html")));
        if (index.open(QIODevice::WriteOnly))
            index.write(html + "</body></html>\n");
        names.prepend(QStringLiteral("index.html"));
    }
};

Setup* g_setup = nullptr;

qint64 bytesSent() {
    return qint64(kFiles) * kFileBytes;
}

void BM_CurlUpload(benchmark::State& state) {
    Setup& s = *g_setup;
    if (!s.started.ok()) {
        state.SkipWithError(qPrintable(s.started.error));
        return;
    }
    const QStringList arguments = {
        QStringLiteral("--silent"),
        QStringLiteral("--show-error"),
        QStringLiteral("--user"),
        s.server.user() + u':' + s.server.password(),
        QStringLiteral("--hostpubsha256"),
        s.server.hostKeySha256(),
        QStringLiteral("-T"),
        u'{' + s.names.join(u',') + u'}',
        QStringLiteral("sftp://127.0.0.1:%1%2/").arg(s.server.port()).arg(s.server.remoteFolder())};
    for (auto _ : state) {
        QProcess curl;
        curl.setWorkingDirectory(s.page.path());
        curl.start(QStringLiteral("curl"), arguments);
        if (!curl.waitForFinished(120000) || curl.exitCode() != 0) {
            state.SkipWithError(curl.readAllStandardError().constData());
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytesSent());
}
BENCHMARK(BM_CurlUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_PublishUpload(benchmark::State& state) {
    Setup& s = *g_setup;
    if (!s.started.ok()) {
        state.SkipWithError(qPrintable(s.started.error));
        return;
    }
    Publication::Request request;
    request.target = {PublishProtocol::Sftp,  s.server.host(), s.server.port(), s.server.user(), {},
                      s.server.remoteFolder()};
    request.password = s.server.password();
    request.trust.hostKeySha256 = s.server.hostKeySha256();
    request.pagePath = s.page.filePath(QStringLiteral("index.html"));
    request.uploadAll = true; // every run sends every file, as curl does
    request.recordsFolder = s.records.path();
    for (auto _ : state) {
        Publication publication;
        QSignalSpy finished(&publication, &Publication::finished);
        publication.start(request);
        if (!finished.wait(120000)) {
            state.SkipWithError("the upload did not finish");
            return;
        }
        const auto result = finished.first().first().value<Publication::Result>();
        if (!result.summary.ok() || result.summary.uploaded != kFiles + 1) {
            state.SkipWithError(qPrintable(result.summary.error));
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytesSent());
}
BENCHMARK(BM_PublishUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Setup instance;
    g_setup = &instance;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_setup = nullptr;
    return 0;
}
