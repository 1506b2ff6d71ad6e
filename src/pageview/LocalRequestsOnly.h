#pragma once

#include <QHash>
#include <QString>
#include <QWebEngineUrlRequestInterceptor>

// Lets only local files through: a picture on the network shows as missing. A local file
// that is missing but whose name is one of the page's pictures chosen elsewhere is taken from
// where it was chosen.
class LocalRequestsOnly final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void setPictures(const QHash<QString, QString>& pathsByName) { m_pictures = pathsByName; }
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    QHash<QString, QString> m_pictures;
};
