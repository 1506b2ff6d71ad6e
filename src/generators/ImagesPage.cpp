#include "generators/ImagesPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "core/generators/ImagesHtml.h"
#include "core/source/PageSource.h"
#include "core/source/StatusNotices.h"
#include "generators/FileChooser.h"
#include "generators/PageParts.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "platform/DialogObjects.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/FileDrops.h"
#include "ui/Layout.h"
#include "ui/SpellingFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

using namespace Controls;
using PageParts::addRow;

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
    QVBoxLayout* column = Layout::column(content());
    createPictureGroup(*column);
    createSizeGroup(*column);
    createPlacementGroup(*column);
    m_ui->Button5 =
        named<QPushButton>(content(), "Button5", QStringLiteral("Zum Quelltext hinzufügen"));
    Layout::addButtonAtBottom(*column, m_ui->Button5);

    connect(m_ui->Button5, &QPushButton::clicked, this, &ImagesPage::Button5Click);
    enterPressesInAll(*content(), *m_ui->Button5);
    connect(m_ui->Image1, &ClickableLabel::clicked, this, &ImagesPage::Image1Click);
    connect(m_ui->CheckBox11, &QCheckBox::clicked, this, &ImagesPage::CheckBox11Click);

    m_services.fields.track(m_ui->Edit6, m_ui->Edit16, m_ui->Edit7, m_ui->Edit9);
    SpellingFields::watch(*m_ui->Edit16, m_services.context.spelling);
    // A picture dropped anywhere on "Bilder" is the one this page adds.
    m_services.drops.takePictures(*this, *m_ui->Edit6,
                                  m_services.context.dialogs.OpenPictureDialog1,
                                  m_services.context.pictures);
    m_services.explanations.attach(FieldExplanations::Topic::SpacingBefore, {m_ui->Label6});
}

ImagesPage::~ImagesPage() = default;

void ImagesPage::createPictureGroup(QBoxLayout& column) {
    QWidget* page = content();
    QGridLayout* grid = PageParts::addGroup(column, page, "PictureGroup", QStringLiteral("Bild"));
    m_ui->Edit6 = named<QLineEdit>(page, "Edit6");
    m_ui->Image1 =
        picture(page, "Image1", QStringLiteral("folder.png"), QStringLiteral("Bild auswählen"));
    addRow(*grid, 0, caption(page, "FileCaption", QStringLiteral("Dateiname des Bildes")),
           {m_ui->Edit6, m_ui->Image1});
    m_ui->Edit16 = named<QLineEdit>(page, "Edit16");
    addRow(*grid, 1, caption(page, "TextCaption", QStringLiteral("Bildtext")), {m_ui->Edit16});
    grid->setColumnStretch(1, 1);
}

void ImagesPage::createSizeGroup(QBoxLayout& column) {
    QWidget* page = content();
    QGridLayout* grid = PageParts::addGroup(column, page, "SizeGroup", QStringLiteral("Größe"));
    m_ui->CheckBox11 =
        named<QCheckBox>(page, "CheckBox11", QStringLiteral("Größe des Bildes in Pixel angeben"));
    grid->addWidget(m_ui->CheckBox11, 0, 0);
    m_ui->Label35 = caption(page, "Label35", QStringLiteral("Breite:"));
    m_ui->Edit9 = named<QLineEdit>(page, "Edit9");
    m_ui->Label36 = caption(page, "Label36", QStringLiteral("Höhe:"));
    m_ui->Edit7 = named<QLineEdit>(page, "Edit7");
    QGridLayout* sizes = PageParts::indentedUnder(*m_ui->CheckBox11);
    addRow(*sizes, 0, m_ui->Label35, {m_ui->Edit9, m_ui->Label36, m_ui->Edit7})->addStretch(1);
    grid->addLayout(sizes, 1, 0);
    PageParts::keepRoomWhenHidden({m_ui->Label35, m_ui->Edit9, m_ui->Label36, m_ui->Edit7});
    setSizeFieldsVisible(false);
}

void ImagesPage::createPlacementGroup(QBoxLayout& column) {
    QWidget* page = content();
    QGridLayout* grid =
        PageParts::addGroup(column, page, "PlacementGroup", QStringLiteral("Abstand und Position"));
    const PageParts::SpacingRows spacing = PageParts::addSpacingRows(
        *grid, 0, page,
        {"Label6", QStringLiteral("Abstand vor Bild:"), "ComboBox6", "BreaksAfterCaption",
         QStringLiteral("Abstand nach Bild:"), "ComboBox5"});
    m_ui->Label6 = spacing.beforeCaption;
    m_ui->ComboBox6 = spacing.before;
    m_ui->ComboBox5 = spacing.after;
    m_ui->picker = new PositionPicker({{"Image40", "Image41", "Image42"},
                                       {"Image37", "Image38", "Image39"},
                                       {"RadioButton6", "RadioButton7", "RadioButton8"},
                                       "Panel2"},
                                      page);
    addRow(*grid, 2, caption(page, "PositionCaption", QStringLiteral("Bildposition")),
           {m_ui->picker});
}

void ImagesPage::Button5Click() {
    const Expected<std::pair<int, int>> spacing =
        SpacingBox::readBoth(*m_ui->ComboBox6, *m_ui->ComboBox5);
    if (m_services.context.failed(spacing))
        return;
    ImageElement element;
    element.tag = {m_ui->Edit6->text(), m_ui->Edit16->text(), m_ui->CheckBox11->isChecked(),
                   m_ui->Edit9->text(), m_ui->Edit7->text()};
    element.placement = {m_ui->picker->position(), spacing.value.first, spacing.value.second};
    m_services.context.addElement(m_services.context.isModern()
                                      ? ImagesHtml::modernImageBlock(element)
                                      : ImagesHtml::imageBlock(element),
                                  QStringLiteral("Bild"));
}

void ImagesPage::Image1Click() {
    choosePicture(m_services.context.dialogs.OpenPictureDialog1, *m_ui->Edit6,
                  m_services.context.pictures);
}

void ImagesPage::CheckBox11Click() {
    setSizeFieldsVisible(m_ui->CheckBox11->isChecked());
}

void ImagesPage::setSizeFieldsVisible(bool visible) {
    // Hidden sizes keep their texts for the next time they are shown.
    const std::array<QWidget*, 4> sizeFields{m_ui->Label35, m_ui->Edit9, m_ui->Label36,
                                             m_ui->Edit7};
    setAllVisible(sizeFields, visible);
}

void ImagesPage::emptyForNew(NewVariant /*variant*/) {
    for (QLineEdit* field : {m_ui->Edit6, m_ui->Edit7, m_ui->Edit9, m_ui->Edit16})
        field->clear();
}
