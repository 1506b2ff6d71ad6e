#include "pageview/GuardedPage.h"

#include <QWebEngineNewWindowRequest>

GuardedPage::GuardedPage(QWebEngineProfile* profile) : QWebEnginePage(profile) {
    // A link into a new window is reported like any other; no window opens.
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) {
                emit linkClicked(request.requestedUrl().toString());
            });
}

void GuardedPage::loadOwn(const QUrl& url) {
    m_allowed = url;
    load(url);
}

bool GuardedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (type == NavigationTypeLinkClicked || type == NavigationTypeFormSubmitted) {
        emit linkClicked(url.toString());
        return false;
    }
    // The frames of a frameset page load the local pages they name, once; a refresh in a
    // frame is refused like any other.
    if (!isMainFrame)
        return type == NavigationTypeOther && url.isLocalFile();
    // One pass per load: a refresh to the page itself is refused like any other.
    const bool own = !m_allowed.isEmpty() && url == m_allowed;
    if (own)
        m_allowed.clear();
    return own;
}

QWebEnginePage* GuardedPage::createWindow(WebWindowType) {
    return nullptr;
}
