#pragma once

#include "generators/TabPage.h"

#include <span>

class QWidget;

// The tab pages in their order, with their captions, the program help's page for each, and
// how each is built.
struct TabPageEntry {
    const char* caption;
    const char* helpPage;
    // sourceArea: the page source with the findings list, for "Quelltext".
    TabPage* (*create)(PageServices& services, QWidget* sourceArea);
};

// The main window's nine tab pages.
std::span<const TabPageEntry> TabPageTable();
