#include "generators/GeneralSettingsPage.h"

GeneralSettingsPage::GeneralSettingsPage(MainWindowServices& services)
    : TabPage("TabSheet1", QStringLiteral("Allgemeine Einstellungen"), services) {}

void GeneralSettingsPage::emptyForNew(NewVariant /*variant*/) {}
