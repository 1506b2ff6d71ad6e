#pragma once

#include "forms/FormPage.h"

#include <memory>

// "Buttons": a button that sends the form or empties it.
class ButtonsPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonsPage)
public:
    explicit ButtonsPage(PageContext& context);
    ~ButtonsPage() override;

    // " Button hinzufügen": writes the button.
    void Button12Click();

private:
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};
