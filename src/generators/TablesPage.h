#pragma once

#include "generators/TabPage.h"

// The tab page "Tabellen": a table, built tag by tag.
class TablesPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TablesPage)
public:
    explicit TablesPage(MainWindowServices& services);
    void emptyForNew(NewVariant variant) override;
};
