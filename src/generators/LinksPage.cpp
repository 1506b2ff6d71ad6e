#include "generators/LinksPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "generators/FileChooser.h"
#include "generators/LinksHtml.h"
#include "generators/PageParts.h"
#include "generators/TextFormatBox.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QCheckBox>
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

// The columns of the page: the link's captions, fields and pictures on the left, the link's
// target and look on the right.
enum Column { CaptionColumn, FieldColumn, PictureColumn, RightColumn, ColumnCount };

// The grid's rows: the address kind, the address, the link mode and a rule; from kModeTop
// on the rows of the chosen mode; the add button last.
constexpr int kModeTop = 4;
constexpr int kButtonRow = 12;

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
    // Address, target and link mode: visible from the start.
    QWidget* Panel3 = nullptr;
    QRadioButton* RadioButton17 = nullptr;
    QRadioButton* RadioButton18 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Edit19 = nullptr;
    ClickableLabel* Image3 = nullptr;
    QLabel* Label8 = nullptr;
    QWidget* Panel1 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QRadioButton* RadioButton15 = nullptr;
    QRadioButton* RadioButton16 = nullptr;
    QPushButton* Button1 = nullptr;

    // Link as text.
    QLabel* Label37 = nullptr;
    QLineEdit* Edit20 = nullptr;

    // Link as picture.
    QLabel* Label42 = nullptr;
    QLabel* Label38 = nullptr;
    QLineEdit* Edit22 = nullptr;
    ClickableLabel* Image4 = nullptr;
    QLabel* Label39 = nullptr;
    QLineEdit* Edit21 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* ComboBox11 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QLabel* Label40 = nullptr;
    QLineEdit* Edit23 = nullptr;
    QLabel* Label41 = nullptr;
    QLineEdit* Edit24 = nullptr;

    // The text's format; position and spacing serve both modes.
    TextFormatBox* format = nullptr;

    const TextFormatBox::Parts& formatParts() const { return format->parts(); }
    QList<QWidget*> textModeControls() const {
        return QList<QWidget*>{Label37, Edit20, formatParts().positionCaptions[0]} +
               formatParts().textParts();
    }
    QList<QWidget*> imageModeControls() const {
        return {Label38, Label39, Label42,   Label5,     Image4,
                Edit21,  Edit22,  CheckBox4, ComboBox11, formatParts().positionCaptions[1]};
    }
    QList<QWidget*> sizeFields() const { return {Label40, Label41, Edit23, Edit24}; }

    ImageLink imageLink(const Placement& placement) const {
        ImageLink image;
        image.file = Edit22->text();
        image.text = Edit21->text();
        image.sized = CheckBox4->isChecked();
        image.width = Edit24->text();
        image.height = Edit23->text();
        image.border = ComboBox11->currentText();
        image.placement = placement;
        return image;
    }
};

LinksPage::LinksPage(PageServices& services)
    : TabPage("TabSheet3", services), m_ui(std::make_unique<Ui>()) {
    auto* grid = Layout::grid(content());
    grid->setColumnStretch(FieldColumn, 1);
    grid->setColumnStretch(RightColumn, 1);
    grid->setHorizontalSpacing(Layout::kGroupSpacing);
    createAddressControls(*grid);
    createTextModeControls(*grid);
    createImageModeControls(*grid);
    createSharedControls(*grid);
    connectHandlers();
    registerFields();
}

LinksPage::~LinksPage() = default;

void LinksPage::createAddressControls(QGridLayout& grid) {
    Ui& ui = *m_ui;
    QWidget* page = content();
    ui.Panel3 = radioPanel(page, "Panel3", Layout::nestedRow());
    ui.RadioButton17 = radio(ui.Panel3, "RadioButton17", QStringLiteral("Link zu Webseite"));
    ui.RadioButton17->setChecked(true);
    ui.RadioButton18 = radio(ui.Panel3, "RadioButton18", QStringLiteral("Link zu E-Mail-Adresse"));
    grid.addWidget(ui.Panel3, 0, CaptionColumn, 1, RightColumn, Qt::AlignLeft);

    ui.Label28 = caption(page, "Label28", QStringLiteral("Linkadresse"));
    ui.Label9 = caption(page, "Label9", QStringLiteral("E-Mail-Adresse"));
    ui.Edit19 = named<QLineEdit>(page, "Edit19");
    ui.Image3 =
        picture(page, "Image3", QStringLiteral("folder.png"), QStringLiteral("Seite auswählen"));
    grid.addWidget(ui.Label28, 1, CaptionColumn);
    grid.addWidget(ui.Label9, 1, CaptionColumn);
    grid.addWidget(ui.Edit19, 1, FieldColumn);
    grid.addWidget(ui.Image3, 1, PictureColumn);

    QWidget* modePanel = radioPanel(page, "LinkModePanel", Layout::nestedRow());
    ui.RadioButton15 = radio(modePanel, "RadioButton15", QStringLiteral("Link als Text"));
    ui.RadioButton16 = radio(modePanel, "RadioButton16", QStringLiteral("Link als Bild"));
    grid.addWidget(modePanel, 2, CaptionColumn, 1, RightColumn, Qt::AlignLeft);

    ui.Label8 = caption(page, "Label8", QStringLiteral("Link öffnen in:"));
    ui.Panel1 = radioPanel(page, "Panel1", Layout::nestedColumn());
    ui.RadioButton3 = radio(ui.Panel1, "RadioButton3", QStringLiteral("Neues Fenster"));
    ui.RadioButton4 = radio(ui.Panel1, "RadioButton4", QStringLiteral("Gleiche Seite"));
    ui.RadioButton5 = radio(ui.Panel1, "RadioButton5", QStringLiteral("Zielframe"));
    ui.Label22 = caption(page, "Label22", QStringLiteral("Name:"));
    ui.Edit3 = named<QLineEdit>(page, "Edit3");
    QHBoxLayout* frameName = Layout::nestedRow();
    frameName->addWidget(ui.Label22);
    frameName->addWidget(ui.Edit3, 1);
    QVBoxLayout* target = Layout::nestedColumn();
    target->addWidget(ui.Label8);
    target->addWidget(ui.Panel1);
    target->addLayout(frameName);
    target->addStretch(1);
    grid.addLayout(target, 0, RightColumn, 3, 1);

    grid.addWidget(PageParts::rule(page, "ModeSeparator"), 3, CaptionColumn, 1, ColumnCount);

    ui.Button1 = named<QPushButton>(page, "Button1", QStringLiteral("Zum Quelltext hinzufügen"));
    grid.addLayout(Layout::buttonRow(ui.Button1), kButtonRow, CaptionColumn, 1, ColumnCount);
}

void LinksPage::createTextModeControls(QGridLayout& grid) {
    Ui& ui = *m_ui;
    QWidget* page = content();
    ui.Label37 = caption(page, "Label37", QStringLiteral("Name des Links:"));
    ui.Edit20 = named<QLineEdit>(page, "Edit20");
    grid.addWidget(ui.Label37, kModeTop, CaptionColumn);
    grid.addWidget(ui.Edit20, kModeTop, FieldColumn);
}

void LinksPage::createImageModeControls(QGridLayout& grid) {
    Ui& ui = *m_ui;
    QWidget* page = content();
    int row = kModeTop + 1;
    ui.Label42 = heading(page, "Label42", QStringLiteral("Bildformatierung:"));
    grid.addWidget(ui.Label42, row++, CaptionColumn, 1, RightColumn);

    ui.Label38 = caption(page, "Label38", QStringLiteral("Dateiname des Bildes"));
    ui.Edit22 = named<QLineEdit>(page, "Edit22");
    ui.Image4 =
        picture(page, "Image4", QStringLiteral("folder.png"), QStringLiteral("Bild auswählen"));
    grid.addWidget(ui.Label38, row, CaptionColumn);
    grid.addWidget(ui.Edit22, row, FieldColumn);
    grid.addWidget(ui.Image4, row++, PictureColumn);

    ui.Label39 = caption(page, "Label39", QStringLiteral("Bildtext"));
    ui.Edit21 = named<QLineEdit>(page, "Edit21");
    grid.addWidget(ui.Label39, row, CaptionColumn);
    grid.addWidget(ui.Edit21, row++, FieldColumn);

    ui.Label5 = caption(page, "Label5", QStringLiteral("Rahmendicke um Link:"));
    ui.ComboBox11 = editableCombo(page, "ComboBox11",
                                  {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                   QStringLiteral("3"), QStringLiteral("4")},
                                  QStringLiteral("0"), 3);
    Layout::showWhole(ui.ComboBox11, 2);
    grid.addWidget(ui.Label5, row, CaptionColumn);
    grid.addWidget(ui.ComboBox11, row++, FieldColumn, Qt::AlignLeft);

    ui.CheckBox4 =
        named<QCheckBox>(page, "CheckBox4", QStringLiteral("Größe des Bildes in Pixel angeben"));
    grid.addWidget(ui.CheckBox4, row++, CaptionColumn, 1, RightColumn);

    ui.Label40 = caption(page, "Label40", QStringLiteral("Höhe:"));
    ui.Edit23 = named<QLineEdit>(page, "Edit23");
    ui.Label41 = caption(page, "Label41", QStringLiteral("Breite:"));
    ui.Edit24 = named<QLineEdit>(page, "Edit24");
    // The size fields stand under their check box, indented like its caption.
    QHBoxLayout* size = Layout::nestedRow();
    size->addSpacing(Layout::kGroupSpacing);
    for (QWidget* widget : {static_cast<QWidget*>(ui.Label40), static_cast<QWidget*>(ui.Edit23),
                            static_cast<QWidget*>(ui.Label41), static_cast<QWidget*>(ui.Edit24)})
        size->addWidget(widget);
    size->addStretch(1);
    grid.addLayout(size, row, CaptionColumn, 1, RightColumn);
}

void LinksPage::createSharedControls(QGridLayout& grid) {
    Ui& ui = *m_ui;
    ui.format = new TextFormatBox(kFormatNames, kFormatCaptions,
                                  m_services.context.dialogs.FontDialog1, content());
    grid.addWidget(ui.format, kModeTop, RightColumn, kButtonRow - kModeTop, 1, Qt::AlignTop);
    // The rows of the mode part stay on top; the space left lies above the button.
    grid.setRowStretch(kButtonRow - 1, 1);

    // A link starts as a text link, with the fields the text it shows is typed into; the
    // frame's name waits for its target choice.
    setAllVisible(ui.imageModeControls() + ui.sizeFields() +
                      QList<QWidget*>{ui.Label9, ui.Label22, ui.Edit3},
                  false);
    ui.RadioButton15->setChecked(true);
    showLinkMode(false);
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
    connect(ui.Image4, &ClickableLabel::clicked, this, &LinksPage::Image4Click);
    connect(ui.CheckBox4, &QCheckBox::clicked, this, &LinksPage::CheckBox4Click);
}

void LinksPage::registerFields() {
    const Ui& ui = *m_ui;
    const TextFormatBox::Parts& format = ui.formatParts();
    m_services.fields.track(ui.Edit19, ui.Edit3, ui.Edit20, format.fontName, format.fontColor,
                            ui.Edit21, ui.Edit22, ui.Edit23, ui.Edit24);
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
    for (QLineEdit* edit :
         {ui.Edit3, ui.Edit19, ui.Edit20, ui.Edit21, ui.Edit22, ui.Edit23, ui.Edit24})
        edit->clear();
    ui.format->startFontAnew();
}

void LinksPage::Button1Click() {
    const Ui& ui = *m_ui;
    const std::optional<TextFormat> format = ui.format->format(m_services.context.dialogs.ask);
    if (!format)
        return;
    if (ui.RadioButton5->isChecked())
        m_linkTarget = LinksHtml::frameTarget(ui.Edit3->text());
    const LinkAddress link{m_linkPrefix, ui.Edit19->text(), m_linkTarget};
    // Without a chosen mode the link is written as text, with the hidden defaults.
    m_services.context.addElement(ui.RadioButton16->isChecked()
                                      ? LinksHtml::imageLink(link, ui.imageLink(format->placement))
                                      : LinksHtml::textLink(*format, link, ui.Edit20->text()),
                                  QStringLiteral("Link"));
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
    setAllVisible(ui.formatParts().spacingParts(), true);
    ui.formatParts().position->setReleasedVisible(true);
    setAllVisible(ui.textModeControls(), !asImage);
    setAllVisible(ui.imageModeControls(), asImage);
    // The size fields wait for the next click of their check box in picture mode.
    if (!asImage)
        setAllVisible(ui.sizeFields(), false);
}

void LinksPage::Image3Click() {
    chooseBareName(m_services.context.dialogs.OpenDialog1, *m_ui->Edit19);
}

void LinksPage::Image4Click() {
    choosePicture(m_services.context.dialogs.OpenPictureDialog1, *m_ui->Edit22,
                  m_services.context.pictures);
}

void LinksPage::CheckBox4Click() {
    setAllVisible(m_ui->sizeFields(), m_ui->CheckBox4->isChecked());
}
