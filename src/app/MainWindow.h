#pragma once

#include "generators/TabPage.h"
#include "ui/CommandTable.h"

#include <QMainWindow>

#include <array>
#include <memory>

class ClickableLabel;
class CurrentFieldTracker;
class FieldExplanations;
class FileCommands;
class FileDrops;
class FindBar;
class PageDocument;
class Navigation;
class PageCheckView;
class PageContext;
class PanelStatusBar;
class RecentFiles;
class QAction;
class QMenu;
class QPlainTextEdit;
class SourceEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class WelcomePanel;

// "Quillmark", the main window: menus, picture toolbar, the nine tab pages with the page
// source on "Quelltext", the welcome panel and the status bar.
// The main window's menus and menu items, by their object names.
enum class MainWindowCommand {
    Datei1,
    Neu,
    ffnen1,
    ZuletztGeoeffnet1,
    ListeLeeren1,
    Speichern1,
    Speichern,
    Vorschau,
    Veroeffentlichen1,
    Drucken1,
    SeiteDrucken1,
    Beenden1,
    Bearbeiten1,
    Rueckgaengig1,
    Wiederherstellen1,
    Ausschneiden1,
    Kopieren1,
    infgen1,
    Lschen1,
    AllesMarkieren1,
    Suchen1,
    Ersetzen1,
    Extra1,
    Frameseiteerstellen1,
    Seitenachbearbeiten1,
    Seiteprfen1,
    Rechtschreibung1,
    Hilfe1,
    QuillmarkHIlfe1,
    HtmlHilfe1,
    berQuillmark1,
    Count
};

class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)
public:
    MainWindow(PageContext& context, Navigation& navigation);
    ~MainWindow() override;

    CurrentFieldTracker& fields() const { return *m_fields; }
    // The page as the file commands and the recovery copies see it.
    PageDocument& pageDocument() const { return *m_page; }
    QTabWidget& pageControl() const { return *m_pageControl; }

    // Switches to "Allgemeine Einstellungen" without the tab warning; enables the page too
    // when asked.
    void showGeneralSettings(bool enablePage);

    // Ends the program without asking about the page, after "Ja" in "Error 407".
    void closeDiscardingChanges();
    // "Speichern": false when the user cancelled or the save failed.
    bool savePage();
    // A page named from outside ("quillmark seite.html"), opened as "Öffnen..." does.
    void openPage(const QString& path);

    // Builds the contents of the nine tab pages; the window set does this right after the
    // main window is first shown.
    void createPages();

    // The window was built: the general settings are still to be done.
    void FormCreate();
    // Shift+F1: the help page shown last.
    void FormHelp();
    // "Frameseite erstellen": opens the frame builder.
    void Frameseiteerstellen1Click();
    // "Seite nachbearbeiten": opens the post-editor.
    void Seitenachbearbeiten1Click();
    // "Beenden": ends the program, asking first about unsaved work.
    void Beenden1Click();
    // "Seite prüfen" (F7): shows "Quelltext" and checks the page at once.
    void Seiteprfen1Click();
    // "Quillmark Hilfe" (F1): the help page of the tab page in front.
    void QuillmarkHIlfe1Click();
    // "HTML Hilfe": the tutorial at the page shown last.
    void HtmlHilfe1Click();
    // "Über Quillmark": the About window.
    void berQuillmark1Click();
    // "Weiter" on the welcome panel: hides the panel over the pages.
    void Button9Click();
    // Another tab page came in front: "Error 605" while the general settings are not done;
    // general settings being changed lock again.
    void PageControl1Change();

signals:
    // The main window closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The page's file and "*" while it has unsaved work.
    void showCaption();
    void createMenus();
    void createToolbar(QWidget& strip);
    void createTabs();
    void createPageView();
    void createStatusBar();
    void createPageCheck();
    // Shows "Quelltext", with what the page check found.
    void showSource();
    void switchTo(QWidget* page);
    // The tab page of this caption, as the program's own switch.
    void showPageCaptioned(const QString& caption);

    PageContext& m_context;
    Navigation& m_navigation;
    CurrentFieldTracker* m_fields;
    FieldExplanations* m_explanations;
    QTabWidget* m_pageControl = nullptr;
    SourceEdit* m_memo2 = nullptr;
    FindBar* m_findBar = nullptr;
    PageCheckView* m_check = nullptr;
    PanelStatusBar* m_statusBar = nullptr;
    std::unique_ptr<PageServices> m_services;
    PageDocument* m_page = nullptr;
    RecentFiles* m_recent = nullptr;
    FileCommands* m_fileCommands = nullptr;
    FileDrops* m_drops = nullptr;
    QList<TabPage*> m_pages;
    WelcomePanel* m_panel8 = nullptr;
    // The menu bar's commands, shared with the toolbar pictures.
    CommandTable::Commands<MainWindowCommand> m_commands;
    bool m_programSwitch = false;
    bool m_closingConfirmed = false;
};
