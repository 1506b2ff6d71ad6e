#include "app/MainWindow.h"

#include "app/WelcomePanel.h"
#include "commands/CurrentFieldTracker.h"
#include "commands/EditCommands.h"
#include "commands/FieldExplanations.h"
#include "commands/FileCommands.h"
#include "context/Navigation.h"
#include "context/PageContext.h"
#include "generators/FormsPage.h"
#include "generators/GeneralSettingsPage.h"
#include "generators/ImagesPage.h"
#include "generators/LinesPage.h"
#include "generators/LinksPage.h"
#include "generators/ListsPage.h"
#include "generators/SourcePage.h"
#include "generators/TablesPage.h"
#include "generators/TextPage.h"
#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"
#include "ui/PanelStatusBar.h"
#include "ui/Place.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kToolbarHeight = 29;
constexpr int kTabBarHeight = 26;

} // namespace

MainWindow::MainWindow(PageContext& context, Navigation& navigation)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_context(context), m_navigation(navigation), m_fields(new CurrentFieldTracker(this)),
      m_explanations(new FieldExplanations(this)) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(context.state.caption());
    setWindowIcon(Artwork::icon(QStringLiteral("quillmark.png")));
    connect(&context.state, &PageState::captionChanged, this, &QWidget::setWindowTitle);

    // The page source lives on "Quelltext"; every generator writes to its document.
    m_memo2 = new QPlainTextEdit;
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    QTextDocument& document = context.document.document();
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    m_memo2->setDocument(&document);

    createStatusBar();
    m_services = std::make_unique<PageServices>(
        PageServices{context, navigation, *m_fields, *m_explanations});
    m_fileCommands = new FileCommands(context, navigation, this);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Central"));
    auto* strip = new QWidget(central);
    strip->setObjectName(QStringLiteral("ToolbarStrip"));
    strip->setFixedHeight(kToolbarHeight);
    createToolbar(strip);
    m_pageControl = new QTabWidget(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_pageControl->setUsesScrollButtons(false);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(strip);
    layout->addWidget(m_pageControl, 1);
    setCentralWidget(central);

    createMenus();
    createTabs();
    m_panel8 = new WelcomePanel(m_pageControl);
    connect(m_panel8, &WelcomePanel::weiter, this, &MainWindow::Button9Click);

    const int width = kPageWidth + 16;
    setFixedSize(width, kToolbarHeight + kTabBarHeight + kPageHeight + 8 +
                            menuBar()->sizeHint().height() + m_statusBar->sizeHint().height() + 12);
    FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    FileCommands& files = *m_fileCommands;

    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          const QKeySequence& shortcut, const char* artwork,
                          auto handler) -> QAction* {
        QAction* action = menuItem(menu, name, text, shortcut, artwork);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("Datei1"));
    addItem(file, "Neu", QStringLiteral("&Neu"), QKeySequence(Qt::CTRL | Qt::Key_N), "menu_new.png",
            [&files] { files.NeuClick(); });
    addItem(file, "Speichern1", QStringLiteral("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S),
            "menu_save.png", [&files] { files.Speichern1Click(); });
    addItem(file, "Speichern", QStringLiteral("Speichern &unter..."),
            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S), nullptr,
            [&files] { files.SpeichernClick(); });
    m_vorschau = addItem(file, "Vorschau", QStringLiteral("&Vorschau"), {}, "menu_preview.png",
                         [&files] { files.VorschauClick(); });
    m_vorschau->setEnabled(m_context.state.previewEnabled());
    connect(&m_context.state, &PageState::previewEnabledChanged, m_vorschau, &QAction::setEnabled);
    addItem(file, "Drucken1", QStringLiteral("&Drucken"), QKeySequence(Qt::CTRL | Qt::Key_P),
            "menu_print.png", [&files] { files.Drucken1Click(); });
    file->addSeparator();
    addItem(file, "Beenden1", QStringLiteral("&Beenden"), {}, nullptr,
            [&files] { files.Beenden1Click(); });

    QMenu* edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    edit->setObjectName(QStringLiteral("Bearbeiten1"));
    const QList<QAction*> menuActions = EditCommands::createActions(
        this, {"Ausschneiden1", "Kopieren1", "infgen1", "Lschen1", "AllesMarkieren1"}, true, true);
    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const QList<QAction*> popupActions = EditCommands::createActions(
        this, {"Ausschneiden2", "Kopieren2", "Einfgen1", "Lschen3", "Lschen2"}, false, true);
    for (QAction* action : menuActions + popupActions) {
        connect(action, &QAction::triggered, this, [this, action] {
            EditCommands::applyToCurrent(EditCommands::operationOf(action), *m_fields);
        });
    }
    edit->addActions(menuActions);
    m_popupMenu1->addActions(popupActions);

    QMenu* extra = bar->addMenu(QStringLiteral("E&xtra"));
    extra->setObjectName(QStringLiteral("Extra1"));
    addItem(extra, "Frameseiteerstellen1", QStringLiteral("&Frameseite erstellen"), {}, nullptr,
            &MainWindow::Frameseiteerstellen1Click);
    addItem(extra, "Seitenachbearbeiten1", QStringLiteral("&Seite nachbearbeiten"), {}, nullptr,
            &MainWindow::Seitenachbearbeiten1Click);

    QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    addItem(help, "QuillmarkHIlfe1", QStringLiteral("&Quillmark Hilfe"), QKeySequence(Qt::Key_F1),
            "menu_help.png", &MainWindow::QuillmarkHIlfe1Click);
    addItem(help, "HtmlHilfe1", QStringLiteral("&Html Hilfe"), QKeySequence(Qt::Key_F2),
            "menu_htmlhelp.png", &MainWindow::HtmlHilfe1Click);
    help->addSeparator();
    addItem(help, "berQuillmark1", QStringLiteral("Ü&ber Quillmark"), {}, nullptr,
            &MainWindow::berQuillmark1Click);

    // The window's own help request (Shift+F1), apart from the menu's F1.
    auto* formHelp = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(formHelp, &QShortcut::activated, this, &MainWindow::FormHelp);
}

void MainWindow::createToolbar(QWidget* strip) {
    struct ToolbarButton {
        const char* name;
        const char* pressedName;
        const char* artwork;
        const char* whatItDoes;
    };
    static constexpr ToolbarButton kButtons[] = {
        {"Image6", "Image16", "tb_new", "Neue Seite"},
        {"Image7", "Image17", "tb_save", "Seite speichern"},
        {"Image8", "Image18", "tb_print", "Quelltext drucken"},
        {"Image9", "Image19", "tb_preview", "Vorschau im Browser"},
        {"Image10", "Image20", "tb_cut", "Ausschneiden"},
        {"Image11", "Image21", "tb_copy", "Kopieren"},
        {"Image12", "Image22", "tb_paste", "Einfügen"},
    };
    FileCommands& files = *m_fileCommands;
    const std::function<void()> commands[] = {
        [&files] { files.Image6Click(); },   [&files] { files.Speichern1Click(); },
        [&files] { files.Drucken1Click(); }, [&files] { files.VorschauClick(); },
        [this] { Image10Click(); },          [this] { Image11Click(); },
        [this] { Image12Click(); },
    };
    int x = 2;
    for (int i = 0; i < 7; ++i) {
        const QRect geometry(x, 2, 25, 25);
        PressedLook* look = toolbarPicture(strip, kButtons[i].name, kButtons[i].pressedName,
                                           QString::fromLatin1(kButtons[i].artwork), geometry,
                                           QString::fromUtf8(kButtons[i].whatItDoes));
        connect(look, &PressedLook::activated, this, commands[i]);
        if (i == 3) {
            ClickableLabel* image9 = &look->button();
            image9->setEnabled(m_context.state.previewEnabled());
            connect(&m_context.state, &PageState::previewEnabledChanged, image9,
                    &QWidget::setEnabled);
        }
        x += (i == 3) ? 25 + 12 : 25 + 2;
    }
    x += 12;
    for (const char* banner : {"Image13", "Image14", "Image15"}) {
        const int index = banner[6] - '3' + 1;
        decoration(strip, banner, QRect(x, 2, 160, 25), QStringLiteral("banner%1.jpg").arg(index));
        x += 164;
    }
}

// The tab pages in their order, with their captions, the program help's page for each, and
// how each is built.
struct MainWindow::PageEntry {
    const char* caption;
    const char* helpPage;
    TabPage* (*create)(PageServices& services, QPlainTextEdit* memo2);
};

const std::array<MainWindow::PageEntry, 9>& MainWindow::pageTable() {
    static const std::array<PageEntry, 9> kPages{{
        {"Allgemeine Einstellungen", "TabSheet1",
         [](PageServices& s, QPlainTextEdit*) -> TabPage* { return new GeneralSettingsPage(s); }},
        {"Text", "TabSheet2",
         [](PageServices& s, QPlainTextEdit*) -> TabPage* { return new TextPage(s); }},
        {"Bilder", "TabSheet3",
         [](PageServices& s, QPlainTextEdit*) -> TabPage* { return new ImagesPage(s); }},
        {"Links", "TabSheet4",
         [](PageServices& s, QPlainTextEdit*) -> TabPage* { return new LinksPage(s); }},
        {"Linien", "TabSheet12",
         [](PageServices& s, QPlainTextEdit*) -> TabPage* { return new LinesPage(s); }},
        {"Tabellen", "TabSheet23",
         [](PageServices& s, QPlainTextEdit*) -> TabPage* { return new TablesPage(s); }},
        {"Listen", "TabSheet24",
         [](PageServices& s, QPlainTextEdit*) -> TabPage* { return new ListsPage(s); }},
        {"Formulare", "TabSheet13",
         [](PageServices& s, QPlainTextEdit*) -> TabPage* { return new FormsPage(s); }},
        {"Quelltext", "TabSheet5",
         [](PageServices& s, QPlainTextEdit* memo2) -> TabPage* {
             return new SourcePage(s, memo2);
         }},
    }};
    return kPages;
}

void MainWindow::createTabs() {
    // Until the pages are built (createPages), each tab holds an empty page under the
    // welcome panel, so that the window can be shown at once.
    for (const PageEntry& entry : pageTable())
        m_pageControl->addTab(new QWidget, QString::fromUtf8(entry.caption));
    m_pageControl->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pageControl, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popupMenu1->popup(m_pageControl->mapToGlobal(at)); });
}

void MainWindow::createPages() {
    const QSignalBlocker quiet(m_pageControl);
    int index = 0;
    for (const PageEntry& entry : pageTable()) {
        TabPage* page = entry.create(*m_services, m_memo2);
        connect(m_fileCommands, &FileCommands::pageBegunAnew, page, &TabPage::emptyForNew);
        QWidget* placeholder = m_pageControl->widget(index);
        m_pageControl->removeTab(index);
        delete placeholder;
        m_pageControl->insertTab(index, page, QString::fromUtf8(entry.caption));
        m_pages.append(page);
        ++index;
    }
    m_fields->track(m_memo2);
    m_pageControl->setCurrentIndex(0);
    m_panel8->raise();
    connect(m_pageControl, &QTabWidget::currentChanged, this, &MainWindow::PageControl1Change);
}

void MainWindow::createStatusBar() {
    m_statusBar = new PanelStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar2"));
    m_statusBar->addPanel(QStringLiteral("Quillmark"), 300);
    m_statusBar->follow(m_context.notices);
    setStatusBar(m_statusBar);
}

void MainWindow::showGeneralSettings(bool enablePage) {
    QWidget* page = m_pages.constFirst();
    if (enablePage)
        page->setEnabled(true);
    m_programSwitch = true;
    m_pageControl->setCurrentWidget(page);
    m_programSwitch = false;
}

void MainWindow::closeDiscardingChanges() {
    m_closingConfirmed = true;
    close();
}

void MainWindow::FormCreate() {
    m_context.state.setGeneralSettingsDone(false);
}

void MainWindow::FormHelp() {
    m_navigation.showLastHelpPage();
}

void MainWindow::Frameseiteerstellen1Click() {
    m_navigation.showFrameBuilder();
}

void MainWindow::Seitenachbearbeiten1Click() {
    m_navigation.showPostEditor();
}

void MainWindow::QuillmarkHIlfe1Click() {
    // The help page of the tab page in front.
    m_navigation.showHelpPage(QString::fromLatin1(
        pageTable()[static_cast<size_t>(m_pageControl->currentIndex())].helpPage));
}

void MainWindow::HtmlHilfe1Click() {
    m_navigation.showHtmlHelp();
}

void MainWindow::berQuillmark1Click() {
    m_navigation.showAbout();
}

void MainWindow::Button9Click() {
    m_panel8->hide();
}

void MainWindow::PageControl1Change() {
    if (m_programSwitch || m_context.state.generalSettingsDone())
        return;
    m_navigation.showMessage(Message::Error605);
}

void MainWindow::Image10Click() {
    EditCommands::applyToCurrent(EditCommands::Operation::Cut, *m_fields);
}

void MainWindow::Image11Click() {
    EditCommands::applyToCurrent(EditCommands::Operation::Copy, *m_fields);
}

void MainWindow::Image12Click() {
    EditCommands::applyToCurrent(EditCommands::Operation::Paste, *m_fields);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool unsaved =
        m_context.document.hasUnsavedChanges() || m_navigation.postEditorHasUnsavedText();
    if (unsaved && !m_closingConfirmed) {
        // Nothing is thrown away without an answer: "Ja" ends the program, "Nein" goes on.
        event->ignore();
        m_navigation.askToDiscard([this] { closeDiscardingChanges(); });
        return;
    }
    event->accept();
    emit closed();
}
