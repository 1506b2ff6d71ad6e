#include "ui/BringToFront.h"

#include <QWidget>

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}
