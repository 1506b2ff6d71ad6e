#pragma once

#include <QWidget>

class WindowSet;

// "Über Quillmark": the credits and an OK button.
class AboutWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutWindow)
public:
    explicit AboutWindow(WindowSet& windows);
    void Button3Click();
};
