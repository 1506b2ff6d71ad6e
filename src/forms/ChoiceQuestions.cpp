#include "forms/ChoiceQuestions.h"

#include "forms/AnswerCollection.h"
#include "ui/Layout.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What tells the two questions answered from a collected list apart.
struct Choice {
    AnswerCollectionNames answers;
    QString (*answerLine)(const QString& question, const QString& answer);
    QString (*modernAnswerLine)(const QString& question, const QString& answer);
    QStringList (*questionLines)(const FormHtml::Question& question, const QStringList& answers);
};

const Choice kDecision{{"Edit2", "Button16", "Neue Antwortmöglichkeit", "Memo6", "Memo5"},
                       &FormHtml::radioAnswerLine,
                       &FormHtml::modernRadioAnswerLine,
                       &FormHtml::decisionQuestion};

const Choice kCheckBoxes{{"Edit22", "Button4", "Neue Antwortmöglichkeit", "Memo1", "Memo4"},
                         &FormHtml::checkBoxAnswerLine,
                         &FormHtml::modernCheckBoxAnswerLine,
                         &FormHtml::checkBoxQuestion};

// The answers, collected one by one, each line named after the question as it reads when
// the answer is collected.
class ChoiceAnswers final : public QuestionAnswers {
public:
    ChoiceAnswers(const Choice& choice, const QLineEdit& question, const PageState& page,
                  QWidget* parent)
        : QuestionAnswers(page, parent), m_choice(choice), m_question(question),
          m_answers(
              new AnswerCollection(choice.answers, AnswerCollection::Preview::ReadOnly, this)) {
        QVBoxLayout* column = Layout::nestedColumn();
        column->addWidget(m_answers);
        setLayout(column);
        connect(&m_answers->newAnswerButton(), &QPushButton::clicked, this,
                &ChoiceAnswers::collectAnswer);
    }

    QStringList questionLines(const FormHtml::Question& question) const override {
        return isModern() ? FormHtml::modernChoiceQuestion(question, m_answers->lines())
                          : m_choice.questionLines(question, m_answers->lines());
    }
    void emptyAfterAdd(QLineEdit& question) override { m_answers->clearWith(question); }

private:
    // "Neue Antwortmöglichkeit": collects the answer field's answer.
    void collectAnswer() {
        const auto answerLine = isModern() ? m_choice.modernAnswerLine : m_choice.answerLine;
        m_answers->collect(answerLine(m_question.text(), m_answers->answerField().text()));
    }

    const Choice& m_choice;
    const QLineEdit& m_question;
    AnswerCollection* m_answers;
};

} // namespace

const QuestionKind& DecisionQuestion() {
    static const QuestionKind kKind{
        "TabSheet2",
        "Entscheidungsfrage",
        "Edit14",
        "Button2",
        {"Edit15",
         "Image31",
         "ComboBox1",
         "Edit16",
         "Image8",
         "Button6",
         {"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox1", "CheckBox2", "CheckBox3"},
         {{"Image40", "Image41", "Image42"},
          {"Image37", "Image38", "Image39"},
          {"RadioButton9", "RadioButton10", "RadioButton11"},
          "Panel1"},
         "ComboBox7",
         "ComboBox8"},
        "Entscheidungsfrage",
        [](const QLineEdit& question, const PageState& page, QWidget* parent) -> QuestionAnswers* {
            return new ChoiceAnswers(kDecision, question, page, parent);
        }};
    return kKind;
}

const QuestionKind& CheckBoxQuestion() {
    static const QuestionKind kKind{
        "TabSheet3",
        "Checkbox Fragen",
        "Edit18",
        "Button5",
        {"Edit19",
         "Image1",
         "ComboBox2",
         "Edit20",
         "Image7",
         "Button10",
         {"CheckBox4", "CheckBox8", "CheckBox9", "CheckBox10", "CheckBox11", "CheckBox12"},
         {{"Image9", "Image10", "Image11"},
          {"Image14", "Image13", "Image12"},
          {"RadioButton1", "RadioButton2", "RadioButton3"},
          "Panel2"},
         "ComboBox9",
         "ComboBox10"},
        "Checkboxfrage",
        [](const QLineEdit& question, const PageState& page, QWidget* parent) -> QuestionAnswers* {
            return new ChoiceAnswers(kCheckBoxes, question, page, parent);
        }};
    return kKind;
}
