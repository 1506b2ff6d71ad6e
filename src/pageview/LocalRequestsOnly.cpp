#include "pageview/LocalRequestsOnly.h"

void LocalRequestsOnly::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!info.requestUrl().isLocalFile())
        info.block(true);
}
