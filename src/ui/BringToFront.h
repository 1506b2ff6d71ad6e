#pragma once

class QWidget;

// Shows a window (or leaves it open), puts it in front and gives it the keyboard.
void bringToFront(QWidget& window);
