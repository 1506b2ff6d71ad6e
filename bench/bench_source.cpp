// What appending one element and removing the closing tail cost at 100, 10,000 and 100,000
// lines of page source: the cost must not grow with the page.
#include "source/PageSource.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

// A page of the given length, closed by a save, in a source view.
struct Page {
    QPlainTextEdit memo;
    PageSource source{memo};
    explicit Page(int lines) {
        QString text;
        text.reserve(lines * 40);
        for (int i = 0; i < lines - 2; ++i)
            text += QStringLiteral("<p style=\"font-family:Arial\">Zeile %1</p>\n").arg(i);
        text += QStringLiteral("</body>\n</html>\n");
        memo.setPlainText(text);
    }
};

const QStringList kElement = {
    QStringLiteral("<br>"),
    QStringLiteral("<div align=\"center\">"),
    QStringLiteral("<b>"),
    QStringLiteral(
        "<p style=\"font-family:Times New Roman; font-size:12pt; color:Black\">Hallo</p>"),
    QStringLiteral("</b>"),
    QStringLiteral("</div>")};

void BM_AddElement(benchmark::State& state) {
    Page page(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        page.source.commit(kElement);
        state.PauseTiming();
        page.source.closeDocument();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddElement)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_RemoveClosingTail(benchmark::State& state) {
    Page page(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        page.source.RemoveClosingTail();
        state.PauseTiming();
        page.source.closeDocument();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveClosingTail)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
