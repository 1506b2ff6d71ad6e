#include "generators/SourcePage.h"

#include <QVBoxLayout>

SourcePage::SourcePage(PageServices& services, QWidget* sourceArea)
    : TabPage("TabSheet5", services) {
    // The page source fills the page and grows with the window.
    Layout::column(content())->addWidget(sourceArea);
}
