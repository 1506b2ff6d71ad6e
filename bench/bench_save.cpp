// Saving a page of 100,000 lines against writing the same bytes with a plain QFile.
#include "core/platform/PageFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QStringList pageLines() {
    QStringList lines;
    lines.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        lines.append(
            QStringLiteral("<p style=\"font-family:Arial; font-size:12pt\">Zeile %1 äöü</p>")
                .arg(i));
    return lines;
}

void BM_SavePage(benchmark::State& state) {
    const QStringList lines = pageLines();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    for (auto _ : state)
        benchmark::DoNotOptimize(PageFile::writeLines(path, lines));
}
BENCHMARK(BM_SavePage)->Unit(benchmark::kMillisecond);

void BM_PlainQFile(benchmark::State& state) {
    const QStringList lines = pageLines();
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(file.write(bytes));
    }
}
BENCHMARK(BM_PlainQFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
