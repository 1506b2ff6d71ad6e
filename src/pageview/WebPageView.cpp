#include "pageview/WebPageView.h"

#include "pageview/GuardedPage.h"
#include "pageview/LocalRequestsOnly.h"
#include "pageview/TagLines.h"

#include <QChildEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPageLayout>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWheelEvent>

#include <unistd.h>

WebPageView::WebPageView(QWidget* parent) : PageViewPane(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

WebPageView::~WebPageView() {
    // The page goes before its profile; a script answer arriving meanwhile finds no page.
    m_view.reset();
    m_page.reset();
}

void WebPageView::showEvent(QShowEvent* event) {
    PageViewPane::showEvent(event);
    if (!m_page) {
        startEngine();
        next();
    }
}

bool WebPageView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view.get()) {
        if (event->type() == QEvent::ChildAdded)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
    } else if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            // A notch is 120; a touchpad turns by parts of one.
            constexpr int kNotch = 120;
            m_zoomTurn += wheel->angleDelta().y();
            if (const int steps = m_zoomTurn / kNotch) {
                m_zoomTurn -= steps * kNotch;
                emit zoomTurned(steps);
            }
            return true;
        }
    }
    return PageViewPane::eventFilter(watched, event);
}

void WebPageView::startEngine() {
    // The engine's sandbox cannot start for the superuser.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    m_interceptor = std::make_unique<LocalRequestsOnly>(m_copy.folder());
    m_interceptor->setPictures(m_pictures);
    // A profile without a storage name is off the record: nothing goes to disk.
    m_profile = std::make_unique<QWebEngineProfile>();
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profile->setSpellCheckEnabled(false);
    m_profile->setUrlRequestInterceptor(m_interceptor.get());
    QWebEngineSettings* settings = m_profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);

    m_page = std::make_unique<GuardedPage>(m_profile.get());
    connect(m_page.get(), &GuardedPage::linkClicked, this, &PageViewPane::linkClicked);
    connect(m_page.get(), &QWebEnginePage::loadFinished, this, &WebPageView::loaded);
    // A crashed engine process answers no more: a position being read is given up, a page
    // being shown ends as not shown.
    connect(m_page.get(), &QWebEnginePage::renderProcessTerminated, this, [this] {
        m_shown.forget();
        if (m_step == Step::Reading) {
            m_position = {};
            load();
        } else if (m_step != Step::Idle) {
            finish(false);
        }
    });

    m_view = std::make_unique<QWebEngineView>();
    m_view->setObjectName(QStringLiteral("Engine"));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    // The engine zooms on Ctrl and the wheel in steps of its own; the widgets it shows the
    // page in are watched from the start, so that the program's steps hold instead.
    m_view->installEventFilter(this);
    m_view->setPage(m_page.get());
    m_view->setZoomFactor(m_zoom);
    connect(m_view.get(), &QWebEngineView::printFinished, this, &PageViewPane::printFinished);
    layout()->addWidget(m_view.get());
}

void WebPageView::setPictures(const QHash<QString, QString>& pathsByName) {
    m_pictures = pathsByName;
    if (m_interceptor)
        m_interceptor->setPictures(pathsByName);
}

void WebPageView::showPage(const QString& html, const QString& baseFolder, Scroll scroll) {
    if (!m_page)
        startEngine();
    // A waiting page that was to show its end (a new element there) still does.
    const bool toEnd = scroll == Scroll::ToEnd || (m_waiting && m_waiting->scroll == Scroll::ToEnd);
    if (scroll == Scroll::ToEnd)
        m_line.reset();
    m_waiting = Request{html, baseFolder, toEnd ? Scroll::ToEnd : Scroll::Keep};
    if (m_page && m_step == Step::Idle)
        next();
}

void WebPageView::next() {
    if (!m_waiting)
        return;
    if (auto continuation = m_shown.continuation(m_waiting->html, m_waiting->baseFolder)) {
        update(std::move(*continuation));
        return;
    }
    if (m_waiting->scroll == Scroll::ToEnd) {
        load();
        return;
    }
    m_step = Step::Reading;
    m_page->runJavaScript(QStringLiteral("[window.scrollX, window.scrollY]"),
                          QWebEngineScript::ApplicationWorld, [this](const QVariant& value) {
                              if (!m_page || m_step != Step::Reading)
                                  return;
                              const QVariantList xy = value.toList();
                              m_position = xy.size() == 2
                                               ? QPointF(xy[0].toDouble(), xy[1].toDouble())
                                               : QPointF();
                              load();
                          });
}

void WebPageView::load() {
    const Request request = *std::exchange(m_waiting, std::nullopt);
    m_scroll = request.scroll;
    m_interceptor->setPageFolder(request.baseFolder);
    const QUrl url =
        m_copy.write(m_shown.loading(request.html, request.baseFolder), request.baseFolder);
    if (url.isEmpty()) {
        m_shown.forget();
        finish(false);
        return;
    }
    m_step = Step::Loading;
    m_page->loadOwn(url);
}

void WebPageView::update(ShownPage::Continuation continuation) {
    const Request request = *std::exchange(m_waiting, std::nullopt);
    m_step = Step::Updating;
    // The mark and everything after it go; the new end, read on its own, takes their place.
    static const QString script = QStringLiteral(
        "((mark, fragment, toEnd) => {"
        "  const body = document.body;"
        "  let node = body ? body.lastChild : null;"
        "  while (node && !(node.nodeType === Node.COMMENT_NODE && node.data === mark))"
        "    node = node.previousSibling;"
        "  if (!node) return false;"
        "  while (node.nextSibling) node.nextSibling.remove();"
        "  node.remove();"
        "  body.insertAdjacentHTML('beforeend', fragment);"
        "  if (toEnd) window.scrollTo(window.scrollX, document.documentElement.scrollHeight);"
        "  return true;"
        "})(...%1)");
    const QJsonArray arguments{continuation.mark, continuation.fragment,
                               request.scroll == Scroll::ToEnd};
    m_page->runJavaScript(
        script.arg(QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact))),
        QWebEngineScript::ApplicationWorld,
        [this, request, continuation = std::move(continuation)](const QVariant& done) mutable {
            if (!m_page || m_step != Step::Updating)
                return;
            if (done.toBool()) {
                m_shown.continued(std::move(continuation));
                finish(true);
                return;
            }
            // The shown page is not what it was taken to be: load it whole.
            m_shown.forget();
            m_step = Step::Idle;
            if (!m_waiting)
                m_waiting = request;
            next();
        });
}

void WebPageView::loaded(bool ok) {
    if (m_step != Step::Loading)
        return; // the end of a refused navigation
    if (!ok) {
        m_shown.forget();
    } else {
        // Sent before any later script, so whatever runs after the report finds the page
        // scrolled already.
        m_page->runJavaScript(
            m_scroll == Scroll::ToEnd
                ? QStringLiteral("window.scrollTo(window.scrollX, "
                                 "document.documentElement.scrollHeight)")
                : QStringLiteral("window.scrollTo(%1, %2)").arg(m_position.x()).arg(m_position.y()),
            QWebEngineScript::ApplicationWorld);
    }
    finish(ok);
}

void WebPageView::finish(bool ok) {
    m_step = Step::Idle;
    // A page handed over meanwhile replaces this one, which then is not reported.
    if (m_waiting) {
        next();
        return;
    }
    scrollToLine();
    emit pageLoaded(ok);
}

void WebPageView::showLine(int line) {
    m_line = line;
    if (m_page && m_step == Step::Idle && !m_waiting)
        scrollToLine();
}

void WebPageView::scrollToLine() {
    if (!m_line)
        return;
    // The element of the nearest line that shows something.
    static const QString script =
        QStringLiteral("(line => {"
                       "  let best = null, bestLine = 0;"
                       "  for (const element of document.querySelectorAll('[%1]')) {"
                       "    const at = Number(element.getAttribute('%1'));"
                       "    const nearer = Math.abs(at - line) - Math.abs(bestLine - line);"
                       "    if (best && (nearer > 0 || (nearer === 0 && at >= bestLine))) continue;"
                       "    if (element.getClientRects().length === 0) continue;"
                       "    best = element;"
                       "    bestLine = at;"
                       "  }"
                       "  if (best) best.scrollIntoView({block: 'nearest', inline: 'nearest'});"
                       "})(%2)")
            .arg(TagLines::kAttribute);
    m_page->runJavaScript(script.arg(*std::exchange(m_line, std::nullopt)),
                          QWebEngineScript::ApplicationWorld);
}

void WebPageView::setZoom(qreal factor) {
    m_zoom = factor;
    if (m_view)
        m_view->setZoomFactor(factor);
}

void WebPageView::runScript(const QString& script, std::function<void(const QVariant&)> done) {
    if (!m_page) {
        done({});
        return;
    }
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld, std::move(done));
}

void WebPageView::printToPdf(const QPageLayout& layout,
                             std::function<void(const QByteArray&)> done) {
    if (!m_page) {
        done({});
        return;
    }
    m_page->printToPdf(done, layout);
}

void WebPageView::print(QPrinter* printer) {
    if (!m_view) {
        // Reported as the engine would, once the caller has gone on.
        QMetaObject::invokeMethod(
            this, [this] { emit printFinished(false); }, Qt::QueuedConnection);
        return;
    }
    m_view->print(printer);
}
