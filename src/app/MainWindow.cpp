#include "app/MainWindow.h"

#include "app/WelcomePanel.h"
#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "commands/FileCommands.h"
#include "commands/PageDocument.h"
#include "commands/PageHandOver.h"
#include "commands/RecentFiles.h"
#include "context/Navigation.h"
#include "context/PageContext.h"
#include "core/platform/StandIns.h"
#include "generators/TabPageTable.h"
#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/FileDrops.h"
#include "ui/FindBar.h"
#include "ui/Layout.h"
#include "ui/PageCheckView.h"
#include "ui/PageViewDock.h"
#include "ui/PanelStatusBar.h"
#include "ui/SourceEdit.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

MainWindow::MainWindow(PageContext& context, Navigation& navigation)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_context(context), m_navigation(navigation), m_fields(new CurrentFieldTracker(this)),
      m_explanations(new FieldExplanations(this)) {
    setObjectName(QStringLiteral("TForm2"));
    showCaption();
    connect(&context.state, &PageState::fileChanged, this, &MainWindow::showCaption);
    connect(&context.document.document(), &QTextDocument::modificationChanged, this,
            &MainWindow::showCaption);

    createStatusBar();
    m_page = new PageDocument(context, navigation, this);
    m_recent = new RecentFiles(QStringLiteral("Zuletzt/Seiten"), this);
    m_fileCommands = new FileCommands(context, *m_page, context.dialogs.SaveDialog1,
                                      FileCommands::Saving::ToOwnFile, *m_recent, this);
    connect(m_fileCommands, &FileCommands::notice, &context.notices,
            &StatusNotices::PostStatusMessage);
    // A page dropped on the window opens as one chosen in "Öffnen..." does.
    m_drops = new FileDrops(
        *this,
        [](const QString& path) {
            const QString suffix = QFileInfo(path).suffix().toLower();
            return suffix == u"html" || suffix == u"htm";
        },
        [this](const QString& path) { openPage(path); });
    m_services = std::make_unique<PageServices>(
        PageServices{context, navigation, *m_fields, *m_explanations, *m_drops});

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Central"));
    m_pageControl = new QTabWidget(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    // Every caption whole, so that the window is never narrower than the nine tabs.
    m_pageControl->setUsesScrollButtons(false);
    m_pageControl->setElideMode(Qt::ElideNone);
    createMenus();
    QVBoxLayout* column = Layout::nestedColumn();
    column->setContentsMargins(Layout::kSpacing, 0, Layout::kSpacing, Layout::kSpacing);
    central->setLayout(column);
    auto* strip = Controls::named<QWidget>(central, "ToolbarStrip");
    createToolbar(*strip);
    column->addWidget(strip);
    column->addWidget(m_pageControl, 1);
    setCentralWidget(central);

    m_panel8 = new WelcomePanel(*m_pageControl);
    connect(m_panel8, &WelcomePanel::weiter, this, &MainWindow::Button9Click);
    connect(m_page, &PageDocument::pageOpened, this, &MainWindow::Button9Click);
    createTabs();
    Layout::fitToScreen(*this);
    FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::createTabs() {
    // Until the pages are built (createPages), each tab holds an empty page under the
    // welcome panel, so that the window can be shown at once. The first asks for the panel's
    // size, which the window opens at.
    for (const TabPageEntry& entry : TabPageTable())
        m_pageControl->addTab(new QWidget, QString::fromUtf8(entry.caption));
    const QSize welcome = m_panel8->sizeHint();
    auto* room = new QVBoxLayout(m_pageControl->widget(0));
    room->addSpacerItem(new QSpacerItem(welcome.width(), welcome.height(), QSizePolicy::Expanding,
                                        QSizePolicy::Expanding));
}

void MainWindow::createPages() {
    // The large window icon is read after the first paint, where it does not delay start-up.
    setWindowIcon(Artwork::icon(QStringLiteral("quillmark.png")));
    createPageCheck();
    const QSignalBlocker quiet(m_pageControl);
    int index = 0;
    for (const TabPageEntry& entry : TabPageTable()) {
        TabPage* page = entry.create(*m_services, &m_check->area());
        connect(m_page, &PageDocument::pageBegunAnew, page, &TabPage::emptyForNew);
        connect(m_page, &PageDocument::pageOpened, page, &TabPage::showOpenedPage);
        QWidget* placeholder = m_pageControl->widget(index);
        m_pageControl->removeTab(index);
        delete placeholder;
        m_pageControl->insertTab(index, page, QString::fromUtf8(entry.caption));
        m_pages.append(page);
        ++index;
    }
    m_fields->track(m_memo2);
    m_pageControl->setCurrentIndex(0);
    m_panel8->raise();
    connect(m_pageControl, &QTabWidget::currentChanged, this, &MainWindow::PageControl1Change);
    // Large enough for the pages just built, where the screen has room.
    Layout::growToFit(*this);
    createPageView();
    m_drops->watchWindow();
}

void MainWindow::createPageView() {
    PageContext& context = m_context;
    auto* view = new PageViewDock(*this, "Seitenansicht1", PageHandOver::asSaved(context));
    view->follow(*m_memo2);
    connect(&context.document, &PageSource::committed, view, &PageViewDock::showEnd);
    connect(view, &PageViewDock::linkClicked, this, [&context](const QString& target) {
        context.notices.PostStatusMessage(QStringLiteral("Link: ") + target);
    });
    connect(view, &PageViewDock::noRoom, &context.notices, &StatusNotices::PostStatusMessage);
    m_commands.menu(MainWindowCommand::Extra1)->addAction(view->toggle());
    view->showWhereRoom();
}

void MainWindow::createStatusBar() {
    m_statusBar = new PanelStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar2"));
    m_statusBar->addPanel(QStringLiteral("Quillmark"), 300);
    m_statusBar->follow(m_context.notices);
    setStatusBar(m_statusBar);
}

void MainWindow::createPageCheck() {
    // The page source lives on "Quelltext"; every generator writes to its document. It is made
    // with the pages, after the window is first shown.
    m_memo2 = SourceEdit::forHtml("Memo2", false);
    m_memo2->showDocument(m_context.document.document());
    // The closing tail a save adds counts as present; a saved page's names are looked up in
    // its folder.
    m_check = new PageCheckView(
        *m_memo2,
        [this] {
            const PageState& state = m_context.state;
            return PageCheckView::optionsFor(state.hasFile() ? state.ownFile() : QString(), true);
        },
        this);
    connect(&m_context.document, &PageSource::committed, m_check, &PageCheckView::checkNow);
    // A page that is only shown takes nothing, and says so.
    connect(&m_context.document, &PageSource::readOnlyChanged, m_memo2,
            &QPlainTextEdit::setReadOnly);
    connect(&m_context.document, &PageSource::changeRefused, this,
            [this] { m_context.ask.message(StandIns::readOnlyNotice()); });
    connect(m_check, &PageCheckView::lineChosen, this, [this] { m_fields->makeCurrent(m_memo2); });
    connect(m_check, &PageCheckView::listRequested, this, &MainWindow::showSource);
    m_check->offerPages(true);
    connect(m_check, &PageCheckView::pageRequested, this, &MainWindow::showPageCaptioned);
    m_statusBar->addPermanentWidget(&m_check->status());
    m_findBar = new FindBar(*m_memo2);
    m_check->putUnderField(*m_findBar);
    connect(m_findBar, &FindBar::notice, &m_context.notices, &StatusNotices::PostStatusMessage);
}

void MainWindow::showCaption() {
    const bool unsaved = m_context.document.hasUnsavedChanges();
    setWindowTitle(m_context.state.caption(unsaved));
    setWindowModified(unsaved);
}

void MainWindow::showGeneralSettings(bool enablePage) {
    QWidget* page = m_pages.constFirst();
    if (enablePage)
        page->setEnabled(true);
    switchTo(page);
}

void MainWindow::showSource() {
    switchTo(m_pages.constLast());
}

void MainWindow::showPageCaptioned(const QString& caption) {
    const std::span<const TabPageEntry> entries = TabPageTable();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (QString::fromUtf8(entries[i].caption) == caption)
            return switchTo(m_pages[qsizetype(i)]);
    }
}

void MainWindow::switchTo(QWidget* page) {
    // A switch the program makes shows no tab warning.
    m_programSwitch = true;
    m_pageControl->setCurrentWidget(page);
    m_programSwitch = false;
}

void MainWindow::Seiteprfen1Click() {
    showSource();
    m_check->checkNow();
    if (m_check->findings().isEmpty())
        m_context.notices.PostStatusMessage(QStringLiteral("Seite in Ordnung"));
}

void MainWindow::closeDiscardingChanges() {
    m_closingConfirmed = true;
    close();
}

bool MainWindow::savePage() {
    return m_fileCommands->save();
}

void MainWindow::openPage(const QString& path) {
    m_fileCommands->openFile(path);
}

void MainWindow::FormCreate() {
    m_context.state.setGeneralSettingsDone(false);
}

void MainWindow::FormHelp() {
    m_navigation.showLastHelpPage();
}

void MainWindow::Frameseiteerstellen1Click() {
    m_navigation.showFrameBuilder();
}

void MainWindow::Seitenachbearbeiten1Click() {
    m_navigation.showPostEditor();
}

void MainWindow::Beenden1Click() {
    m_navigation.endProgram();
}

void MainWindow::QuillmarkHIlfe1Click() {
    // The help page of the tab page in front.
    m_navigation.showHelpPage(QString::fromLatin1(
        TabPageTable()[static_cast<size_t>(m_pageControl->currentIndex())].helpPage));
}

void MainWindow::HtmlHilfe1Click() {
    m_navigation.showHtmlHelp();
}

void MainWindow::berQuillmark1Click() {
    m_navigation.showAbout();
}

void MainWindow::Button9Click() {
    m_panel8->hide();
}

void MainWindow::PageControl1Change() {
    const bool settingsShown = m_pageControl->currentWidget() == m_pages.constFirst();
    // Settings opened for a change lock again, unwritten, when the user turns to another page.
    if (!settingsShown)
        m_context.state.setChangingSettings(false);
    // The warning sends the user to the general settings, so a switch to them never shows it.
    if (m_programSwitch || m_context.state.generalSettingsDone() || settingsShown)
        return;
    m_navigation.showMessage(Message::Error605);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Nothing is thrown away without an answer, the page's first: "Ja" (or a save) goes on
    // to the post-editor's text, "Nein" keeps the program open.
    if (m_context.document.hasUnsavedChanges() && !m_closingConfirmed) {
        event->ignore();
        m_navigation.askToDiscard([this] { closeDiscardingChanges(); });
        return;
    }
    m_closingConfirmed = false;
    if (!m_navigation.postEditorMayEnd()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}
