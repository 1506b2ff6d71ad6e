#pragma once

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
class PostEditorWindow;
class QWidget;
class SplashWindow;

// The program's twelve windows, created once in a fixed order (the main window first, the
// splash second) and owned here for the whole run. Windows are only shown and hidden; each
// reaches the others through this set.
class WindowSet final {
    Q_DISABLE_COPY_MOVE(WindowSet)
public:
    // The numbered message windows.
    enum class Message { Error409, Error407, Error605, Error305 };

    // How the program starts: with every window hidden (as tests build it), or with the
    // main window and the splash shown as soon as they exist, so that the user sees them
    // while the other windows are still being created.
    enum class Start { Hidden, Shown };

    WindowSet(Dialogs& dialogs, DocumentOpener& opener, Start start = Start::Hidden);
    ~WindowSet();

    // Shows the main window and, in front of it, the splash, whose timer starts.
    void showAtStart();

    Dialogs& dialogs() const { return m_dialogs; }
    DocumentOpener& opener() const { return m_opener; }

    MainWindow& mainWindow() const { return *m_main; }
    SplashWindow& splash() const { return *m_splash; }
    HelpWindow& help() const { return *m_help; }
    HtmlHelpWindow& htmlHelp() const { return *m_htmlHelp; }
    FormBuilderWindow& formBuilder() const { return *m_formBuilder; }
    FrameBuilderWindow& frameBuilder() const { return *m_frameBuilder; }
    PostEditorWindow& postEditor() const { return *m_postEditor; }
    AboutWindow& about() const { return *m_about; }
    MessageWindow& message(Message which) const;
    // All twelve, in the order they were created.
    QList<QWidget*> all() const;

private:
    Dialogs& m_dialogs;
    DocumentOpener& m_opener;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<HtmlHelpWindow> m_htmlHelp;
    std::unique_ptr<FormBuilderWindow> m_formBuilder;
    std::unique_ptr<FrameBuilderWindow> m_frameBuilder;
    std::unique_ptr<PostEditorWindow> m_postEditor;
    std::unique_ptr<AboutWindow> m_about;
    std::array<std::unique_ptr<MessageWindow>, 4> m_messages;
};
