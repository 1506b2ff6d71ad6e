#pragma once

#include "platform/DialogObjects.h"
#include "ui/CommandTable.h"

#include <QMainWindow>

#include <memory>

class ClickableLabel;
class EditorText;
class FileCommands;
class FindBar;
class PageCheckView;
class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class RecentFiles;
class SourceEdit;
class QPlainTextEdit;
class Navigation;
class PageContext;

// The post-editor's menus and menu items, by their object names.
enum class PostEditorCommand {
    Prost1,
    Neu,
    ffnen1,
    PostZuletztGeoeffnet1,
    PostListeLeeren1,
    Speichern,
    Vorschau,
    Drucken1,
    Seiteprfen1,
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
    Hilfe1,
    QuillmarkHIlfe1,
    HtmlHilfe1,
    berQuillmark1,
    Count
};

// "HTML-Quelltext nachbearbeiten": edits an existing page file as plain text. It opens and
// prints through the main window's dialogs and saves through a save dialog of its own, which
// proposes the file it works on; every save asks for the name.
class PostEditorWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostEditorWindow)
public:
    PostEditorWindow(PageContext& context, Navigation& navigation);
    ~PostEditorWindow() override;

    QSize sizeHint() const override;

    EditorText& text() const { return *m_text; }

    // Whether its text changed since it was last opened, saved or begun anew.
    bool hasUnsavedChanges() const;
    // When the program ends: true when nothing unsaved is here, or the user lets it go.
    bool mayEnd();

    // A file named from outside ("quillmark --nachbearbeiten datei"): the window comes to the
    // front and opens it as "Öffnen" does.
    void openFile(const QString& path);

    // "Neu": empties the text as one edit that undo takes back.
    void NeuClick();
    // "Seite prüfen" (F7): checks the text at once and shows what the check found.
    void Seiteprfen1Click();
    // "Beenden": closes the post-editor, asking first about unsaved text.
    void Beenden1Click();
    // "Quillmark Hilfe": the help page shown last.
    void QuillmarkHIlfe1Click();
    // "HTML Hilfe": the tutorial at the page shown last.
    void HtmlHilfe1Click();
    // "Über Quillmark": the About window.
    void berQuillmark1Click();

private:
    void createMenus();
    void createToolbar(QWidget& central, QGridLayout& layout);
    // A permanent panel names the encoding the text will be written in.
    void createStatusBar();
    void createPageView();
    void showEncoding();
    // The file's name and "*" while the text has unsaved work.
    void showCaption();

    PageContext& m_context;
    Navigation& m_navigation;
    SourceEdit* m_memo1 = nullptr;
    std::unique_ptr<EditorText> m_text;
    // The menu bar's commands, shared with the toolbar pictures.
    CommandTable::Commands<PostEditorCommand> m_commands;
    QLabel* m_encodingPanel = nullptr;
    PageCheckView* m_check = nullptr;
    FindBar* m_findBar = nullptr;
    // Its own save dialog, which proposes the file last opened or saved here and never
    // changes the main window's proposal.
    SaveFileDialog m_saveDialog;
    RecentFiles* m_recent = nullptr;
    FileCommands* m_files = nullptr;
};
