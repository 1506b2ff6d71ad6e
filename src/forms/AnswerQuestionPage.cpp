#include "forms/AnswerQuestionPage.h"

#include "context/PageContext.h"
#include "platform/DialogObjects.h"
#include "ui/Place.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

const AnswerQuestionKind& DecisionQuestion() {
    static const AnswerQuestionKind kKind{
        "TabSheet2",
        "Entscheidungsfrage",
        "Edit14",
        "Button2",
        {"Edit2", "Button16", "Neue Antwortmöglichkeit", "Memo6", "Memo5"},
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
        &FormHtml::radioAnswerLine,
        &FormHtml::decisionQuestion,
        "Entscheidungsfrage"};
    return kKind;
}

const AnswerQuestionKind& CheckBoxQuestion() {
    static const AnswerQuestionKind kKind{
        "TabSheet3",
        "Checkbox Fragen",
        "Edit18",
        "Button5",
        {"Edit22", "Button4", "Neue Antwortmöglichkeit", "Memo1", "Memo4"},
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
        &FormHtml::checkBoxAnswerLine,
        &FormHtml::checkBoxQuestion,
        "Checkboxfrage"};
    return kKind;
}

struct AnswerQuestionPage::Ui {
    Ui(QWidget* page, const AnswerQuestionKind& kind)
        : questionField(Controls::questionField(page, kind.questionField)),
          answers(page, kind.answers, AnswerCollection::Preview::ReadOnly, 260),
          addButton(place<QPushButton>(page, kind.addButton, FormLayout::kAddButton,
                                       QStringLiteral("Frage hinzufügen"))),
          format(new QuestionFormat(page, kind.format)) {}
    QLineEdit* questionField;
    AnswerCollection answers;
    QPushButton* addButton;
    QuestionFormat* format;
};

AnswerQuestionPage::AnswerQuestionPage(PageContext& context, const AnswerQuestionKind& kind)
    : FormPage(context, kind.objectName, QString::fromUtf8(kind.caption)), m_kind(kind),
      m_ui(std::make_unique<Ui>(this, kind)) {
    connect(&m_ui->answers.newAnswerButton(), &QPushButton::clicked, this,
            &AnswerQuestionPage::collectAnswer);
    connect(m_ui->addButton, &QPushButton::clicked, this, &AnswerQuestionPage::addQuestion);
    connect(m_ui->format, &QuestionFormat::assistantRequested, this,
            &AnswerQuestionPage::runFontAssistant);
}

AnswerQuestionPage::~AnswerQuestionPage() = default;

int AnswerQuestionPage::answerCount() const {
    return m_ui->answers.count();
}

void AnswerQuestionPage::collectAnswer() {
    m_ui->answers.collect(
        m_kind.answerLine(m_ui->questionField->text(), m_ui->answers.answerField().text()));
}

void AnswerQuestionPage::addQuestion() {
    const auto question = m_ui->format->question(ask(), m_ui->questionField->text());
    if (!question)
        return;
    write(m_kind.questionLines(*question, m_ui->answers.lines()),
          QString::fromUtf8(m_kind.noticeName));
    m_ui->answers.clear();
    m_ui->questionField->clear();
    m_ui->answers.answerField().clear();
}

void AnswerQuestionPage::runFontAssistant() {
    m_ui->format->runFontAssistant(context().dialogs.FontDialog1);
}
