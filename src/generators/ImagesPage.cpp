#include "generators/ImagesPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "generators/FileChooser.h"
#include "generators/ImagesHtml.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "platform/DialogObjects.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <array>

using namespace Controls;

namespace {

constexpr int kRowHeight = 24;
constexpr int kFieldX = 180;

QGroupBox* group(QWidget* parent, const char* name, const QString& title, const QRect& geometry) {
    auto* box = place<QGroupBox>(parent, name, geometry);
    box->setTitle(title);
    return box;
}

} // namespace

struct ImagesPage::Ui {
    QLineEdit* Edit6 = nullptr;
    ClickableLabel* Image1 = nullptr;
    QLineEdit* Edit16 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    QLabel* Label35 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLabel* Label36 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* ComboBox6 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    PositionPicker* picker = nullptr;
    QPushButton* Button5 = nullptr;
};

ImagesPage::ImagesPage(PageServices& services)
    : TabPage("TabSheet4", services), m_ui(std::make_unique<Ui>()) {
    createPictureGroup();
    createSizeGroup();
    createPlacementGroup();
    m_ui->Button5 = place<QPushButton>(this, "Button5", QRect(572, 430, 220, 32),
                                       QStringLiteral("Zum Quelltext hinzufügen"));

    connect(m_ui->Button5, &QPushButton::clicked, this, &ImagesPage::Button5Click);
    connect(m_ui->Image1, &ClickableLabel::clicked, this, &ImagesPage::Image1Click);
    connect(m_ui->CheckBox11, &QCheckBox::clicked, this, &ImagesPage::CheckBox11Click);

    m_services.fields.track(m_ui->Edit6, m_ui->Edit16, m_ui->Edit7, m_ui->Edit9);
    m_services.explanations.attach(FieldExplanations::Topic::SpacingBefore, {m_ui->Label6});
}

ImagesPage::~ImagesPage() = default;

void ImagesPage::createPictureGroup() {
    QGroupBox* box = group(this, "PictureGroup", QStringLiteral("Bild"), QRect(8, 8, 784, 94));
    caption(box, "FileCaption", QStringLiteral("Dateiname des Bildes"), 12, 30);
    m_ui->Edit6 = place<QLineEdit>(box, "Edit6", QRect(kFieldX, 26, 320, kRowHeight));
    m_ui->Image1 = picture(box, "Image1", QRect(kFieldX + 326, 26, 24, 24),
                           QStringLiteral("folder.png"), QStringLiteral("Bild auswählen"));
    caption(box, "TextCaption", QStringLiteral("Bildtext"), 12, 62);
    m_ui->Edit16 = place<QLineEdit>(box, "Edit16", QRect(kFieldX, 58, 320, kRowHeight));
}

void ImagesPage::createSizeGroup() {
    QGroupBox* box = group(this, "SizeGroup", QStringLiteral("Größe"), QRect(8, 110, 784, 86));
    m_ui->CheckBox11 = place<QCheckBox>(box, "CheckBox11", QRect(12, 26, 360, 20),
                                        QStringLiteral("Größe des Bildes in Pixel angeben"));
    m_ui->Label35 = caption(box, "Label35", QStringLiteral("Breite:"), 32, 58);
    m_ui->Edit9 = place<QLineEdit>(box, "Edit9", QRect(100, 54, 80, kRowHeight));
    m_ui->Label36 = caption(box, "Label36", QStringLiteral("Höhe:"), 212, 58);
    m_ui->Edit7 = place<QLineEdit>(box, "Edit7", QRect(270, 54, 80, kRowHeight));
    setSizeFieldsVisible(false);
}

void ImagesPage::createPlacementGroup() {
    QGroupBox* box = group(this, "PlacementGroup", QStringLiteral("Abstand und Position"),
                           QRect(8, 204, 784, 126));
    m_ui->Label6 = caption(box, "Label6", QStringLiteral("Abstand vor Bild:"), 12, 30);
    m_ui->ComboBox6 = SpacingBox::create(box, "ComboBox6", QRect(kFieldX, 26, 60, kRowHeight));
    caption(box, "BreaksAfterCaption", QStringLiteral("Abstand nach Bild:"), 12, 62);
    m_ui->ComboBox5 = SpacingBox::create(box, "ComboBox5", QRect(kFieldX, 58, 60, kRowHeight));
    caption(box, "PositionCaption", QStringLiteral("Bildposition"), 12, 94);
    m_ui->picker = placedPicker({{"Image40", "Image41", "Image42"},
                                 {"Image37", "Image38", "Image39"},
                                 {"RadioButton6", "RadioButton7", "RadioButton8"},
                                 "Panel2"},
                                box, QPoint(kFieldX, 90));
}

void ImagesPage::Button5Click() {
    const std::optional<int> before =
        SpacingBox::read(*m_ui->ComboBox6, m_services.context.dialogs.ask);
    if (!before)
        return;
    const std::optional<int> after =
        SpacingBox::read(*m_ui->ComboBox5, m_services.context.dialogs.ask);
    if (!after)
        return;
    ImageElement element;
    element.tag = {m_ui->Edit6->text(), m_ui->Edit16->text(), m_ui->CheckBox11->isChecked(),
                   m_ui->Edit9->text(), m_ui->Edit7->text()};
    element.position = m_ui->picker->position();
    element.breaksBefore = *before;
    element.breaksAfter = *after;
    m_services.context.document.commit(ImagesHtml::imageBlock(element));
    m_services.context.notices.PostStatusNotice(QStringLiteral("Bild"));
}

void ImagesPage::Image1Click() {
    chooseBareName(m_services.context.dialogs.OpenPictureDialog1, *m_ui->Edit6);
}

void ImagesPage::CheckBox11Click() {
    setSizeFieldsVisible(m_ui->CheckBox11->isChecked());
}

void ImagesPage::setSizeFieldsVisible(bool visible) {
    // Hidden sizes keep their texts for the next time they are shown.
    const std::array<QWidget*, 4> sizeFields{m_ui->Label35, m_ui->Edit9, m_ui->Label36,
                                             m_ui->Edit7};
    for (QWidget* field : sizeFields)
        field->setVisible(visible);
}

void ImagesPage::emptyForNew(NewVariant /*variant*/) {
    for (QLineEdit* field : {m_ui->Edit6, m_ui->Edit7, m_ui->Edit9, m_ui->Edit16})
        field->clear();
}
