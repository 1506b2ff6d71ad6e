#pragma once

#include "core/platform/Outcome.h"

class PageViewPane;
class QWidget;

// Loads the page view plugin on first use and makes panes from it.
class PageViewLoader final {
public:
    // A new pane, or why the plugin cannot be loaded; the program goes on without the view
    // then.
    static Expected<PageViewPane*> create(QWidget* parent);
};
