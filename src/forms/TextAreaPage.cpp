#include "forms/TextAreaPage.h"

#include "context/PageContext.h"
#include "forms/QuestionFormat.h"
#include "platform/DialogObjects.h"
#include "ui/FieldText.h"
#include "ui/Place.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Controls;

using namespace FormLayout;

namespace {

const QuestionFormatNames kFormat{
    "Edit28",
    "Image2",
    "ComboBox3",
    "Edit29",
    "Image6",
    "Button8",
    {"CheckBox19", "CheckBox20", "CheckBox21", "CheckBox22", "CheckBox23", "CheckBox24"},
    {{"Image15", "Image16", "Image17"},
     {"Image20", "Image19", "Image18"},
     {"RadioButton7", "RadioButton8", "RadioButton12"},
     "Panel3"},
    "ComboBox11",
    "ComboBox12"};

constexpr int kSizeField = 150;

} // namespace

struct TextAreaPage::Ui {
    explicit Ui(QWidget* page)
        : Edit27(questionField(page, "Edit27")),
          Edit35(place<QLineEdit>(page, "Edit35", QRect(kSizeField, 102, 60, 24))),
          Edit36(place<QLineEdit>(page, "Edit36", QRect(kSizeField, 134, 60, 24))),
          Memo2(place<QPlainTextEdit>(page, "Memo2", QRect(kLeft, 196, kLeftWidth, 230))),
          Button11(
              place<QPushButton>(page, "Button11", kAddButton, QStringLiteral("Frage hinzufügen"))),
          format(new QuestionFormat(page, kFormat)) {
        heading(page, "FieldSizeLabel", QStringLiteral("Größe des Feldes"), kLeft, 80);
        rowCaption(page, "RowsLabel", QStringLiteral("Höhe in Reihen"), kLeft, 102);
        rowCaption(page, "ColumnsLabel", QStringLiteral("Länge in Zeichen"), kLeft, 134);
        caption(page, "PresetLabel", QStringLiteral("Text im Feld"), kLeft, 176);
    }
    QLineEdit* Edit27;
    QLineEdit* Edit35;
    QLineEdit* Edit36;
    QPlainTextEdit* Memo2;
    QPushButton* Button11;
    QuestionFormat* format;
};

TextAreaPage::TextAreaPage(PageContext& context)
    : FormPage(context, "TabSheet4", QStringLiteral("Formularfeld")),
      m_ui(std::make_unique<Ui>(this)) {
    connect(m_ui->Button11, &QPushButton::clicked, this, &TextAreaPage::Button11Click);
    connect(m_ui->format, &QuestionFormat::assistantRequested, this, &TextAreaPage::Button8Click);
}

TextAreaPage::~TextAreaPage() = default;

void TextAreaPage::Button11Click() {
    const auto question = m_ui->format->question(ask(), m_ui->Edit27->text());
    if (!question)
        return;
    write(FormHtml::textAreaQuestion(
              *question, {m_ui->Edit36->text(), m_ui->Edit35->text(), FieldText(*m_ui->Memo2)}),
          QStringLiteral("Formularfeld"));
    m_ui->Memo2->clear();
    m_ui->Edit27->clear();
}

void TextAreaPage::Button8Click() {
    m_ui->format->runFontAssistant(context().dialogs.FontDialog1);
}
