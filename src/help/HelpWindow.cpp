#include "help/HelpWindow.h"

HelpWindow::HelpWindow(WindowSet& /*windows*/)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Quillmark Hilfe"));
    setFixedSize(720, 560);
}

void HelpWindow::showPage(const QString& /*pageName*/) {
    showLastPage();
}

void HelpWindow::showLastPage() {
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentPageName() const {
    return {};
}

void HelpWindow::Button3Click() {
    hide();
}
