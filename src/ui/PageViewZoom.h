#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QKeySequence;
class QWidget;

// The size a page view shows its page at, in percent: Ctrl+Plus and Ctrl+Minus (and Ctrl with
// the wheel, see step) go through the sizes browsers offer, Ctrl+0 goes back to 100 %. Each
// window's view keeps its own size, from one run to the next too.
class PageViewZoom final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageViewZoom)
public:
    // The keys act anywhere in window; the size is kept under the window's name.
    explicit PageViewZoom(QWidget& window);

    int percent() const { return m_percent; }
    // Steps to larger sizes when steps is positive, to smaller ones when negative.
    void step(int steps);
    // The keys act only while the view shows; otherwise they mean what they mean without it.
    void setActive(bool active);

signals:
    void changed(int percent);

private:
    // A command of window's with these keys, enabled with the others.
    QAction* addKeys(QWidget& window, const char* name, const QString& text,
                     const QList<QKeySequence>& keys);
    void set(int percent);

    QString m_settingsKey;
    int m_percent;
    QList<QAction*> m_keys;
};
