#pragma once

#include <QLabel>

// A picture or a label that reacts to the mouse like a button: the toolbar pictures,
// the folder and assistant pictures, the position pictures and clickable captions.
class ClickableLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableLabel)
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void pressed();
    // The button came up; inside tells whether the pointer was still over the picture.
    void released(bool inside);
    void clicked();
    // The pointer left the picture while the button was held.
    void left();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_down = false;
};

// A picture button with a pressed twin at the same place: pressing hides the button and
// shows the twin, releasing (or leaving with the button held) shows the button again. A
// release over the picture runs the command.
class PressedLook final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PressedLook)
public:
    PressedLook(ClickableLabel& button, ClickableLabel& pressedPicture);
    ClickableLabel& button() const { return m_button; }

signals:
    void activated();

private:
    void press();
    void restore();
    void release(bool inside);

    ClickableLabel& m_button;
    ClickableLabel& m_pressed;
    bool m_down = false;
};
