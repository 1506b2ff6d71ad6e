// Long lines without a space: opening a file that is one 2 MiB line in the post-editor and
// pasting 1 MiB of unbroken text into the text field on "Text", each until the field is
// painted, must stay under 2 s. The wrap modes of a bare field are measured beside them:
// breaking a run anywhere grows with the square of its length, wrapping at spaces only and
// not wrapping grow linearly.
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "posteditor/PostEditorWindow.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kFileLine = qsizetype(2) << 20;
constexpr qsizetype kPasted = qsizetype(1) << 20;

// Lays out and paints what the field shows, as the screen would.
void paint(QPlainTextEdit& field) {
    QApplication::processEvents();
    field.viewport()->repaint();
}

struct Setup {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("eine-zeile.html"));
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet windows{dialogs, opener};
    PostEditorWindow& editor = windows.postEditor();
    QPlainTextEdit& editorText = *editor.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QPlainTextEdit& textField = *windows.mainWindow()
                                     .findChild<QWidget*>(QStringLiteral("TabSheet2"))
                                     ->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));

    Setup() {
        const QByteArray line(kFileLine, 'x');
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(line) != line.size())
            qFatal("cannot write the test file");
        editor.show();
        MainWindow& main = windows.mainWindow();
        main.show();
        main.pageControl().setCurrentWidget(main.findChild<QWidget*>(QStringLiteral("TabSheet2")));
        QApplication::processEvents();
    }
};

Setup* g_setup = nullptr;

void BM_OpenOneLineFile(benchmark::State& state) {
    Setup& s = *g_setup;
    for (auto _ : state) {
        s.dialogs.answerFile(s.path);
        s.editor.findChild<QAction*>(QStringLiteral("ffnen1"))->trigger();
        paint(s.editorText);
        state.PauseTiming();
        if (s.editorText.document()->characterCount() < kFileLine)
            state.SkipWithError("the file was not loaded");
        s.editor.NeuClick();
        paint(s.editorText);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenOneLineFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PasteUnbrokenText(benchmark::State& state) {
    Setup& s = *g_setup;
    QGuiApplication::clipboard()->setText(QString(kPasted, u'x'));
    for (auto _ : state) {
        s.textField.paste();
        paint(s.textField);
        state.PauseTiming();
        if (s.textField.document()->characterCount() < kPasted)
            state.SkipWithError("nothing was pasted");
        s.textField.selectAll();
        s.textField.textCursor().removeSelectedText();
        paint(s.textField);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteUnbrokenText)->Unit(benchmark::kMillisecond)->Iterations(3);

// A bare field of the post-editor's size showing one unbroken run, per wrap mode.
void BM_WrapMode(benchmark::State& state) {
    const auto mode = static_cast<int>(state.range(0));
    const QString run(state.range(1), u'x');
    QPlainTextEdit field;
    field.resize(g_setup->editorText.size());
    field.setFont(g_setup->editorText.font());
    if (mode < 0) {
        field.setLineWrapMode(QPlainTextEdit::NoWrap);
    } else {
        field.setWordWrapMode(static_cast<QTextOption::WrapMode>(mode));
    }
    field.show();
    for (auto _ : state) {
        field.setPlainText(run);
        paint(field);
        state.PauseTiming();
        field.clear();
        paint(field);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WrapMode)
    ->ArgNames({"mode", "chars"})
    ->Args({-1, kFileLine}) // no wrapping, as the page source
    ->Args({QTextOption::WordWrap, kFileLine})
    ->Args({QTextOption::WrapAnywhere, kFileLine})
    ->Args({QTextOption::WrapAtWordBoundaryOrAnywhere, 64 << 10})
    ->Args({QTextOption::WrapAtWordBoundaryOrAnywhere, 128 << 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

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
