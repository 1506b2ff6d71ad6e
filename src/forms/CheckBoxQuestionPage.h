#pragma once

#include "forms/FormPage.h"

#include <memory>

// "Checkbox Fragen": a question answered by ticking any of several check boxes.
class CheckBoxQuestionPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CheckBoxQuestionPage)
public:
    explicit CheckBoxQuestionPage(PageContext& context);
    ~CheckBoxQuestionPage() override;

    int CheckBoxAnswerCount() const;

    // "Neue Antwortmöglichkeit": collects the answer of Edit22.
    void Button4Click();
    // "Frage hinzufügen": writes the question with the collected answers.
    void Button5Click();
    // The font assistant.
    void Button10Click();

private:
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};
