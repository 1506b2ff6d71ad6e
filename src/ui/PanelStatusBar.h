#pragma once

#include <QStatusBar>

class QLabel;
class StatusNotices;

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

    // Shows the notices in the panel after the first one.
    void follow(const StatusNotices& notices);

protected:
    // The bar's height follows the font of its panels.
    void changeEvent(QEvent* event) override;

private:
    QList<QLabel*> m_panels;
};
