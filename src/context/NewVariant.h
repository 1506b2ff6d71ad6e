#pragma once

// Which New command empties the fields: the menu's "Neu" or the toolbar's picture, which
// empties fewer.
enum class NewVariant { Menu, Toolbar };
