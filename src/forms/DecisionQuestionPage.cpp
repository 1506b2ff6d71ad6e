#include "forms/DecisionQuestionPage.h"

#include "context/PageContext.h"
#include "forms/AnswerCollection.h"
#include "forms/QuestionFormat.h"
#include "platform/DialogObjects.h"
#include "ui/Place.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

namespace {

const AnswerCollectionNames kAnswers{"Edit2", "Button16", "Neue Antwortmöglichkeit", "Memo6",
                                     "Memo5"};

const QuestionFormatNames kFormat{
    "Edit15",
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
    "ComboBox8"};

} // namespace

struct DecisionQuestionPage::Ui {
    explicit Ui(QWidget* page)
        : Edit14(questionField(page, "Edit14")),
          answers(page, kAnswers, AnswerCollection::Preview::ReadOnly, 260),
          Button2(place<QPushButton>(page, "Button2", FormLayout::kAddButton,
                                     QStringLiteral("Frage hinzufügen"))),
          format(new QuestionFormat(page, kFormat)) {}
    QLineEdit* Edit14;
    AnswerCollection answers;
    QPushButton* Button2;
    QuestionFormat* format;
};

DecisionQuestionPage::DecisionQuestionPage(PageContext& context)
    : FormPage(context, "TabSheet2", QStringLiteral("Entscheidungsfrage")),
      m_ui(std::make_unique<Ui>(this)) {
    connect(&m_ui->answers.newAnswerButton(), &QPushButton::clicked, this,
            &DecisionQuestionPage::Button16Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &DecisionQuestionPage::Button2Click);
    connect(m_ui->format, &QuestionFormat::assistantRequested, this,
            &DecisionQuestionPage::Button6Click);
}

DecisionQuestionPage::~DecisionQuestionPage() = default;

int DecisionQuestionPage::RadioAnswerCount() const {
    return m_ui->answers.count();
}

void DecisionQuestionPage::Button16Click() {
    m_ui->answers.collect(
        FormHtml::radioAnswerLine(m_ui->Edit14->text(), m_ui->answers.answerField().text()));
}

void DecisionQuestionPage::Button2Click() {
    const auto question = m_ui->format->question(ask(), m_ui->Edit14->text());
    if (!question)
        return;
    write(FormHtml::decisionQuestion(*question, m_ui->answers.lines()),
          QStringLiteral("Entscheidungsfrage"));
    m_ui->answers.clear();
    m_ui->Edit14->clear();
    m_ui->answers.answerField().clear();
}

void DecisionQuestionPage::Button6Click() {
    m_ui->format->runFontAssistant(context().dialogs.FontDialog1);
}
