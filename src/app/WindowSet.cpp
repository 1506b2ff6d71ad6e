#include "app/WindowSet.h"

#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "commands/PageDocument.h"
#include "commands/RecoverWindow.h"
#include "commands/RecoveryRecorder.h"
#include "context/PageContext.h"
#include "core/context/RecoveryFolder.h"
#include "forms/FormBuilderWindow.h"
#include "frames/FrameBuilderWindow.h"
#include "help/AboutWindow.h"
#include "help/HelpWindow.h"
#include "help/HtmlHelpWindow.h"
#include "help/MessageWindow.h"
#include "posteditor/EditorText.h"
#include "posteditor/PostEditorWindow.h"
#include "publish/PublishWindow.h"
#include "ui/BringToFront.h"
#include "ui/KeyboardReach.h"
#include "ui/SourceEdit.h"
#include "ui/WindowPlaces.h"

#include <QCoreApplication>
#include <QTimer>

// The help texts are compiled into a static library, so they are registered by hand.
static void initResources() {
    Q_INIT_RESOURCE(texts);
}

WindowSet::WindowSet(Dialogs& dialogs, DocumentOpener& opener, Start start,
                     const QString& recoveryFolder)
    : m_recovery(std::make_unique<RecoveryFolder>(
          recoveryFolder.isEmpty() ? RecoveryFolder::defaultPath() : recoveryFolder)),
      m_context(std::make_unique<PageContext>(dialogs, opener)) {
    initResources();
    m_main = std::make_unique<MainWindow>(*m_context, *this);
    m_context->spelling.loadAfterFirstPaint(*m_main);
    m_places = new WindowPlaces(*m_main);
    m_places->remember(*m_main);
    // The main window is painted first and the splash in front of it a moment later; no user
    // input is taken before every window exists.
    if (start == Start::Shown) {
        m_main->show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    m_splash = std::make_unique<SplashWindow>(*m_main);
    if (start == Start::Shown) {
        showSplash();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    m_main->createPages();
    m_help = std::make_unique<HelpWindow>();
    m_htmlHelp = std::make_unique<HtmlHelpWindow>();
    m_formBuilder = std::make_unique<FormBuilderWindow>(*m_context);
    m_frameBuilder = std::make_unique<FrameBuilderWindow>(*m_context);
    m_postEditor = std::make_unique<PostEditorWindow>(*m_context, *this);
    // The messages, "Über Quillmark" and „Veröffentlichen“ belong to the main window and stay
    // in front of it; the builders, the post-editor and the help windows are windows of their
    // own, which the main window can come in front of.
    m_about = std::make_unique<AboutWindow>(m_main.get());
    for (Message which :
         {Message::Error409, Message::Error407, Message::Error605, Message::Error305})
        m_messages[static_cast<size_t>(which)] =
            std::make_unique<MessageWindow>(*this, which, m_main.get());
    m_publish = std::make_unique<PublishWindow>(*m_context, *this, m_main.get());
    createRecovery();
    // The page source and the post-editor mark misspelt words of the page's text.
    for (QWidget* window : std::initializer_list<QWidget*>{m_main.get(), m_postEditor.get()}) {
        for (SourceEdit* field : window->findChildren<SourceEdit*>())
            field->checkSpelling(m_context->spelling);
    }
    placeWindows();
    for (QWidget* window : all())
        KeyboardReach::arrange(*window);
    // Work a crash left behind is offered once the main window shows.
    if (start == Start::Shown)
        QTimer::singleShot(0, m_main.get(), [this] { offerRecovery(); });
}

void WindowSet::createRecovery() {
    PageDocument* page = &m_main->pageDocument();
    EditorText& text = m_postEditor->text();
    m_recover = std::make_unique<RecoverWindow>(*m_recovery, m_context->ask, *this,
                                                RecoverWindow::Targets{*page, text}, m_main.get());
    m_pageRecorder = std::make_unique<RecoveryRecorder>(
        m_context->document.document(), *m_recovery, RecoveryCopy::Window::Page,
        [page] { return page->recoverySnapshot(); });
    QObject::connect(&m_context->document, &PageSource::committed, m_pageRecorder.get(),
                     &RecoveryRecorder::programChanged);
    m_postEditorRecorder = std::make_unique<RecoveryRecorder>(
        text.document(), *m_recovery, RecoveryCopy::Window::PostEditor,
        [&text] { return text.recoverySnapshot(); });
}

bool WindowSet::offerRecovery() {
    if (!m_recover->offer())
        return false;
    bringToFront(*m_recover);
    return true;
}

void WindowSet::placeWindows() {
    for (QWidget* window :
         std::initializer_list<QWidget*>{m_help.get(), m_htmlHelp.get(), m_formBuilder.get(),
                                         m_frameBuilder.get(), m_postEditor.get()})
        m_places->remember(*window);
    m_places->centre(*m_about);
    for (const auto& message : m_messages)
        m_places->centre(*message);
    m_places->centre(*m_publish);
    m_places->centre(*m_recover);
}

WindowSet::~WindowSet() = default;

void WindowSet::showAtStart() {
    m_main->show();
    showSplash();
}

void WindowSet::showSplash() {
    m_splash->show();
    m_splash->raise();
    m_splash->timer().start();
}

MessageWindow& WindowSet::message(Message which) const {
    return *m_messages[static_cast<size_t>(which)];
}

QList<QWidget*> WindowSet::all() const {
    QList<QWidget*> windows{m_main.get(),       m_splash.get(),      m_help.get(),
                            m_htmlHelp.get(),   m_formBuilder.get(), m_frameBuilder.get(),
                            m_postEditor.get(), m_about.get()};
    for (const auto& message : m_messages)
        windows.append(message.get());
    windows.append(m_publish.get());
    windows.append(m_recover.get());
    return windows;
}

void WindowSet::showMessage(Message which) {
    message(which).showMessage();
}

void WindowSet::askToDiscard(std::function<void()> proceed) {
    message(Message::Error407).askToDiscard(std::move(proceed));
}

void WindowSet::showGeneralSettings(bool enablePage) {
    m_main->showGeneralSettings(enablePage);
}

void WindowSet::showFormBuilder() {
    m_formBuilder->open();
}

void WindowSet::showFrameBuilder() {
    m_frameBuilder->Frameseiteerstellen1Click();
}

void WindowSet::showPostEditor() {
    bringToFront(*m_postEditor);
}

void WindowSet::showAbout() {
    bringToFront(*m_about);
}

void WindowSet::showPublish() {
    m_publish->showForPage();
}

void WindowSet::showHelpPage(const QString& page) {
    m_help->showPage(page);
}

void WindowSet::showLastHelpPage() {
    m_help->showLastPage();
}

void WindowSet::showHtmlHelp() {
    m_htmlHelp->showFirstPage();
}

void WindowSet::showLastHtmlHelpPage() {
    m_htmlHelp->showLastPage();
}

bool WindowSet::savePage() {
    return m_main->savePage();
}

bool WindowSet::postEditorMayEnd() {
    return m_postEditor->mayEnd();
}

void WindowSet::endProgram() {
    m_main->close();
}
