#include "app/MainWindow.h"
#include "core/source/StatusNotices.h"
#include "support/Fixture.h"
#include "support/PageViewTestMain.h"
#include "ui/PageViewDock.h"
#include "ui/PageViewLoader.h"
#include "ui/PageViewPane.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QWheelEvent>

#include <functional>
#include <memory>
#include <optional>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Scroll = PageViewPane::Scroll;

constexpr int kEngineTimeout = 60000; // the engine's first start is slow on a busy machine

QString page(const QString& body, const QString& head = {}) {
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n%1<title>Seite</title>\n</head>\n"
                          "<body>\n%2\n</body>\n</html>\n")
        .arg(head, body);
}

QString longPage(int lines) {
    QString body;
    for (int i = 0; i < lines; ++i)
        body += QStringLiteral("<p>Zeile %1</p>\n").arg(i);
    return page(body);
}

// A local port that counts the connections made to it, to see whether anything was fetched.
class Listener final {
public:
    Listener() : m_socket(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        auto* any = reinterpret_cast<sockaddr*>(&address);
        if (bind(m_socket, any, size) == 0 && listen(m_socket, 8) == 0 &&
            getsockname(m_socket, any, &size) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~Listener() { close(m_socket); }
    int port() const { return m_port; }
    bool contacted() const {
        const int client = accept(m_socket, nullptr, nullptr);
        if (client >= 0)
            close(client);
        return client >= 0;
    }

private:
    int m_socket;
    int m_port = 0;
};

QVariant evaluateIn(PageViewPane& pane, const QString& script) {
    // Shared with the callback, which may come after a timeout.
    auto result = std::make_shared<std::optional<QVariant>>();
    pane.runScript(script, [result](const QVariant& value) { *result = value; });
    if (!QTest::qWaitFor([&] { return result->has_value(); }, kEngineTimeout))
        return QStringLiteral("no answer to %1").arg(script);
    return **result;
}

// Shows a shown window's page view with its command, unless the window showed it at start, as
// it does where the screen has room beside it.
void showPageView(QWidget& window) {
    if (!window.findChild<QDockWidget*>(QStringLiteral("PageViewDock"))->isVisible())
        window.findChild<QAction*>(QStringLiteral("Seitenansicht1"))->trigger();
}

// Shows a window's page view and waits for its first page. Null, the failure recorded, when
// the view shows nothing.
PageViewPane* shownView(Fixture& f, const QString& windowName) {
    QWidget* window = f.window(windowName);
    window->show();
    showPageView(*window);
    auto* pane = window->findChild<PageViewPane*>();
    if (!pane) {
        const auto* missing = window->findChild<QLabel*>(QStringLiteral("PageViewMissing"));
        recordFailure(missing ? missing->text() : QStringLiteral("no page view in ") + windowName);
        return nullptr;
    }
    QSignalSpy loaded(pane, &PageViewPane::pageLoaded);
    if (!loaded.wait(kEngineTimeout)) {
        recordFailure(QStringLiteral("the page view showed nothing"));
        return nullptr;
    }
    return pane;
}

// Whether the page shows at the size given, as it measures itself: CSS pixels per screen pixel.
bool shownAt(PageViewPane& pane, int percent) {
    return qAbs(evaluateIn(pane, QStringLiteral("window.devicePixelRatio")).toDouble() -
                percent / 100.0) < 0.01;
}

// Runs the steps; whether the view then showed the page they changed.
bool actAndWait(Fixture& f, PageViewPane& pane, const QString& windowName, const QString& steps) {
    QSignalSpy loaded(&pane, &PageViewPane::pageLoaded);
    f.act(windowName, steps);
    return loaded.wait(kEngineTimeout);
}

// The page as the engine holds it, without the base and the view's own marks, and for each
// form control the number of the form that owns it.
const QString kShownDocument = QStringLiteral(
    "(() => { const root = document.documentElement.cloneNode(true);"
    "  root.querySelectorAll('base').forEach(base => base.remove());"
    "  const walker = document.createTreeWalker(root, NodeFilter.SHOW_COMMENT), marks = [];"
    "  while (walker.nextNode())"
    "    if (walker.currentNode.data.startsWith('quillmark-')) marks.push(walker.currentNode);"
    "  marks.forEach(mark => mark.remove());"
    "  return root.outerHTML + '\\n' + Array.from("
    "    document.querySelectorAll('input,select,textarea,button'),"
    "    e => e.form ? Array.from(document.forms).indexOf(e.form) : -1).join(); })()");

} // namespace

class TestPageView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void showsRenderedPage_data();
    void showsRenderedPage();
    void relativeNamesUseBaseFolder_data();
    void relativeNamesUseBaseFolder();
    void remotePictureIsNotFetched();
    void linksAndFormsStay_data();
    void linksAndFormsStay();
    void refreshInHeadIsRefused();
    void framesShowTheirLocalPages();
    void readsOnlyWhatBelongsToThePage();
    void mainWindowViewFollowsEveryAdd_data();
    void mainWindowViewFollowsEveryAdd();
    void mainWindowViewWaitsForAPauseInTyping();
    void viewFollowsTheCaret_data();
    void viewFollowsTheCaret();
    void zoomKeys();
    void viewKeepsItsLeastWidthOrHides_data();
    void viewKeepsItsLeastWidthOrHides();
    void pictureShowsOnceThePageHasAFolder();
    void picturesShowFromWhereTheyWereChosen();
    void postEditorViewShowsItsText();
    void postEditorViewShowsTheCharactersAsSaved();
    void pageOverTwoMegabytesShowsWhole();
    void scrollPosition_data();
    void scrollPosition();
    void onlyNewestWaitingPageShows();
    void bodyChangesShowInPlace_data();
    void bodyChangesShowInPlace();
    void randomEditsShowAsLoadedWhole();
    void marksStandApart();

private:
    bool show(const QString& html, const QString& baseFolder = {}, Scroll scroll = Scroll::Keep);
    QVariant evaluate(const QString& script);

    std::unique_ptr<PageViewPane> m_pane;
};

bool TestPageView::show(const QString& html, const QString& baseFolder, Scroll scroll) {
    QSignalSpy loaded(m_pane.get(), &PageViewPane::pageLoaded);
    m_pane->showPage(html, baseFolder, scroll);
    return loaded.wait(kEngineTimeout) && loaded.first().first().toBool();
}

QVariant TestPageView::evaluate(const QString& script) {
    return evaluateIn(*m_pane, script);
}

void TestPageView::initTestCase() {
    const Expected<PageViewPane*> created = PageViewLoader::create(nullptr);
    QVERIFY2(created.ok(), qPrintable(created.error));
    m_pane.reset(created.value);
    m_pane->resize(800, 600);
    m_pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pane.get()));
}

void TestPageView::cleanupTestCase() {
    m_pane.reset();
}

void TestPageView::showsRenderedPage_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text") << "<h1>Willkommen</h1>\n<p>Schön, dass du da bist.</p>"
                          << "document.body.innerText"
                          << "Willkommen\n\nSchön, dass du da bist.";
    QTest::newRow("table") << "<table><tr><td>1</td><td>2</td></tr><tr><td>3</td><td>4</td>"
                              "</tr></table>"
                           << "document.querySelectorAll('table td').length + ''"
                           << "4";
    QTest::newRow("list") << "<ul>\n<li>Eins\n<li>Zwei\n<li>Drei\n</ul>"
                          << "document.querySelectorAll('li').length + ''"
                          << "3";
    QTest::newRow("form fields") << "<form action=\"mailto:a@b.de\"><input name=\"a\">"
                                    "<textarea name=\"b\"></textarea><select name=\"c\">"
                                    "<option>x</select></form>"
                                 << "document.forms[0].elements.length + ''"
                                 << "3";
    // The page's own script does not run; the page stays as written.
    QTest::newRow("page script off")
        << "<p id=\"p\">Vorher</p><script>document.getElementById('p').textContent = "
           "'Nachher';</script>"
        << "document.body.innerText"
        << "Vorher";
}

void TestPageView::showsRenderedPage() {
    QFETCH(QString, body);
    QFETCH(QString, script);
    QFETCH(QString, expected);
    QVERIFY(show(page(body)));
    QCOMPARE(evaluate(script).toString(), expected);
}

void TestPageView::relativeNamesUseBaseFolder_data() {
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("withBase");
    QTest::addColumn<bool>("pictureShows");

    const QString picture = QStringLiteral("<img src=\"bilder/bild.png\" alt=\"Bild\">");
    QTest::newRow("with head") << "seite" << page(picture) << true << true;
    QTest::newRow("head with attributes")
        << "seite"
        << QStringLiteral("<HTML><HEAD lang=\"de\"></HEAD><BODY>%1</BODY></HTML>").arg(picture)
        << true << true;
    QTest::newRow("no head") << "seite" << picture << true << true;
    QTest::newRow("folder name to escape")
        << "Mein Ordner & #1 \"äö\"" << page(picture) << true << true;
    QTest::newRow("no base folder") << "seite" << page(picture) << false << false;
}

void TestPageView::relativeNamesUseBaseFolder() {
    QFETCH(QString, folderName);
    QFETCH(QString, html);
    QFETCH(bool, withBase);
    QFETCH(bool, pictureShows);

    QTemporaryDir root;
    const QString folder = root.filePath(folderName);
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/bilder")));
    QImage picture(16, 9, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(folder + QStringLiteral("/bilder/bild.png")));

    QVERIFY(show(html, withBase ? folder : QString()));
    QCOMPARE(evaluate(QStringLiteral("document.images.length")).toInt(), 1);
    QCOMPARE(evaluate(QStringLiteral("document.images[0].naturalWidth")).toInt(),
             pictureShows ? 16 : 0);
    // The page's folder is read, never written to.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("bilder")});
}

void TestPageView::remotePictureIsNotFetched() {
    const Listener server;
    QVERIFY(server.port() > 0);
    const QString at = QStringLiteral("//127.0.0.1:%1/").arg(server.port());
    QVERIFY(show(
        page(QStringLiteral("<img src=\"http:%1bild.png\"><img src=\"https:%1bild.png\">").arg(at),
             QStringLiteral("<link rel=\"stylesheet\" href=\"http:%1a.css\">\n").arg(at))));
    QCOMPARE(evaluate(QStringLiteral("document.images[0].naturalWidth + "
                                     "document.images[1].naturalWidth"))
                 .toInt(),
             0);
    QVERIFY(!server.contacted());
}

void TestPageView::linksAndFormsStay_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("target");

    QTest::newRow("relative link") << "<a id=\"klick\" href=\"andere.html\">Weiter</a>"
                                   << "file:///base/andere.html";
    QTest::newRow("web link") << "<a id=\"klick\" href=\"https://example.org/x?y=1\">Weiter</a>"
                              << "https://example.org/x?y=1";
    QTest::newRow("link to a new window")
        << "<a id=\"klick\" href=\"neu.html\" target=\"_blank\">Neu</a>"
        << "file:///base/neu.html";
    QTest::newRow("mail link") << "<a id=\"klick\" href=\"mailto:post@example.org\">Post</a>"
                               << "mailto:post@example.org";
    QTest::newRow("form submit")
        << "<form action=\"https://example.org/senden\"><input name=\"n\" value=\"Ute\">"
           "<input type=\"submit\" id=\"klick\" value=\"Absenden\"></form>"
        << "https://example.org/senden?n=Ute";
}

void TestPageView::linksAndFormsStay() {
    QFETCH(QString, body);
    QFETCH(QString, target);

    QTemporaryDir base;
    target.replace(QStringLiteral("file:///base/"),
                   QUrl::fromLocalFile(base.path() + QLatin1Char('/')).toString());
    QVERIFY(show(page(body), base.path()));
    const QString shownAt = evaluate(QStringLiteral("location.href")).toString();

    // A click of the mouse, as the user clicks.
    const QVariantList at =
        evaluate(QStringLiteral("(r => [r.left + r.width / 2, r.top + r.height / 2])"
                                "(document.getElementById('klick').getBoundingClientRect())"))
            .toList();
    QCOMPARE(at.size(), 2);
    auto* engine = m_pane->findChild<QWidget*>(QStringLiteral("Engine"));
    QVERIFY(engine && engine->focusProxy());
    QSignalSpy clicked(m_pane.get(), &PageViewPane::linkClicked);
    QTest::mouseClick(engine->focusProxy(), Qt::LeftButton, {},
                      QPoint(at[0].toInt(), at[1].toInt()));
    QVERIFY(clicked.wait(kEngineTimeout));
    QCOMPARE(clicked.first().first().toString(), target);
    QCOMPARE(evaluate(QStringLiteral("location.href")).toString(), shownAt);
}

void TestPageView::refreshInHeadIsRefused() {
    QTemporaryDir base;
    QFile other(base.filePath(QStringLiteral("andere.html")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("<p>Andere Seite</p>");
    other.close();

    QSignalSpy clicked(m_pane.get(), &PageViewPane::linkClicked);
    QWidget* engine = m_pane->findChild<QWidget*>(QStringLiteral("Engine"));
    QVERIFY(engine);
    // The engine reports the end of every load: the page's own, then the refresh it tries.
    QSignalSpy ended(engine, SIGNAL(loadFinished(bool)));
    QVERIFY(
        show(page(QStringLiteral("<p>Hier</p>"),
                  QStringLiteral("<meta http-equiv=\"refresh\" content=\"0; url=andere.html\">\n")),
             base.path()));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, kEngineTimeout);
    QCOMPARE(ended.at(1).at(0).toBool(), false);
    QCOMPARE(evaluate(QStringLiteral("document.body.innerText")).toString(),
             QStringLiteral("Hier"));
    QVERIFY(clicked.isEmpty());
}

void TestPageView::framesShowTheirLocalPages() {
    QTemporaryDir base;
    writeBytes(base.filePath(QStringLiteral("links.html")), "<body>Links</body>");
    writeBytes(base.filePath(QStringLiteral("rechts.html")),
               "<meta http-equiv=\"refresh\" content=\"0; url=anders.html\"><body>Rechts</body>");
    writeBytes(base.filePath(QStringLiteral("anders.html")), "<body>Anders</body>");
    QWidget* engine = m_pane->findChild<QWidget*>(QStringLiteral("Engine"));
    QVERIFY(engine);
    // The frameset page refreshes at once too. Its load ends after those of its frames, so the
    // engine tries its refresh after theirs; the end of that try is reported like a load's.
    QSignalSpy ended(engine, SIGNAL(loadFinished(bool)));
    QVERIFY(show(QStringLiteral("<html><head><meta http-equiv=\"refresh\" content=\"0; "
                                "url=anders.html\"></head><frameset cols=\"50%,50%\">"
                                "<frame src=\"links.html\"><frame src=\"rechts.html\">"
                                "<frame src=\"http://127.0.0.1:9/\"></frameset></html>"),
                 base.path()));
    const QString texts = QStringLiteral(
        "Array.from(window.frames, frame => frame.document.body ? frame.document.body.innerText "
        ": '').join('|')");
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(texts).toString(), QStringLiteral("Links|Rechts|"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, kEngineTimeout);
    QCOMPARE(ended.at(1).at(0).toBool(), false);
    QCOMPARE(evaluate(texts).toString(), QStringLiteral("Links|Rechts|"));
}

void TestPageView::readsOnlyWhatBelongsToThePage() {
    // A page in a folder inside the home folder, its picture one folder up.
    QTemporaryDir home(QDir::homePath() + QStringLiteral("/quillmark-XXXXXX"));
    QVERIFY(home.isValid());
    const QString folder = home.filePath(QStringLiteral("seite"));
    QVERIFY(QDir().mkpath(folder));
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(home.filePath(QStringLiteral("oben.png"))));
    QVERIFY(::mkfifo(QFile::encodeName(folder + QStringLiteral("/rohr.png")).constData(), 0600) ==
            0);
    QVERIFY(show(page(QStringLiteral("<img src=\"../oben.png\"><img src=\"rohr.png\">"
                                     "<iframe src=\"file:///etc/passwd\"></iframe>"
                                     "<iframe src=\"file:///etc/\"></iframe>")),
                 folder));
    QCOMPARE(evaluate(QStringLiteral("Array.from(document.images, i => i.naturalWidth).join()"))
                 .toString(),
             QStringLiteral("4,0"));
    QCOMPARE(evaluate(QStringLiteral("Array.from(window.frames, f => { try { return "
                                     "f.document.body ? f.document.body.innerText.length : 0; } "
                                     "catch (e) { return 0; } }).join()"))
                 .toString(),
             QStringLiteral("0,0"));
    // The pipe held nothing up: the view still follows.
    QVERIFY(show(page(QStringLiteral("<p>weiter</p>"))));
}

void TestPageView::pageOverTwoMegabytesShowsWhole() {
    QString html;
    for (int i = 0; i < 50000; ++i)
        html += QStringLiteral("<p>Zeile %1 mit so viel Text, dass die Seite wächst</p>\n").arg(i);
    html += QStringLiteral("<p>Das letzte Wort</p>\n");
    QVERIFY(html.toUtf8().size() > 2 * 1024 * 1024);
    QVERIFY(show(html));
    QCOMPARE(
        evaluate(QStringLiteral("document.querySelector('p:last-of-type').textContent")).toString(),
        QStringLiteral("Das letzte Wort"));
}

void TestPageView::scrollPosition_data() {
    QTest::addColumn<Scroll>("scroll");
    QTest::newRow("keep") << Scroll::Keep;
    QTest::newRow("to end") << Scroll::ToEnd;
}

void TestPageView::scrollPosition() {
    QFETCH(Scroll, scroll);
    QVERIFY(show(longPage(500), {}, Scroll::Keep));
    evaluate(QStringLiteral("window.scrollTo(0, 300)"));
    QVERIFY(show(longPage(501), {}, scroll));
    const int end = evaluate(QStringLiteral("document.documentElement.scrollHeight - "
                                            "window.innerHeight"))
                        .toInt();
    QVERIFY(end > 1000);
    QCOMPARE(evaluate(QStringLiteral("window.scrollY")).toInt(),
             scroll == Scroll::Keep ? 300 : end);
}

void TestPageView::onlyNewestWaitingPageShows() {
    QSignalSpy loaded(m_pane.get(), &PageViewPane::pageLoaded);
    for (int i = 1; i <= 3; ++i)
        m_pane->showPage(page(QStringLiteral("<p>Fassung %1</p>").arg(i)), {}, Scroll::Keep);
    QVERIFY(loaded.wait(kEngineTimeout));
    QCOMPARE(loaded.size(), 1);
    QVERIFY(loaded.first().first().toBool());
    QCOMPARE(evaluate(QStringLiteral("document.body.innerText")).toString(),
             QStringLiteral("Fassung 3"));
}

void TestPageView::bodyChangesShowInPlace_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("inPlace");

    const QString text = QStringLiteral("<p>Eins</p>\n<div align=\"center\">\n<p style=\"font-"
                                        "family:Arial\">Zwei</p>\n</div>");
    const QString table = text + QStringLiteral("\n<table  border=\"1\">\n<tr>\n<td>");
    QTest::newRow("element added")
        << page(text) << page(text + QStringLiteral("\n<hr>\n<p>Drei</p>")) << true;
    QTest::newRow("table built in steps")
        << page(table) << page(table + QStringLiteral("\nA1\n</td>\n</tr>\n<tr>")) << true;
    QTest::newRow("table closed, text after")
        << page(table) << page(table + QStringLiteral("\n</td>\n</tr>\n</table>\nDanach")) << true;
    QTest::newRow("list item added")
        << page(QStringLiteral("<ul type=\"disc\">\n<li>a</li>"))
        << page(QStringLiteral("<ul type=\"disc\">\n<li>a</li>\n<li>b</li>")) << true;
    // A bold start closed by the paragraph's end: a browser goes on bold in what follows.
    QTest::newRow("misnested bold before")
        << page(QStringLiteral("<p><b>fett</p>\n<p>noch fett</p>"))
        << page(QStringLiteral("<p><b>fett</p>\n<p>noch fett</p>\n<p>auch</p>")) << true;
    QTest::newRow("tags in a text area")
        << page(text) << page(text + QStringLiteral("\n<textarea>\n<p>\n</textarea>\n<p>x</p>"))
        << true;
    QTest::newRow("typed at the end") << page(text + QStringLiteral("\n<p>Ti"))
                                      << page(text + QStringLiteral("\n<p>Tippen")) << true;
    QTest::newRow("second body start")
        << page(text) << page(text + QStringLiteral("\n<body bgcolor=\"#FF0000\">")) << false;
    QTest::newRow("text after the end")
        << page(text) << page(text) + QStringLiteral("<p>Hinter dem Ende</p>\n") << false;
    QTest::newRow("head changed") << page(text)
                                  << page(text, QStringLiteral("<meta name=\"Author\" "
                                                               "content=\"Ute\">\n"))
                                  << false;
    QTest::newRow("element taken back")
        << page(text + QStringLiteral("\n<hr>")) << page(text) << true;
    QTest::newRow("form left open by a table")
        << page(text)
        << page(text + QStringLiteral("\n<table><form action=\"x\">\n<input name=\"a\">"
                                      "<input type=\"submit\">\n</form></table>"))
        << false;
    QTest::newRow("earlier line changed")
        << page(text) << page(QString(text).replace(QStringLiteral("Eins"), QStringLiteral("1")))
        << true;
}

void TestPageView::bodyChangesShowInPlace() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, inPlace);
    // A different base folder has the page loaded whole.
    QVERIFY(show(after, QStringLiteral("/ganz")));
    const QString whole = evaluate(kShownDocument).toString();
    QVERIFY(show(before));
    evaluate(QStringLiteral("window.notLoadedAgain = true"));
    QVERIFY(show(after));
    QCOMPARE(evaluate(QStringLiteral("window.notLoadedAgain === true")).toBool(), inPlace);
    QCOMPARE(evaluate(kShownDocument).toString(), whole);
}

void TestPageView::randomEditsShowAsLoadedWhole() {
    // A second view loads each text whole, under a new base folder each time.
    std::unique_ptr<PageViewPane> whole(PageViewLoader::create(nullptr).value);
    QVERIFY(whole);
    whole->show();
    const QStringList pool{QStringLiteral("<table>"),
                           QStringLiteral("<tr><td>"),
                           QStringLiteral("</td></tr>"),
                           QStringLiteral("<form action=\"x\">"),
                           QStringLiteral("<input name=\"a\">"),
                           QStringLiteral("<input type=\"submit\">"),
                           QStringLiteral("</form>"),
                           QStringLiteral("</table>"),
                           QStringLiteral("<p>Text</p>")};
    QRandomGenerator random(20240611);
    QStringList lines{QStringLiteral("<p>Anfang</p>")};
    QVERIFY(show(page(lines.join(u'\n'))));
    for (int edit = 0; edit < 40; ++edit) {
        const auto at = qsizetype(random.bounded(int(lines.size()) + 1));
        if (at < lines.size() && random.bounded(3) == 0)
            lines.removeAt(at);
        else
            lines.insert(at, pool[random.bounded(int(pool.size()))]);
        const QString html = page(lines.join(u'\n'));
        QVERIFY(show(html));
        QSignalSpy loaded(whole.get(), &PageViewPane::pageLoaded);
        whole->showPage(html, QStringLiteral("/ganz%1").arg(edit), Scroll::Keep);
        QVERIFY(loaded.wait(kEngineTimeout));
        QCOMPARE(evaluate(kShownDocument).toString(),
                 evaluateIn(*whole, kShownDocument).toString());
    }
}

void TestPageView::marksStandApart() {
    // Two thousand settled lines of stray end tags: a mark every few hundred characters, not
    // one a line, and the last settled point (the body's end) keeps one.
    QString body;
    for (int i = 0; i < 2000; ++i)
        body += QStringLiteral("</b>\n");
    QVERIFY(show(page(body)));
    const int marks =
        evaluate(QStringLiteral("(() => { const walker = document.createTreeWalker("
                                "document.body, NodeFilter.SHOW_COMMENT); let n = 0;"
                                "  while (walker.nextNode())"
                                "    n += walker.currentNode.data.startsWith('quillmark-');"
                                "  return n; })()"))
            .toInt();
    QVERIFY2(marks >= 2 && marks <= body.size() / 256 + 2, qPrintable(QString::number(marks)));
}

void TestPageView::mainWindowViewFollowsEveryAdd_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("expected");
    QTest::newRow("text") << "Memo1=Hallo|Button4"
                          << "p" << 1;
    QTest::newRow("picture") << "Edit6=bild.png|Button5"
                             << "img" << 1;
    QTest::newRow("table") << "Button14|Button15|Button16|Button17|Button18|Button19"
                           << "table" << 1;
    QTest::newRow("list") << "Button25|Edit36=a|Button24|Edit36=b|Button24|Button27"
                          << "li" << 2;
}

void TestPageView::mainWindowViewFollowsEveryAdd() {
    QFETCH(QString, steps);
    QFETCH(QString, count);
    QFETCH(int, expected);
    Fixture f;
    PageViewPane* const pane = shownView(f, QStringLiteral("TForm2"));
    if (!pane)
        return;
    QSignalSpy loaded(pane, &PageViewPane::pageLoaded);
    f.startPage();
    QVERIFY(loaded.wait(kEngineTimeout));
    QCOMPARE(evaluateIn(*pane, QStringLiteral("document.title")).toString(), QString());
    QVERIFY(actAndWait(f, *pane, QStringLiteral("TForm2"), steps));
    QCOMPARE(evaluateIn(*pane, QStringLiteral("document.querySelectorAll('%1').length").arg(count))
                 .toInt(),
             expected);
    // A link in the page reports its target in the status bar.
    emit pane->linkClicked(QStringLiteral("seite2.html"));
    QCOMPARE(f.statusNotice(), QStringLiteral("Link: seite2.html"));
}

void TestPageView::mainWindowViewWaitsForAPauseInTyping() {
    Fixture f;
    PageViewPane* const pane = shownView(f, QStringLiteral("TForm2"));
    if (!pane)
        return;
    QSignalSpy loaded(pane, &PageViewPane::pageLoaded);
    f.startPage();
    QVERIFY(loaded.wait(kEngineTimeout));
    loaded.clear();
    FIND(memo2, QWidget, f, "TForm2", "Memo2");
    QTest::keyClicks(memo2, QStringLiteral("<p>Getippt</p>"));
    QCOMPARE(loaded.size(), 0);
    QVERIFY(loaded.wait(kEngineTimeout));
    QVERIFY(evaluateIn(*pane, QStringLiteral("document.body.innerText"))
                .toString()
                .contains(QStringLiteral("Getippt")));
}

void TestPageView::viewFollowsTheCaret_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("shownFrom");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("shownTo");
    // Lines 1 to 6 are the document start, paragraph k stands on line k + 7, "</body>" on 307.
    QTest::newRow("paragraph far down") << 7 << "p0" << 257 << "p250";
    QTest::newRow("end tag: the line before") << 7 << "p0" << 307 << "p299";
    QTest::newRow("head: the first line shown") << 306 << "p299" << 4 << "p0";
}

void TestPageView::viewFollowsTheCaret() {
    QFETCH(int, from);
    QFETCH(QString, shownFrom);
    QFETCH(int, to);
    QFETCH(QString, shownTo);
    Fixture f;
    PageViewPane* const pane = shownView(f, QStringLiteral("TForm2"));
    if (!pane)
        return;
    FIND(memo2, QPlainTextEdit, f, "TForm2", "Memo2");
    QStringList lines{"<!DOCTYPE html>",      "<html>",  "<head>",
                      "<title>Seite</title>", "</head>", "<body>"};
    for (int i = 0; i < 300; ++i)
        lines.append(QStringLiteral("<p id=\"p%1\">Zeile %1</p>").arg(i));
    lines << "</body>"
          << "</html>";
    QSignalSpy loaded(pane, &PageViewPane::pageLoaded);
    f.setSourceLines(lines);
    QVERIFY(loaded.wait(kEngineTimeout));
    const auto inView = [pane](const QString& id) {
        return evaluateIn(*pane, QStringLiteral("(r => r.top >= 0 && r.bottom <= innerHeight)"
                                                "(document.getElementById('%1')"
                                                ".getBoundingClientRect())")
                                     .arg(id)) == QVariant(true);
    };
    const auto caretTo = [memo2](int line) {
        memo2->setTextCursor(QTextCursor(memo2->document()->findBlockByNumber(line - 1)));
    };
    caretTo(from);
    QTRY_VERIFY_WITH_TIMEOUT(inView(shownFrom), kEngineTimeout);
    QVERIFY(!inView(shownTo));
    caretTo(to);
    QTRY_VERIFY_WITH_TIMEOUT(inView(shownTo), kEngineTimeout);
}

void TestPageView::zoomKeys() {
    Fixture f;
    PageViewPane* const pane = shownView(f, QStringLiteral("TForm2"));
    if (!pane)
        return;
    QWidget* const window = f.window(QStringLiteral("TForm2"));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    FIND(dock, QDockWidget, f, "TForm2", "PageViewDock");
    FIND(memo2, QPlainTextEdit, f, "TForm2", "Memo2");
    FIND(toggle, QAction, f, "TForm2", "Seitenansicht1");
    auto* engine = pane->findChild<QWidget*>(QStringLiteral("Engine"));
    QVERIFY(engine && engine->focusProxy());
    const auto press = [](QWidget* focus, Qt::Key key) -> std::function<void()> {
        return [focus, key] {
            focus->setFocus();
            QTest::keyClick(focus, key, Qt::ControlModifier);
        };
    };
    // A notch of the wheel towards the user with Ctrl held over the view.
    const auto turnBack = [view = engine->focusProxy()] {
        const QPointF at(50, 50);
        QWheelEvent turned(at, view->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                           Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &turned);
    };
    const struct {
        std::function<void()> act;
        int percent;
        QString caption;
    } steps[] = {
        {press(memo2, Qt::Key_Plus), 110, QStringLiteral("Seitenansicht (110 %)")},
        {press(memo2, Qt::Key_Plus), 125, QStringLiteral("Seitenansicht (125 %)")},
        {press(engine->focusProxy(), Qt::Key_Minus), 110, QStringLiteral("Seitenansicht (110 %)")},
        {press(engine->focusProxy(), Qt::Key_0), 100, QStringLiteral("Seitenansicht")},
        {press(memo2, Qt::Key_Minus), 90, QStringLiteral("Seitenansicht (90 %)")},
        // The program's steps, not the engine's own.
        {turnBack, 80, QStringLiteral("Seitenansicht (80 %)")},
    };
    for (const auto& step : steps) {
        step.act();
        QCOMPARE(dock->windowTitle(), step.caption);
        QCOMPARE(toggle->text(), QStringLiteral("Seiten&ansicht"));
        QCOMPARE(QSettings().value(QStringLiteral("Seitenansicht/TForm2/Zoom")).toInt(),
                 step.percent);
        QTRY_VERIFY_WITH_TIMEOUT(shownAt(*pane, step.percent), kEngineTimeout);
    }
    // With the view hidden, the keys are left to the window's other uses.
    toggle->trigger();
    QTest::keyClick(memo2, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(dock->windowTitle(), QStringLiteral("Seitenansicht (80 %)"));

    // The next start shows the page at the size kept.
    WindowSet again(f.dialogs, f.opener);
    QMainWindow& next = again.mainWindow();
    next.show();
    showPageView(next);
    QCOMPARE(next.findChild<QDockWidget*>(QStringLiteral("PageViewDock"))->windowTitle(),
             QStringLiteral("Seitenansicht (80 %)"));
    auto* paneAgain = next.findChild<PageViewPane*>();
    QVERIFY(paneAgain);
    QSignalSpy loaded(paneAgain, &PageViewPane::pageLoaded);
    QVERIFY(loaded.wait(kEngineTimeout));
    QTRY_VERIFY_WITH_TIMEOUT(shownAt(*paneAgain, 80), kEngineTimeout);
}

void TestPageView::viewKeepsItsLeastWidthOrHides_data() {
    QTest::addColumn<int>("atStart");   // the font's size as the program starts; 0 keeps it
    QTest::addColumn<int>("afterward"); // its size once the view shows; 0 keeps it
    QTest::addColumn<bool>("shown");
    QTest::newRow("room beside the pages") << 0 << 0 << true;
    QTest::newRow("pages too wide for it") << 20 << 0 << false;
    QTest::newRow("font grows while it shows") << 0 << 20 << false;
}

// On its screen of 1280 pixels the view stands beside the pages at no less than its least
// width, also with the window at its narrowest, or it hides and says why; F8 brings it back.
void TestPageView::viewKeepsItsLeastWidthOrHides() {
    QFETCH(int, atStart);
    QFETCH(int, afterward);
    QFETCH(bool, shown);
    const QFont original = QApplication::font();
    const auto restore = qScopeGuard([&original] { QApplication::setFont(original); });
    const auto useSize = [&original](int pointSize) {
        QFont font = original;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    };
    if (atStart > 0)
        useSize(atStart);
    Fixture f;
    QWidget* window = f.window(QStringLiteral("TForm2"));
    window->show();
    FIND(dock, QDockWidget, f, "TForm2", "PageViewDock");
    FIND(toggle, QAction, f, "TForm2", "Seitenansicht1");
    showPageView(*window);
    if (afterward > 0)
        useSize(afterward);
    QTRY_COMPARE(dock->isVisible(), shown);
    QCOMPARE(toggle->isChecked(), shown);
    if (!shown) {
        QCOMPARE(f.statusNotice(),
                 QStringLiteral("Kein Platz für die Seitenansicht: Der Bildschirm ist zu schmal"));
        return;
    }
    window->resize(window->minimumSize());
    QTRY_COMPARE(window->size(), window->minimumSize());
    QTRY_VERIFY2(dock->width() >= PageViewDock::kLeastWidth,
                 qPrintable(QString::number(dock->width())));
}

void TestPageView::pictureShowsOnceThePageHasAFolder() {
    QTemporaryDir dir;
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(dir.filePath(QStringLiteral("bild.png"))));
    Fixture f;
    PageViewPane* const pane = shownView(f, QStringLiteral("TForm2"));
    if (!pane)
        return;
    f.startPage();
    QVERIFY(
        actAndWait(f, *pane, QStringLiteral("TForm2"), QStringLiteral("Edit6=bild.png|Button5")));
    const QString width = QStringLiteral("document.images[0].naturalWidth");
    QCOMPARE(evaluateIn(*pane, width).toInt(), 0);
    QSignalSpy loaded(pane, &PageViewPane::pageLoaded);
    f.dialogs.answerFile(dir.filePath(QStringLiteral("seite.html")));
    f.trigger(QStringLiteral("TForm2"), QStringLiteral("Speichern"));
    QVERIFY(loaded.wait(kEngineTimeout));
    QCOMPARE(evaluateIn(*pane, width).toInt(), 4);
}

void TestPageView::picturesShowFromWhereTheyWereChosen() {
    QTemporaryDir first;
    QTemporaryDir second;
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(first.filePath(QStringLiteral("eins.png"))));
    QVERIFY(picture.save(second.filePath(QStringLiteral("zwei.png"))));
    Fixture f;
    PageViewPane* const pane = shownView(f, QStringLiteral("TForm2"));
    if (!pane)
        return;
    f.startPage();
    // Names resolve in the folder chosen last; the first picture lies elsewhere.
    for (const QTemporaryDir* dir : {&first, &second}) {
        const QString name =
            dir == &first ? QStringLiteral("eins.png") : QStringLiteral("zwei.png");
        f.dialogs.answerFile(dir->filePath(name));
        QVERIFY(actAndWait(f, *pane, QStringLiteral("TForm2"), QStringLiteral("Image1|Button5")));
    }
    QCOMPARE(evaluateIn(*pane, QStringLiteral("Array.from(document.images, i => i.naturalWidth)"
                                              ".join()"))
                 .toString(),
             QStringLiteral("4,4"));
}

void TestPageView::postEditorViewShowsItsText() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.html"));
    writeBytes(path, "<html><body><ul><li>eins</li><li>zwei</li></ul></body></html>\n");
    Fixture f;
    PageViewPane* const pane = shownView(f, QStringLiteral("TForm7"));
    if (!pane)
        return;
    QSignalSpy loaded(pane, &PageViewPane::pageLoaded);
    f.dialogs.answerFile(path);
    f.trigger(QStringLiteral("TForm7"), QStringLiteral("ffnen1"));
    QVERIFY(loaded.wait(kEngineTimeout));
    QCOMPARE(evaluateIn(*pane, QStringLiteral("document.querySelectorAll('li').length")).toInt(),
             2);
}

void TestPageView::postEditorViewShowsTheCharactersAsSaved() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zeichen.html"));
    // A no-break space and a line separator, which the text field holds differently.
    writeBytes(path, "<p>a\xC2\xA0"
                     "b\xE2\x80\xA8"
                     "c</p>\n");
    Fixture f;
    PageViewPane* const pane = shownView(f, QStringLiteral("TForm7"));
    if (!pane)
        return;
    QSignalSpy loaded(pane, &PageViewPane::pageLoaded);
    f.dialogs.answerFile(path);
    f.trigger(QStringLiteral("TForm7"), QStringLiteral("ffnen1"));
    QVERIFY(loaded.wait(kEngineTimeout));
    QCOMPARE(evaluateIn(*pane, QStringLiteral("Array.from(document.querySelector('p').textContent,"
                                              " c => c.charCodeAt(0)).join()"))
                 .toString(),
             QStringLiteral("97,160,98,8232,99"));
}

QUILLMARK_PAGE_VIEW_TEST_MAIN(TestPageView)

#include "tst_pageview.moc"
