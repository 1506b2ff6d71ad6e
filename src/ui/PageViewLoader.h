#pragma once

#include <QString>

class PageViewPane;
class QWidget;

// Loads the page view plugin on first use and makes panes from it.
class PageViewLoader final {
public:
    // A new pane, or nullptr when the plugin cannot be loaded (see failure()); the program
    // goes on without the view then.
    static PageViewPane* create(QWidget* parent);
    // Why the plugin could not be loaded, or an empty text.
    static QString failure();
};
