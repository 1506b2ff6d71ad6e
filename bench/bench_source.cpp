// What appending one element and removing the closing tail cost at 100, 10,000 and 100,000
// lines of page source: the cost must not grow with the page. The page is measured shown in a
// source view, as the user has it, in the coloured source view with line numbers that Memo2 is,
// and alone, as the document model costs by itself; and coloured with the spelling checked.
#include "core/generators/TextFormatHtml.h"
#include "core/source/PageSource.h"
#include "ui/HtmlHighlighter.h"
#include "ui/SourceEdit.h"
#include "ui/SpellChecker.h"

#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <functional>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

enum class View { None, Plain, Coloured, Spelled };

// The German dictionary, loaded once for every page that checks its spelling.
SpellChecker& spelling() {
    static ScriptedDialogs dialogs;
    static SpellChecker checker(dialogs);
    checker.load();
    // Without a dictionary, or one that does not load, nothing is marked.
    QElapsedTimer waited;
    waited.start();
    while (checker.hasDictionary() && !checker.loaded() && waited.elapsed() < 10000)
        QApplication::processEvents();
    return checker;
}

// A page of the given length, closed by a save, in a source view or alone.
struct Page {
    PageSource source;
    std::unique_ptr<QPlainTextEdit> memo;
    HtmlHighlighter* highlighter = nullptr;
    Page(int lines, View view) {
        QString text;
        text.reserve(lines * 40);
        for (int i = 0; i < lines - 2; ++i)
            text += QStringLiteral("<p style=\"font-family:Arial\">Zeile %1</p>\n").arg(i);
        text += QStringLiteral("</body>\n</html>\n");
        QTextDocument& document = source.document();
        document.setPlainText(text);
        if (view == View::None)
            return;
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
        if (view == View::Plain) {
            memo = std::make_unique<QPlainTextEdit>();
            memo->setDocument(&document);
            return;
        }
        memo = std::make_unique<SourceEdit>();
        memo->setDocument(&document);
        highlighter = new HtmlHighlighter(*memo);
        if (view == View::Spelled)
            highlighter->checkSpelling(spelling());
        settle();
    }
    // Runs the colouring slices until every line has its colours.
    void settle() const {
        while (highlighter && !highlighter->settled())
            QApplication::processEvents();
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

// The same text in a modern page: one paragraph carrying its style.
const QStringList& modernElement() {
    static const QStringList kModern =
        TextFormatHtml::modernTextBlock({QStringLiteral("Times New Roman"),
                                         QStringLiteral("12"),
                                         QStringLiteral("Black"),
                                         {.bold = true},
                                         {Position::Center, 1, 0}},
                                        ParagraphKind::Paragraph, QStringLiteral("Hallo"));
    return kModern;
}

void addElement(benchmark::State& state, const QStringList& element) {
    Page page(static_cast<int>(state.range(0)), View::Plain);
    for (auto _ : state) {
        page.source.commit(element);
        state.PauseTiming();
        page.source.closeDocument();
        state.ResumeTiming();
    }
}

void BM_AddElement(benchmark::State& state) {
    addElement(state, kElement);
}
BENCHMARK(BM_AddElement)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_AddModernElement(benchmark::State& state) {
    addElement(state, modernElement());
}
BENCHMARK(BM_AddModernElement)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The same in the coloured view, until the added lines have their colours.
// Adds what `element` gives each time and waits until the added lines have their colours.
void addColoured(benchmark::State& state, View view, const std::function<QStringList()>& element) {
    Page page(static_cast<int>(state.range(0)), view);
    for (auto _ : state) {
        page.source.commit(element());
        page.settle();
        state.PauseTiming();
        page.source.closeDocument();
        page.settle();
        state.ResumeTiming();
    }
}

void addElementColoured(benchmark::State& state, View view) {
    addColoured(state, view, [] { return kElement; });
}

void BM_AddElementHighlighted(benchmark::State& state) {
    addElementColoured(state, View::Coloured);
}
BENCHMARK(BM_AddElementHighlighted)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// The same with the misspelt words of the text marked.
void BM_AddElementSpellChecked(benchmark::State& state) {
    addElementColoured(state, View::Spelled);
}
BENCHMARK(BM_AddElementSpellChecked)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// A paragraph of eight words never looked up before, in the coloured view with or without
// the spelling checked: the dictionary's own cost, with nothing answered from what it said
// before.
QStringList newWords(int& count) {
    QString paragraph = QStringLiteral("<p>");
    for (int word = 0; word < 8; ++word, ++count) {
        QString letters = QStringLiteral(" Wort");
        for (int rest = count; rest > 0; rest /= 26)
            letters += QChar(u'a' + rest % 26);
        paragraph += letters;
    }
    return {paragraph + QStringLiteral("</p>")};
}

void addNewWords(benchmark::State& state, View view) {
    int count = 1;
    addColoured(state, view, [&count] { return newWords(count); });
}

void BM_AddNewWordsHighlighted(benchmark::State& state) {
    addNewWords(state, View::Coloured);
}
BENCHMARK(BM_AddNewWordsHighlighted)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_AddNewWordsSpellChecked(benchmark::State& state) {
    addNewWords(state, View::Spelled);
}
BENCHMARK(BM_AddNewWordsSpellChecked)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The document model alone, without a view.
void BM_AddElementToDocument(benchmark::State& state) {
    Page page(static_cast<int>(state.range(0)), View::None);
    for (auto _ : state) {
        page.source.commit(kElement);
        state.PauseTiming();
        page.source.closeDocument();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddElementToDocument)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

void BM_RemoveClosingTail(benchmark::State& state) {
    Page page(static_cast<int>(state.range(0)), View::Plain);
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
