#pragma once

#include <QObject>
#include <QStatusBar>

class QLabel;
class QTimer;

// A status bar made of panels: the first one permanent, a notice added after it.
class PanelStatusBar final : public QStatusBar {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PanelStatusBar)
public:
    explicit PanelStatusBar(QWidget* parent = nullptr);
    void addPanel(const QString& text, int width = -1);
    void deletePanel(int index);
    int panelCount() const { return static_cast<int>(m_panels.size()); }
    QString panelText(int index) const;

private:
    QList<QLabel*> m_panels;
};

// The status messages of the main window: a message shows in the panel after "Quillmark"
// for 3000 ms, and a new message replaces one still showing.
class StatusNotices final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusNotices)
public:
    StatusNotices(PanelStatusBar& statusBar, QTimer& timer, QObject* parent = nullptr);

    void PostStatusMessage(const QString& message);
    // The name followed by " wurde hinzugefügt".
    void PostStatusNotice(const QString& name);

    void Timer1Timer();

private:
    PanelStatusBar& m_statusBar;
    QTimer& m_timer;
};
