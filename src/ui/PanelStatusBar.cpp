#include "ui/PanelStatusBar.h"

#include "core/source/StatusNotices.h"

#include <QEvent>
#include <QLabel>

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
    else // The notice gives way before the widgets at the bar's right end.
        panel->setSizePolicy(QSizePolicy::Ignored, panel->sizePolicy().verticalPolicy());
    // The last panel fills the rest of the bar.
    addWidget(panel, width > 0 ? 0 : 1);
    m_panels.append(panel);
}

void PanelStatusBar::deletePanel(int index) {
    if (index < 0 || index >= m_panels.size())
        return;
    // Deleting the panel takes it off the bar. QStatusBar::removeWidget is not used: it hides
    // the widget that follows the removed one, here the page check's result.
    delete m_panels.takeAt(index);
}

QString PanelStatusBar::panelText(int index) const {
    return index >= 0 && index < m_panels.size() ? m_panels[index]->text() : QString();
}

void PanelStatusBar::follow(const StatusNotices& notices) {
    connect(&notices, &StatusNotices::shown, this, [this](const QString& message) {
        deletePanel(1);
        addPanel(message);
    });
    connect(&notices, &StatusNotices::expired, this, [this] { deletePanel(1); });
}

void PanelStatusBar::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    // QStatusBar sizes itself for its widgets only as they come and go.
    if (event->type() == QEvent::FontChange)
        reformat();
}
