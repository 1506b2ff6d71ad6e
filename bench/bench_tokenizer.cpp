// The HTML tokenizer on a page of about 20 MB, read whole and line by line as the colouring
// reads it: it must read at least 50 million characters a second. Then about 1 MB of each kind
// of pathological input, each of which must stay far under 200 ms.
#include "core/source/HtmlTokenizer.h"

#include <QList>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr qsizetype kPageChars = 20 * 1000 * 1000;
constexpr qsizetype kPathologicalChars = 1000 * 1000;

// A page of about 20 MB with CR LF line ends and some umlauts.
QString bigPage() {
    QString page;
    page.reserve(kPageChars + 100);
    page += u"<html>\r\n<body>\r\n";
    for (int i = 0; page.size() < kPageChars; ++i)
        page +=
            QStringLiteral("<p style=\"color:Black\">Zeile %1 mit Grüßen aus Köln</p>\r\n").arg(i);
    page += u"</body>\r\n</html>\r\n";
    return page;
}

QString repeated(QStringView piece) {
    QString text;
    text.reserve(kPathologicalChars + piece.size());
    while (text.size() < kPathologicalChars)
        text += piece;
    return text;
}

qsizetype tokenCount(HtmlTokenizer& tokenizer) {
    HtmlTokenizer::Token token;
    qsizetype count = 0;
    while (tokenizer.next(token))
        ++count;
    return count;
}

void BM_TokenizePage(benchmark::State& state) {
    const QString page = bigPage();
    HtmlTokenizer tokenizer;
    for (auto _ : state) {
        tokenizer.start(page);
        benchmark::DoNotOptimize(tokenCount(tokenizer));
    }
    state.counters["chars/s"] = benchmark::Counter(double(page.size()) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TokenizePage)->Unit(benchmark::kMillisecond);

void BM_TokenizePageByLine(benchmark::State& state) {
    const QString page = bigPage();
    const QList<QStringView> lines = QStringView(page).split(u"\r\n");
    HtmlTokenizer tokenizer;
    for (auto _ : state) {
        HtmlTokenizer::State lineState;
        qsizetype count = 0;
        for (QStringView line : lines) {
            tokenizer.start(line, lineState, HtmlTokenizer::End::Line);
            count += tokenCount(tokenizer);
            lineState = tokenizer.state();
        }
        benchmark::DoNotOptimize(count);
    }
    state.counters["chars/s"] = benchmark::Counter(double(page.size()) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TokenizePageByLine)->Unit(benchmark::kMillisecond);

struct Pathological {
    const char* name;
    std::function<QString()> text;
};

const Pathological kPathological[] = {
    {"closed comments", [] { return repeated(u"<!-- x -->"); }},
    {"unmatched end tags", [] { return repeated(u"</b>"); }},
    {"unclosed div", [] { return repeated(u"<div>"); }},
    {"stray end tags in text", [] { return repeated(u"Text </b> "); }},
    {"one tag of 100000 attributes",
     [] {
         QString tag = QStringLiteral("<div");
         for (int i = 0; i < 100000; ++i)
             tag += QStringLiteral(" a%1=x").arg(i);
         return tag + u'>';
     }},
    {"nesting 100000 deep",
     [] {
         return QStringLiteral("<div>").repeated(100000) +
                QStringLiteral("</div>").repeated(100000);
     }},
};

void BM_TokenizePathological(benchmark::State& state) {
    const Pathological& input = kPathological[state.range(0)];
    const QString text = input.text();
    state.SetLabel(input.name);
    HtmlTokenizer tokenizer;
    for (auto _ : state) {
        tokenizer.start(text);
        benchmark::DoNotOptimize(tokenCount(tokenizer));
    }
}
BENCHMARK(BM_TokenizePathological)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
