#include "forms/ButtonsPage.h"

#include "forms/FormHtml.h"
#include "forms/QuestionFormat.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "ui/Place.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Controls;

using namespace FormLayout;

namespace {

const PositionPickerNames kPosition{{"Image35", "Image36", "Image43"},
                                    {"Image46", "Image45", "Image44"},
                                    {"RadioButton20", "RadioButton21", "RadioButton22"},
                                    "Panel6"};

} // namespace

struct ButtonsPage::Ui {
    explicit Ui(QWidget* page)
        : RadioButton18(place<QRadioButton>(page, "RadioButton18", QRect(kLeft, 40, 200, 22),
                                            QStringLiteral("abschicken"))),
          RadioButton19(place<QRadioButton>(page, "RadioButton19", QRect(kLeft, 64, 200, 22),
                                            QStringLiteral("löschen"))),
          Edit37(place<QLineEdit>(page, "Edit37", QRect(kLeft, 124, kLeftWidth, 24))),
          position(placedPicker(kPosition, page, QPoint(kRightField, 17))),
          ComboBox17(SpacingBox::create(page, "ComboBox17", QRect(kRightField, 50, 60, 24))),
          ComboBox18(SpacingBox::create(page, "ComboBox18", QRect(kRightField, 84, 60, 24))),
          Button12(place<QPushButton>(page, "Button12", kAddButton,
                                      QStringLiteral(" Button hinzufügen"))) {
        caption(page, "KindLabel", QStringLiteral("Funktion des Buttons:"), kLeft, 20);
        caption(page, "CaptionLabel", QStringLiteral("Text, der auf dem Button erscheinen soll:"),
                kLeft, 104);
        rowCaption(page, "PositionLabel", QStringLiteral("Buttonposition"), kRight, 16);
        rowCaption(page, "BreaksBeforeLabel", QStringLiteral("Abstand vor Button"), kRight, 50);
        rowCaption(page, "BreaksAfterLabel", QStringLiteral("Abstand nach Button"), kRight, 84);
        RadioButton18->setChecked(true);
    }
    QRadioButton* RadioButton18;
    QRadioButton* RadioButton19;
    QLineEdit* Edit37;
    PositionPicker* position;
    QComboBox* ComboBox17;
    QComboBox* ComboBox18;
    QPushButton* Button12;
};

ButtonsPage::ButtonsPage(PageContext& context)
    : FormPage(context, "TabSheet7", QStringLiteral("Buttons")), m_ui(std::make_unique<Ui>(this)) {
    connect(m_ui->Button12, &QPushButton::clicked, this, &ButtonsPage::Button12Click);
}

ButtonsPage::~ButtonsPage() = default;

void ButtonsPage::Button12Click() {
    const auto breaks = readBreaks(*m_ui->ComboBox17, *m_ui->ComboBox18, ask());
    if (!breaks)
        return;
    const FormHtml::ButtonKind kind = m_ui->RadioButton18->isChecked()
                                          ? FormHtml::ButtonKind::Submit
                                          : FormHtml::ButtonKind::Reset;
    write(FormHtml::button({kind, m_ui->Edit37->text(), m_ui->position->position(), breaks->first,
                            breaks->second}),
          QStringLiteral("Button"));
    m_ui->Edit37->clear();
}
