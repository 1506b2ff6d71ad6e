// The page check of a page of 1,000, 10,000 and 100,000 lines built from what the program
// emits: it must stay under 100 ms at 100,000 lines and grow linearly with the page. And a
// megabyte of each input that once froze a reader: the check must stay under 200 ms, and the
// findings list under the page source under 50 ms of the window's time once typing paused.
#include "core/forms/FormHtml.h"
#include "core/generators/GeneralSettingsHtml.h"
#include "core/generators/ImagesHtml.h"
#include "core/generators/LinksHtml.h"
#include "core/generators/ListsHtml.h"
#include "core/generators/TablesHtml.h"
#include "core/generators/TextFormatHtml.h"
#include "core/source/PageCheck.h"
#include "core/source/SourceHtml.h"
#include "ui/PageCheckView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QThreadPool>

#include <benchmark/benchmark.h>

namespace {

// Text, a link, a picture, a table, a list and a form question, over and over.
QStringList elements() {
    TextFormat format;
    format.fontName = QStringLiteral("Arial");
    format.fontSize = QStringLiteral("12");
    format.fontColor = QStringLiteral("Black");
    format.placement.position = Position::Center;
    format.emphasis.bold = true;
    format.emphasis.italic = true;
    format.placement.breaksAfter = 1;
    QStringList lines = TextFormatHtml::textBlock(
        format, TextFormatHtml::styledParagraphLine(format, QStringLiteral("Ein Absatz Text")));
    lines << LinksHtml::textLink(format, {{}, QStringLiteral("seite2.html"), {}},
                                 QStringLiteral("weiter"));
    ImageElement image;
    image.tag.file = QStringLiteral("bild.jpg");
    image.tag.text = QStringLiteral("Bild");
    TableSettings table;
    table.border = QStringLiteral("1");
    lines << ImagesHtml::imageBlock(image);
    lines << TablesHtml::tableStart(table) << TablesHtml::rowOpen() << TablesHtml::cellOpen({})
          << QStringLiteral("Zelle") << TablesHtml::cellClose() << TablesHtml::rowClose()
          << TablesHtml::tableEnd({});
    lines << ListsHtml::openingLine(ListStyle::Discs) << ListsHtml::entryLine(QStringLiteral("a"))
          << ListsHtml::closingTag(ListKind::Unsorted);
    lines << FormHtml::formStartLine(QStringLiteral("http://www.meinhoster.de/formular.cgi"),
                                     QStringLiteral("ich@example.de"))
          << FormHtml::inputFieldQuestion({format, QStringLiteral("Name?")},
                                          {QStringLiteral("20"), QStringLiteral("40"), false})
          << FormHtml::formEndLine();
    return lines;
}

QStringList page(int lineCount) {
    DocumentStart start;
    start.title = QStringLiteral("Lang");
    QStringList lines = GeneralSettingsHtml::documentStart(start);
    const QStringList block = elements();
    while (lines.size() + block.size() + 2 <= lineCount)
        lines << block;
    while (lines.size() + 2 < lineCount)
        lines << SourceHtml::kBreak;
    return lines << SourceHtml::closingTail();
}

void BM_CheckPage(benchmark::State& state) {
    const QStringList lines = page(int(state.range(0)));
    qsizetype findings = 0;
    for (auto _ : state)
        findings += CheckPage(lines, {}).size();
    if (findings != 0)
        state.SkipWithError("the emitted page gave findings");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CheckPage)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A page full of mistakes: elements left open, end tags that close nothing, deep nesting and
// hints on every few lines. It must grow linearly too.
void BM_CheckBrokenPage(benchmark::State& state) {
    const QStringList mistakes{
        QStringLiteral("<div><b>offen"), QStringLiteral("</i></td>"),
        QStringLiteral("<table><tr><td><ul><li>x"),
        QStringLiteral("<a href=\"www.example.de\"><img src='a b.jpg' alt=>"),
        QStringLiteral("<i><u></b>")};
    QStringList lines;
    for (int i = 0; i < state.range(0); ++i)
        lines << mistakes[i % mistakes.size()];
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckPage(lines, {}));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CheckBrokenPage)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A megabyte of one input, one unit a line.
QStringList pathological(int which) {
    constexpr qsizetype kSize = 1 << 20;
    const auto filled = [](QStringView unit) {
        return QStringList(kSize / (unit.size() + 1), unit.toString());
    };
    switch (which) {
    case 0:
        return filled(u"<!-- a -->");
    case 1:
        return filled(u"<div>").mid(0, kSize / 12) + filled(u"</span>").mid(0, kSize / 16);
    case 2:
        return filled(u"<div>");
    case 3:
        return filled(u"</b>");
    default:
        return QStringList{QStringLiteral("<div>").repeated(100000) +
                           QStringLiteral("</div>").repeated(100000)};
    }
}

const char* const kPathologicalNames[] = {"closed comments", "unmatched end tags", "unclosed <div>",
                                          "stray </b>", "nesting 100,000 deep"};

void BM_CheckPathological(benchmark::State& state) {
    const QStringList lines = pathological(int(state.range(0)));
    state.SetLabel(kPathologicalNames[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckPage(lines, {}));
}
BENCHMARK(BM_CheckPathological)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// What the window spends once typing paused: the text taken from the field and the check
// started, then the list and the status filled when the check is done. The check's own time
// on its worker thread does not count.
void BM_FindingsList(benchmark::State& state) {
    QPlainTextEdit field;
    field.setPlainText(pathological(int(state.range(0))).join(u'\n'));
    PageCheckView view(field, [] { return CheckOptions{}; });
    state.SetLabel(kPathologicalNames[state.range(0)]);
    QElapsedTimer window;
    for (auto _ : state) {
        window.start();
        view.checkNow();
        qint64 spent = window.nsecsElapsed();
        QThreadPool::globalInstance()->waitForDone();
        window.start();
        QCoreApplication::processEvents();
        spent += window.nsecsElapsed();
        state.SetIterationTime(double(spent) / 1e9);
    }
}
BENCHMARK(BM_FindingsList)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
