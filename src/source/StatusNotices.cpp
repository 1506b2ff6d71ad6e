#include "source/StatusNotices.h"

#include <QLabel>
#include <QTimer>

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
}

void PanelStatusBar::addPanel(const QString& text, int width) {
    auto* panel = new QLabel(text, this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(m_panels.size()));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setContentsMargins(4, 0, 4, 0);
    if (width > 0)
        panel->setFixedWidth(width);
    // The last panel fills the rest of the bar.
    addWidget(panel, width > 0 ? 0 : 1);
    m_panels.append(panel);
}

void PanelStatusBar::deletePanel(int index) {
    if (index < 0 || index >= m_panels.size())
        return;
    QLabel* panel = m_panels.takeAt(index);
    removeWidget(panel);
    delete panel;
}

QString PanelStatusBar::panelText(int index) const {
    return index >= 0 && index < m_panels.size() ? m_panels[index]->text() : QString();
}

StatusNotices::StatusNotices(PanelStatusBar& statusBar, QTimer& timer, QObject* parent)
    : QObject(parent), m_statusBar(statusBar), m_timer(timer) {
    m_timer.setInterval(3000);
    connect(&m_timer, &QTimer::timeout, this, &StatusNotices::Timer1Timer);
}

void StatusNotices::PostStatusMessage(const QString& message) {
    if (m_timer.isActive()) {
        m_statusBar.deletePanel(1);
        m_timer.stop();
    }
    m_statusBar.addPanel(message);
    m_timer.start();
}

void StatusNotices::PostStatusNotice(const QString& name) {
    PostStatusMessage(name + QStringLiteral(" wurde hinzugefügt"));
}

void StatusNotices::Timer1Timer() {
    m_statusBar.deletePanel(1);
    m_timer.stop();
}
