#include "generators/LinksPage.h"

LinksPage::LinksPage(MainWindowServices& services)
    : TabPage("TabSheet3", QStringLiteral("Links"), services) {}

void LinksPage::emptyForNew(NewVariant /*variant*/) {}
