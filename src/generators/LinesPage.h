#pragma once

#include "generators/TabPage.h"

// The tab page "Linien": a horizontal rule.
class LinesPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinesPage)
public:
    explicit LinesPage(MainWindowServices& services);
    void emptyForNew(NewVariant variant) override;
};
