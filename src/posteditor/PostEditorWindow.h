#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>

class ClickableLabel;
class EditorText;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class WindowSet;
struct SharedDialogs;

// "HTML-Quelltext nachbearbeiten": edits an existing page file as plain text. It uses the
// main window's open, save and print dialogs, so a file saved here is the one the main
// window's preview opens.
class PostEditorWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostEditorWindow)
public:
    explicit PostEditorWindow(WindowSet& windows);
    ~PostEditorWindow() override;

    // Shows the window unchanged, with the text it held when it was last closed.
    void showEditor();
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
    void Beenden1Click();
    void QuillmarkHIlfe1Click();
    void HtmlHilfe1Click();
    void berQuillmark1Click();

private:
    void createMenus();
    void createToolbar(QWidget* strip);
    // A permanent panel names the encoding the text will be written in.
    void createStatusBar();
    void showEncoding();
    SharedDialogs& dialogs() const;
    // The chosen path after a successful open or save; nothing when cancelled or failed.
    std::optional<QString> openChosenFile();
    std::optional<QString> saveChosenFile();
    void showFileInCaption(const QString& path);

    WindowSet& m_windows;
    QPlainTextEdit* m_memo1 = nullptr;
    std::unique_ptr<EditorText> m_text;
    QMenu* m_popupMenu1 = nullptr;
    QAction* m_vorschau = nullptr;
    ClickableLabel* m_image9 = nullptr;
    QLabel* m_encodingPanel = nullptr;
    bool m_changed = false;
};
