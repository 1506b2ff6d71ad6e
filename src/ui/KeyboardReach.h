#pragma once

class QAbstractButton;
class QWidget;

// What the keyboard reaches in a window. Tab walks the controls of each tab page top to
// bottom and left to right and ends at the page's add button. Alt with a letter reaches each
// of the window's menus, its tabs and the controls of the page shown, every one by a letter of
// its own: the menus keep theirs, then the add buttons get theirs first, then the tabs, then
// the other controls in the order Tab takes; where the letters run out, the rest get none. A
// caption beside a field leads Alt to the field.
namespace KeyboardReach {

// Marks the button that adds what its page describes, or does the main work of its window.
void markAddButton(QAbstractButton& button);

// Arranges Tab and the letters of a window whose controls are all made. Captions that carry a
// letter already keep it.
void arrange(QWidget& window);

} // namespace KeyboardReach
