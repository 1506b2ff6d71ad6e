#pragma once

#include "forms/FormPage.h"

#include <memory>

// "Allgemeine Einstellung": who receives the results, and the form's start and end.
class FormStartPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormStartPage)
public:
    explicit FormStartPage(PageContext& context);
    ~FormStartPage() override;

    // "Formular erstellen": the form start line with the recipient of Edit1.
    void Button1Click();
    // "Formular beenden": "</form>".
    void Button13Click();

private:
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};
