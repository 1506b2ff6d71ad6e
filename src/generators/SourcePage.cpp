#include "generators/SourcePage.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

SourcePage::SourcePage(PageServices& services, QPlainTextEdit* memo2)
    : TabPage("TabSheet5", services) {
    memo2->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(memo2);
}
