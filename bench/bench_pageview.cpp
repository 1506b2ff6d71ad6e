// The page view: the time from handing it a new page, with the end in view as after an add,
// until the page is shown; and from an add command in the main window until its view has shown
// the page with the new element; for pages of 100, 10,000 and 100,000 lines. And the time the
// window is held while the view reads 1 MB of pathological HTML, before the engine loads it.
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "context/PageContext.h"
#include "core/source/PageSource.h"
#include "support/ScriptedDialogs.h"
#include "ui/PageViewLoader.h"
#include "ui/PageViewPane.h"

#include <QAction>

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

std::unique_ptr<PageViewPane> pane;

QString pageOf(qint64 lines, int version = 0) {
    QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>Seite %1</title>\n</head>\n<body>\n")
                       .arg(version);
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
    // Two pages that differ in their head, so that each is loaded whole.
    const QString html[] = {pageOf(state.range(0), 1), pageOf(state.range(0), 2)};
    int next = 0;
    for (auto _ : state) {
        if (!shown(html[next ^= 1])) {
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

QString filled(QStringView unit, qsizetype size) {
    QString text;
    text.reserve(size + unit.size());
    while (text.size() < size)
        text += unit;
    return text;
}

void BM_ReadPathological(benchmark::State& state) {
    constexpr qsizetype kSize = 1 << 20;
    QString body;
    switch (state.range(0)) {
    case 0:
        state.SetLabel("closed comments");
        body = filled(u"<!-- a -->\n", kSize);
        break;
    case 1:
        state.SetLabel("unmatched end tags");
        body = filled(u"<div>", kSize / 2) + filled(u"</span>", kSize / 2);
        break;
    case 2:
        state.SetLabel("unclosed <div>");
        body = filled(u"<div>\n", kSize);
        break;
    case 3:
        state.SetLabel("stray </b>");
        body = filled(u"</b>\n", kSize);
        break;
    default:
        state.SetLabel("nesting 100,000 deep");
        body = filled(u"<div>", 500000) + filled(u"</div>", 600000);
        break;
    }
    const QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<title>Seite</title>\n"
                                        "</head>\n<body>\n%1\n</body>\n</html>\n")
                             .arg(body);
    int next = 0;
    for (auto _ : state) {
        QSignalSpy loaded(pane.get(), &PageViewPane::pageLoaded);
        // A new base folder each time has the page read and loaded whole.
        QElapsedTimer held;
        held.start();
        pane->showPage(html, QStringLiteral("/bench%1").arg(next ^= 1),
                       PageViewPane::Scroll::ToEnd);
        state.SetIterationTime(double(held.nsecsElapsed()) / 1e9);
        if (!loaded.wait(600000)) {
            state.SkipWithError("the page was not shown");
            break;
        }
    }
}
BENCHMARK(BM_ReadPathological)
    ->DenseRange(0, 4)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

bool waitForLoad(PageViewPane& view, const std::function<void()>& change) {
    QSignalSpy loaded(&view, &PageViewPane::pageLoaded);
    change();
    return loaded.wait(120000) && loaded.first().first().toBool();
}

void BM_AddToShown(benchmark::State& state) {
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet windows(dialogs, opener);
    MainWindow& main = windows.mainWindow();
    main.show();
    main.findChild<QAction*>(QStringLiteral("Seitenansicht1"))->trigger();
    auto* view = main.findChild<PageViewPane*>();
    PageSource& page = windows.context().document;
    // A page as the general settings start it, then its lines of text.
    QStringList lines{QStringLiteral("<html>"), QStringLiteral("<head>"),
                      QStringLiteral("<title>Seite</title>"), QStringLiteral("</head>"),
                      QStringLiteral("<body>")};
    for (qint64 i = 0; i < state.range(0); ++i)
        lines.append(
            QStringLiteral("<p style=\"font-family:Arial; font-size:12pt\">Zeile %1 äöü</p>")
                .arg(i));
    if (!view || !waitForLoad(*view, [&] { page.commit(lines); })) {
        state.SkipWithError("the main window's page view shows no page");
        return;
    }
    const QStringList added{QStringLiteral("<p>Noch eine Zeile</p>")};
    for (auto _ : state) {
        if (!waitForLoad(*view, [&] { page.commit(added); })) {
            state.SkipWithError("the page was not shown");
            break;
        }
    }
}
BENCHMARK(BM_AddToShown)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const Expected<PageViewPane*> created = PageViewLoader::create(nullptr);
    if (!created.ok()) {
        std::fprintf(stderr, "no page view: %s\n", qPrintable(created.error));
        return 1;
    }
    pane.reset(created.value);
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
