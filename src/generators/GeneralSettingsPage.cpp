#include "generators/GeneralSettingsPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/Navigation.h"
#include "context/PageContext.h"
#include "core/generators/GeneralSettingsHtml.h"
#include "core/platform/BareFileName.h"
#include "core/source/PageSource.h"
#include "core/source/PageStart.h"
#include "core/source/StatusNotices.h"
#include "generators/Assistants.h"
#include "generators/FileChooser.h"
#include "generators/PageParts.h"
#include "platform/DialogObjects.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/FileDrops.h"
#include "ui/Layout.h"
#include "ui/PageKindBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QtMath>

using namespace Controls;
using PageParts::addRow;

namespace {

// Unchecks a group of radio buttons, which leaves none of them checked.
void uncheckAll(std::initializer_list<QRadioButton*> buttons) {
    for (QRadioButton* button : buttons) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

} // namespace

struct GeneralSettingsPage::Ui {
    // Every setting, which the lock holds; the buttons stand below it.
    QWidget* Fields = nullptr;
    QLineEdit* Edit1 = nullptr;
    PageKindBox* PageKind = nullptr;
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
    QPushButton* Button45 = nullptr;
    QPushButton* Button2 = nullptr;
};

GeneralSettingsPage::GeneralSettingsPage(PageServices& services)
    : TabPage("TabSheet1", services), m_ui(std::make_unique<Ui>()) {
    QVBoxLayout* pageColumn = Layout::column(content());
    QWidget* area = m_ui->Fields = named<QWidget>(content(), "SettingsFields");
    QVBoxLayout* column = Layout::nestedColumn();
    area->setLayout(column);
    QGridLayout* title = Layout::nestedGrid();
    m_ui->Edit1 = named<QLineEdit>(area, "Edit1");
    addRow(*title, 0, caption(area, "TitleCaption", QStringLiteral("Titel der Seite:")),
           {m_ui->Edit1});
    m_ui->PageKind = new PageKindBox(area, "PageKind");
    QLabel* kindCaption = caption(area, "Label73", QStringLiteral("Seitenart:"));
    kindCaption->setBuddy(m_ui->PageKind);
    addRow(*title, 1, kindCaption, {m_ui->PageKind})->addStretch(1);
    column->addLayout(title);
    createBackgroundGroup(*column);
    createRedirectGroup(*column);
    createHeadGroup(*column);
    pageColumn->addWidget(area);
    m_ui->Button45 =
        named<QPushButton>(content(), "Button45", QStringLiteral("Einstellungen ändern"));
    m_ui->Button2 =
        named<QPushButton>(content(), "Button2", QStringLiteral("Zum Quelltext hinzufügen"));
    Layout::addButtonAtBottom(*pageColumn, m_ui->Button2)->insertWidget(1, m_ui->Button45);
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

void GeneralSettingsPage::createBackgroundGroup(QBoxLayout& column) {
    QWidget* page = m_ui->Fields;
    QGridLayout* grid =
        PageParts::addGroup(column, page, "BackgroundGroup", QStringLiteral("Hintergrund"));
    m_ui->RadioButton1 =
        named<QRadioButton>(page, "RadioButton1", QStringLiteral("Hintergrundfarbe (Englisch):"));
    m_ui->RadioButton1->setChecked(true);
    m_ui->Edit2 = named<QLineEdit>(page, "Edit2");
    m_ui->Image33 = assistantPicture(page, "Image33", AssistantPicture::Color);
    m_ui->Button10 = named<QPushButton>(page, "Button10", QStringLiteral("Farbenassistent"));
    addRow(*grid, 0, m_ui->RadioButton1, {m_ui->Edit2, m_ui->Image33, m_ui->Button10})
        ->addStretch(1);
    m_ui->RadioButton2 =
        named<QRadioButton>(page, "RadioButton2", QStringLiteral("Hintergrundbild:"));
    m_ui->Edit4 = named<QLineEdit>(page, "Edit4");
    m_ui->Image5 = picture(page, "Image5", QStringLiteral("folder.png"),
                           QStringLiteral("Hintergrundbild auswählen"));
    addRow(*grid, 1, m_ui->RadioButton2, {m_ui->Edit4, m_ui->Image5})->addStretch(1);
    PageParts::keepRoomWhenHidden(
        {m_ui->Edit2, m_ui->Image33, m_ui->Button10, m_ui->Edit4, m_ui->Image5});
    setAllVisible({m_ui->Edit4, m_ui->Image5}, false);
}

void GeneralSettingsPage::createRedirectGroup(QBoxLayout& column) {
    QWidget* page = m_ui->Fields;
    QGridLayout* grid =
        PageParts::addGroup(column, page, "RedirectGroup", QStringLiteral("Weiterleitung"));
    m_ui->CheckBox15 =
        named<QCheckBox>(page, "CheckBox15", QStringLiteral("Weiterleitung einbauen"));
    grid->addWidget(m_ui->CheckBox15, 0, 0);
    QGridLayout* details = PageParts::indentedUnder(*m_ui->CheckBox15);
    grid->addLayout(details, 1, 0);

    m_ui->Label63 =
        caption(page, "Label63",
                QStringLiteral("Sekunden, die die Seite vor Weiterleitung angezeigt werden soll:"));
    m_ui->ComboBox14 = editableCombo(page, "ComboBox14",
                                     {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                      QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8"),
                                      QStringLiteral("10"), QStringLiteral("12"),
                                      QStringLiteral("14"), QStringLiteral("16")},
                                     QStringLiteral("4"));
    Layout::showWhole(m_ui->ComboBox14);
    m_ui->Label1 = caption(page, "Label1", QStringLiteral("Sekunden"));
    addRow(*details, 0, m_ui->Label63, {m_ui->ComboBox14, m_ui->Label1})->addStretch(1);

    m_ui->RadioButton25 =
        named<QRadioButton>(page, "RadioButton25", QStringLiteral("lokaler Link"));
    m_ui->RadioButton26 =
        named<QRadioButton>(page, "RadioButton26", QStringLiteral("externer Link"));
    QHBoxLayout* kinds = Layout::nestedRow();
    kinds->addWidget(m_ui->RadioButton25);
    kinds->addWidget(m_ui->RadioButton26);
    kinds->addStretch(1);
    details->addLayout(kinds, 1, 0, 1, 2);

    m_ui->Label62 = caption(page, "Label62", QStringLiteral("Seite, zu der weitergeleitet wird:"));
    m_ui->Label64 = caption(page, "Label64", QStringLiteral("http://"));
    m_ui->Edit33 = named<QLineEdit>(page, "Edit33");
    m_ui->Image68 =
        picture(page, "Image68", QStringLiteral("folder.png"), QStringLiteral("Seite auswählen"));
    addRow(*details, 2, m_ui->Label62, {m_ui->Label64, m_ui->Edit33, m_ui->Image68})
        ->setStretch(1, 1);
    details->setColumnStretch(1, 1);
    PageParts::keepRoomWhenHidden({m_ui->Label63, m_ui->ComboBox14, m_ui->Label1,
                                   m_ui->RadioButton25, m_ui->RadioButton26, m_ui->Label62,
                                   m_ui->Label64, m_ui->Edit33, m_ui->Image68});
    setAllVisible({m_ui->Label63, m_ui->ComboBox14, m_ui->Label1, m_ui->RadioButton25,
                   m_ui->RadioButton26, m_ui->Label62, m_ui->Label64, m_ui->Edit33, m_ui->Image68},
                  false);
}

void GeneralSettingsPage::createHeadGroup(QBoxLayout& column) {
    QWidget* page = m_ui->Fields;
    QGridLayout* grid =
        PageParts::addGroup(column, page, "HeadGroup", QStringLiteral("Angaben im Kopf der Seite"));
    m_ui->CheckBox16 =
        named<QCheckBox>(page, "CheckBox16",
                         QStringLiteral("Suchbegriffe für Suchmaschinen (z.B. Google) einbauen:"));
    m_ui->Memo3 = named<QPlainTextEdit>(page, "Memo3");
    m_ui->Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Room for three lines of search words.
    m_ui->Memo3->setMaximumHeight(3 * m_ui->Memo3->fontMetrics().lineSpacing() +
                                  2 * m_ui->Memo3->frameWidth() +
                                  2 * qCeil(m_ui->Memo3->document()->documentMargin()));
    addRow(*grid, 0, m_ui->CheckBox16, {m_ui->Memo3});
    m_ui->CheckBox17 =
        named<QCheckBox>(page, "CheckBox17", QStringLiteral("Autor in Quelltext einbauen"));
    m_ui->Edit10 = named<QLineEdit>(page, "Edit10");
    addRow(*grid, 1, m_ui->CheckBox17, {m_ui->Edit10});
    m_ui->CheckBox18 =
        named<QCheckBox>(page, "CheckBox18", QStringLiteral("Icon in Adresszeile einbauen"));
    m_ui->Edit35 = named<QLineEdit>(page, "Edit35");
    m_ui->Image67 =
        picture(page, "Image67", QStringLiteral("folder.png"), QStringLiteral("Icon auswählen"));
    addRow(*grid, 2, m_ui->CheckBox18, {m_ui->Edit35, m_ui->Image67});
    grid->setColumnStretch(1, 1);
    PageParts::keepRoomWhenHidden({m_ui->Memo3, m_ui->Edit10, m_ui->Edit35, m_ui->Image67});
    setAllVisible({m_ui->Memo3, m_ui->Edit10, m_ui->Edit35, m_ui->Image67}, false);
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
    connect(m_ui->Button45, &QPushButton::clicked, this, &GeneralSettingsPage::Button45Click);
    // Locked once the document start is written, until "Neu" begins a page again; open while
    // they are changed.
    PageState& state = m_services.context.state;
    showLock();
    connect(&state, &PageState::generalSettingsDoneChanged, this, &GeneralSettingsPage::showLock);
    connect(&state, &PageState::changingSettingsChanged, this, [this](bool changing) {
        // A change ended, written or not: the settings show the page's own again.
        if (!changing && m_services.context.state.generalSettingsDone())
            showPageSettings();
        showLock();
    });
    // The page takes the kind picked here; an opened page shows its own.
    m_ui->PageKind->showKind(state.kind());
    connect(m_ui->PageKind, &PageKindBox::chosen, &state, &PageState::setKind);
    connect(&state, &PageState::kindChanged, m_ui->PageKind, &PageKindBox::showKind);
    connect(m_ui->Image5, &ClickableLabel::clicked, this, &GeneralSettingsPage::Image5Click);
    // A background picture or an icon dropped on its field is taken as if chosen.
    SharedDialogs& dialogs = m_services.context.dialogs;
    m_services.drops.takePictures(*m_ui->Edit4, *m_ui->Edit4, dialogs.OpenPictureDialog1,
                                  m_services.context.pictures);
    m_services.drops.takePictures(*m_ui->Edit35, *m_ui->Edit35, dialogs.OpenPictureDialog2,
                                  m_services.context.pictures);
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
    PageContext& context = m_services.context;
    // Settings changed later take the place of the start written before.
    const bool rewrite = context.state.generalSettingsDone();
    if (m_ui->CheckBox15->isChecked() && m_ui->Edit33->text().isEmpty()) {
        // The page stays open so that the target can be entered.
        if (!rewrite)
            context.document.RemoveClosingTail();
        m_services.navigation.showMessage(Message::Error409);
        return;
    }
    const DocumentStart start = readDocumentStart();
    const bool modern = context.state.kind() == PageKind::Modern;
    if (modern && start.redirect != RedirectKind::None &&
        !GeneralSettingsHtml::isRefreshDelay(start.redirectSeconds)) {
        context.notices.PostStatusMessage(QStringLiteral(
            "Die Wartezeit muss eine ganze Zahl von Sekunden sein (zum Beispiel 4 oder 0)."));
        return;
    }
    const QStringList lines = modern ? GeneralSettingsHtml::modernDocumentStart(start)
                                     : GeneralSettingsHtml::documentStart(start);
    const QString name = QStringLiteral("Allgemeine Einstellung");
    if (!(rewrite ? rewriteStart(lines, name) : context.addElement(lines, name)))
        return;
    context.state.setGeneralSettingsDone(true);
}

bool GeneralSettingsPage::rewriteStart(const QStringList& lines, const QString& name) {
    PageContext& context = m_services.context;
    const PageStart::Replacement edit =
        PageStart(context.document.lines(), context.state.kind()).replacedBy(lines);
    if (!context.document.replace(edit.first, edit.count, edit.texts))
        return false;
    context.notices.PostStatusNotice(name);
    return true;
}

void GeneralSettingsPage::Button45Click() {
    // What the page holds now, also after changes typed into its source.
    showPageSettings();
    m_services.context.state.setChangingSettings(true);
}

void GeneralSettingsPage::showOpenedPage() {
    if (m_services.context.state.generalSettingsDone())
        showPageSettings();
}

void GeneralSettingsPage::showPageSettings() {
    const PageContext& context = m_services.context;
    showDocumentStart(PageStart(context.document.lines(), context.state.kind()).settings());
}

void GeneralSettingsPage::showDocumentStart(const DocumentStart& start) {
    // The modes first: switching one empties or hides the fields that belong to the other.
    (start.pictureMode ? m_ui->RadioButton2 : m_ui->RadioButton1)->setChecked(true);
    const bool redirect = start.redirect != RedirectKind::None;
    m_ui->CheckBox15->setChecked(redirect);
    CheckBox15Click();
    if (redirect)
        (start.redirect == RedirectKind::Local ? m_ui->RadioButton25 : m_ui->RadioButton26)
            ->setChecked(true);
    m_ui->CheckBox16->setChecked(start.withKeywords);
    CheckBox16Click();
    m_ui->CheckBox17->setChecked(start.withAuthor);
    CheckBox17Click();
    m_ui->CheckBox18->setChecked(start.withIcon);
    CheckBox18Click();

    // The program fills the fields: no save name is proposed, no field becomes the current
    // one. The fields of an entry the page lacks keep their text, as when its box is unchecked.
    const QSignalBlocker quiet[] = {QSignalBlocker(m_ui->Edit1),  QSignalBlocker(m_ui->Edit2),
                                    QSignalBlocker(m_ui->Edit4),  QSignalBlocker(m_ui->Edit10),
                                    QSignalBlocker(m_ui->Edit33), QSignalBlocker(m_ui->Edit35),
                                    QSignalBlocker(m_ui->Memo3),  QSignalBlocker(m_ui->ComboBox14)};
    m_ui->Edit1->setText(start.title);
    m_ui->Edit2->setText(start.backgroundColor);
    m_ui->Edit4->setText(start.backgroundPicture);
    if (redirect) {
        m_ui->ComboBox14->setEditText(start.redirectSeconds);
        m_ui->Edit33->setText(start.redirectTarget);
    }
    if (start.withKeywords)
        m_ui->Memo3->setPlainText(start.keywords);
    if (start.withAuthor)
        m_ui->Edit10->setText(start.author);
    if (start.withIcon)
        m_ui->Edit35->setText(start.icon);
}

void GeneralSettingsPage::showLock() {
    const PageState& state = m_services.context.state;
    const bool locked = state.generalSettingsLocked();
    m_ui->Fields->setEnabled(!locked);
    m_ui->Button2->setEnabled(!locked);
    // A written page keeps its kind, also while its settings change.
    m_ui->PageKind->setEnabled(!state.generalSettingsDone());
    m_ui->Button45->setVisible(state.generalSettingsDone());
    m_ui->Button45->setEnabled(locked);
}

void GeneralSettingsPage::RadioButton1Click() {
    if (!m_ui->RadioButton1->isChecked())
        return;
    m_ui->Edit4->clear();
    setAllVisible({m_ui->Button10, m_ui->Edit2, m_ui->Image33}, true);
    setAllVisible({m_ui->Image5, m_ui->Edit4}, false);
    // From now on the picture name comes from the chooser only.
    m_ui->Edit4->setEnabled(false);
}

void GeneralSettingsPage::RadioButton2Click() {
    if (!m_ui->RadioButton2->isChecked())
        return;
    m_ui->Edit2->clear();
    setAllVisible({m_ui->Button10, m_ui->Edit2, m_ui->Image33}, false);
    setAllVisible({m_ui->Image5, m_ui->Edit4}, true);
}

void GeneralSettingsPage::Image5Click() {
    choosePicture(m_services.context.dialogs.OpenPictureDialog1, *m_ui->Edit4,
                  m_services.context.pictures);
}

void GeneralSettingsPage::Image68Click() {
    chooseBareName(m_services.context.dialogs.OpenDialog1, *m_ui->Edit33);
}

void GeneralSettingsPage::Image67Click() {
    choosePicture(m_services.context.dialogs.OpenPictureDialog2, *m_ui->Edit35,
                  m_services.context.pictures);
}

void GeneralSettingsPage::CheckBox15Click() {
    const bool checked = m_ui->CheckBox15->isChecked();
    if (checked)
        uncheckAll({m_ui->RadioButton25, m_ui->RadioButton26});
    else
        setAllVisible({m_ui->Edit33, m_ui->Label64, m_ui->Image68}, false);
    // The target field and its helpers appear once a kind of target is chosen.
    setAllVisible({m_ui->Label63, m_ui->ComboBox14, m_ui->Label1, m_ui->Label62,
                   m_ui->RadioButton25, m_ui->RadioButton26},
                  checked);
}

void GeneralSettingsPage::RadioButton25Click() {
    if (!m_ui->RadioButton25->isChecked())
        return;
    setAllVisible({m_ui->Edit33, m_ui->Image68}, true);
    m_ui->Label64->hide();
}

void GeneralSettingsPage::RadioButton26Click() {
    if (!m_ui->RadioButton26->isChecked())
        return;
    setAllVisible({m_ui->Edit33, m_ui->Label64}, true);
    m_ui->Image68->hide();
}

void GeneralSettingsPage::CheckBox16Click() {
    m_ui->Memo3->setVisible(m_ui->CheckBox16->isChecked());
}

void GeneralSettingsPage::CheckBox17Click() {
    m_ui->Edit10->setVisible(m_ui->CheckBox17->isChecked());
}

void GeneralSettingsPage::CheckBox18Click() {
    setAllVisible({m_ui->Edit35, m_ui->Image67}, m_ui->CheckBox18->isChecked());
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
    if (lockedPress(this, event))
        return true;
    return TabPage::event(event);
}

bool GeneralSettingsPage::eventFilter(QObject* watched, QEvent* event) {
    if (lockedPress(watched, event))
        return true;
    // A click into the title proposes the save name as a change of it does.
    if (watched == m_ui->Edit1 && event->type() == QEvent::MouseButtonPress)
        Edit1Change();
    return TabPage::eventFilter(watched, event);
}

bool GeneralSettingsPage::lockedPress(const QObject* target, const QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    // "Einstellungen ändern" is the way out of the lock.
    if (!press || target == m_ui->Button45 || !m_services.context.state.generalSettingsLocked())
        return false;
    m_services.navigation.showMessage(Message::Error305);
    return true;
}
