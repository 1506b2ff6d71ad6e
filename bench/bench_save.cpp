// Saving a page of 100,000 lines against writing the same bytes with a plain QFile.
#include "core/platform/PageFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "BenchPages.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SavePage(benchmark::State& state) {
    const QStringList lines = benchPageLines();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("seite.html"));
    for (auto _ : state)
        benchmark::DoNotOptimize(PageFile::writeLines(path, lines));
}
BENCHMARK(BM_SavePage)->Unit(benchmark::kMillisecond);

void BM_PlainQFile(benchmark::State& state) {
    const QStringList lines = benchPageLines();
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
