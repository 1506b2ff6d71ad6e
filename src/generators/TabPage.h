#pragma once

#include "context/NewVariant.h"
#include "ui/Layout.h"

class CurrentFieldTracker;
class FieldExplanations;
class FileDrops;
class Navigation;
class PageContext;

// What a tab page of the main window works with: the page context, the other windows, and
// the main window's current-field tracker, field explanations and file drops.
struct PageServices {
    PageContext& context;
    Navigation& navigation;
    CurrentFieldTracker& fields;
    FieldExplanations& explanations;
    FileDrops& drops;
};

// One tab page of the main window: builds its controls on content(), registers its tracked
// fields and explanations, empties the fields that New empties and shows what a page taken up
// from its file holds for it. A page that does not fit its window scrolls.
class TabPage : public ScrollingPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabPage)
public:
    TabPage(const char* objectName, PageServices& services);
    virtual void emptyForNew(NewVariant variant) = 0;
    // A page was opened; most tab pages hold nothing of it.
    virtual void showOpenedPage() {}

protected:
    PageServices& m_services;
};
