// Start-up as the user sees it: from starting a fresh process until the main window is on
// screen, for the program against a bare Qt window plus the splash picture's decode.
#include "app/WindowSet.h"
#include "support/ScriptedDialogs.h"
#include "ui/Artwork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString self;

// Tells the parent the moment the main window first paints.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QString windowName) : m_windowName(std::move(windowName)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_told && event->type() == QEvent::Paint && watched->objectName() == m_windowName) {
            m_told = true;
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
        }
        return false;
    }

private:
    QString m_windowName;
    bool m_told = false;
};

int runChild(const QString& what, int argc, char** argv) {
    QApplication app(argc, argv);
    if (what == QLatin1String("--child-quillmark")) {
        FirstPaint paint(QStringLiteral("TForm2"));
        app.installEventFilter(&paint);
        ScriptedDialogs dialogs;
        RecordingOpener opener;
        WindowSet windows(dialogs, opener, WindowSet::Start::Shown);
        QApplication::processEvents();
    } else {
        FirstPaint paint(QStringLiteral("Bare"));
        app.installEventFilter(&paint);
        // A bare window that shows a line of text, as every real window does: the font
        // database is loaded on the first text laid out, by either program.
        QMainWindow window;
        window.setObjectName(QStringLiteral("Bare"));
        window.setCentralWidget(new QLabel(QStringLiteral("Quillmark")));
        window.show();
        benchmark::DoNotOptimize(Artwork::pixmap(QStringLiteral("splash.jpg")));
        QApplication::processEvents();
    }
    return 0;
}

// Milliseconds from starting a child process until it reports its window painted.
double startChild(const char* what) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(self, {QString::fromLatin1(what)});
    child.waitForReadyRead();
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished();
    return elapsed;
}

// The two start-ups alternate, each first in every other round, so that a busy moment of the
// machine and the teardown of the previous child weigh on both alike;
// the iteration time is the program's, the bare window's and the ratio are counters.
void BM_QuillmarkShown(benchmark::State& state) {
    double quillmark = 0;
    double bare = 0;
    bool bareFirst = false;
    for (auto _ : state) {
        if (bareFirst)
            bare += startChild("--child-bare");
        const double ours = startChild("--child-quillmark");
        state.SetIterationTime(ours / 1e3);
        quillmark += ours;
        if (!bareFirst)
            bare += startChild("--child-bare");
        bareFirst = !bareFirst;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bare / runs;
    state.counters["quillmark_ms"] = quillmark / runs;
    state.counters["ratio"] = quillmark / bare;
}
BENCHMARK(BM_QuillmarkShown)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

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
