#pragma once

#include "forms/FormPage.h"

#include <memory>

// "Formularfeld": a question answered in a field of several lines.
class TextAreaPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextAreaPage)
public:
    explicit TextAreaPage(PageContext& context);
    ~TextAreaPage() override;

    // "Frage hinzufügen": writes the question with its field.
    void Button11Click();
    // The font assistant.
    void Button8Click();

private:
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};
