// The page view: the time from handing it a page, with the end in view as after an add, until
// the page is shown, for pages of 100, 10,000 and 100,000 lines.
#include "ui/PageViewLoader.h"
#include "ui/PageViewPane.h"

#include <QApplication>
#include <QSignalSpy>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<PageViewPane> pane;

QString pageOf(qint64 lines) {
    QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>Seite</title>\n</head>\n<body>\n");
    for (qint64 i = 0; i < lines; ++i)
        html += QStringLiteral("<p style=\"font-family:Arial; font-size:12pt\">Zeile %1 äöü</p>\n")
                    .arg(i);
    return html + QStringLiteral("</body>\n</html>\n");
}

bool shown(const QString& html) {
    QSignalSpy loaded(pane.get(), &PageViewPane::pageLoaded);
    pane->showPage(html, {}, PageViewPane::Scroll::ToEnd);
    return loaded.wait(120000) && loaded.first().first().toBool();
}

void BM_ShowPage(benchmark::State& state) {
    const QString html = pageOf(state.range(0));
    for (auto _ : state) {
        if (!shown(html)) {
            state.SkipWithError("the page was not shown");
            break;
        }
    }
}
BENCHMARK(BM_ShowPage)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    pane.reset(PageViewLoader::create(nullptr));
    if (!pane) {
        std::fprintf(stderr, "no page view: %s\n", qPrintable(PageViewLoader::failure()));
        return 1;
    }
    pane->resize(800, 600);
    pane->show();
    // The engine's start is not part of a page's time.
    if (!shown(pageOf(1))) {
        std::fputs("the page view shows no page\n", stderr);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    pane.reset();
    return 0;
}
