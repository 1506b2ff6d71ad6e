#pragma once

#include "generators/TabPage.h"

// The tab page "Links": a link as text or as picture.
class LinksPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinksPage)
public:
    explicit LinksPage(MainWindowServices& services);
    void emptyForNew(NewVariant variant) override;
};
