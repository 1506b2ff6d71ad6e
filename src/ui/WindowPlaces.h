#pragma once

#include <QObject>

class QWidget;

// Where the program's windows open, and how large. A window the main window owns opens over
// its middle each time; any other window opens where it was last closed, as the settings keep
// it, or over the main window the first time. Every window opens within the available area of
// its screen, and grows to what its controls need there when it opens at a size kept from an
// earlier run and whenever the application font changes.
class WindowPlaces final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowPlaces)
public:
    explicit WindowPlaces(QWidget& main);

    // Places the window each time it opens, over its owner.
    void centre(QWidget& window);
    // Places the window where it was last closed and keeps its place and size when it closes.
    void remember(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void opening(QWidget& window);

    QWidget& m_main;
};
