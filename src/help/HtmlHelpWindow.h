#pragma once

#include <QWidget>

class WindowSet;

// "HTML Hilfe": a short introduction to writing HTML by hand.
class HtmlHelpWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HtmlHelpWindow)
public:
    explicit HtmlHelpWindow(WindowSet& windows);

    // Shows the window at its first page, "Was ist HTML".
    void showFirstPage();
    // Shows the window at the page it showed last.
    void showLastPage();
    QString currentPageName() const;

    void Button1Click();
};
