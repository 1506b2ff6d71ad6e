#pragma once

#include "context/NewVariant.h"

#include <QWidget>

class CurrentFieldTracker;
class FieldExplanations;
class Navigation;
class PageContext;

// What a tab page of the main window works with: the page context, the other windows, and
// the main window's current-field tracker and field explanations.
struct PageServices {
    PageContext& context;
    Navigation& navigation;
    CurrentFieldTracker& fields;
    FieldExplanations& explanations;
};

// The size of the area a tab page has for its controls.
inline constexpr int kPageWidth = 800;
inline constexpr int kPageHeight = 470;

// One tab page of the main window: builds its controls, registers its tracked fields and
// explanations, and empties the fields that New empties.
class TabPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabPage)
public:
    TabPage(const char* objectName, PageServices& services);
    virtual void emptyForNew(NewVariant variant) = 0;
    // Where the page's controls go.
    QWidget* content() { return this; }

protected:
    PageServices& m_services;
};
