#pragma once

#include "help/HelpBookWindow.h"

// "Quillmark Hilfe": the program help, one page per part of the program.
class HelpWindow final : public HelpBookWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)
public:
    HelpWindow();

    // Shows the window at the page or sub-page with this object name ("TabSheet4",
    // "TabSheet17"); a name that names no page leaves the page as it was.
    void showPage(const QString& pageName);

    // "Hilfe beenden": hides the window.
    void Button3Click();
};
