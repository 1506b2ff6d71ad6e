#pragma once

#include "forms/FormPage.h"

#include <memory>

// "Einzeiliges Eingabefeld": a question answered in one line of text, shown as typed or
// hidden behind stars.
class InputFieldPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InputFieldPage)
public:
    explicit InputFieldPage(PageContext& context);
    ~InputFieldPage() override;

    // "Frage hinzufügen": writes the question with its field.
    void Button3Click();
    // The font assistant.
    void Button7Click();

private:
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};
