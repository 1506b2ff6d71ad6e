#include "ui/WindowPlaces.h"

#include "ui/Layout.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

namespace {

constexpr char kRemembered[] = "remembered";
constexpr char kPlaced[] = "placed";

QString settingsKey(const QWidget& window) {
    return QStringLiteral("Fenster/") + window.objectName();
}

} // namespace

WindowPlaces::WindowPlaces(QWidget& main) : QObject(&main), m_main(main) {}

void WindowPlaces::centre(QWidget& window) {
    window.installEventFilter(this);
}

void WindowPlaces::remember(QWidget& window) {
    window.setProperty(kRemembered, true);
    window.installEventFilter(this);
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event) {
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        opening(*window);
    } else if (event->type() == QEvent::FontChange) {
        // A change of the application font reaches the window once its controls have taken
        // the new font up.
        Layout::growToFit(*window);
    } else if (event->type() == QEvent::Hide && !event->spontaneous() &&
               window->property(kRemembered).toBool()) {
        QSettings().setValue(settingsKey(*window), window->saveGeometry());
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlaces::opening(QWidget& window) {
    if (!window.property(kRemembered).toBool()) {
        Layout::centreOn(window, m_main);
        return;
    }
    // Once in a run from the settings; after that the window stays where the user left it.
    if (!window.property(kPlaced).toBool()) {
        window.setProperty(kPlaced, true);
        const QByteArray kept = QSettings().value(settingsKey(window)).toByteArray();
        if ((kept.isEmpty() || !window.restoreGeometry(kept)) && &window != &m_main)
            Layout::centreOn(window, m_main);
        // A size kept at a smaller font or before the window had more to show grows, and the
        // window's frame, known once it shows, fits on the screen too.
        Layout::growToFit(window);
    }
    Layout::keepOnScreen(window);
}
