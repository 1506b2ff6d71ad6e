#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Lets only local files through: a picture on the network shows as missing.
class LocalRequestsOnly final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
