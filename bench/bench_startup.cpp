// Start-up as the user sees it: a fresh process until the main window is shown, for the
// whole window set against a bare Qt window plus the splash picture's decode.
#include "app/WindowSet.h"
#include "support/ScriptedDialogs.h"
#include "ui/Artwork.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

QString self;

int runChild(const QString& what, int argc, char** argv) {
    QApplication app(argc, argv);
    if (what == QLatin1String("--child-quillmark")) {
        ScriptedDialogs dialogs;
        RecordingOpener opener;
        WindowSet windows(dialogs, opener);
        windows.showAtStart();
        QApplication::processEvents();
    } else {
        // A bare window that shows a line of text, as every real window does: the font
        // database is loaded on the first text laid out, by either program.
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("Quillmark")));
        window.show();
        benchmark::DoNotOptimize(Artwork::pixmap(QStringLiteral("splash.jpg")));
        QApplication::processEvents();
    }
    return 0;
}

void startChild(benchmark::State& state, const char* what) {
    for (auto _ : state) {
        QProcess child;
        child.start(self, {QString::fromLatin1(what)});
        child.waitForFinished();
    }
}

void BM_StartQuillmark(benchmark::State& state) {
    startChild(state, "--child-quillmark");
}
BENCHMARK(BM_StartQuillmark)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartBareWindowAndSplash(benchmark::State& state) {
    startChild(state, "--child-bare");
}
BENCHMARK(BM_StartBareWindowAndSplash)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && QByteArray(argv[1]).startsWith("--child-"))
        return runChild(QString::fromLatin1(argv[1]), argc, argv);
    QCoreApplication app(argc, argv);
    self = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
