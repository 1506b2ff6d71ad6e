#include "app/SplashWindow.h"

#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

using namespace Controls;

SplashWindow::SplashWindow(QWidget& mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mainWindow(mainWindow), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Quillmark"));
    const QPixmap art = Artwork::pixmap(QStringLiteral("splash.jpg"));
    const QSize size = art.isNull() ? QSize(480, 300) : art.size();
    setFixedSize(size);
    auto* image = picture(this, "Image2", QRect(QPoint(0, 0), size), QStringLiteral("splash.jpg"),
                          QStringLiteral("Startbild schließen"), false);
    connect(image, &ClickableLabel::clicked, this, &SplashWindow::Image2Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(3000);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::Timer1Timer);
}

void SplashWindow::Image2Click() {
    m_mainWindow.show();
    hide();
}

void SplashWindow::Timer1Timer() {
    hide();
}
