#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>

class ClickableLabel;
class EditorText;
class PageCheckView;
class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class Navigation;
class PageContext;

// "HTML-Quelltext nachbearbeiten": edits an existing page file as plain text. It uses the
// main window's open, save and print dialogs, so a file saved here is the one the main
// window's preview opens.
class PostEditorWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostEditorWindow)
public:
    PostEditorWindow(PageContext& context, Navigation& navigation);
    ~PostEditorWindow() override;

    QSize sizeHint() const override;

    // Whether its text changed since it was last opened, saved or begun anew.
    bool hasUnsavedChanges() const;

    void NeuClick();
    void ffnen1Click();
    // Opens like "Öffnen" and names the file in the caption.
    void Image2Click();
    void SpeichernClick();
    // Saves like "Speichern unter..." and names the file in the caption.
    void Image7Click();
    void VorschauClick();
    void Drucken1Click();
    // "Seite prüfen" (F7): checks the text at once and shows what the check found.
    void Seiteprfen1Click();
    void Beenden1Click();
    void QuillmarkHIlfe1Click();
    void HtmlHilfe1Click();
    void berQuillmark1Click();

private:
    void createMenus();
    void createToolbar(QWidget& central, QGridLayout& layout);
    // A permanent panel names the encoding the text will be written in.
    void createStatusBar();
    void createPageView();
    void showEncoding();
    // The chosen path after a successful open or save; nothing when cancelled or failed.
    std::optional<QString> openChosenFile();
    std::optional<QString> saveChosenFile();
    void showFileInCaption(const QString& path);

    PageContext& m_context;
    Navigation& m_navigation;
    QPlainTextEdit* m_memo1 = nullptr;
    std::unique_ptr<EditorText> m_text;
    // The menu bar's commands, shared with the toolbar pictures.
    QList<QAction*> m_actions;
    QLabel* m_encodingPanel = nullptr;
    PageCheckView* m_check = nullptr;
    // The file last opened or saved here; the save dialog opens in its folder.
    QString m_file;
};
