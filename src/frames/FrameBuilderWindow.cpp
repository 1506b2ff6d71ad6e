#include "frames/FrameBuilderWindow.h"

FrameBuilderWindow::FrameBuilderWindow(WindowSet& /*windows*/)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Frames"));
    setFixedSize(700, 520);
}

void FrameBuilderWindow::Frameseiteerstellen1Click() {
    show();
    raise();
    activateWindow();
}
