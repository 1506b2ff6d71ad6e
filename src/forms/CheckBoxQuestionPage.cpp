#include "forms/CheckBoxQuestionPage.h"

#include "context/PageContext.h"
#include "forms/AnswerCollection.h"
#include "forms/QuestionFormat.h"
#include "platform/DialogObjects.h"
#include "ui/Place.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

namespace {

const AnswerCollectionNames kAnswers{"Edit22", "Button4", "Neue Antwortmöglichkeit", "Memo1",
                                     "Memo4"};

const QuestionFormatNames kFormat{
    "Edit19",
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
    "ComboBox10"};

} // namespace

struct CheckBoxQuestionPage::Ui {
    explicit Ui(QWidget* page)
        : Edit18(questionField(page, "Edit18")),
          answers(page, kAnswers, AnswerCollection::Preview::ReadOnly, 260),
          Button5(place<QPushButton>(page, "Button5", FormLayout::kAddButton,
                                     QStringLiteral("Frage hinzufügen"))),
          format(new QuestionFormat(page, kFormat)) {}
    QLineEdit* Edit18;
    AnswerCollection answers;
    QPushButton* Button5;
    QuestionFormat* format;
};

CheckBoxQuestionPage::CheckBoxQuestionPage(PageContext& context)
    : FormPage(context, "TabSheet3", QStringLiteral("Checkbox Fragen")),
      m_ui(std::make_unique<Ui>(this)) {
    connect(&m_ui->answers.newAnswerButton(), &QPushButton::clicked, this,
            &CheckBoxQuestionPage::Button4Click);
    connect(m_ui->Button5, &QPushButton::clicked, this, &CheckBoxQuestionPage::Button5Click);
    connect(m_ui->format, &QuestionFormat::assistantRequested, this,
            &CheckBoxQuestionPage::Button10Click);
}

CheckBoxQuestionPage::~CheckBoxQuestionPage() = default;

int CheckBoxQuestionPage::CheckBoxAnswerCount() const {
    return m_ui->answers.count();
}

void CheckBoxQuestionPage::Button4Click() {
    m_ui->answers.collect(
        FormHtml::checkBoxAnswerLine(m_ui->Edit18->text(), m_ui->answers.answerField().text()));
}

void CheckBoxQuestionPage::Button5Click() {
    const auto question = m_ui->format->question(ask(), m_ui->Edit18->text());
    if (!question)
        return;
    write(FormHtml::checkBoxQuestion(*question, m_ui->answers.lines()),
          QStringLiteral("Checkboxfrage"));
    m_ui->answers.clear();
    m_ui->Edit18->clear();
    m_ui->answers.answerField().clear();
}

void CheckBoxQuestionPage::Button10Click() {
    m_ui->format->runFontAssistant(context().dialogs.FontDialog1);
}
