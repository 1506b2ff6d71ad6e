#pragma once

#include "generators/TabPage.h"

// The tab page "Quelltext": the page source Memo2, editable, with what the page check found.
class SourcePage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SourcePage)
public:
    SourcePage(PageServices& services, QWidget* sourceArea);
    void emptyForNew(NewVariant) override {}
};
