#pragma once

#include "forms/AnswerCollection.h"
#include "forms/FormHtml.h"
#include "forms/FormPage.h"
#include "forms/QuestionFormat.h"

#include <memory>

// What tells the two questions answered from a collected list apart: "Entscheidungsfrage"
// (radio buttons) and "Checkbox Fragen" (check boxes).
struct AnswerQuestionKind {
    const char* objectName;    // the tab page
    const char* caption;       // its tab caption
    const char* questionField; // the question's name field
    const char* addButton;     // "Frage hinzufügen"
    AnswerCollectionNames answers;
    QuestionFormatNames format;
    QString (*answerLine)(const QString& question, const QString& answer);
    QStringList (*questionLines)(const FormHtml::Question& question, const QStringList& answers);
    const char* noticeName; // posted as "<name> wurde hinzugefügt"
};

// "Entscheidungsfrage": a question answered with one of several radio buttons (Edit14, answers
// collected by Button16, written by Button2, font assistant Button6).
const AnswerQuestionKind& DecisionQuestion();
// "Checkbox Fragen": a question answered with any of several check boxes (Edit18, answers
// collected by Button4, written by Button5, font assistant Button10).
const AnswerQuestionKind& CheckBoxQuestion();

// A question page whose answers are collected one by one before the question is written.
class AnswerQuestionPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnswerQuestionPage)
public:
    AnswerQuestionPage(PageContext& context, const AnswerQuestionKind& kind);
    ~AnswerQuestionPage() override;

    // RadioAnswerCount or CheckBoxAnswerCount.
    int answerCount() const;

    // "Neue Antwortmöglichkeit": collects the answer field's answer.
    void collectAnswer();
    // "Frage hinzufügen": writes the question with the collected answers.
    void addQuestion();
    // The font assistant.
    void runFontAssistant();

private:
    struct Ui;
    const AnswerQuestionKind& m_kind;
    std::unique_ptr<Ui> m_ui;
};
