#include "ui/ClickableLabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    m_down = true;
    emit pressed();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    if (m_down && !rect().contains(event->position().toPoint()))
        emit left();
    QLabel::mouseMoveEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QLabel::mouseReleaseEvent(event);
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasDown = m_down;
    m_down = false;
    emit released(inside);
    if (wasDown && inside)
        emit clicked();
}

PressedLook::PressedLook(ClickableLabel& button, ClickableLabel& pressedPicture)
    : QObject(&button), m_button(button), m_pressed(pressedPicture) {
    m_pressed.hide();
    connect(&m_button, &ClickableLabel::pressed, this, &PressedLook::press);
    for (ClickableLabel* picture : {&m_button, &m_pressed}) {
        connect(picture, &ClickableLabel::released, this, &PressedLook::release);
        connect(picture, &ClickableLabel::left, this, &PressedLook::restore);
    }
}

void PressedLook::press() {
    if (!m_button.isEnabled())
        return;
    m_down = true;
    m_button.hide();
    m_pressed.show();
}

void PressedLook::restore() {
    m_pressed.hide();
    m_button.show();
}

void PressedLook::release(bool inside) {
    const bool wasDown = m_down && !m_pressed.isHidden();
    m_down = false;
    restore();
    if (wasDown && inside)
        emit activated();
}
