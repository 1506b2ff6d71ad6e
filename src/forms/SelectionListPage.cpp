#include "forms/SelectionListPage.h"

#include "context/PageContext.h"
#include "forms/AnswerCollection.h"
#include "forms/QuestionFormat.h"
#include "platform/DialogObjects.h"
#include "ui/Place.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

namespace {

const AnswerCollectionNames kAnswers{"Edit41", "Button15", "Neue Antwortmöglichkeit", "Memo3",
                                     "Memo7"};

const QuestionFormatNames kFormat{
    "Edit32",
    "Image4",
    "ComboBox4",
    "Edit33",
    "Image30",
    "Button9",
    {"CheckBox25", "CheckBox26", "CheckBox27", "CheckBox28", "CheckBox29", "CheckBox30"},
    {{"Image27", "Image28", "Image29"},
     {"Image34", "Image33", "Image32"},
     {"RadioButton13", "RadioButton14", "RadioButton15"},
     "Panel5"},
    "ComboBox15",
    "ComboBox16"};

QComboBox* visibleRowsBox(QWidget* page) {
    constexpr int kRowY = 400;
    QLabel* label = rowCaption(
        page, "VisibleRowsLabel",
        QStringLiteral("Anzahl der Antwortmöglichkeiten, die ohne Scrollen angezeigt werden "),
        FormLayout::kLeft, kRowY);
    QStringList rows;
    for (int row = 1; row <= 8; ++row)
        rows.append(QString::number(row));
    return editableCombo(page, "ComboBox6", QRect(label->geometry().right() + 6, kRowY, 60, 24),
                         rows, QStringLiteral("1"), 3);
}

} // namespace

struct SelectionListPage::Ui {
    explicit Ui(QWidget* page)
        : Edit31(questionField(page, "Edit31")),
          answers(page, kAnswers, AnswerCollection::Preview::Disabled, 210),
          ComboBox6(visibleRowsBox(page)),
          Button14(place<QPushButton>(page, "Button14", FormLayout::kAddButton,
                                      QStringLiteral("Frage hinzufügen"))),
          format(new QuestionFormat(page, kFormat)) {}
    QLineEdit* Edit31;
    AnswerCollection answers;
    QComboBox* ComboBox6;
    QPushButton* Button14;
    QuestionFormat* format;
};

SelectionListPage::SelectionListPage(PageContext& context)
    : FormPage(context, "TabSheet6", QStringLiteral("Auswahlliste")),
      m_ui(std::make_unique<Ui>(this)) {
    connect(&m_ui->answers.newAnswerButton(), &QPushButton::clicked, this,
            &SelectionListPage::Button15Click);
    connect(m_ui->Button14, &QPushButton::clicked, this, &SelectionListPage::Button14Click);
    connect(m_ui->format, &QuestionFormat::assistantRequested, this,
            &SelectionListPage::Button9Click);
}

SelectionListPage::~SelectionListPage() = default;

int SelectionListPage::OptionCount() const {
    return m_ui->answers.count();
}

void SelectionListPage::Button15Click() {
    m_ui->answers.collect(FormHtml::optionLine(m_ui->answers.answerField().text()));
}

void SelectionListPage::Button14Click() {
    const auto question = m_ui->format->question(ask(), m_ui->Edit31->text());
    if (!question)
        return;
    write(FormHtml::selectionListQuestion(*question,
                                          {m_ui->ComboBox6->currentText(), m_ui->answers.lines()}),
          QStringLiteral("Auswahlliste"));
    m_ui->answers.clear();
    m_ui->Edit31->clear();
    m_ui->answers.answerField().clear();
}

void SelectionListPage::Button9Click() {
    m_ui->format->runFontAssistant(context().dialogs.FontDialog1);
}
