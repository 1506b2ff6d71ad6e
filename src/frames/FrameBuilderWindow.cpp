#include "frames/FrameBuilderWindow.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/EditCommands.h"
#include "context/PageContext.h"
#include "frames/FramesetHtml.h"
#include "frames/LayoutPanel.h"
#include "generators/FileChooser.h"
#include "platform/DialogObjects.h"
#include "platform/PageFile.h"
#include "ui/BringToFront.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"

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
    {"Image5", "frames1_small.jpg", "Zwei Spalten", 0, 0},
    {"Image1", "frames2_small.jpg", "Streifen oben, darunter zwei Spalten", 0, 1},
    {"Image4", "frames3_small.jpg", "Streifen oben, zwei Spalten, Streifen unten", 1, 0},
    {"Image2", "frames4_small.jpg", "Streifen oben, drei Spalten, Streifen unten", 1, 1},
};

const QList<LayoutPanel::Names>& panelNames() {
    using F = LayoutPanel::FrameNames;
    static const QList<LayoutPanel::Names> kPanels = {
        {FrameLayout::TwoColumns,
         "Panel1",
         "Image3",
         "frames1_large.jpg",
         "Edit7",
         "Edit8",
         "Button1",
         "Memo1",
         {F{Frame::A, "Edit1", "Edit3", "Image6", "Edit5"},
          F{Frame::B, "Edit2", "Edit4", "Image7", "Edit6"}}},
        {FrameLayout::TopTwoColumns,
         "Panel2",
         "Image8",
         "frames2_large.jpg",
         "Edit15",
         "Edit16",
         "Button2",
         "Memo2",
         {F{Frame::A, "Edit9", "Edit11", "Image9", "Edit13"},
          F{Frame::B, "Edit10", "Edit12", "Image10", "Edit14"},
          F{Frame::C, "Edit17", "Edit18", "Image11", "Edit19"}}},
        {FrameLayout::TopTwoColumnsBottom,
         "Panel3",
         "Image12",
         "frames3_large.jpg",
         "Edit26",
         "Edit27",
         "Button3",
         "Memo3",
         {F{Frame::A, "Edit20", "Edit22", "Image13", "Edit24"},
          F{Frame::B, "Edit21", "Edit23", "Image14", "Edit25"},
          F{Frame::C, "Edit28", "Edit29", "Image15", "Edit30"},
          F{Frame::D, "Edit31", "Edit32", "Image16", "Edit33"}}},
        {FrameLayout::TopThreeColumnsBottom,
         "Panel4",
         "Image17",
         "frames4_large.jpg",
         "Edit40",
         "Edit41",
         "Button4",
         "Memo4",
         {F{Frame::A, "Edit34", "Edit36", "Image18", "Edit38"},
          F{Frame::B, "Edit35", "Edit37", "Image19", "Edit39"},
          F{Frame::C, "Edit42", "Edit43", "Image20", "Edit44"},
          F{Frame::D, "Edit45", "Edit46", "Image21", "Edit47"},
          F{Frame::E, "Edit50", "Edit49", "Image22", "Edit48"}}},
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

    // The chooser and the four panels take the whole window, one at a time.
    m_pages = new QStackedLayout(this);
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
    const QStringList lines = FramesetHtml::page(panel.layout(), panel.values());
    panel.workList().setPlainText(lines.join(u'\n'));

    if (!m_saveDialog.execute(m_context.state.ownFile()))
        return;
    const Outcome written = PageFile::writeLines(m_saveDialog.fileName(), lines);
    if (!written.ok())
        m_context.ask.error(written.error);
}
