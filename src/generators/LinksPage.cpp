#include "generators/LinksPage.h"
#include "context/PageContext.h"
#include "generators/FontSizeBox.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "generators/Assistants.h"
#include "generators/FileChooser.h"
#include "generators/LinksHtml.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "platform/DialogObjects.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Controls;

namespace {

// Two columns: the link itself on the left, its look and spacing on the right.
constexpr int kLeft = 16;
constexpr int kLeftField = 170;
constexpr int kRight = 470;
constexpr int kRightField = 610;
constexpr int kFieldHeight = 24;
constexpr int kPictureSize = 22;
constexpr int kModeTop = 132;
constexpr int kRow = 34;
constexpr int kFieldWidth = 190;
constexpr int kPictureX = kLeftField + kFieldWidth + 6;
// The right column: emphasis, then position and spacing in rows of their own.
constexpr int kPositionTop = 262;
constexpr int kSpacingTop = 300;

int row(int index) {
    return kModeTop + index * kRow;
}

// The picture mode's rows, below its caption "Bildformatierung:".
int imageRow(int index) {
    return row(index) + 18;
}

// The place of a folder or assistant picture beside the field of a row.
QRect besideField(int y) {
    return QRect(kPictureX, y + 1, kPictureSize, kPictureSize);
}

QLineEdit* field(QWidget* parent, const char* name, int x, int y, int width) {
    return place<QLineEdit>(parent, name, QRect(x, y, width, kFieldHeight));
}

// A caption placed to line up with the field of its row.
QLabel* rowCaption(QWidget* parent, const char* name, const QString& text, int x, int y) {
    return caption(parent, name, text, x, y + 4);
}

void setAllVisible(const QList<QWidget*>& widgets, bool visible) {
    for (QWidget* widget : widgets)
        widget->setVisible(visible);
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
    QLabel* Label23 = nullptr;
    QLineEdit* Edit15 = nullptr;
    ClickableLabel* Image31 = nullptr;
    QLabel* Label24 = nullptr;
    QLineEdit* Edit17 = nullptr;
    ClickableLabel* Image32 = nullptr;
    QLabel* Label25 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QPushButton* Button7 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* Label27 = nullptr;
    QWidget* Panel6 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    QCheckBox* CheckBox9 = nullptr;
    QCheckBox* CheckBox10 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    QCheckBox* CheckBox14 = nullptr;
    QLabel* Label29 = nullptr;

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
    QLabel* Label43 = nullptr;

    // Both modes.
    QLabel* Label4 = nullptr;
    QComboBox* ComboBox7 = nullptr;
    QLabel* Label33 = nullptr;
    QComboBox* ComboBox8 = nullptr;
    PositionPicker* picker = nullptr;

    QList<QWidget*> textModeControls() const {
        return {Label23, Label24, Label25, Label27,   Label29, Label34, Label37, Panel6,
                Edit15,  Edit17,  Edit20,  ComboBox2, Button7, Image31, Image32};
    }
    QList<QWidget*> imageModeControls() const {
        return {Label38, Label39, Label42, Label43,   Label5,
                Image4,  Edit21,  Edit22,  CheckBox4, ComboBox11};
    }
    QList<QWidget*> sizeFields() const { return {Label40, Label41, Edit23, Edit24}; }
    QList<QWidget*> spacingControls() const { return {Label4, Label33, ComboBox7, ComboBox8}; }

    TextFormat textFormat(int breaksBefore, int breaksAfter) const {
        TextFormat format;
        format.fontName = Edit15->text();
        format.fontSize = ComboBox2->currentText();
        format.fontColor = Edit17->text();
        format.position = picker->position();
        format.emphasis = {CheckBox8->isChecked(),  CheckBox9->isChecked(),
                           CheckBox10->isChecked(), CheckBox12->isChecked(),
                           CheckBox13->isChecked(), CheckBox14->isChecked()};
        format.breaksBefore = breaksBefore;
        format.breaksAfter = breaksAfter;
        return format;
    }

    ImageLink imageLink(int breaksBefore, int breaksAfter) const {
        ImageLink image;
        image.file = Edit22->text();
        image.text = Edit21->text();
        image.sized = CheckBox4->isChecked();
        image.width = Edit24->text();
        image.height = Edit23->text();
        image.border = ComboBox11->currentText();
        image.position = picker->position();
        image.breaksBefore = breaksBefore;
        image.breaksAfter = breaksAfter;
        return image;
    }
};

LinksPage::LinksPage(PageServices& services)
    : TabPage("TabSheet3", services), m_ui(std::make_unique<Ui>()) {
    createAddressControls();
    createTextModeControls();
    createImageModeControls();
    createSharedControls();
    connectHandlers();
    registerFields();
}

LinksPage::~LinksPage() = default;

void LinksPage::createAddressControls() {
    Ui& ui = *m_ui;
    ui.Panel3 = place<QWidget>(this, "Panel3", QRect(kLeft, 12, 400, 24));
    ui.RadioButton17 = place<QRadioButton>(ui.Panel3, "RadioButton17", QRect(0, 0, 160, 24),
                                           QStringLiteral("Link zu Webseite"));
    ui.RadioButton17->setChecked(true);
    ui.RadioButton18 = place<QRadioButton>(ui.Panel3, "RadioButton18", QRect(170, 0, 220, 24),
                                           QStringLiteral("Link zu E-Mail-Adresse"));

    ui.Label28 = rowCaption(this, "Label28", QStringLiteral("Linkadresse"), kLeft, 46);
    ui.Label9 = rowCaption(this, "Label9", QStringLiteral("E-Mail-Adresse"), kLeft, 46);
    ui.Edit19 = field(this, "Edit19", kLeftField, 46, kFieldWidth);
    ui.Image3 = picture(this, "Image3", besideField(46), QStringLiteral("folder.png"),
                        QStringLiteral("Seite auswählen"));

    ui.Label8 = caption(this, "Label8", QStringLiteral("Link öffnen in:"), kRight, 16);
    ui.Panel1 = place<QWidget>(this, "Panel1", QRect(kRight, 36, 140, 76));
    ui.RadioButton3 = place<QRadioButton>(ui.Panel1, "RadioButton3", QRect(0, 0, 140, 24),
                                          QStringLiteral("Neues Fenster"));
    ui.RadioButton4 = place<QRadioButton>(ui.Panel1, "RadioButton4", QRect(0, 26, 140, 24),
                                          QStringLiteral("Gleiche Seite"));
    ui.RadioButton5 = place<QRadioButton>(ui.Panel1, "RadioButton5", QRect(0, 52, 140, 24),
                                          QStringLiteral("Zielframe"));
    ui.Label22 = rowCaption(this, "Label22", QStringLiteral("Name:"), kRightField, 88);
    ui.Edit3 = field(this, "Edit3", kRightField + 46, 88, 120);

    auto* modePanel = place<QWidget>(this, "LinkModePanel", QRect(kLeft, 88, 400, 24));
    ui.RadioButton15 = place<QRadioButton>(modePanel, "RadioButton15", QRect(0, 0, 160, 24),
                                           QStringLiteral("Link als Text"));
    ui.RadioButton16 = place<QRadioButton>(modePanel, "RadioButton16", QRect(170, 0, 160, 24),
                                           QStringLiteral("Link als Bild"));

    auto* rule = place<QFrame>(this, "ModeSeparator", QRect(kLeft, 118, kPageWidth - 32, 4));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    ui.Button1 = place<QPushButton>(this, "Button1", QRect(kLeft, kPageHeight - 48, 220, 32),
                                    QStringLiteral("Zum Quelltext hinzufügen"));
}

void LinksPage::createTextModeControls() {
    Ui& ui = *m_ui;
    ui.Label37 = rowCaption(this, "Label37", QStringLiteral("Name des Links:"), kLeft, row(0));
    ui.Edit20 = field(this, "Edit20", kLeftField, row(0), kFieldWidth);
    ui.Label23 = rowCaption(this, "Label23", QStringLiteral("Schriftart:"), kLeft, row(1));
    ui.Edit15 = field(this, "Edit15", kLeftField, row(1), kFieldWidth);
    ui.Edit15->setText(QStringLiteral("Times New Roman"));
    ui.Image31 = assistantPicture(this, "Image31", besideField(row(1)), AssistantPicture::Font);
    ui.Label24 = rowCaption(this, "Label24", QStringLiteral("Schriftfarbe:"), kLeft, row(2));
    ui.Edit17 = field(this, "Edit17", kLeftField, row(2), kFieldWidth);
    ui.Edit17->setText(QStringLiteral("Black"));
    ui.Image32 = assistantPicture(this, "Image32", besideField(row(2)), AssistantPicture::Font);
    ui.Label25 = rowCaption(this, "Label25", QStringLiteral("Schriftgröße:"), kLeft, row(3));
    ui.ComboBox2 =
        FontSizeBox::create(this, "ComboBox2", QRect(kLeftField, row(3), 70, kFieldHeight));
    ui.Button7 = place<QPushButton>(this, "Button7", QRect(kLeftField, row(4), kFieldWidth, 30),
                                    QStringLiteral("Formatierungsassistent"));

    ui.Label34 = caption(this, "Label34", QStringLiteral("Schriftformatierung:"), kRight, row(0));
    ui.Label27 = caption(this, "Label27", QStringLiteral("Schriftbetonung"), kRight, row(0) + 22);
    ui.Panel6 = place<QWidget>(this, "Panel6", QRect(kRight, row(0) + 44, 310, 72));
    struct Box {
        QCheckBox* Ui::*member;
        const char* name;
        const char* text;
    };
    static constexpr Box kBoxes[] = {
        {&Ui::CheckBox8, "CheckBox8", "Fett"},
        {&Ui::CheckBox9, "CheckBox9", "Unterstrichen"},
        {&Ui::CheckBox10, "CheckBox10", "Kursiv"},
        {&Ui::CheckBox12, "CheckBox12", "Durchgestrichen"},
        {&Ui::CheckBox13, "CheckBox13", "Hochgestellt"},
        {&Ui::CheckBox14, "CheckBox14", "Tiefgestellt"},
    };
    for (int i = 0; i < 6; ++i) {
        const QRect geometry((i % 2) * 150, (i / 2) * 24, 150, 24);
        ui.*kBoxes[i].member = place<QCheckBox>(ui.Panel6, kBoxes[i].name, geometry,
                                                QString::fromUtf8(kBoxes[i].text));
    }
    ui.Label29 =
        rowCaption(this, "Label29", QStringLiteral("Schriftposition"), kRight, kPositionTop);
}

void LinksPage::createImageModeControls() {
    Ui& ui = *m_ui;
    ui.Label42 = caption(this, "Label42", QStringLiteral("Bildformatierung:"), kLeft, row(0) - 4);
    ui.Label38 =
        rowCaption(this, "Label38", QStringLiteral("Dateiname des Bildes"), kLeft, imageRow(0));
    ui.Edit22 = field(this, "Edit22", kLeftField, imageRow(0), kFieldWidth);
    ui.Image4 = picture(this, "Image4", besideField(imageRow(0)), QStringLiteral("folder.png"),
                        QStringLiteral("Bild auswählen"));
    ui.Label39 = rowCaption(this, "Label39", QStringLiteral("Bildtext"), kLeft, imageRow(1));
    ui.Edit21 = field(this, "Edit21", kLeftField, imageRow(1), kFieldWidth);
    ui.Label5 =
        rowCaption(this, "Label5", QStringLiteral("Rahmendicke um Link:"), kLeft, imageRow(2));
    ui.ComboBox11 =
        editableCombo(this, "ComboBox11", QRect(kLeftField, imageRow(2), 60, kFieldHeight),
                      {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                       QStringLiteral("3"), QStringLiteral("4")},
                      QStringLiteral("0"), 3);
    ui.CheckBox4 = place<QCheckBox>(this, "CheckBox4", QRect(kLeft, imageRow(3), 300, 24),
                                    QStringLiteral("Größe des Bildes in Pixel angeben"));
    ui.Label40 = rowCaption(this, "Label40", QStringLiteral("Höhe:"), kLeft + 20, imageRow(4));
    ui.Edit23 = field(this, "Edit23", kLeft + 70, imageRow(4), 70);
    ui.Label41 = rowCaption(this, "Label41", QStringLiteral("Breite:"), kLeft + 170, imageRow(4));
    ui.Edit24 = field(this, "Edit24", kLeft + 224, imageRow(4), 70);
    // The picture's position uses the same picker as the text's, under its own caption.
    ui.Label43 = rowCaption(this, "Label43", QStringLiteral("Bildposition"), kRight, kPositionTop);
}

void LinksPage::createSharedControls() {
    Ui& ui = *m_ui;
    ui.picker = placedPicker({{"Image49", "Image50", "Image51"},
                              {"Image54", "Image53", "Image52"},
                              {"RadioButton12", "RadioButton13", "RadioButton14"},
                              "Panel7"},
                             this, QPoint(kRightField, kPositionTop + 1));
    ui.Label4 = rowCaption(this, "Label4", QStringLiteral("Abstand vor Link"), kRight, kSpacingTop);
    ui.ComboBox7 =
        SpacingBox::create(this, "ComboBox7", QRect(kRightField, kSpacingTop, 60, kFieldHeight));
    ui.Label33 = rowCaption(this, "Label33", QStringLiteral("Abstand nach Link"), kRight,
                            kSpacingTop + kRow);
    ui.ComboBox8 = SpacingBox::create(this, "ComboBox8",
                                      QRect(kRightField, kSpacingTop + kRow, 60, kFieldHeight));

    // Until a link mode is chosen only the address, its kind, the target and the mode show.
    setAllVisible(ui.textModeControls() + ui.imageModeControls() + ui.sizeFields() +
                      ui.spacingControls() + QList<QWidget*>{ui.Label9, ui.Label22, ui.Edit3},
                  false);
    ui.picker->setReleasedVisible(false);
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
    connect(ui.Button7, &QPushButton::clicked, this, &LinksPage::Button7Click);
    connect(ui.Image31, &ClickableLabel::clicked, this, &LinksPage::Button7Click);
    connect(ui.Image32, &ClickableLabel::clicked, this, &LinksPage::Button7Click);
    // A double click on the size box starts the font assistant too.
    ui.ComboBox2->lineEdit()->installEventFilter(this);
}

void LinksPage::registerFields() {
    Ui& ui = *m_ui;
    m_services.fields.track(ui.Edit19, ui.Edit3, ui.Edit20, ui.Edit15, ui.Edit17, ui.Edit21,
                            ui.Edit22, ui.Edit23, ui.Edit24);
    using Topic = FieldExplanations::Topic;
    FieldExplanations& explanations = m_services.explanations;
    explanations.attach(Topic::Font, {ui.Label23, ui.Edit15, ui.Image31});
    explanations.attach(Topic::Color, {ui.Label24, ui.Edit17, ui.Image32});
    explanations.attach(Topic::Emphasis, {ui.Label27});
    explanations.attach(Topic::Position, {ui.Label29, ui.Label43});
    explanations.attach(Topic::SpacingBefore, {ui.Label4, ui.ComboBox7});
    explanations.attach(Topic::SpacingAfter, {ui.Label33, ui.ComboBox8});
}

bool LinksPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->ComboBox2->lineEdit() && event->type() == QEvent::MouseButtonDblClick)
        Button7Click();
    return TabPage::eventFilter(watched, event);
}

void LinksPage::emptyForNew(NewVariant /*variant*/) {
    const Ui& ui = *m_ui;
    for (QLineEdit* edit : {ui.Edit3, ui.Edit15, ui.Edit17, ui.Edit19, ui.Edit20, ui.Edit21,
                            ui.Edit22, ui.Edit23, ui.Edit24})
        edit->clear();
}

void LinksPage::Button1Click() {
    const Ui& ui = *m_ui;
    Dialogs& ask = m_services.context.dialogs.ask;
    const std::optional<int> before = SpacingBox::read(*ui.ComboBox7, ask);
    if (!before)
        return;
    const std::optional<int> after = SpacingBox::read(*ui.ComboBox8, ask);
    if (!after)
        return;
    if (ui.RadioButton5->isChecked())
        m_linkTarget = LinksHtml::frameTarget(ui.Edit3->text());
    const LinkAddress link{m_linkPrefix, ui.Edit19->text(), m_linkTarget};
    // Without a chosen mode the link is written as text, with the hidden defaults.
    m_services.context.document.commit(
        ui.RadioButton16->isChecked()
            ? LinksHtml::imageLink(link, ui.imageLink(*before, *after))
            : LinksHtml::textLink(ui.textFormat(*before, *after), link, ui.Edit20->text()));
    m_services.context.notices.PostStatusNotice(QStringLiteral("Link"));
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
    setAllVisible(ui.spacingControls(), true);
    ui.picker->setReleasedVisible(true);
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
    chooseBareName(m_services.context.dialogs.OpenPictureDialog1, *m_ui->Edit22);
}

void LinksPage::CheckBox4Click() {
    setAllVisible(m_ui->sizeFields(), m_ui->CheckBox4->isChecked());
}

void LinksPage::Button7Click() {
    const Ui& ui = *m_ui;
    Assistants::runFontAssistant(m_services.context.dialogs.FontDialog1,
                                 {ui.Edit15, ui.ComboBox2, ui.CheckBox8, ui.CheckBox9,
                                  ui.CheckBox10, ui.CheckBox12, ui.Edit17});
}
