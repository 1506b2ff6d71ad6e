#include "pageview/LocalRequestsOnly.h"

#include <QFileInfo>

void LocalRequestsOnly::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    if (!url.isLocalFile()) {
        info.block(true);
        return;
    }
    const QFileInfo file(url.toLocalFile());
    const auto chosen = m_pictures.constFind(file.fileName());
    if (chosen != m_pictures.cend() && !file.exists())
        info.redirect(QUrl::fromLocalFile(*chosen));
}
