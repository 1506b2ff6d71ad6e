#pragma once

#include "context/Navigation.h"

#include <QtGlobal>

#include <QList>

#include <array>
#include <memory>

class AboutWindow;
class Dialogs;
class DocumentOpener;
class FormBuilderWindow;
class FrameBuilderWindow;
class HelpWindow;
class HtmlHelpWindow;
class MainWindow;
class MessageWindow;
class PageContext;
class PostEditorWindow;
class PublishWindow;
class RecoverWindow;
class RecoveryFolder;
class RecoveryRecorder;
class QWidget;
class SplashWindow;
class WindowPlaces;

// The program's fourteen windows, created once in a fixed order (the main window first, the
// splash second) after the page context they share, and owned here for the whole run.
// Windows are only shown and hidden; they reach each other through this set's Navigation.
// Unsaved work of the page and the post-editor is copied into a recovery folder while it
// lasts, so that the next start can offer it after a crash.
class WindowSet final : public Navigation {
    Q_DISABLE_COPY_MOVE(WindowSet)
public:
    // How the program starts: with every window hidden (as tests build it), or with the
    // main window and the splash shown as soon as they exist, so that the user sees them
    // while the other windows are still being created.
    enum class Start { Hidden, Shown };

    // The recovery folder is the program's own (RecoveryFolder::defaultPath()) unless given.
    WindowSet(Dialogs& dialogs, DocumentOpener& opener, Start start = Start::Hidden,
              const QString& recoveryFolder = QString());
    ~WindowSet() override;

    // Shows the main window and, in front of it, the splash, whose timer starts.
    void showAtStart();

    PageContext& context() const { return *m_context; }

    MainWindow& mainWindow() const { return *m_main; }
    SplashWindow& splash() const { return *m_splash; }
    HelpWindow& help() const { return *m_help; }
    HtmlHelpWindow& htmlHelp() const { return *m_htmlHelp; }
    FormBuilderWindow& formBuilder() const { return *m_formBuilder; }
    PostEditorWindow& postEditor() const { return *m_postEditor; }
    AboutWindow& about() const { return *m_about; }
    PublishWindow& publish() const { return *m_publish; }
    MessageWindow& message(Message which) const;
    RecoverWindow& recover() const { return *m_recover; }
    RecoveryFolder& recoveryFolder() const { return *m_recovery; }
    RecoveryRecorder& pageRecorder() const { return *m_pageRecorder; }
    RecoveryRecorder& postEditorRecorder() const { return *m_postEditorRecorder; }
    // Offers the unsaved work that programs no longer running left behind, in front of the
    // main window; true when there was some. The program does this at a shown start.
    bool offerRecovery();
    // All fourteen, in the order they were created.
    QList<QWidget*> all() const;

    void showMessage(Message which) override;
    void askToDiscard(std::function<void()> proceed) override;
    void showGeneralSettings(bool enablePage) override;
    void showFormBuilder() override;
    void showFrameBuilder() override;
    void showPostEditor() override;
    void showAbout() override;
    void showPublish() override;
    void showHelpPage(const QString& page) override;
    void showLastHelpPage() override;
    void showHtmlHelp() override;
    void showLastHtmlHelpPage() override;
    bool savePage() override;
    bool postEditorMayEnd() override;
    void endProgram() override;

private:
    // Shows the splash in front of the main window and starts its timer.
    void showSplash();
    // Where each window opens: over the main window, or where the user last left it.
    void placeWindows();
    // The window that offers unsaved work a crash left behind, and what copies the page's
    // and the post-editor's unsaved work while it lasts.
    void createRecovery();
    // Made first and gone last, after every window that records into it.
    std::unique_ptr<RecoveryFolder> m_recovery;
    std::unique_ptr<PageContext> m_context;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<HtmlHelpWindow> m_htmlHelp;
    std::unique_ptr<FormBuilderWindow> m_formBuilder;
    std::unique_ptr<FrameBuilderWindow> m_frameBuilder;
    std::unique_ptr<PostEditorWindow> m_postEditor;
    std::unique_ptr<AboutWindow> m_about;
    // The messages and "Über Quillmark" are owned by the main window too; they go first.
    std::array<std::unique_ptr<MessageWindow>, 4> m_messages;
    // Made last and owned by the main window, which it stays with; gone before it.
    std::unique_ptr<PublishWindow> m_publish;
    // Made after every other window, owned by the main window too.
    std::unique_ptr<RecoverWindow> m_recover;
    std::unique_ptr<RecoveryRecorder> m_pageRecorder;
    std::unique_ptr<RecoveryRecorder> m_postEditorRecorder;
    WindowPlaces* m_places = nullptr; // the main window's
};
