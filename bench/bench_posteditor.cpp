// Opening a 20 MB page file in the post-editor against a bare QPlainTextEdit::setPlainText of
// the same text in a field of the same size: reading, decoding and the line ends must add
// little to what the field itself costs. The colours follow on the event loop after the text
// is shown; how long until the last line has them is measured too. In the same file, the
// search bar finds a match at its far end and replaces about 100,000 matches at once.
#include "app/WindowSet.h"
#include "platform/Dialogs.h"
#include "posteditor/PostEditorWindow.h"
#include "ui/HtmlHighlighter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kFileBytes = 20 * 1000 * 1000;

// Answers every open dialog with the test file; every other question is cancelled.
class FileAnswers final : public Dialogs {
public:
    explicit FileAnswers(QString path) : m_path(std::move(path)) {}
    std::optional<SaveAnswer> saveFileName(const QString&, const QString&,
                                           const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> openFileName(const QString&, const QString&) override { return m_path; }
    std::optional<QString> openPictureName(const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<FontChoice> font(const FontChoice&) override { return std::nullopt; }
    std::optional<QColor> color(const QColor&) override { return std::nullopt; }
    std::unique_ptr<QPrinter> print() override { return nullptr; }
    void message(const QString&) override {}
    void error(const QString& text) override { qFatal("%s", qPrintable(text)); }
    bool question(const QString&) override { return false; }
    bool yesOrNo(const QString&, QWidget*) override { return false; }
    bool trust(const QString&, QWidget*) override { return false; }

private:
    QString m_path;
};

class NoOpener final : public DocumentOpener {
public:
    bool open(const QString&) override { return true; }
    bool openAddress(const QString&) override { return true; }
};

// A page of about 20 MB with CR LF line ends and some umlauts.
QByteArray bigPage() {
    QByteArray bytes;
    bytes.reserve(kFileBytes + 100);
    bytes += "<html>\r\n<body>\r\n";
    for (int i = 0; bytes.size() < kFileBytes; ++i)
        bytes += QStringLiteral("<p style=\"color:Black\">Zeile %1 mit Grüßen aus Köln</p>\r\n")
                     .arg(i)
                     .toUtf8();
    bytes += "</body>\r\n</html>\r\n";
    return bytes;
}

struct Setup {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("gross.html"));
    FileAnswers dialogs{path};
    NoOpener opener;
    WindowSet windows{dialogs, opener};
    PostEditorWindow& editor = windows.postEditor();
    QPlainTextEdit* memo1 = editor.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QString text;

    Setup() {
        const QByteArray bytes = bigPage();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test file");
        text = QString::fromUtf8(bytes);
        editor.show();
        QApplication::processEvents();
    }
};

// Built in main() after the application and gone before it: windows must not outlive it.
Setup* g_setup = nullptr;

Setup& setup() {
    return *g_setup;
}

void BM_BareSetPlainText(benchmark::State& state) {
    Setup& s = setup();
    QPlainTextEdit bare;
    bare.setLineWrapMode(s.memo1->lineWrapMode());
    bare.setWordWrapMode(s.memo1->wordWrapMode());
    bare.setVerticalScrollBarPolicy(s.memo1->verticalScrollBarPolicy());
    bare.setFont(s.memo1->font());
    bare.resize(s.memo1->size());
    bare.show();
    QApplication::processEvents();
    for (auto _ : state) {
        bare.setPlainText(s.text);
        state.PauseTiming();
        bare.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kFileBytes);
}
BENCHMARK(BM_BareSetPlainText)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenInPostEditor(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        s.editor.findChild<QAction*>(QStringLiteral("ffnen1"))->trigger();
        state.PauseTiming();
        if (s.memo1->document()->blockCount() < 100000)
            state.SkipWithError("the file was not loaded");
        s.editor.NeuClick();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kFileBytes);
}
BENCHMARK(BM_OpenInPostEditor)->Unit(benchmark::kMillisecond)->Iterations(5);

// Opening and then colouring every line in the slices the event loop runs: the colours come
// after the text is shown, so this is how long until the last line has them.
void BM_OpenAndColourInPostEditor(benchmark::State& state) {
    Setup& s = setup();
    const HtmlHighlighter* highlighter = s.memo1->findChild<HtmlHighlighter*>();
    for (auto _ : state) {
        s.editor.findChild<QAction*>(QStringLiteral("ffnen1"))->trigger();
        while (!highlighter->settled())
            QApplication::processEvents();
        state.PauseTiming();
        s.editor.NeuClick();
        while (!highlighter->settled())
            QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kFileBytes);
}
BENCHMARK(BM_OpenAndColourInPostEditor)->Unit(benchmark::kMillisecond)->Iterations(2);

template <typename T> T& control(const char* name) {
    T* found = setup().editor.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s in the post-editor", name);
    return *found;
}

void openFile() {
    setup().editor.findChild<QAction*>(QStringLiteral("ffnen1"))->trigger();
    while (!setup().memo1->findChild<HtmlHighlighter*>()->settled())
        QApplication::processEvents();
}

// The caret at the start and a match only at the far end: the bar looks through the whole
// text, after a change, so that it takes its snapshot anew each time.
void BM_FindNextAtTheEnd(benchmark::State& state) {
    Setup& s = setup();
    openFile();
    control<QAction>("Suchen1").trigger();
    control<QLineEdit>("FindText").setText(QStringLiteral("</body>"));
    QPushButton& next = control<QPushButton>("FindNext");
    for (auto _ : state) {
        state.PauseTiming();
        s.memo1->moveCursor(QTextCursor::Start);
        s.memo1->insertPlainText(QStringLiteral(" "));
        s.memo1->undo();
        s.memo1->moveCursor(QTextCursor::Start);
        state.ResumeTiming();
        next.click();
    }
    if (s.memo1->textCursor().selectedText() != u"</body>")
        state.SkipWithError("the match was not found");
    s.editor.NeuClick();
}
BENCHMARK(BM_FindNextAtTheEnd)->Unit(benchmark::kMillisecond)->Iterations(10);

// Lines whose number ends in 0, 1 or 2: about 100,000 matches, each replaced by its group.
void BM_ReplaceAll(benchmark::State& state) {
    Setup& s = setup();
    qsizetype replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        openFile();
        control<QAction>("Ersetzen1").trigger();
        control<QCheckBox>("FindRegex").setChecked(true);
        control<QLineEdit>("FindText").setText(QStringLiteral("Zeile (\\d*[012]) mit"));
        control<QLineEdit>("ReplaceText").setText(QStringLiteral("Nummer \\1:"));
        const int before = s.memo1->document()->characterCount();
        state.ResumeTiming();
        control<QPushButton>("ReplaceAll").click();
        state.PauseTiming();
        replaced = s.memo1->document()->characterCount() - before;
        s.editor.NeuClick();
        state.ResumeTiming();
    }
    state.counters["characters_changed"] = double(replaced);
}
BENCHMARK(BM_ReplaceAll)->Unit(benchmark::kMillisecond)->Iterations(3);

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
