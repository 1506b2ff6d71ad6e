#pragma once

#include <QFrame>

// The welcome panel Panel8: it lies over the tab control's page area until "Weiter" hides it;
// the tabs, menus and toolbar stay usable.
class WelcomePanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WelcomePanel)
public:
    explicit WelcomePanel(QWidget* pageControl);

signals:
    // "Weiter" was pressed.
    void weiter();
};
