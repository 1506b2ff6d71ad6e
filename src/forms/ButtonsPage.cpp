#include "forms/ButtonsPage.h"

#include "context/PageContext.h"
#include "core/forms/FormHtml.h"
#include "generators/TextFormatBox.h"
#include "ui/Controls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

const TextFormatNames kPlacement{.position = {{"Image35", "Image36", "Image43"},
                                              {"Image46", "Image45", "Image44"},
                                              {"RadioButton20", "RadioButton21", "RadioButton22"},
                                              "Panel6"},
                                 .breaksBefore = "ComboBox17",
                                 .breaksAfter = "ComboBox18"};

const TextFormatCaptions kPlacementCaptions{
    .positionCaptions = {{{"PositionLabel", "Buttonposition"}}},
    .breaksBefore = {"BreaksBeforeLabel", "Abstand vor Button"},
    .breaksAfter = {"BreaksAfterLabel", "Abstand nach Button"}};

} // namespace

struct ButtonsPage::Ui {
    Ui(QWidget* page, FontDialogObject& fontDialog)
        : RadioButton18(named<QRadioButton>(page, "RadioButton18", QStringLiteral("abschicken"))),
          RadioButton19(named<QRadioButton>(page, "RadioButton19", QStringLiteral("löschen"))),
          Edit37(named<QLineEdit>(page, "Edit37")),
          placement(new TextFormatBox(kPlacement, kPlacementCaptions, fontDialog, page)),
          Button12(named<QPushButton>(page, "Button12", QStringLiteral(" Button hinzufügen"))) {
        RadioButton18->setChecked(true);
    }
    QRadioButton* RadioButton18;
    QRadioButton* RadioButton19;
    QLineEdit* Edit37;
    TextFormatBox* placement; // position and spacing only
    QPushButton* Button12;
};

ButtonsPage::ButtonsPage(PageContext& context)
    : FormPage(context, "TabSheet7", QStringLiteral("Buttons")),
      m_ui(std::make_unique<Ui>(content(), context.dialogs.FontDialog1)) {
    QWidget* page = content();
    QVBoxLayout* left = Layout::nestedColumn();
    left->addWidget(caption(page, "KindLabel", QStringLiteral("Funktion des Buttons:")));
    left->addWidget(m_ui->RadioButton18);
    left->addWidget(m_ui->RadioButton19);
    left->addSpacing(Layout::kGroupSpacing);
    left->addWidget(
        caption(page, "CaptionLabel", QStringLiteral("Text, der auf dem Button erscheinen soll:")));
    left->addWidget(m_ui->Edit37);
    left->addStretch(1);
    TextFormatBox::layOutPage(*page, left, m_ui->placement, m_ui->Button12);
    connect(m_ui->Button12, &QPushButton::clicked, this, &ButtonsPage::Button12Click);
}

ButtonsPage::~ButtonsPage() = default;

void ButtonsPage::Button12Click() {
    const Expected<TextFormat> format = m_ui->placement->format();
    if (context().failed(format))
        return;
    const FormHtml::ButtonKind kind = m_ui->RadioButton18->isChecked()
                                          ? FormHtml::ButtonKind::Submit
                                          : FormHtml::ButtonKind::Reset;
    const FormHtml::FormButton button{kind, m_ui->Edit37->text(), format.value.placement};
    if (context().addElement(context().isModern() ? FormHtml::modernButton(button)
                                                  : FormHtml::button(button),
                             QStringLiteral("Button")))
        m_ui->Edit37->clear();
}
