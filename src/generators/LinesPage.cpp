#include "generators/LinesPage.h"

LinesPage::LinesPage(MainWindowServices& services)
    : TabPage("TabSheet7", QStringLiteral("Linien"), services) {}

void LinesPage::emptyForNew(NewVariant /*variant*/) {}
