#pragma once

#include "generators/TabPage.h"

#include <span>

class QPlainTextEdit;

// The tab pages in their order, with their captions, the program help's page for each, and
// how each is built.
struct TabPageEntry {
    const char* caption;
    const char* helpPage;
    TabPage* (*create)(PageServices& services, QPlainTextEdit* memo2);
};

// The main window's nine tab pages.
std::span<const TabPageEntry> TabPageTable();
