#pragma once

#include "forms/FormPage.h"

#include <memory>

// "Entscheidungsfrage": a question answered with one of several radio buttons.
class DecisionQuestionPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DecisionQuestionPage)
public:
    explicit DecisionQuestionPage(PageContext& context);
    ~DecisionQuestionPage() override;

    int RadioAnswerCount() const;

    // "Neue Antwortmöglichkeit": collects the answer of Edit2.
    void Button16Click();
    // "Frage hinzufügen": writes the question with the collected answers.
    void Button2Click();
    // The font assistant.
    void Button6Click();

private:
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};
