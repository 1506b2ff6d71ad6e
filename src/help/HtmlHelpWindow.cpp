#include "help/HtmlHelpWindow.h"

HtmlHelpWindow::HtmlHelpWindow(WindowSet& /*windows*/)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("HTML Hilfe"));
    setFixedSize(720, 560);
}

void HtmlHelpWindow::showFirstPage() {
    showLastPage();
}

void HtmlHelpWindow::showLastPage() {
    show();
    raise();
    activateWindow();
}

QString HtmlHelpWindow::currentPageName() const {
    return {};
}

void HtmlHelpWindow::Button1Click() {
    hide();
}
