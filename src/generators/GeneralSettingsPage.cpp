#include "generators/GeneralSettingsPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/Navigation.h"
#include "context/PageContext.h"
#include "generators/Assistants.h"
#include "generators/FileChooser.h"
#include "generators/GeneralSettingsHtml.h"
#include "platform/BareFileName.h"
#include "platform/DialogObjects.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/ClickableLabel.h"
#include "ui/FieldText.h"
#include "ui/Place.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Controls;

namespace {

constexpr int kRowHeight = 24;
constexpr int kPictureSize = 24;

// Unchecks a group of radio buttons, which leaves none of them checked.
void uncheckAll(std::initializer_list<QRadioButton*> buttons) {
    for (QRadioButton* button : buttons) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void setShown(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* widget : widgets)
        widget->setVisible(visible);
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title, const QRect& geometry) {
    QGroupBox* box = place<QGroupBox>(parent, name, geometry);
    box->setTitle(title);
    return box;
}

} // namespace

struct GeneralSettingsPage::Ui {
    QLineEdit* Edit1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    ClickableLabel* Image33 = nullptr;
    QPushButton* Button10 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    ClickableLabel* Image5 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QCheckBox* CheckBox15 = nullptr;
    QLabel* Label63 = nullptr;
    QComboBox* ComboBox14 = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* RadioButton25 = nullptr;
    QRadioButton* RadioButton26 = nullptr;
    QLabel* Label62 = nullptr;
    QLabel* Label64 = nullptr;
    QLineEdit* Edit33 = nullptr;
    ClickableLabel* Image68 = nullptr;
    QCheckBox* CheckBox16 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QCheckBox* CheckBox17 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QCheckBox* CheckBox18 = nullptr;
    QLineEdit* Edit35 = nullptr;
    ClickableLabel* Image67 = nullptr;
    QPushButton* Button2 = nullptr;
};

GeneralSettingsPage::GeneralSettingsPage(PageServices& services)
    : TabPage("TabSheet1", services), m_ui(std::make_unique<Ui>()) {
    caption(this, "TitleCaption", QStringLiteral("Titel der Seite:"), 20, 18);
    m_ui->Edit1 = place<QLineEdit>(this, "Edit1", QRect(170, 14, 360, kRowHeight));
    createBackgroundGroup();
    createRedirectGroup();
    createHeadGroup();
    m_ui->Button2 = place<QPushButton>(this, "Button2", QRect(572, 430, 220, 32),
                                       QStringLiteral("Zum Quelltext hinzufügen"));
    connectCommands();

    m_services.fields.track(m_ui->Edit1, m_ui->Edit2, m_ui->Edit4, m_ui->Edit10, m_ui->Edit33,
                            m_ui->Edit35, m_ui->Memo3);
    m_services.explanations.attach(FieldExplanations::Topic::Title, {m_ui->Edit1});
    // Disabled buttons keep a press to themselves, so every control reports it here first,
    // before the field tracking and the explanations see it.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

GeneralSettingsPage::~GeneralSettingsPage() = default;

void GeneralSettingsPage::createBackgroundGroup() {
    QGroupBox* box =
        group(this, "BackgroundGroup", QStringLiteral("Hintergrund"), QRect(8, 50, 784, 94));
    m_ui->RadioButton1 = place<QRadioButton>(box, "RadioButton1", QRect(12, 26, 150, 20),
                                             QStringLiteral("Hintergrundfarbe:"));
    m_ui->RadioButton1->setChecked(true);
    m_ui->Edit2 = place<QLineEdit>(box, "Edit2", QRect(162, 24, 240, kRowHeight));
    m_ui->Image33 = assistantPicture(box, "Image33", QRect(408, 24, kPictureSize, kPictureSize),
                                     AssistantPicture::Color);
    m_ui->Button10 = place<QPushButton>(box, "Button10", QRect(440, 22, 150, 28),
                                        QStringLiteral("Farbenassistent"));
    m_ui->RadioButton2 = place<QRadioButton>(box, "RadioButton2", QRect(12, 60, 150, 20),
                                             QStringLiteral("Hintergrundbild:"));
    m_ui->Edit4 = place<QLineEdit>(box, "Edit4", QRect(162, 58, 240, kRowHeight));
    m_ui->Image5 =
        picture(box, "Image5", QRect(408, 58, kPictureSize, kPictureSize),
                QStringLiteral("folder.png"), QStringLiteral("Hintergrundbild auswählen"));
    setShown({m_ui->Edit4, m_ui->Image5}, false);
}

void GeneralSettingsPage::createRedirectGroup() {
    QGroupBox* box =
        group(this, "RedirectGroup", QStringLiteral("Weiterleitung"), QRect(8, 152, 784, 140));
    m_ui->CheckBox15 = place<QCheckBox>(box, "CheckBox15", QRect(12, 24, 300, 20),
                                        QStringLiteral("Weiterleitung einbauen"));
    m_ui->Label63 = caption(
        box, "Label63",
        QStringLiteral("Sekunden, die die Seite vor Weiterleitung angezeigt werden soll:"), 32, 56);
    const int secondsX = m_ui->Label63->geometry().right() + 10;
    m_ui->ComboBox14 = editableCombo(box, "ComboBox14", QRect(secondsX, 52, 60, kRowHeight),
                                     {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                      QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8"),
                                      QStringLiteral("10"), QStringLiteral("12"),
                                      QStringLiteral("14"), QStringLiteral("16")},
                                     QStringLiteral("4"));
    m_ui->Label1 = caption(box, "Label1", QStringLiteral("Sekunden"), secondsX + 68, 56);
    m_ui->RadioButton25 = place<QRadioButton>(box, "RadioButton25", QRect(32, 84, 130, 20),
                                              QStringLiteral("lokaler Link"));
    m_ui->RadioButton26 = place<QRadioButton>(box, "RadioButton26", QRect(170, 84, 130, 20),
                                              QStringLiteral("externer Link"));
    m_ui->Label62 =
        caption(box, "Label62", QStringLiteral("Seite, zu der weitergeleitet wird:"), 32, 114);
    const int targetX = m_ui->Label62->geometry().right() + 10;
    m_ui->Label64 = caption(box, "Label64", QStringLiteral("http://"), targetX, 114);
    const int editX = targetX + m_ui->Label64->width() + 4;
    m_ui->Edit33 = place<QLineEdit>(box, "Edit33", QRect(editX, 110, 280, kRowHeight));
    m_ui->Image68 = picture(box, "Image68", QRect(editX + 286, 110, kPictureSize, kPictureSize),
                            QStringLiteral("folder.png"), QStringLiteral("Seite auswählen"));
    setShown({m_ui->Label63, m_ui->ComboBox14, m_ui->Label1, m_ui->RadioButton25,
              m_ui->RadioButton26, m_ui->Label62, m_ui->Label64, m_ui->Edit33, m_ui->Image68},
             false);
}

void GeneralSettingsPage::createHeadGroup() {
    QGroupBox* box = group(this, "HeadGroup", QStringLiteral("Angaben im Kopf der Seite"),
                           QRect(8, 300, 784, 122));
    m_ui->CheckBox16 =
        place<QCheckBox>(box, "CheckBox16", QRect(12, 24, 400, 20),
                         QStringLiteral("Suchbegriffe für Suchmaschinen (z.B. Google) einbauen:"));
    m_ui->Memo3 = place<QPlainTextEdit>(box, "Memo3", QRect(420, 20, 352, 44));
    m_ui->Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ui->CheckBox17 = place<QCheckBox>(box, "CheckBox17", QRect(12, 72, 400, 20),
                                        QStringLiteral("Autor in Quelltext einbauen"));
    m_ui->Edit10 = place<QLineEdit>(box, "Edit10", QRect(420, 70, 280, kRowHeight));
    m_ui->CheckBox18 = place<QCheckBox>(box, "CheckBox18", QRect(12, 96, 400, 20),
                                        QStringLiteral("Icon in Adresszeile einbauen"));
    m_ui->Edit35 = place<QLineEdit>(box, "Edit35", QRect(420, 94, 280, kRowHeight));
    m_ui->Image67 = picture(box, "Image67", QRect(706, 94, kPictureSize, kPictureSize),
                            QStringLiteral("folder.png"), QStringLiteral("Icon auswählen"));
    setShown({m_ui->Memo3, m_ui->Edit10, m_ui->Edit35, m_ui->Image67}, false);
}

void GeneralSettingsPage::connectCommands() {
    // A radio button reacts when it becomes checked, not to a click on it while it is.
    const auto onChecked = [this](QRadioButton* button, void (GeneralSettingsPage::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    onChecked(m_ui->RadioButton1, &GeneralSettingsPage::RadioButton1Click);
    onChecked(m_ui->RadioButton2, &GeneralSettingsPage::RadioButton2Click);
    onChecked(m_ui->RadioButton25, &GeneralSettingsPage::RadioButton25Click);
    onChecked(m_ui->RadioButton26, &GeneralSettingsPage::RadioButton26Click);

    connect(m_ui->Button2, &QPushButton::clicked, this, &GeneralSettingsPage::Button2Click);
    // Locked once the document start is written, until "Neu" begins a page again.
    connect(&m_services.context.state, &PageState::generalSettingsDoneChanged, this,
            [this](bool done) { setEnabled(!done); });
    connect(m_ui->Image5, &ClickableLabel::clicked, this, &GeneralSettingsPage::Image5Click);
    connect(m_ui->Image68, &ClickableLabel::clicked, this, &GeneralSettingsPage::Image68Click);
    connect(m_ui->Image67, &ClickableLabel::clicked, this, &GeneralSettingsPage::Image67Click);
    connect(m_ui->CheckBox15, &QCheckBox::clicked, this, &GeneralSettingsPage::CheckBox15Click);
    connect(m_ui->CheckBox16, &QCheckBox::clicked, this, &GeneralSettingsPage::CheckBox16Click);
    connect(m_ui->CheckBox17, &QCheckBox::clicked, this, &GeneralSettingsPage::CheckBox17Click);
    connect(m_ui->CheckBox18, &QCheckBox::clicked, this, &GeneralSettingsPage::CheckBox18Click);
    connect(m_ui->Button10, &QPushButton::clicked, this, &GeneralSettingsPage::Button10Click);
    connect(m_ui->Image33, &ClickableLabel::clicked, this, &GeneralSettingsPage::Button10Click);
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, &GeneralSettingsPage::Edit1Change);
}

DocumentStart GeneralSettingsPage::readDocumentStart() const {
    DocumentStart start;
    start.title = m_ui->Edit1->text();
    start.pictureMode = m_ui->RadioButton2->isChecked();
    start.backgroundColor = m_ui->Edit2->text();
    start.backgroundPicture = m_ui->Edit4->text();
    if (m_ui->CheckBox15->isChecked()) {
        if (m_ui->RadioButton25->isChecked())
            start.redirect = RedirectKind::Local;
        else if (m_ui->RadioButton26->isChecked())
            start.redirect = RedirectKind::External;
    }
    start.redirectSeconds = m_ui->ComboBox14->currentText();
    start.redirectTarget = m_ui->Edit33->text();
    start.withKeywords = m_ui->CheckBox16->isChecked();
    start.keywords = FieldText(*m_ui->Memo3);
    start.withAuthor = m_ui->CheckBox17->isChecked();
    start.author = m_ui->Edit10->text();
    start.withIcon = m_ui->CheckBox18->isChecked();
    start.icon = m_ui->Edit35->text();
    return start;
}

void GeneralSettingsPage::Button2Click() {
    if (m_ui->CheckBox15->isChecked() && m_ui->Edit33->text().isEmpty()) {
        // The page stays open so that the target can be entered.
        m_services.context.document.RemoveClosingTail();
        m_services.navigation.showMessage(Message::Error409);
        return;
    }
    m_services.context.document.commit(GeneralSettingsHtml::documentStart(readDocumentStart()));
    m_services.context.notices.PostStatusNotice(QStringLiteral("Allgemeine Einstellung"));
    m_services.context.state.setGeneralSettingsDone(true);
}

void GeneralSettingsPage::RadioButton1Click() {
    if (!m_ui->RadioButton1->isChecked())
        return;
    m_ui->Edit4->clear();
    setShown({m_ui->Button10, m_ui->Edit2, m_ui->Image33}, true);
    setShown({m_ui->Image5, m_ui->Edit4}, false);
    // From now on the picture name comes from the chooser only.
    m_ui->Edit4->setEnabled(false);
}

void GeneralSettingsPage::RadioButton2Click() {
    if (!m_ui->RadioButton2->isChecked())
        return;
    m_ui->Edit2->clear();
    setShown({m_ui->Button10, m_ui->Edit2, m_ui->Image33}, false);
    setShown({m_ui->Image5, m_ui->Edit4}, true);
}

void GeneralSettingsPage::Image5Click() {
    chooseBareName(m_services.context.dialogs.OpenPictureDialog1, *m_ui->Edit4);
}

void GeneralSettingsPage::Image68Click() {
    chooseBareName(m_services.context.dialogs.OpenDialog1, *m_ui->Edit33);
}

void GeneralSettingsPage::Image67Click() {
    chooseBareName(m_services.context.dialogs.OpenPictureDialog2, *m_ui->Edit35);
}

void GeneralSettingsPage::CheckBox15Click() {
    const bool checked = m_ui->CheckBox15->isChecked();
    if (checked)
        uncheckAll({m_ui->RadioButton25, m_ui->RadioButton26});
    else
        setShown({m_ui->Edit33, m_ui->Label64, m_ui->Image68}, false);
    // The target field and its helpers appear once a kind of target is chosen.
    setShown({m_ui->Label63, m_ui->ComboBox14, m_ui->Label1, m_ui->Label62, m_ui->RadioButton25,
              m_ui->RadioButton26},
             checked);
}

void GeneralSettingsPage::RadioButton25Click() {
    if (!m_ui->RadioButton25->isChecked())
        return;
    setShown({m_ui->Edit33, m_ui->Image68}, true);
    m_ui->Label64->hide();
}

void GeneralSettingsPage::RadioButton26Click() {
    if (!m_ui->RadioButton26->isChecked())
        return;
    setShown({m_ui->Edit33, m_ui->Label64}, true);
    m_ui->Image68->hide();
}

void GeneralSettingsPage::CheckBox16Click() {
    m_ui->Memo3->setVisible(m_ui->CheckBox16->isChecked());
}

void GeneralSettingsPage::CheckBox17Click() {
    m_ui->Edit10->setVisible(m_ui->CheckBox17->isChecked());
}

void GeneralSettingsPage::CheckBox18Click() {
    setShown({m_ui->Edit35, m_ui->Image67}, m_ui->CheckBox18->isChecked());
}

void GeneralSettingsPage::Button10Click() {
    Assistants::runColorAssistant(m_services.context.dialogs.ColorDialog1, *m_ui->Edit2);
}

void GeneralSettingsPage::Edit1Change() {
    m_services.context.dialogs.SaveDialog1.setFileName(ProposedFileName(m_ui->Edit1->text()));
}

void GeneralSettingsPage::emptyForNew(NewVariant variant) {
    m_ui->Edit1->clear();
    // Emptying the title counts as a change even when it was empty already.
    Edit1Change();
    m_ui->Edit2->clear();
    m_ui->Edit4->clear();
    if (variant == NewVariant::Toolbar)
        return;
    m_ui->Edit10->clear();
    m_ui->Edit33->clear();
    m_ui->Edit35->clear();
    m_ui->Memo3->clear();
}

bool GeneralSettingsPage::event(QEvent* event) {
    if (lockedPress(event))
        return true;
    return TabPage::event(event);
}

bool GeneralSettingsPage::eventFilter(QObject* watched, QEvent* event) {
    if (lockedPress(event))
        return true;
    // A click into the title proposes the save name as a change of it does.
    if (watched == m_ui->Edit1 && event->type() == QEvent::MouseButtonPress)
        Edit1Change();
    return TabPage::eventFilter(watched, event);
}

bool GeneralSettingsPage::lockedPress(const QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (!press || isEnabled())
        return false;
    m_services.navigation.showMessage(Message::Error305);
    return true;
}
