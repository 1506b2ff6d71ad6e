#pragma once

#include "generators/TabPage.h"

#include <memory>

// The tab page "Bilder": a picture, with or without a size.
class ImagesPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImagesPage)
public:
    explicit ImagesPage(PageServices& services);
    ~ImagesPage() override;
    void emptyForNew(NewVariant variant) override;

    void Button5Click();
    void Image1Click();
    void CheckBox11Click();

private:
    struct Ui;
    void createPictureGroup(QBoxLayout& column);
    void createSizeGroup(QBoxLayout& column);
    void createPlacementGroup(QBoxLayout& column);
    void setSizeFieldsVisible(bool visible);

    std::unique_ptr<Ui> m_ui;
};
