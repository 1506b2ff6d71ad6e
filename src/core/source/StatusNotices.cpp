#include "core/source/StatusNotices.h"

#include <QTimer>

StatusNotices::StatusNotices(QObject* parent) : QObject(parent), m_timer(new QTimer(this)) {
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(3000);
    connect(m_timer, &QTimer::timeout, this, &StatusNotices::Timer1Timer);
}

void StatusNotices::PostStatusMessage(const QString& message) {
    m_timer->start();
    emit shown(message);
}

void StatusNotices::PostStatusNotice(const QString& name) {
    PostStatusMessage(added(name));
}

QString StatusNotices::added(const QString& name) {
    return name + QStringLiteral(" wurde hinzugefügt");
}

void StatusNotices::Timer1Timer() {
    // A tick with nothing showing changes nothing.
    if (!m_timer->isActive())
        return;
    m_timer->stop();
    emit expired();
}
