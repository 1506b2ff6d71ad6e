#pragma once

#include "pageview/ShownCopy.h"
#include "pageview/ShownPage.h"
#include "ui/PageViewPane.h"

#include <QPointF>

#include <memory>
#include <optional>

class GuardedPage;
class LocalRequestsOnly;
class QWebEngineProfile;
class QWebEngineView;

// The page view on a browser engine, made on the pane's first show or the first page handed
// over, whichever comes first, so that a pane that never shows still loads and prints pages.
// One page loads at a
// time; a page handed over meanwhile waits, and only the newest waiting page is shown. A page
// that differs from the shown one only near its end is brought up to date in place, so an
// add shows at once however long the page is.
class WebPageView final : public PageViewPane {
    Q_OBJECT
public:
    explicit WebPageView(QWidget* parent = nullptr);
    ~WebPageView() override;

    void showPage(const QString& html, const QString& baseFolder, Scroll scroll) override;
    void setPictures(const QHash<QString, QString>& pathsByName) override;
    void runScript(const QString& script, std::function<void(const QVariant&)> done) override;
    void showLine(int line) override;
    void setZoom(qreal factor) override;
    void printToPdf(const QPageLayout& layout,
                    std::function<void(const QByteArray&)> done) override;
    void print(QPrinter* printer) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Request {
        QString html;
        QString baseFolder;
        Scroll scroll = Scroll::Keep;
    };

    void startEngine();
    // Takes the waiting page: reads the scroll position when it is to be kept, then loads.
    void next();
    void load();
    // Replaces the end of the shown page.
    void update(ShownPage::Continuation continuation);
    void loaded(bool ok);
    void finish(bool ok);
    // Brings the line asked for into view, once.
    void scrollToLine();

    ShownCopy m_copy;
    ShownPage m_shown;
    std::optional<Request> m_waiting;
    QHash<QString, QString> m_pictures;
    Scroll m_scroll = Scroll::Keep;
    QPointF m_position;
    std::optional<int> m_line; // waits for the page being shown
    qreal m_zoom = 1;
    int m_zoomTurn = 0; // the part of a notch turned with Ctrl so far
    enum class Step { Idle, Reading, Loading, Updating };
    Step m_step = Step::Idle;

    // Declared in the order they are made; they go in the reverse order.
    std::unique_ptr<LocalRequestsOnly> m_interceptor;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<GuardedPage> m_page;
    std::unique_ptr<QWebEngineView> m_view;
};
