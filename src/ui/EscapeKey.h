#pragma once

#include <functional>

class QWidget;

// Esc anywhere in the window runs `dismiss`: what the window's OK or "Nein" button does, or
// what its close box does where it has no such button.
void dismissOnEscape(QWidget* window, std::function<void()> dismiss);
