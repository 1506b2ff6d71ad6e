#pragma once

#include "generators/TabPage.h"

// The tab page "Bilder": a picture, with or without a size.
class ImagesPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImagesPage)
public:
    explicit ImagesPage(MainWindowServices& services);
    void emptyForNew(NewVariant variant) override;
};
