#include "generators/TablesPage.h"

TablesPage::TablesPage(MainWindowServices& services)
    : TabPage("TabSheet8", QStringLiteral("Tabellen"), services) {}

void TablesPage::emptyForNew(NewVariant /*variant*/) {}
