#include "forms/InputFieldPage.h"

#include "context/PageContext.h"
#include "forms/QuestionFormat.h"
#include "platform/DialogObjects.h"
#include "ui/Place.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Controls;

using namespace FormLayout;

namespace {

const QuestionFormatNames kFormat{
    "Edit25",
    "Image3",
    "ComboBox5",
    "Edit24",
    "Image5",
    "Button7",
    {"CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16", "CheckBox17", "CheckBox18"},
    {{"Image21", "Image22", "Image23"},
     {"Image26", "Image25", "Image24"},
     {"RadioButton4", "RadioButton5", "RadioButton6"},
     "Panel4"},
    "ComboBox13",
    "ComboBox14"};

constexpr int kLengthField = 250;

} // namespace

struct InputFieldPage::Ui {
    explicit Ui(QWidget* page)
        : Edit26(questionField(page, "Edit26")),
          Edit38(place<QLineEdit>(page, "Edit38", QRect(kLengthField, 102, 60, 24))),
          Edit39(place<QLineEdit>(page, "Edit39", QRect(kLengthField, 134, 60, 24))),
          RadioButton16(place<QRadioButton>(page, "RadioButton16", QRect(kLeft, 198, 200, 22),
                                            QStringLiteral("Sternchen (Passwort)"))),
          RadioButton17(place<QRadioButton>(page, "RadioButton17", QRect(kLeft, 222, 200, 22),
                                            QStringLiteral("Text"))),
          Button3(
              place<QPushButton>(page, "Button3", kAddButton, QStringLiteral("Frage hinzufügen"))),
          format(new QuestionFormat(page, kFormat)) {
        heading(page, "FieldSizeLabel", QStringLiteral("Größe des Feldes"), kLeft, 80);
        rowCaption(page, "SizeLabel", QStringLiteral("Länge in Zeichen:"), kLeft, 102);
        rowCaption(page, "MaxLengthLabel", QStringLiteral("Anzahl der einzugebenden Zeichen:"),
                   kLeft, 134);
        caption(page, "ShowAsLabel", QStringLiteral("Buchstaben anzeigen als:"), kLeft, 176);
        RadioButton17->setChecked(true);
    }
    QLineEdit* Edit26;
    QLineEdit* Edit38;
    QLineEdit* Edit39;
    QRadioButton* RadioButton16;
    QRadioButton* RadioButton17;
    QPushButton* Button3;
    QuestionFormat* format;
};

InputFieldPage::InputFieldPage(PageContext& context)
    : FormPage(context, "TabSheet5", QStringLiteral("Einzeiliges Eingabefeld")),
      m_ui(std::make_unique<Ui>(this)) {
    connect(m_ui->Button3, &QPushButton::clicked, this, &InputFieldPage::Button3Click);
    connect(m_ui->format, &QuestionFormat::assistantRequested, this, &InputFieldPage::Button7Click);
}

InputFieldPage::~InputFieldPage() = default;

void InputFieldPage::Button3Click() {
    const auto question = m_ui->format->question(ask(), m_ui->Edit26->text());
    if (!question)
        return;
    write(FormHtml::inputFieldQuestion(*question, {m_ui->Edit38->text(), m_ui->Edit39->text(),
                                                   m_ui->RadioButton16->isChecked()}),
          QStringLiteral("Einzeiliges Eingabefeld"));
    m_ui->Edit26->clear();
}

void InputFieldPage::Button7Click() {
    m_ui->format->runFontAssistant(context().dialogs.FontDialog1);
}
