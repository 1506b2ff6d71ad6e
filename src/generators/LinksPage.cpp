#include "generators/LinksPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "core/generators/LinksHtml.h"
#include "generators/FileChooser.h"
#include "generators/LinkModePanels.h"
#include "generators/PageParts.h"
#include "generators/TextFormatBox.h"
#include "ui/AlignedColumns.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/FileDrops.h"
#include "ui/Layout.h"
#include "ui/SpellingFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

const TextFormatNames kFormatNames{
    "Edit15",
    "Image31",
    "ComboBox2",
    "Edit17",
    "Image32",
    "Button7",
    {"CheckBox8", "CheckBox9", "CheckBox10", "CheckBox12", "CheckBox13", "CheckBox14"},
    {{"Image49", "Image50", "Image51"},
     {"Image54", "Image53", "Image52"},
     {"RadioButton12", "RadioButton13", "RadioButton14"},
     "Panel7"},
    "ComboBox7",
    "ComboBox8"};

// The picture's position uses the same picker as the text's, under its own caption.
const TextFormatCaptions kFormatCaptions{
    .emphasisPanel = "Panel6",
    .format = {"Label34", "Schriftformatierung:"},
    .fontName = {"Label23", "Schriftart:"},
    .fontSize = {"Label25", "Schriftgröße:"},
    .fontColor = {"Label24", "Schriftfarbe:"},
    .emphasis = {"Label27", "Schriftbetonung"},
    .positionCaptions = {{{"Label29", "Schriftposition"}, {"Label43", "Bildposition"}}},
    .breaksBefore = {"Label4", "Abstand vor Link"},
    .breaksAfter = {"Label33", "Abstand nach Link"},
    .sizeStartsAssistant = true};

// Right of the address's and the modes' columns: the link's target and its format.
constexpr int kRightColumn = LinkColumnCount;
constexpr int kColumnCount = kRightColumn + 1;

// A panel whose radio buttons are laid out by the given layout.
QWidget* radioPanel(QWidget* parent, const char* name, QBoxLayout* layout) {
    auto* panel = named<QWidget>(parent, name);
    panel->setLayout(layout);
    return panel;
}

QRadioButton* radio(QWidget* panel, const char* name, const QString& text) {
    auto* button = named<QRadioButton>(panel, name, text);
    panel->layout()->addWidget(button);
    return button;
}

} // namespace

struct LinksPage::Ui {
    // The address kind and the address.
    QWidget* Panel3 = nullptr;
    QRadioButton* RadioButton17 = nullptr;
    QRadioButton* RadioButton18 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Edit19 = nullptr;
    ClickableLabel* Image3 = nullptr;

    // The link mode.
    QWidget* modeChoice = nullptr;
    QRadioButton* RadioButton15 = nullptr;
    QRadioButton* RadioButton16 = nullptr;

    // Where a web link opens.
    QLabel* Label8 = nullptr;
    QWidget* Panel1 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* Edit3 = nullptr;

    QPushButton* Button1 = nullptr;

    // The chosen mode's panel shows; the text's format serves both, its font and emphasis
    // the text alone.
    TextLinkPanel* textMode = nullptr;
    ImageLinkPanel* imageMode = nullptr;
    TextFormatBox* format = nullptr;
};

LinksPage::LinksPage(PageServices& services)
    : TabPage("TabSheet3", services), m_ui(std::make_unique<Ui>()) {
    createAddressControls();
    createTargetControls();
    m_ui->Button1 =
        named<QPushButton>(content(), "Button1", QStringLiteral("Zum Quelltext hinzufügen"));
    createModeControls();
    QGridLayout* grid = Layout::grid(content());
    layOut(*grid);
    connectHandlers();
    enterPressesInAll(*content(), *m_ui->Button1);
    registerFields();

    // A link starts as a text link; the e-mail caption and the frame's name wait for their
    // choice.
    setAllVisible({m_ui->Label9, m_ui->Label22, m_ui->Edit3}, false);
    m_ui->RadioButton15->setChecked(true);
    showLinkMode(false);
    // The modes' captions, fields and pictures line up with the address's.
    new AlignedColumns({grid, m_ui->textMode->grid(), m_ui->imageMode->grid()},
                       {CaptionColumn, PictureColumn}, this);
}

LinksPage::~LinksPage() = default;

void LinksPage::createAddressControls() {
    Ui& ui = *m_ui;
    QWidget* page = content();
    ui.Panel3 = radioPanel(page, "Panel3", Layout::nestedRow());
    ui.RadioButton17 = radio(ui.Panel3, "RadioButton17", QStringLiteral("Link zu Webseite"));
    ui.RadioButton17->setChecked(true);
    ui.RadioButton18 = radio(ui.Panel3, "RadioButton18", QStringLiteral("Link zu E-Mail-Adresse"));

    ui.Label28 = caption(page, "Label28", QStringLiteral("Linkadresse"));
    ui.Label9 = caption(page, "Label9", QStringLiteral("E-Mail-Adresse"));
    ui.Edit19 = named<QLineEdit>(page, "Edit19");
    ui.Image3 =
        picture(page, "Image3", QStringLiteral("folder.png"), QStringLiteral("Seite auswählen"));

    ui.modeChoice = radioPanel(page, "LinkModePanel", Layout::nestedRow());
    ui.RadioButton15 = radio(ui.modeChoice, "RadioButton15", QStringLiteral("Link als Text"));
    ui.RadioButton16 = radio(ui.modeChoice, "RadioButton16", QStringLiteral("Link als Bild"));
}

void LinksPage::createTargetControls() {
    Ui& ui = *m_ui;
    QWidget* page = content();
    ui.Label8 = caption(page, "Label8", QStringLiteral("Link öffnen in:"));
    ui.Panel1 = radioPanel(page, "Panel1", Layout::nestedColumn());
    ui.RadioButton3 = radio(ui.Panel1, "RadioButton3", QStringLiteral("Neues Fenster"));
    ui.RadioButton4 = radio(ui.Panel1, "RadioButton4", QStringLiteral("Gleiche Seite"));
    ui.RadioButton5 = radio(ui.Panel1, "RadioButton5", QStringLiteral("Zielframe"));
    ui.Label22 = caption(page, "Label22", QStringLiteral("Name:"));
    ui.Edit3 = named<QLineEdit>(page, "Edit3");
}

void LinksPage::createModeControls() {
    Ui& ui = *m_ui;
    SharedDialogs& dialogs = m_services.context.dialogs;
    ui.textMode = new TextLinkPanel(content());
    for (QLineEdit* field : ui.textMode->textFields())
        SpellingFields::watch(*field, m_services.context.spelling);
    ui.imageMode =
        new ImageLinkPanel(dialogs.OpenPictureDialog1, m_services.context.pictures, content());
    QLineEdit& picture = ui.imageMode->pictureField();
    m_services.drops.takePictures(picture, picture, dialogs.OpenPictureDialog1,
                                  m_services.context.pictures);
    ui.format = new TextFormatBox(kFormatNames, kFormatCaptions, dialogs.FontDialog1, content());
}

void LinksPage::layOut(QGridLayout& grid) {
    const Ui& ui = *m_ui;
    spaceLinkColumns(grid);
    grid.setColumnStretch(kRightColumn, 1);

    int row = 0;
    grid.addWidget(ui.Panel3, row++, CaptionColumn, 1, LinkColumnCount, Qt::AlignLeft);
    grid.addWidget(ui.Label28, row, CaptionColumn);
    grid.addWidget(ui.Label9, row, CaptionColumn);
    grid.addWidget(ui.Edit19, row, FieldColumn);
    grid.addWidget(ui.Image3, row++, PictureColumn);
    grid.addWidget(ui.modeChoice, row++, CaptionColumn, 1, LinkColumnCount, Qt::AlignLeft);

    // The target stands beside the rows above.
    QHBoxLayout* frameName = Layout::nestedRow();
    frameName->addWidget(ui.Label22);
    frameName->addWidget(ui.Edit3, 1);
    QVBoxLayout* target = Layout::nestedColumn();
    target->addWidget(ui.Label8);
    target->addWidget(ui.Panel1);
    target->addLayout(frameName);
    target->addStretch(1);
    grid.addLayout(target, 0, kRightColumn, row, 1);

    grid.addWidget(PageParts::rule(content(), "ModeSeparator"), row++, CaptionColumn, 1,
                   kColumnCount);

    // The modes' rows stay on top; the room left lies above the button.
    QVBoxLayout* modes = Layout::nestedColumn();
    modes->addWidget(ui.textMode);
    modes->addWidget(ui.imageMode);
    modes->addStretch(1);
    grid.addLayout(modes, row, CaptionColumn, 1, LinkColumnCount);
    grid.addWidget(ui.format, row, kRightColumn, Qt::AlignTop);
    grid.setRowStretch(row++, 1);

    grid.addLayout(Layout::buttonRow(ui.Button1), row, CaptionColumn, 1, kColumnCount);
}

void LinksPage::connectHandlers() {
    Ui& ui = *m_ui;
    connect(ui.Button1, &QPushButton::clicked, this, &LinksPage::Button1Click);
    connect(ui.RadioButton17, &QRadioButton::clicked, this, &LinksPage::RadioButton17Click);
    connect(ui.RadioButton18, &QRadioButton::clicked, this, &LinksPage::RadioButton18Click);
    connect(ui.RadioButton3, &QRadioButton::clicked, this, &LinksPage::RadioButton3Click);
    connect(ui.RadioButton4, &QRadioButton::clicked, this, &LinksPage::RadioButton4Click);
    connect(ui.RadioButton5, &QRadioButton::clicked, this, &LinksPage::RadioButton5Click);
    connect(ui.RadioButton15, &QRadioButton::clicked, this, &LinksPage::RadioButton15Click);
    connect(ui.RadioButton16, &QRadioButton::clicked, this, &LinksPage::RadioButton16Click);
    connect(ui.Image3, &ClickableLabel::clicked, this, &LinksPage::Image3Click);
}

void LinksPage::registerFields() {
    const Ui& ui = *m_ui;
    const TextFormatBox::Parts& format = ui.format->parts();
    CurrentFieldTracker& fields = m_services.fields;
    fields.track(ui.Edit19, ui.Edit3, format.fontName, format.fontColor);
    for (QLineEdit* field : ui.textMode->textFields() + ui.imageMode->textFields())
        fields.track(field);
    using Topic = FieldExplanations::Topic;
    FieldExplanations& explanations = m_services.explanations;
    explanations.attach(Topic::Font, {format.fontNameCaption, format.fontName, format.fontPicture});
    explanations.attach(Topic::Color,
                        {format.fontColorCaption, format.fontColor, format.colorPicture});
    explanations.attach(Topic::Emphasis, {format.emphasisHeading});
    explanations.attach(Topic::Position, {format.positionCaptions[0], format.positionCaptions[1]});
    explanations.attach(Topic::SpacingBefore, {format.breaksBeforeCaption, format.breaksBefore});
    explanations.attach(Topic::SpacingAfter, {format.breaksAfterCaption, format.breaksAfter});
}

void LinksPage::emptyForNew(NewVariant /*variant*/) {
    const Ui& ui = *m_ui;
    for (QLineEdit* field : QList<QLineEdit*>{ui.Edit3, ui.Edit19} + ui.textMode->textFields() +
                                ui.imageMode->textFields())
        field->clear();
    ui.format->startFontAnew();
}

void LinksPage::Button1Click() {
    const Ui& ui = *m_ui;
    const Expected<TextFormat> format = ui.format->format();
    if (m_services.context.failed(format))
        return;
    if (ui.RadioButton5->isChecked())
        m_linkTarget = LinksHtml::frameTarget(ui.Edit3->text());
    const LinkAddress link{m_linkPrefix, ui.Edit19->text(), m_linkTarget};
    const bool modern = m_services.context.isModern();
    QStringList lines;
    if (ui.RadioButton16->isChecked()) {
        const ImageLink image = ui.imageMode->imageLink(format.value.placement);
        lines =
            modern ? LinksHtml::modernImageLink(link, image) : LinksHtml::imageLink(link, image);
    } else {
        const QString text = ui.textMode->linkText();
        lines = modern ? LinksHtml::modernTextLink(format.value, link, text)
                       : LinksHtml::textLink(format.value, link, text);
    }
    m_services.context.addElement(lines, QStringLiteral("Link"));
}

void LinksPage::RadioButton17Click() {
    const Ui& ui = *m_ui;
    if (!ui.RadioButton17->isChecked())
        return;
    m_linkPrefix.clear();
    setAllVisible({ui.Label28, ui.Image3, ui.Panel1, ui.Label8}, true);
    ui.Label9->hide();
}

void LinksPage::RadioButton18Click() {
    const Ui& ui = *m_ui;
    if (!ui.RadioButton18->isChecked())
        return;
    // The chosen target stays: an e-mail link still carries it.
    m_linkPrefix = LinksHtml::mailPrefix();
    setAllVisible({ui.Label28, ui.Image3, ui.Panel1, ui.Label8, ui.Edit3, ui.Label22}, false);
    ui.Label9->show();
}

void LinksPage::RadioButton3Click() {
    if (!m_ui->RadioButton3->isChecked())
        return;
    m_linkTarget = LinksHtml::newWindowTarget();
    setAllVisible({m_ui->Edit3, m_ui->Label22}, false);
}

void LinksPage::RadioButton4Click() {
    if (!m_ui->RadioButton4->isChecked())
        return;
    m_linkTarget = LinksHtml::samePageTarget();
    setAllVisible({m_ui->Edit3, m_ui->Label22}, false);
}

void LinksPage::RadioButton5Click() {
    // The frame's target is built from the name at the next add.
    if (m_ui->RadioButton5->isChecked())
        setAllVisible({m_ui->Edit3, m_ui->Label22}, true);
}

void LinksPage::RadioButton15Click() {
    showLinkMode(false);
}

void LinksPage::RadioButton16Click() {
    showLinkMode(true);
}

void LinksPage::showLinkMode(bool asImage) {
    const Ui& ui = *m_ui;
    ui.textMode->setVisible(!asImage);
    ui.imageMode->setVisible(asImage);
    if (!asImage)
        ui.imageMode->hideSizeFields();
    // The format box holds the text's font and emphasis, and a caption for each mode beside
    // the position they share.
    const TextFormatBox::Parts& format = ui.format->parts();
    setAllVisible(format.textParts(), !asImage);
    format.positionCaptions[0]->setVisible(!asImage);
    format.positionCaptions[1]->setVisible(asImage);
}

void LinksPage::Image3Click() {
    chooseBareName(m_services.context.dialogs.OpenDialog1, *m_ui->Edit19);
}
