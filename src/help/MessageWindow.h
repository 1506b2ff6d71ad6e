#pragma once

#include "context/Message.h"

#include <QWidget>

#include <functional>

class Navigation;
class QPushButton;

// The small numbered message windows: "Error 409", "Error 407" (a question), "Error 605"
// and "Error 305". Each is shown without modality; showing it again changes nothing, and
// its close box only hides it.
class MessageWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageWindow)
public:
    MessageWindow(Navigation& navigation, Message which, QWidget* owner);

    // Shows the window, or leaves it as it is when it is already open.
    void showMessage();
    // "Error 407": asks whether the unsaved page may go; "Ja" runs the command waiting for
    // the answer, "Speichern" saves the page first and runs it only when the save succeeded,
    // "Nein" and the close box drop it. A newer request replaces a waiting one.
    void askToDiscard(std::function<void()> proceed);

    // "OK" or "Ja": hides the window and does what the message asked for.
    void Button1Click();
    // "Nein": drops the command waiting.
    void Button2Click();
    // "Speichern": saves the page, then runs the command waiting.
    void Button3Click();
    // F1: the help page of the general settings.
    void FormHelp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Navigation& m_navigation;
    Message m_which;
    std::function<void()> m_waiting;
};
