#include "generators/ImagesPage.h"

ImagesPage::ImagesPage(MainWindowServices& services)
    : TabPage("TabSheet4", QStringLiteral("Bilder"), services) {}

void ImagesPage::emptyForNew(NewVariant /*variant*/) {}
