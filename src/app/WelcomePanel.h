#pragma once

#include <QFrame>

class QStackedWidget;
class QTabWidget;

// The welcome panel Panel8: it lies over the tab control's page area until "Weiter" or a click
// on a tab hides it; the tabs, menus and toolbar stay usable. While it shows, the page behind
// it takes no focus.
class WelcomePanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WelcomePanel)
public:
    explicit WelcomePanel(QTabWidget& pageControl);

signals:
    // "Weiter" was pressed.
    void weiter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void coverPageArea();

    QStackedWidget* m_pageArea;
};
