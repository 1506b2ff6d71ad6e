#pragma once

#include "generators/TabPage.h"

#include <QMainWindow>

#include <array>
#include <memory>

class ClickableLabel;
class CurrentFieldTracker;
class FieldExplanations;
class FileCommands;
class PageSource;
class PanelStatusBar;
class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class StatusNotices;
class WindowSet;
struct SharedDialogs;

// "Quillmark", the main window: menus, picture toolbar, the nine tab pages with the page
// source on "Quelltext", the welcome panel and the status bar.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)
public:
    explicit MainWindow(WindowSet& windows);
    ~MainWindow() override;

    WindowSet& windows() const { return m_windows; }
    PageSource& source() const { return *m_source; }
    StatusNotices& notices() const { return *m_notices; }
    SharedDialogs& dialogs() const { return *m_dialogs; }
    CurrentFieldTracker& fields() const { return *m_fields; }
    FileCommands& fileCommands() const { return *m_fileCommands; }
    QTabWidget& pageControl() const { return *m_pageControl; }
    QPlainTextEdit& sourceView() const { return *m_memo2; }
    const QList<TabPage*>& pages() const { return m_pages; }

    // "false" until the general settings have written the document start.
    const QString& GeneralSettingsDone() const { return m_generalSettingsDone; }
    void setGeneralSettingsDone(bool done);

    // Enables "Vorschau" and its toolbar picture.
    void enablePreview();

    // Switches to "Allgemeine Einstellungen" without the tab warning; enables the page too
    // when asked.
    void showGeneralSettings(bool enablePage);

    // Ends the program without asking, after "Ja" in "Error 407".
    void closeDiscardingChanges();

    // Builds the contents of the nine tab pages; the window set does this right after the
    // main window is first shown.
    void createPages();

    void FormCreate();
    void FormHelp();
    void Button9Click();
    void Button8Click();
    void PageControl1Change();
    void Image10Click();
    void Image11Click();
    void Image12Click();

signals:
    // The main window closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolbar(QWidget* strip);
    struct PageEntry;
    static const std::array<PageEntry, 9>& pageTable();
    void createTabs();
    void createWelcomePanel();
    void createStatusBar();

    WindowSet& m_windows;
    QString m_generalSettingsDone;
    std::unique_ptr<SharedDialogs> m_dialogs;
    CurrentFieldTracker* m_fields;
    FieldExplanations* m_explanations;
    QTabWidget* m_pageControl = nullptr;
    QPlainTextEdit* m_memo2 = nullptr;
    PageSource* m_source = nullptr;
    PanelStatusBar* m_statusBar = nullptr;
    QTimer* m_timer1 = nullptr;
    StatusNotices* m_notices = nullptr;
    std::unique_ptr<MainWindowServices> m_services;
    FileCommands* m_fileCommands = nullptr;
    QList<TabPage*> m_pages;
    QWidget* m_panel8 = nullptr;
    QAction* m_vorschau = nullptr;
    ClickableLabel* m_image9 = nullptr;
    QMenu* m_popupMenu1 = nullptr;
    bool m_programSwitch = false;
    bool m_closingConfirmed = false;
};
