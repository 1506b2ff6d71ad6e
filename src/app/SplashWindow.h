#pragma once

#include <QWidget>

class QTimer;
class WindowSet;

// The borderless start picture, in front of the main window for 3000 ms or until clicked.
class SplashWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplashWindow)
public:
    explicit SplashWindow(WindowSet& windows);

    QTimer& timer() const { return *m_timer; }

    void Image2Click();
    void Timer1Timer();

private:
    WindowSet& m_windows;
    QTimer* m_timer;
};
