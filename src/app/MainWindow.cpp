#include "app/MainWindow.h"

#include "app/WindowSet.h"
#include "commands/CurrentFieldTracker.h"
#include "commands/EditCommands.h"
#include "commands/FieldExplanations.h"
#include "commands/FileCommands.h"
#include "forms/FormBuilderWindow.h"
#include "generators/GeneralSettingsPage.h"
#include "generators/ImagesPage.h"
#include "generators/LinesPage.h"
#include "generators/LinksPage.h"
#include "generators/ListsPage.h"
#include "generators/TablesPage.h"
#include "generators/TextPage.h"
#include "help/HelpWindow.h"
#include "help/MessageWindow.h"
#include "platform/DialogObjects.h"
#include "posteditor/PostEditorWindow.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kToolbarHeight = 29;
constexpr int kTabBarHeight = 26;

QString welcomeText() {
    return QStringLiteral(
        "Quillmark baut Ihre Webseite automatisch: Sie füllen Felder aus, und das Programm "
        "schreibt den HTML-Quelltext für Sie.\n\n"
        "Bitte füllen Sie zuerst die Felder der \"Allgemeinen Einstellungen\" aus und klicken "
        "Sie dort auf \"Zum Quelltext hinzufügen\". Ohne diese Angaben kann die Seite nicht "
        "richtig erstellt werden.\n\n"
        "Danach wählen Sie oben auf den Karteireitern das gewünschte Element aus (Text, "
        "Bilder, Links, Linien, Tabellen, Listen oder Formulare), nehmen Ihre Einstellungen "
        "vor und klicken auf \"Zum Quelltext hinzufügen\" - so oft Sie möchten. Unter "
        "\"Quelltext\" sehen Sie jederzeit, was entstanden ist.\n\n"
        "Viel Freude beim Gestalten wünscht Ihnen\n"
        "das Quillmark-Team von Fernbrook\n\n"
        "Neuigkeiten und Hilfe finden Sie auf unserer Homepage: www.fernbrook.example");
}

// The tab page holding only the button that opens the form builder.
class FormsPage final : public TabPage {
public:
    explicit FormsPage(MainWindowServices& services, MainWindow& main)
        : TabPage("TabSheet6", services) {
        auto* intro = caption(this, "Label71",
                              QStringLiteral("Mit dem Formular-Assistenten bauen Sie Fragen, "
                                             "Eingabefelder und Buttons in Ihre Seite ein."),
                              24, 24);
        intro->setWordWrap(false);
        auto* button = place<QPushButton>(this, "Button8", QRect(24, 60, 220, 32),
                                          QStringLiteral("Neues Formular erstellen"));
        connect(button, &QPushButton::clicked, &main, &MainWindow::Button8Click);
    }
    void emptyForNew(NewVariant) override {}
};

// The tab page "Quelltext": the page source, editable.
class SourcePage final : public TabPage {
public:
    SourcePage(MainWindowServices& services, QPlainTextEdit* memo2)
        : TabPage("TabSheet5", services) {
        memo2->setParent(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addWidget(memo2);
    }
    void emptyForNew(NewVariant) override {}
};

} // namespace

MainWindow::MainWindow(WindowSet& windows)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_windows(windows), m_dialogs(std::make_unique<SharedDialogs>(windows.dialogs())),
      m_fields(new CurrentFieldTracker(this)), m_explanations(new FieldExplanations(this)) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Quillmark"));
    setWindowIcon(Artwork::icon(QStringLiteral("quillmark.png")));

    // The page source lives on "Quelltext"; every generator writes to it.
    m_memo2 = new QPlainTextEdit;
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_source = new PageSource(*m_memo2, this);

    createStatusBar();
    m_notices = new StatusNotices(*m_statusBar, *m_timer1, this);
    m_services = std::make_unique<MainWindowServices>(
        MainWindowServices{windows, *m_dialogs, *m_source, *m_notices, *m_fields, *m_explanations});
    m_fileCommands = new FileCommands(*this);

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
    createWelcomePanel();

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
    m_vorschau->setEnabled(false);
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
            [&files] { files.Frameseiteerstellen1Click(); });
    addItem(extra, "Seitenachbearbeiten1", QStringLiteral("&Seite nachbearbeiten"), {}, nullptr,
            [&files] { files.Seitenachbearbeiten1Click(); });

    QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    addItem(help, "QuillmarkHIlfe1", QStringLiteral("&Quillmark Hilfe"), QKeySequence(Qt::Key_F1),
            "menu_help.png", [&files] { files.QuillmarkHIlfe1Click(); });
    addItem(help, "HtmlHilfe1", QStringLiteral("&Html Hilfe"), QKeySequence(Qt::Key_F2),
            "menu_htmlhelp.png", [&files] { files.HtmlHilfe1Click(); });
    help->addSeparator();
    addItem(help, "berQuillmark1", QStringLiteral("Ü&ber Quillmark"), {}, nullptr,
            [&files] { files.berQuillmark1Click(); });

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
            m_image9 = &look->button();
            m_image9->setEnabled(false);
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

// The tab pages in their order, with their captions and how each is built.
struct MainWindow::PageEntry {
    const char* caption;
    TabPage* (*create)(MainWindowServices& services, MainWindow& main);
};

const std::array<MainWindow::PageEntry, 9>& MainWindow::pageTable() {
    static const std::array<PageEntry, 9> kPages{{
        {"Allgemeine Einstellungen",
         [](MainWindowServices& s, MainWindow&) -> TabPage* { return new GeneralSettingsPage(s); }},
        {"Text", [](MainWindowServices& s, MainWindow&) -> TabPage* { return new TextPage(s); }},
        {"Bilder",
         [](MainWindowServices& s, MainWindow&) -> TabPage* { return new ImagesPage(s); }},
        {"Links", [](MainWindowServices& s, MainWindow&) -> TabPage* { return new LinksPage(s); }},
        {"Linien", [](MainWindowServices& s, MainWindow&) -> TabPage* { return new LinesPage(s); }},
        {"Tabellen",
         [](MainWindowServices& s, MainWindow&) -> TabPage* { return new TablesPage(s); }},
        {"Listen", [](MainWindowServices& s, MainWindow&) -> TabPage* { return new ListsPage(s); }},
        {"Formulare",
         [](MainWindowServices& s, MainWindow& main) -> TabPage* {
             return new FormsPage(s, main);
         }},
        {"Quelltext",
         [](MainWindowServices& s, MainWindow& main) -> TabPage* {
             return new SourcePage(s, &main.sourceView());
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
        TabPage* page = entry.create(*m_services, *this);
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

void MainWindow::createWelcomePanel() {
    // Lies over the page area of the tab control; the tabs, menus and toolbar stay usable.
    m_panel8 = place<QFrame>(m_pageControl, "Panel8",
                             QRect(2, kTabBarHeight, kPageWidth + 2, kPageHeight));
    static_cast<QFrame*>(m_panel8)->setFrameShape(QFrame::StyledPanel);
    m_panel8->setAutoFillBackground(true);
    auto* heading = place<QLabel>(m_panel8, "Label11", QRect(40, 24, 600, 40),
                                  QStringLiteral("Willkommen bei Quillmark"));
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 10);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* memo = place<QPlainTextEdit>(m_panel8, "Memo6", QRect(40, 80, 700, 300));
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->viewport()->setAutoFillBackground(false);
    memo->setPlainText(welcomeText());
    auto* weiter =
        place<QPushButton>(m_panel8, "Button9", QRect(640, 400, 100, 30), QStringLiteral("Weiter"));
    connect(weiter, &QPushButton::clicked, this, &MainWindow::Button9Click);
    m_panel8->raise();
}

void MainWindow::createStatusBar() {
    m_statusBar = new PanelStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar2"));
    m_statusBar->addPanel(QStringLiteral("Quillmark"), 300);
    setStatusBar(m_statusBar);
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
}

void MainWindow::setGeneralSettingsDone(bool done) {
    m_generalSettingsDone = done ? QStringLiteral("true") : QStringLiteral("false");
}

void MainWindow::enablePreview() {
    m_vorschau->setEnabled(true);
    m_image9->setEnabled(true);
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
    setGeneralSettingsDone(false);
}

void MainWindow::FormHelp() {
    m_windows.help().showLastPage();
}

void MainWindow::Button9Click() {
    m_panel8->hide();
}

void MainWindow::Button8Click() {
    m_windows.formBuilder().open();
}

void MainWindow::PageControl1Change() {
    if (m_programSwitch || m_generalSettingsDone == QStringLiteral("true"))
        return;
    m_windows.message(WindowSet::Message::Error605).showMessage();
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
        m_source->hasUnsavedChanges() || m_windows.postEditor().hasUnsavedChanges();
    if (unsaved && !m_closingConfirmed) {
        // Nothing is thrown away without an answer: "Ja" ends the program, "Nein" goes on.
        event->ignore();
        m_windows.message(WindowSet::Message::Error407).askToDiscard([this] {
            closeDiscardingChanges();
        });
        return;
    }
    event->accept();
    emit closed();
}
