#pragma once

#include <QObject>

class QTimer;

// The status messages of the main window: a message shows for 3000 ms (the timer Timer1), and
// a new message replaces one still showing. The status bar shows what these signals say.
class StatusNotices final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusNotices)
public:
    explicit StatusNotices(QObject* parent = nullptr);

    void PostStatusMessage(const QString& message);
    // The name followed by " wurde hinzugefügt".
    void PostStatusNotice(const QString& name);
    static QString added(const QString& name);

    // The message showing has run its time: the bar shows "Quillmark" again.
    void Timer1Timer();
    const QTimer& timer() const { return *m_timer; }

signals:
    // A message to show in place of any still showing.
    void shown(const QString& message);
    // The message showing has run its time.
    void expired();

private:
    QTimer* m_timer;
};
