#include "posteditor/PostEditorWindow.h"

#include "commands/EditCommands.h"
#include "commands/FileCommands.h"
#include "commands/RecentFiles.h"
#include "context/Navigation.h"
#include "context/PageContext.h"
#include "core/platform/BareFileName.h"
#include "platform/DialogObjects.h"
#include "posteditor/EditorText.h"
#include "ui/Artwork.h"
#include "ui/BringToFront.h"
#include "ui/ClickableLabel.h"
#include "ui/CommandTable.h"
#include "ui/Controls.h"
#include "ui/FileDrops.h"
#include "ui/FindBar.h"
#include "ui/Layout.h"
#include "ui/PageCheckView.h"
#include "ui/PageViewDock.h"
#include "ui/RecentMenu.h"
#include "ui/ShadedPicture.h"
#include "ui/SourceEdit.h"

#include <QAction>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextDocument>

#include <functional>

using namespace Controls;

namespace {

constexpr int kToolbarHeight = 29;

} // namespace

PostEditorWindow::PostEditorWindow(PageContext& context, Navigation& navigation)
    : m_context(context), m_navigation(navigation),
      m_saveDialog(context.ask, context.dialogs.lastChosen, QStringLiteral("Unbenannt.html"),
                   kPageFileFilter) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowIcon(Artwork::icon(QStringLiteral("quillmark.png")));

    m_memo1 = SourceEdit::forHtml("Memo1", true);
    m_text = std::make_unique<EditorText>(*m_memo1, m_context.ask);
    m_recent = new RecentFiles(QStringLiteral("Zuletzt/Nachbearbeiten"), this);
    m_files = new FileCommands(context, *m_text, m_saveDialog, FileCommands::Saving::AlwaysAsks,
                               *m_recent, this);
    showCaption();
    connect(m_memo1->document(), &QTextDocument::modificationChanged, this,
            &PostEditorWindow::showCaption);
    connect(m_text.get(), &EditorText::fileChanged, this, [this] {
        showEncoding();
        showCaption();
    });

    // Nothing is assumed of the page; a file's names are looked up in its folder.
    m_check = new PageCheckView(
        *m_memo1, [this] { return PageCheckView::optionsFor(m_text->ownFile(), false); }, this);
    connect(m_check, &PageCheckView::listRequested, this, &PostEditorWindow::Seiteprfen1Click);
    m_findBar = new FindBar(*m_memo1);
    m_check->putUnderField(*m_findBar);
    createMenus();

    // The toolbar across the top, the text and what the check found below it.
    auto* central = named<QWidget>(this, "Central");
    QGridLayout* layout = Layout::nestedGrid();
    layout->setSpacing(0);
    central->setLayout(layout);
    createToolbar(*central, *layout);
    layout->addWidget(&m_check->area(), 1, 0, 1, layout->columnCount());
    layout->setRowStretch(1, 1);
    setCentralWidget(central);
    createStatusBar();
    const auto showNotice = [this](const QString& notice) { statusBar()->showMessage(notice); };
    connect(m_files, &FileCommands::notice, this, showNotice);
    connect(m_findBar, &FindBar::notice, this, showNotice);
    createPageView();
    // Any file dropped on the window opens here, after the question about unsaved text.
    auto* drops = new FileDrops(
        *this, [](const QString& path) { return QFileInfo(path).isFile(); },
        [this](const QString& path) { m_files->openFile(path); });
    drops->watchWindow();

    Layout::fitToScreen(*this);
}

void PostEditorWindow::createPageView() {
    // The text as a save would write it; relative names resolve in the folder of the file
    // last opened or saved here.
    auto* view = new PageViewDock(*this, "Seitenansicht1",
                                  {[this] { return m_text->asSaved(); },
                                   [this] {
                                       return m_text->hasFile()
                                                  ? QFileInfo(m_text->ownFile()).absolutePath()
                                                  : QString();
                                   }});
    view->follow(*m_memo1);
    connect(view, &PageViewDock::linkClicked, this, [this](const QString& target) {
        statusBar()->showMessage(QStringLiteral("Link: ") + target);
    });
    connect(view, &PageViewDock::noRoom, this,
            [this](const QString& notice) { statusBar()->showMessage(notice); });
    // In "Datei" after "Seite prüfen", before the separator above "Beenden".
    QAction* beenden = m_commands[PostEditorCommand::Beenden1];
    QMenu* file = m_commands.menu(PostEditorCommand::Prost1);
    const QList<QAction*> items = file->actions();
    file->insertAction(items.at(items.indexOf(beenden) - 1), view->toggle());
}

PostEditorWindow::~PostEditorWindow() = default;

// Room for a page's source: the text field alone asks only for a few words.
QSize PostEditorWindow::sizeHint() const {
    constexpr int kColumns = 90;
    constexpr int kLines = 32;
    const QFontMetrics metrics = m_memo1->fontMetrics();
    return QMainWindow::sizeHint().expandedTo(
        {kColumns * metrics.averageCharWidth(), kLines * metrics.lineSpacing()});
}

void PostEditorWindow::createMenus() {
    using namespace CommandTable;
    using Command = PostEditorCommand;
    // Every edit command acts on Memo1, the one editing field.
    FileCommands* files = m_files;
    auto edit = [this](EditCommands::Operation operation) {
        EditCommands::apply(operation, m_memo1);
    };
    QList<MenuRow> rows = {
        menu(Command::Prost1, "Prost1", QStringLiteral("&Datei")),
        item(Command::Neu, "Neu", QStringLiteral("&Neu"), Qt::CTRL | Qt::Key_N, "menu_new.png",
             [this] { NeuClick(); }),
        item(Command::ffnen1, "ffnen1", QStringLiteral("Ö&ffnen"), Qt::CTRL | Qt::Key_O, nullptr,
             [files] { files->ffnen1Click(); }),
        submenu(Command::PostZuletztGeoeffnet1, "PostZuletztGeoeffnet1",
                QStringLiteral("&Zuletzt geöffnet")),
        separator(),
        item(Command::PostListeLeeren1, "PostListeLeeren1", QStringLiteral("&Liste leeren"), {},
             nullptr, {}),
        endSubmenu(),
        item(Command::Speichern, "Speichern", QStringLiteral("Speichern &unter..."),
             Qt::CTRL | Qt::Key_S, "menu_save.png", [files] { files->SpeichernClick(); }),
        item(Command::Vorschau, "Vorschau", QStringLiteral("&Vorschau"), {}, "menu_preview.png",
             [files] { files->VorschauClick(); }),
        item(Command::Drucken1, "Drucken1", QStringLiteral("&Drucken"), Qt::CTRL | Qt::Key_P,
             "menu_print.png", [files] { files->Drucken1Click(); }),
        item(Command::Seiteprfen1, "Seiteprfen1", QStringLiteral("Seite &prüfen"), Qt::Key_F7,
             nullptr, [this] { Seiteprfen1Click(); }),
        separator(),
        item(Command::Beenden1, "Beenden1", QStringLiteral("&Beenden"), {}, nullptr,
             [this] { Beenden1Click(); }),
        menu(Command::Bearbeiten1, "Bearbeiten1", QStringLiteral("&Bearbeiten")),
    };
    rows += EditCommands::undoRows<Command>([this] { return m_memo1; });
    rows += EditCommands::menuRows<Command>(edit);
    const auto findBar = [this] { return m_findBar; };
    rows += FindCommands::rows<Command>(findBar);
    rows += helpMenu<Command>([this] { QuillmarkHIlfe1Click(); }, [this] { HtmlHilfe1Click(); },
                              [this] { berQuillmark1Click(); });
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    m_commands = build<Command>(*menuBar(), rows);
    EditCommands::followUndo(m_commands, *m_memo1->document());
    FindCommands::installStepKeys(*this, findBar);
    new RecentMenu(*m_commands.menu(Command::PostZuletztGeoeffnet1), *m_recent,
                   *m_commands[Command::PostListeLeeren1],
                   [files](const QString& path) { files->openRecent(path); });
    // "Vorschau" waits for the first save here.
    m_commands[Command::Vorschau]->setEnabled(false);
    connect(m_text.get(), &EditorText::saved, m_commands[Command::Vorschau],
            [vorschau = m_commands[Command::Vorschau]] { vorschau->setEnabled(true); });

    EditCommands::installPopupMenu(
        *this,
        {"PopupMenu1",
         {"Ausschneiden2", "Kopieren2", "Einfgen1", "Lschen2", "AllesMarkieren2"},
         {this, m_memo1},
         false,
         true},
        edit);
}

void PostEditorWindow::createToolbar(QWidget& central, QGridLayout& layout) {
    // The background pictures share the toolbar's width; the strip with the buttons lies on
    // top of them.
    const char* const backgrounds[] = {"Image13", "Image14", "Image15"};
    for (int i = 0; i < 3; ++i) {
        auto* part = named<QLabel>(&central, backgrounds[i]);
        new ShadedPicture(*part, QStringLiteral("toolbar_bg.png"));
        // Stretched to share a wider window, never squeezed below their own size.
        part->setScaledContents(true);
        part->setMinimumSize(part->sizeHint());
        part->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        layout.addWidget(part, 0, i);
        layout.setColumnStretch(i, 1);
    }
    auto* strip = named<QWidget>(&central, "ToolbarStrip");
    strip->setFixedHeight(kToolbarHeight);
    layout.addWidget(strip, 0, 0, 1, 3);
    strip->raise();

    using namespace CommandTable;
    using Command = PostEditorCommand;
    QList<ToolbarRow> rows = {
        picture(Look::NewPage, "Image6", "Image1", m_commands[Command::Neu]),
        picture("Image2", "Image3", "tb_open", QStringLiteral("Seite öffnen"),
                m_commands[Command::ffnen1]),
        picture("Image7", "Image4", "tb_save", QStringLiteral("Seite speichern unter"),
                m_commands[Command::Speichern]),
        picture(Look::Print, "Image8", "Image5", m_commands[Command::Drucken1]),
        gap(),
        picture(Look::Preview, "Image9", "Image16", m_commands[Command::Vorschau]),
        gap(),
    };
    rows += EditCommands::toolbarRows(m_commands, {"Image17", "Image18", "Image19"});
    buildToolbar(*strip, rows);
}

void PostEditorWindow::Seiteprfen1Click() {
    m_check->checkNow();
    if (m_check->list().isVisible())
        m_check->list().setFocus();
}

void PostEditorWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->addPermanentWidget(&m_check->status());
    m_encodingPanel = new QLabel(bar);
    m_encodingPanel->setObjectName(QStringLiteral("EncodingPanel"));
    bar->addPermanentWidget(m_encodingPanel);
    showEncoding();
}

void PostEditorWindow::showEncoding() {
    m_encodingPanel->setText(PageFile::encodingName(m_text->encoding()));
}

bool PostEditorWindow::hasUnsavedChanges() const {
    return m_text->hasUnsavedChanges();
}

void PostEditorWindow::NeuClick() {
    // Ctrl+Z brings the text back.
    m_text->beginAnew(NewVariant::Menu);
}

void PostEditorWindow::showCaption() {
    const bool unsaved = hasUnsavedChanges();
    setWindowTitle(
        WindowCaption(QStringLiteral("HTML-Quelltext nachbearbeiten"), m_text->ownFile(), unsaved));
    setWindowModified(unsaved);
}

bool PostEditorWindow::mayEnd() {
    if (!hasUnsavedChanges())
        return true;
    bringToFront(*this);
    return m_text->mayDiscard();
}

void PostEditorWindow::openFile(const QString& path) {
    bringToFront(*this);
    m_files->openFile(path);
}

void PostEditorWindow::Beenden1Click() {
    close();
}

void PostEditorWindow::QuillmarkHIlfe1Click() {
    m_navigation.showLastHelpPage();
}

void PostEditorWindow::HtmlHilfe1Click() {
    m_navigation.showLastHtmlHelpPage();
}

void PostEditorWindow::berQuillmark1Click() {
    m_navigation.showAbout();
}
