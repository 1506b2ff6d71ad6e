#pragma once

#include <QWidget>

class QTimer;

// The borderless start picture, in front of the main window for 3000 ms or until clicked.
class SplashWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplashWindow)
public:
    // mainWindow: shown at once when the picture is clicked.
    explicit SplashWindow(QWidget& mainWindow);

    QTimer& timer() const { return *m_timer; }

    // A click on the picture ends the start picture at once.
    void Image2Click();
    // The start picture has shown its time: it goes, the main window shows.
    void Timer1Timer();

private:
    QWidget& m_mainWindow;
    QTimer* m_timer;
};
