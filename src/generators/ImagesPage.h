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

    // "Zum Quelltext hinzufügen": appends the picture.
    void Button5Click();
    // The folder beside the picture: chooses a picture.
    void Image1Click();
    // "Größe des Bildes in Pixel angeben": shows or hides the size fields.
    void CheckBox11Click();

private:
    struct Ui;
    void createPictureGroup(QBoxLayout& column);
    void createSizeGroup(QBoxLayout& column);
    void createPlacementGroup(QBoxLayout& column);
    void setSizeFieldsVisible(bool visible);

    std::unique_ptr<Ui> m_ui;
};
