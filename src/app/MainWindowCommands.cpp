// The main window's menus and toolbar: the command tables and their wiring.
#include "app/MainWindow.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/EditCommands.h"
#include "commands/FileCommands.h"
#include "commands/PageHandOver.h"
#include "commands/PagePrinter.h"
#include "context/Navigation.h"
#include "context/PageContext.h"
#include "ui/CommandTable.h"
#include "ui/FindBar.h"
#include "ui/RecentMenu.h"
#include "ui/SourceEdit.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>
#include <QTabWidget>

void MainWindow::createMenus() {
    using namespace CommandTable;
    using Command = MainWindowCommand;
    FileCommands* files = m_fileCommands;
    auto* pagePrinter = new PagePrinter(m_context, PageHandOver::asSaved(m_context), *this);
    auto edit = [this](EditCommands::Operation operation) {
        EditCommands::applyToCurrent(operation, *m_fields);
    };
    QList<MenuRow> rows = {
        menu(Command::Datei1, "Datei1", QStringLiteral("&Datei")),
        item(Command::Neu, "Neu", QStringLiteral("&Neu"), Qt::CTRL | Qt::Key_N, "menu_new.png",
             [files] { files->NeuClick(); }),
        item(Command::ffnen1, "ffnen1", QStringLiteral("Ö&ffnen..."), Qt::CTRL | Qt::Key_O, nullptr,
             [files] { files->ffnen1Click(); }),
        submenu(Command::ZuletztGeoeffnet1, "ZuletztGeoeffnet1",
                QStringLiteral("&Zuletzt geöffnet")),
        separator(),
        item(Command::ListeLeeren1, "ListeLeeren1", QStringLiteral("&Liste leeren"), {}, nullptr,
             {}),
        endSubmenu(),
        item(Command::Speichern1, "Speichern1", QStringLiteral("&Speichern"), Qt::CTRL | Qt::Key_S,
             "menu_save.png", [files] { files->Speichern1Click(); }),
        item(Command::Speichern, "Speichern", QStringLiteral("Speichern &unter..."),
             Qt::CTRL | Qt::ALT | Qt::Key_S, nullptr, [files] { files->SpeichernClick(); }),
        item(Command::Vorschau, "Vorschau", QStringLiteral("&Vorschau"), {}, "menu_preview.png",
             [files] { files->VorschauClick(); }),
        item(Command::Veroeffentlichen1, "Veroeffentlichen1", QStringLiteral("Ver&öffentlichen..."),
             Qt::Key_F9, "menu_publish.png", [this] { m_navigation.showPublish(); }),
        item(Command::Drucken1, "Drucken1", QStringLiteral("&Drucken"), Qt::CTRL | Qt::Key_P,
             "menu_print.png", [files] { files->Drucken1Click(); }),
        item(Command::SeiteDrucken1, "SeiteDrucken1", QStringLiteral("S&eite drucken..."),
             Qt::CTRL | Qt::SHIFT | Qt::Key_P, nullptr,
             [pagePrinter] { pagePrinter->SeiteDrucken1Click(); }),
        separator(),
        item(Command::Beenden1, "Beenden1", QStringLiteral("&Beenden"), {}, nullptr,
             [this] { Beenden1Click(); }),
        menu(Command::Bearbeiten1, "Bearbeiten1", QStringLiteral("&Bearbeiten")),
    };
    // The page source's editor is made with the pages, after the window is first shown.
    rows += EditCommands::undoRows<Command>([this] { return m_memo2; });
    rows += EditCommands::menuRows<Command>(edit);
    // The search bar lies under the page source: "Quelltext" comes in front first.
    const auto findBar = [this]() -> FindBar* {
        if (m_findBar)
            showSource();
        return m_findBar;
    };
    rows += FindCommands::rows<Command>(findBar);
    rows += {
        menu(Command::Extra1, "Extra1", QStringLiteral("E&xtra")),
        item(Command::Frameseiteerstellen1, "Frameseiteerstellen1",
             QStringLiteral("&Frameseite erstellen"), {}, nullptr,
             [this] { Frameseiteerstellen1Click(); }),
        item(Command::Seitenachbearbeiten1, "Seitenachbearbeiten1",
             QStringLiteral("&Seite nachbearbeiten"), {}, nullptr,
             [this] { Seitenachbearbeiten1Click(); }),
        item(Command::Seiteprfen1, "Seiteprfen1", QStringLiteral("Seite &prüfen"), Qt::Key_F7,
             nullptr, [this] { Seiteprfen1Click(); }),
        item(Command::Rechtschreibung1, "Rechtschreibung1",
             QStringLiteral("&Rechtschreibung prüfen"), {}, nullptr, {}),
    };
    rows += helpMenu<Command>([this] { QuillmarkHIlfe1Click(); }, [this] { HtmlHilfe1Click(); },
                              [this] { berQuillmark1Click(); });
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    m_commands = build<Command>(*menuBar(), rows);
    EditCommands::followUndo(m_commands, m_context.document.document());
    m_context.spelling.bindSwitch(*m_commands[Command::Rechtschreibung1]);
    new RecentMenu(*m_commands.menu(Command::ZuletztGeoeffnet1), *m_recent,
                   *m_commands[Command::ListeLeeren1],
                   [files](const QString& path) { files->openRecent(path); });

    // "Vorschau" waits for the first save; its toolbar picture follows the action.
    QAction* vorschau = m_commands[Command::Vorschau];
    vorschau->setEnabled(m_context.state.previewEnabled());
    connect(&m_context.state, &PageState::previewEnabledChanged, vorschau, &QAction::setEnabled);

    const EditCommands::ActionNames popupItems{"Ausschneiden2", "Kopieren2", "Einfgen1", "Lschen3",
                                               "Lschen2"};
    EditCommands::installPopupMenu(*this, {"PopupMenu1", popupItems, {m_pageControl}, false, true},
                                   edit);

    FindCommands::installStepKeys(*this, findBar);

    // The window's own help request (Shift+F1), apart from the menu's F1.
    auto* formHelp = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(formHelp, &QShortcut::activated, this, &MainWindow::FormHelp);
}

void MainWindow::createToolbar(QWidget& strip) {
    using namespace CommandTable;
    using Command = MainWindowCommand;
    // The toolbar's New empties fewer fields than the menu's, so it is a command of its own.
    auto* toolbarNew = new QAction(this);
    connect(toolbarNew, &QAction::triggered, m_fileCommands, &FileCommands::Image6Click);
    QList<ToolbarRow> rows = {
        picture(Look::NewPage, "Image6", "Image16", toolbarNew),
        picture("Image7", "Image17", "tb_save", QStringLiteral("Seite speichern"),
                m_commands[Command::Speichern1]),
        picture(Look::Print, "Image8", "Image18", m_commands[Command::Drucken1]),
        picture(Look::Preview, "Image9", "Image19", m_commands[Command::Vorschau]),
        picture("Image56", "Image57", "tb_publish", QStringLiteral("Seite veröffentlichen"),
                m_commands[Command::Veroeffentlichen1]),
        gap(),
    };
    rows += EditCommands::toolbarRows(m_commands, {"Image20", "Image21", "Image22"});
    rows += {gap(), banner("Image13", "banner1.jpg"), banner("Image14", "banner2.jpg"),
             banner("Image15", "banner3.jpg")};
    buildToolbar(strip, rows);
}
