#include "forms/FormBuilderWindow.h"

FormBuilderWindow::FormBuilderWindow(WindowSet& /*windows*/)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Formulare"));
    setFixedSize(760, 560);
}

void FormBuilderWindow::open() {
    show();
    raise();
    activateWindow();
}
