#include "generators/ListsPage.h"

ListsPage::ListsPage(MainWindowServices& services)
    : TabPage("TabSheet9", QStringLiteral("Listen"), services) {}

void ListsPage::emptyForNew(NewVariant /*variant*/) {}
