#include "generators/LinkModePanels.h"

#include "generators/FileChooser.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

using namespace Controls;

namespace {

// A mode's grid, without margins, so that its columns can line up with the page's.
QGridLayout* modeGrid(QWidget* panel) {
    QGridLayout* grid = Layout::nestedGrid();
    spaceLinkColumns(*grid);
    panel->setLayout(grid);
    return grid;
}

} // namespace

void spaceLinkColumns(QGridLayout& grid) {
    grid.setHorizontalSpacing(Layout::kGroupSpacing);
    grid.setColumnStretch(FieldColumn, 1);
}

TextLinkPanel::TextLinkPanel(QWidget* parent) : QWidget(parent), m_grid(modeGrid(this)) {
    setObjectName(QStringLiteral("TextLinkPanel"));
    Label37 = caption(this, "Label37", QStringLiteral("Name des Links:"));
    Edit20 = named<QLineEdit>(this, "Edit20");
    m_grid->addWidget(Label37, 0, CaptionColumn);
    m_grid->addWidget(Edit20, 0, FieldColumn);
}

QString TextLinkPanel::linkText() const {
    return Edit20->text();
}

QList<QLineEdit*> TextLinkPanel::textFields() const {
    return {Edit20};
}

ImageLinkPanel::ImageLinkPanel(OpenDialogObject& pictureDialog, PagePictures& pictures,
                               QWidget* parent)
    : QWidget(parent), m_pictureDialog(pictureDialog), m_pictures(pictures),
      m_grid(modeGrid(this)) {
    setObjectName(QStringLiteral("ImageLinkPanel"));
    int row = 0;
    Label42 = heading(this, "Label42", QStringLiteral("Bildformatierung:"));
    m_grid->addWidget(Label42, row++, CaptionColumn, 1, LinkColumnCount);

    Label38 = caption(this, "Label38", QStringLiteral("Dateiname des Bildes"));
    Edit22 = named<QLineEdit>(this, "Edit22");
    Image4 =
        picture(this, "Image4", QStringLiteral("folder.png"), QStringLiteral("Bild auswählen"));
    m_grid->addWidget(Label38, row, CaptionColumn);
    m_grid->addWidget(Edit22, row, FieldColumn);
    m_grid->addWidget(Image4, row++, PictureColumn);

    Label39 = caption(this, "Label39", QStringLiteral("Bildtext"));
    Edit21 = named<QLineEdit>(this, "Edit21");
    m_grid->addWidget(Label39, row, CaptionColumn);
    m_grid->addWidget(Edit21, row++, FieldColumn);

    Label5 = caption(this, "Label5", QStringLiteral("Rahmendicke um Link:"));
    ComboBox11 = editableCombo(this, "ComboBox11",
                               {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                QStringLiteral("3"), QStringLiteral("4")},
                               QStringLiteral("0"), 3);
    Layout::showWhole(ComboBox11, 2);
    m_grid->addWidget(Label5, row, CaptionColumn);
    m_grid->addWidget(ComboBox11, row++, FieldColumn, Qt::AlignLeft);

    CheckBox4 =
        named<QCheckBox>(this, "CheckBox4", QStringLiteral("Größe des Bildes in Pixel angeben"));
    m_grid->addWidget(CheckBox4, row++, CaptionColumn, 1, LinkColumnCount);

    // The size fields stand under their check box, indented like its caption.
    m_sizeFields = named<QWidget>(this, "ImageSizeFields");
    QHBoxLayout* size = Layout::nestedRow();
    m_sizeFields->setLayout(size);
    size->addSpacing(Layout::kGroupSpacing);
    Label40 = caption(m_sizeFields, "Label40", QStringLiteral("Höhe:"));
    Edit23 = named<QLineEdit>(m_sizeFields, "Edit23");
    Label41 = caption(m_sizeFields, "Label41", QStringLiteral("Breite:"));
    Edit24 = named<QLineEdit>(m_sizeFields, "Edit24");
    for (QWidget* widget : std::initializer_list<QWidget*>{Label40, Edit23, Label41, Edit24})
        size->addWidget(widget);
    size->addStretch(1);
    m_grid->addWidget(m_sizeFields, row, CaptionColumn, 1, LinkColumnCount);
    m_sizeFields->hide();

    connect(Image4, &ClickableLabel::clicked, this, &ImageLinkPanel::Image4Click);
    connect(CheckBox4, &QCheckBox::clicked, this, &ImageLinkPanel::CheckBox4Click);
}

ImageLink ImageLinkPanel::imageLink(const Placement& placement) const {
    return {.file = Edit22->text(),
            .text = Edit21->text(),
            .sized = CheckBox4->isChecked(),
            .width = Edit24->text(),
            .height = Edit23->text(),
            .border = ComboBox11->currentText(),
            .placement = placement};
}

QList<QLineEdit*> ImageLinkPanel::textFields() const {
    return {Edit21, Edit22, Edit23, Edit24};
}

void ImageLinkPanel::hideSizeFields() {
    m_sizeFields->hide();
}

void ImageLinkPanel::Image4Click() {
    choosePicture(m_pictureDialog, *Edit22, m_pictures);
}

void ImageLinkPanel::CheckBox4Click() {
    m_sizeFields->setVisible(CheckBox4->isChecked());
}
