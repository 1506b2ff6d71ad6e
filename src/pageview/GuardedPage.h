#pragma once

#include <QUrl>
#include <QWebEnginePage>

// A page that goes nowhere on its own: it loads only what it is told to load and the local
// pages its frames name, reports a clicked link or a submitted form instead of following it,
// and opens no windows.
class GuardedPage final : public QWebEnginePage {
    Q_OBJECT
public:
    explicit GuardedPage(QWebEngineProfile* profile);

    // Loads url; the only navigation let through until the next call.
    void loadOwn(const QUrl& url);

signals:
    void linkClicked(const QString& target);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    QUrl m_allowed;
};
