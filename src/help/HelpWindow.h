#pragma once

#include <QWidget>

class WindowSet;

// "Quillmark Hilfe": the program help, one page per part of the program.
class HelpWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)
public:
    explicit HelpWindow(WindowSet& windows);

    // Shows the window at the page with this object name ("TabSheet4").
    void showPage(const QString& pageName);
    // Shows the window at the page it showed last.
    void showLastPage();
    QString currentPageName() const;

    void Button3Click();
};
