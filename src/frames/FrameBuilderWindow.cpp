#include "frames/FrameBuilderWindow.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/EditCommands.h"
#include "context/PageContext.h"
#include "core/context/PageKindSetting.h"
#include "core/frames/FramesetHtml.h"
#include "core/platform/PageFile.h"
#include "frames/LayoutPanel.h"
#include "generators/FileChooser.h"
#include "platform/DialogObjects.h"
#include "ui/BringToFront.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"
#include "ui/PageKindBox.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

using namespace Controls;

namespace {

// The chooser picture of each layout, in the order of the panels.
struct ChooserPicture {
    const char* name;
    const char* artwork;
    const char* layout; // what the picture chooses
    int column;
    int row;
};
constexpr ChooserPicture kChooser[] = {
    {.name = "Image5",
     .artwork = "frames1_small.jpg",
     .layout = "Zwei Spalten",
     .column = 0,
     .row = 0},
    {.name = "Image1",
     .artwork = "frames2_small.jpg",
     .layout = "Streifen oben, darunter zwei Spalten",
     .column = 0,
     .row = 1},
    {.name = "Image4",
     .artwork = "frames3_small.jpg",
     .layout = "Streifen oben, zwei Spalten, Streifen unten",
     .column = 1,
     .row = 0},
    {.name = "Image2",
     .artwork = "frames4_small.jpg",
     .layout = "Streifen oben, drei Spalten, Streifen unten",
     .column = 1,
     .row = 1},
};

const QList<LayoutPanel::Names>& panelNames() {
    using F = LayoutPanel::FrameNames;
    static const QList<LayoutPanel::Names> kPanels = {
        {.layout = FrameLayout::TwoColumns,
         .panel = "Panel1",
         .diagram = "Image3",
         .diagramArtwork = "frames1_large.jpg",
         .title = "Edit7",
         .border = "Edit8",
         .button = "Button1",
         .workList = "Memo1",
         .frames = {F{.frame = Frame::A,
                      .name = "Edit1",
                      .page = "Edit3",
                      .picker = "Image6",
                      .size = "Edit5"},
                    F{.frame = Frame::B,
                      .name = "Edit2",
                      .page = "Edit4",
                      .picker = "Image7",
                      .size = "Edit6"}}},
        {.layout = FrameLayout::TopTwoColumns,
         .panel = "Panel2",
         .diagram = "Image8",
         .diagramArtwork = "frames2_large.jpg",
         .title = "Edit15",
         .border = "Edit16",
         .button = "Button2",
         .workList = "Memo2",
         .frames = {F{.frame = Frame::A,
                      .name = "Edit9",
                      .page = "Edit11",
                      .picker = "Image9",
                      .size = "Edit13"},
                    F{.frame = Frame::B,
                      .name = "Edit10",
                      .page = "Edit12",
                      .picker = "Image10",
                      .size = "Edit14"},
                    F{.frame = Frame::C,
                      .name = "Edit17",
                      .page = "Edit18",
                      .picker = "Image11",
                      .size = "Edit19"}}},
        {.layout = FrameLayout::TopTwoColumnsBottom,
         .panel = "Panel3",
         .diagram = "Image12",
         .diagramArtwork = "frames3_large.jpg",
         .title = "Edit26",
         .border = "Edit27",
         .button = "Button3",
         .workList = "Memo3",
         .frames = {F{.frame = Frame::A,
                      .name = "Edit20",
                      .page = "Edit22",
                      .picker = "Image13",
                      .size = "Edit24"},
                    F{.frame = Frame::B,
                      .name = "Edit21",
                      .page = "Edit23",
                      .picker = "Image14",
                      .size = "Edit25"},
                    F{.frame = Frame::C,
                      .name = "Edit28",
                      .page = "Edit29",
                      .picker = "Image15",
                      .size = "Edit30"},
                    F{.frame = Frame::D,
                      .name = "Edit31",
                      .page = "Edit32",
                      .picker = "Image16",
                      .size = "Edit33"}}},
        {.layout = FrameLayout::TopThreeColumnsBottom,
         .panel = "Panel4",
         .diagram = "Image17",
         .diagramArtwork = "frames4_large.jpg",
         .title = "Edit40",
         .border = "Edit41",
         .button = "Button4",
         .workList = "Memo4",
         .frames = {F{.frame = Frame::A,
                      .name = "Edit34",
                      .page = "Edit36",
                      .picker = "Image18",
                      .size = "Edit38"},
                    F{.frame = Frame::B,
                      .name = "Edit35",
                      .page = "Edit37",
                      .picker = "Image19",
                      .size = "Edit39"},
                    F{.frame = Frame::C,
                      .name = "Edit42",
                      .page = "Edit43",
                      .picker = "Image20",
                      .size = "Edit44"},
                    F{.frame = Frame::D,
                      .name = "Edit45",
                      .page = "Edit46",
                      .picker = "Image21",
                      .size = "Edit47"},
                    F{.frame = Frame::E,
                      .name = "Edit50",
                      .page = "Edit49",
                      .picker = "Image22",
                      .size = "Edit48"}}},
    };
    return kPanels;
}

} // namespace

FrameBuilderWindow::FrameBuilderWindow(PageContext& context)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      m_context(context), m_fields(new CurrentFieldTracker(this)),
      m_saveDialog(context.ask, context.dialogs.lastChosen, QStringLiteral("Frameseite.html"),
                   kPageFileFilter) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Frames"));

    // The page kind stands above the chooser and the panels, so it shows on each of them;
    // they take the rest of the window, one at a time.
    QVBoxLayout* column = Layout::column(this);
    column->setContentsMargins({});
    column->setSpacing(0);
    column->addLayout(createKindStrip());
    m_pages = new QStackedLayout;
    column->addLayout(m_pages, 1);
    m_pages->addWidget(createChooser());
    const QList<LayoutPanel::Names>& names = panelNames();
    for (size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new LayoutPanel(names[static_cast<qsizetype>(i)], this);
        m_pages->addWidget(panel);
        for (QLineEdit* field : panel->fields())
            m_fields->track(field);
        for (const LayoutPanel::Picker& picker : panel->pickers()) {
            QLineEdit* pageField = picker.pageField;
            connect(picker.picture, &ClickableLabel::clicked, this,
                    [this, pageField] { pickPage(*pageField); });
        }
        m_panels[i] = panel;
    }
    connect(&m_panels[0]->saveButton(), &QPushButton::clicked, this,
            &FrameBuilderWindow::Button1Click);
    connect(&m_panels[1]->saveButton(), &QPushButton::clicked, this,
            &FrameBuilderWindow::Button2Click);
    connect(&m_panels[2]->saveButton(), &QPushButton::clicked, this,
            &FrameBuilderWindow::Button3Click);
    connect(&m_panels[3]->saveButton(), &QPushButton::clicked, this,
            &FrameBuilderWindow::Button4Click);
    createPopupMenu();
    dismissOnEscape(this, [this] { close(); });
    Layout::fitToScreen(*this);
}

QLayout* FrameBuilderWindow::createKindStrip() {
    m_kind = new PageKindBox(this, "FramePageKind");
    QLabel* kindCaption = caption(this, "Label74", QStringLiteral("Seitenart:"));
    kindCaption->setBuddy(m_kind);
    QHBoxLayout* strip = Layout::nestedRow();
    strip->addWidget(kindCaption);
    strip->addWidget(m_kind);
    strip->addStretch(1);
    // The panels below keep their own margins; the strip stands in line with them.
    strip->setContentsMargins(Layout::kMargin, Layout::kMargin, Layout::kMargin, 0);
    return strip;
}

QWidget* FrameBuilderWindow::createChooser() {
    auto* chooser = named<QWidget>(this, "Chooser");
    auto* prompt =
        caption(chooser, "Label1",
                QStringLiteral("Bitte wählen Sie den Frametyp, den Sie benutzen wollen"));
    QFont promptFont = prompt->font();
    promptFont.setPointSize(promptFont.pointSize() + 3);
    promptFont.setBold(true);
    prompt->setFont(promptFont);

    QGridLayout* pictures = Layout::nestedGrid();
    pictures->setHorizontalSpacing(4 * Layout::kGroupSpacing);
    pictures->setVerticalSpacing(3 * Layout::kGroupSpacing);
    void (FrameBuilderWindow::*const handlers[])() = {
        &FrameBuilderWindow::Image5Click, &FrameBuilderWindow::Image1Click,
        &FrameBuilderWindow::Image4Click, &FrameBuilderWindow::Image2Click};
    for (int i = 0; i < 4; ++i) {
        const ChooserPicture& choice = kChooser[i];
        ClickableLabel* image = picture(chooser, choice.name, QString::fromLatin1(choice.artwork),
                                        QString::fromUtf8(choice.layout));
        connect(image, &ClickableLabel::clicked, this, handlers[i]);
        pictures->addWidget(image, choice.row, choice.column);
    }

    // The prompt and the pictures in the middle of the window.
    QHBoxLayout* centred = Layout::nestedRow();
    centred->addStretch(1);
    centred->addLayout(pictures);
    centred->addStretch(1);
    QVBoxLayout* column = Layout::column(chooser);
    column->addStretch(1);
    column->addWidget(prompt, 0, Qt::AlignHCenter);
    column->addSpacing(2 * Layout::kGroupSpacing);
    column->addLayout(centred);
    column->addStretch(2);
    return chooser;
}

void FrameBuilderWindow::createPopupMenu() {
    // The window has no menu bar: its shortcuts come from the pop-up menu's items.
    EditCommands::installPopupMenu(
        *this,
        {"PopupMenu2",
         {"Ausschneiden2", "Kopieren2", "Einfgen1", "Lschen3", "Lschen2"},
         {this},
         true,
         true},
        [this](EditCommands::Operation operation) {
            EditCommands::applyToCurrent(operation, *m_fields);
        });
}

void FrameBuilderWindow::Frameseiteerstellen1Click() {
    bringToFront(*this);
    m_kind->showKind(PageKindSetting::remembered());
    m_pages->setCurrentIndex(0);
    for (LayoutPanel* panel : m_panels)
        panel->workList().clear();
}

void FrameBuilderWindow::Image5Click() {
    showPanel(0);
}

void FrameBuilderWindow::Image1Click() {
    showPanel(1);
}

void FrameBuilderWindow::Image4Click() {
    showPanel(2);
}

void FrameBuilderWindow::Image2Click() {
    showPanel(3);
}

void FrameBuilderWindow::Button1Click() {
    savePanel(0);
}

void FrameBuilderWindow::Button2Click() {
    savePanel(1);
}

void FrameBuilderWindow::Button3Click() {
    savePanel(2);
}

void FrameBuilderWindow::Button4Click() {
    savePanel(3);
}

void FrameBuilderWindow::showPanel(int index) {
    m_pages->setCurrentWidget(m_panels[static_cast<size_t>(index)]);
}

void FrameBuilderWindow::pickPage(QLineEdit& pageField) {
    chooseBareName(m_context.dialogs.OpenDialog1, pageField);
}

void FrameBuilderWindow::savePanel(int index) {
    LayoutPanel& panel = *m_panels[static_cast<size_t>(index)];
    const QStringList lines = m_kind->kind() == PageKind::Modern
                                  ? FramesetHtml::modernPage(panel.layout(), panel.values())
                                  : FramesetHtml::page(panel.layout(), panel.values());
    panel.workList().setPlainText(lines.join(u'\n'));

    if (!m_saveDialog.execute(m_context.state.ownFile()))
        return;
    const Outcome written = PageFile::writeLines(m_saveDialog.fileName(), lines);
    if (!written.ok())
        m_context.ask.error(written.error);
}
