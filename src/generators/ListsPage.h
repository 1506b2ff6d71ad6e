#pragma once

#include "generators/TabPage.h"

// The tab page "Listen": sorted and unsorted lists, nested to any depth.
class ListsPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListsPage)
public:
    explicit ListsPage(MainWindowServices& services);
    void emptyForNew(NewVariant variant) override;
};
