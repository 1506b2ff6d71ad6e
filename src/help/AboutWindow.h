#pragma once

#include <QWidget>

// "Über Quillmark": the credits and an OK button.
class AboutWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutWindow)
public:
    explicit AboutWindow(QWidget* owner);
    // "OK": closes the window.
    void Button3Click();
};
