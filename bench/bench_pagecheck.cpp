// The page check of a page of 1,000, 10,000 and 100,000 lines built from what the program
// emits: it must stay under 100 ms at 100,000 lines and grow linearly with the page.
#include "forms/FormHtml.h"
#include "generators/GeneralSettingsHtml.h"
#include "generators/ImagesHtml.h"
#include "generators/LinksHtml.h"
#include "generators/ListsHtml.h"
#include "generators/TablesHtml.h"
#include "generators/TextFormatHtml.h"
#include "source/PageCheck.h"
#include "source/SourceHtml.h"

#include <benchmark/benchmark.h>

namespace {

// Text, a link, a picture, a table, a list and a form question, over and over.
QStringList elements() {
    TextFormat format;
    format.fontName = QStringLiteral("Arial");
    format.fontSize = QStringLiteral("12");
    format.fontColor = QStringLiteral("Black");
    format.position = Position::Center;
    format.emphasis.bold = true;
    format.emphasis.italic = true;
    format.breaksAfter = 1;
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
          << TablesHtml::tableEnd(Position::None, 0);
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

} // namespace

BENCHMARK_MAIN();
