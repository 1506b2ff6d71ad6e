#include "app/SplashWindow.h"

#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

using namespace Controls;

SplashWindow::SplashWindow(QWidget& mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mainWindow(mainWindow), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Quillmark"));
    auto* image = picture(this, "Image2", QStringLiteral("splash.jpg"),
                          QStringLiteral("Startbild schließen"), false);
    connect(image, &ClickableLabel::clicked, this, &SplashWindow::Image2Click);
    // The window is the picture at its own size, in the middle of the screen.
    QVBoxLayout* layout = Layout::nestedColumn();
    setLayout(layout);
    layout->addWidget(image);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
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
