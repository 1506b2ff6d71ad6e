#pragma once

#include "help/HelpBookWindow.h"

// "HTML Hilfe": a short introduction to writing HTML by hand.
class HtmlHelpWindow final : public HelpBookWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HtmlHelpWindow)
public:
    HtmlHelpWindow();

    // Shows the window at its first page, "Was ist HTML".
    void showFirstPage();

    // "Hilfe beenden": hides the window.
    void Button1Click();
};
