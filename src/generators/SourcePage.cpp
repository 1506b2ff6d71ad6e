#include "generators/SourcePage.h"

#include <QVBoxLayout>

SourcePage::SourcePage(PageServices& services, QWidget* sourceArea)
    : TabPage("TabSheet5", services) {
    sourceArea->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(sourceArea);
}
