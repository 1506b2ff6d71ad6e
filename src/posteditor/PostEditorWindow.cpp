#include "posteditor/PostEditorWindow.h"

PostEditorWindow::PostEditorWindow(WindowSet& /*windows*/) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("HTML-Quelltext nachbearbeiten"));
    resize(760, 560);
}

void PostEditorWindow::showEditor() {
    show();
    raise();
    activateWindow();
}

bool PostEditorWindow::hasUnsavedChanges() const {
    return false;
}
