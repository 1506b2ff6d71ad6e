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
class QWidget;
class SplashWindow;
class WindowPlaces;

// The program's thirteen windows, created once in a fixed order (the main window first, the
// splash second) after the page context they share, and owned here for the whole run.
// Windows are only shown and hidden; they reach each other through this set's Navigation.
class WindowSet final : public Navigation {
    Q_DISABLE_COPY_MOVE(WindowSet)
public:
    // How the program starts: with every window hidden (as tests build it), or with the
    // main window and the splash shown as soon as they exist, so that the user sees them
    // while the other windows are still being created.
    enum class Start { Hidden, Shown };

    WindowSet(Dialogs& dialogs, DocumentOpener& opener, Start start = Start::Hidden);
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
    // All thirteen, in the order they were created.
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
    WindowPlaces* m_places = nullptr; // the main window's
};
