// The copy of an unsaved page of 100,000 lines: what the window's thread spends taking it
// (it must stay well within one frame, 16 ms, so typing never waits), and the time until the
// copy is in its file (under 20 ms).
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "commands/PageDocument.h"
#include "context/PageContext.h"
#include "core/context/RecoveryFolder.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "BenchPages.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A window set whose page holds 100,000 unsaved lines, with its recovery folder.
struct Setup {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    std::unique_ptr<WindowSet> windows;
    PageDocument* page = nullptr;

    Setup() {
        windows = std::make_unique<WindowSet>(dialogs, opener, WindowSet::Start::Hidden,
                                              dir.filePath(QStringLiteral("wiederherstellen")));
        windows->context().document.open(benchPageLines(), true, StandIns());
        page = &windows->mainWindow().pageDocument();
    }
};
Setup* g_setup = nullptr;

void BM_SnapshotOnWindowThread(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(g_setup->page->recoverySnapshot());
}
BENCHMARK(BM_SnapshotOnWindowThread)->Unit(benchmark::kMillisecond);

void BM_CopyWritten(benchmark::State& state) {
    RecoveryFolder& folder = g_setup->windows->recoveryFolder();
    for (auto _ : state) {
        folder.record(RecoveryCopy::Window::Page, g_setup->page->recoverySnapshot());
        folder.waitForWrites();
    }
}
BENCHMARK(BM_CopyWritten)->Unit(benchmark::kMillisecond)->UseRealTime();

// Where the worker's time goes: the text as a save writes it, its encoding, the file.
void BM_WorkerFinish(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(g_setup->page->recoverySnapshot().finished());
}
BENCHMARK(BM_WorkerFinish)->Unit(benchmark::kMillisecond);

void BM_WorkerEncode(benchmark::State& state) {
    const RecoveryCopy copy = g_setup->page->recoverySnapshot().finished();
    for (auto _ : state)
        benchmark::DoNotOptimize(copy.encode());
}
BENCHMARK(BM_WorkerEncode)->Unit(benchmark::kMillisecond);

void BM_WorkerFile(benchmark::State& state) {
    const QByteArray bytes = g_setup->page->recoverySnapshot().finished().encode();
    const QString path = g_setup->dir.filePath(QStringLiteral("kopie"));
    for (auto _ : state)
        benchmark::DoNotOptimize(PageFile::replaceFile(path, bytes));
    state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(BM_WorkerFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same bytes through a plain QFile, which leaves them to the system's cache: what the
// safe writer's flush to the disk adds.
void BM_PlainQFileSameBytes(benchmark::State& state) {
    const QByteArray bytes = g_setup->page->recoverySnapshot().finished().encode();
    const QString path = g_setup->dir.filePath(QStringLiteral("kopie"));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(file.write(bytes));
    }
}
BENCHMARK(BM_PlainQFileSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup instance;
    g_setup = &instance;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
