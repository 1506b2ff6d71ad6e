#include "generators/TextPage.h"

TextPage::TextPage(MainWindowServices& services)
    : TabPage("TabSheet2", QStringLiteral("Text"), services) {}

void TextPage::emptyForNew(NewVariant /*variant*/) {}
