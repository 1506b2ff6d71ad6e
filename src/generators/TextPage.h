#pragma once

#include "generators/TabPage.h"

// The tab page "Text": a formatted paragraph of text.
class TextPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextPage)
public:
    explicit TextPage(MainWindowServices& services);
    void emptyForNew(NewVariant variant) override;
};
