#pragma once

#include "generators/TabPage.h"

// The tab page "Formulare": only the button that opens the form builder.
class FormsPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormsPage)
public:
    explicit FormsPage(PageServices& services);
    void emptyForNew(NewVariant) override {}

    // "Formular erstellen": opens the form builder on "Neues Formular erstellen".
    void Button8Click();
};
