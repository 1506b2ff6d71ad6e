#include "posteditor/PostEditorWindow.h"

#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "commands/EditCommands.h"
#include "help/AboutWindow.h"
#include "help/HelpWindow.h"
#include "help/HtmlHelpWindow.h"
#include "platform/BareFileName.h"
#include "platform/DialogObjects.h"
#include "platform/FileTextField.h"
#include "platform/TextPrinter.h"
#include "posteditor/EditorText.h"
#include "ui/Artwork.h"
#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int kToolbarHeight = 29;
constexpr int kButtonSize = 25;

} // namespace

PostEditorWindow::PostEditorWindow(WindowSet& windows) : m_windows(windows) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("HTML-Quelltext nachbearbeiten"));
    setWindowIcon(Artwork::icon(QStringLiteral("quillmark.png")));

    m_memo1 = new QPlainTextEdit;
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Long lines wrap at spaces only: a run without spaces is never split.
    m_memo1->setWordWrapMode(QTextOption::WordWrap);
    m_memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetUpFileTextField(*m_memo1);
    m_text = std::make_unique<EditorText>(*m_memo1, m_windows.dialogs());
    connect(m_memo1, &QPlainTextEdit::textChanged, this, [this] { m_changed = true; });

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Central"));
    auto* strip = new QWidget(central);
    strip->setObjectName(QStringLiteral("ToolbarStrip"));
    strip->setFixedHeight(kToolbarHeight);
    createToolbar(strip);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(m_memo1, 1);
    setCentralWidget(central);
    createMenus();
    createStatusBar();

    setMinimumSize(420, 300);
    resize(760, 560);
}

PostEditorWindow::~PostEditorWindow() = default;

void PostEditorWindow::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          const QKeySequence& shortcut, const char* artwork,
                          void (PostEditorWindow::*handler)()) {
        QAction* action = menuItem(menu, name, text, shortcut, artwork);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("Datei"));
    file->setObjectName(QStringLiteral("Prost1"));
    addItem(file, "Neu", QStringLiteral("Neu"), QKeySequence(Qt::CTRL | Qt::Key_N), "menu_new.png",
            &PostEditorWindow::NeuClick);
    addItem(file, "ffnen1", QStringLiteral("Öffnen"), QKeySequence(Qt::CTRL | Qt::Key_O), nullptr,
            &PostEditorWindow::ffnen1Click);
    addItem(file, "Speichern", QStringLiteral("Speichern unter..."),
            QKeySequence(Qt::CTRL | Qt::Key_S), "menu_save.png", &PostEditorWindow::SpeichernClick);
    m_vorschau = addItem(file, "Vorschau", QStringLiteral("Vorschau"), {}, "menu_preview.png",
                         &PostEditorWindow::VorschauClick);
    m_vorschau->setEnabled(false);
    addItem(file, "Drucken1", QStringLiteral("Drucken"), QKeySequence(Qt::CTRL | Qt::Key_P),
            "menu_print.png", &PostEditorWindow::Drucken1Click);
    file->addSeparator();
    addItem(file, "Beenden1", QStringLiteral("Beenden"), {}, nullptr,
            &PostEditorWindow::Beenden1Click);

    // Every edit command acts on Memo1, the one editing field.
    QMenu* edit = bar->addMenu(QStringLiteral("Bearbeiten"));
    edit->setObjectName(QStringLiteral("Bearbeiten1"));
    const QList<QAction*> menuActions = EditCommands::createActions(
        this, {"Ausschneiden1", "Kopieren1", "infgen1", "Lschen1", "AllesMarkieren1"}, true, true);
    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const QList<QAction*> popupActions = EditCommands::createActions(
        this, {"Ausschneiden2", "Kopieren2", "Einfgen1", "Lschen2", "AllesMarkieren2"}, false,
        true);
    for (QAction* action : menuActions + popupActions) {
        connect(action, &QAction::triggered, this, [this, action] {
            EditCommands::apply(EditCommands::operationOf(action), m_memo1);
        });
    }
    edit->addActions(menuActions);
    m_popupMenu1->addActions(popupActions);
    for (QWidget* owner : {static_cast<QWidget*>(this), static_cast<QWidget*>(m_memo1)}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this,
                [this, owner](const QPoint& at) { m_popupMenu1->popup(owner->mapToGlobal(at)); });
    }

    QMenu* help = bar->addMenu(QStringLiteral("Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    addItem(help, "QuillmarkHIlfe1", QStringLiteral("Quillmark Hilfe"), QKeySequence(Qt::Key_F1),
            "menu_help.png", &PostEditorWindow::QuillmarkHIlfe1Click);
    addItem(help, "HtmlHilfe1", QStringLiteral("Html Hilfe"), QKeySequence(Qt::Key_F2),
            "menu_htmlhelp.png", &PostEditorWindow::HtmlHilfe1Click);
    help->addSeparator();
    addItem(help, "berQuillmark1", QStringLiteral("Über Quillmark"), {}, nullptr,
            &PostEditorWindow::berQuillmark1Click);
}

void PostEditorWindow::createToolbar(QWidget* strip) {
    // The background pictures share the strip's width; the buttons lie on top of them.
    auto* background = new QHBoxLayout(strip);
    background->setContentsMargins(0, 0, 0, 0);
    background->setSpacing(0);
    for (const char* name : {"Image13", "Image14", "Image15"}) {
        ClickableLabel* part =
            picture(strip, name, QRect(), QStringLiteral("toolbar_bg.png"), false);
        part->setScaledContents(true);
        part->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        background->addWidget(part, 1);
    }

    struct ToolbarButton {
        const char* name;
        const char* pressedName;
        const char* artwork;
    };
    static constexpr ToolbarButton kButtons[] = {
        {"Image6", "Image1", "tb_new"},      {"Image2", "Image3", "tb_open"},
        {"Image7", "Image4", "tb_save"},     {"Image8", "Image5", "tb_print"},
        {"Image9", "Image16", "tb_preview"}, {"Image10", "Image17", "tb_cut"},
        {"Image11", "Image18", "tb_copy"},   {"Image12", "Image19", "tb_paste"},
    };
    auto editOn = [this](EditCommands::Operation operation) {
        return [this, operation] { EditCommands::apply(operation, m_memo1); };
    };
    const std::function<void()> commands[] = {
        [this] { NeuClick(); },
        [this] { Image2Click(); },
        [this] { Image7Click(); },
        [this] { Drucken1Click(); },
        [this] { VorschauClick(); },
        editOn(EditCommands::Operation::Cut),
        editOn(EditCommands::Operation::Copy),
        editOn(EditCommands::Operation::Paste),
    };
    int x = 4;
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const QRect geometry(x, 2, kButtonSize, kButtonSize);
        PressedLook* look = toolbarPicture(strip, kButtons[i].name, kButtons[i].pressedName,
                                           QString::fromLatin1(kButtons[i].artwork), geometry);
        connect(look, &PressedLook::activated, this, commands[i]);
        if (qstrcmp(kButtons[i].name, "Image9") == 0) {
            m_image9 = &look->button();
            m_image9->setEnabled(false);
        }
        // Groups: file commands, then preview, then the edit commands.
        x += kButtonSize + ((i == 3 || i == 4) ? 12 : 2);
    }
}

void PostEditorWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    m_encodingPanel = new QLabel(bar);
    m_encodingPanel->setObjectName(QStringLiteral("EncodingPanel"));
    bar->addPermanentWidget(m_encodingPanel);
    showEncoding();
}

void PostEditorWindow::showEncoding() {
    m_encodingPanel->setText(PageFile::encodingName(m_text->encoding()));
}

SharedDialogs& PostEditorWindow::dialogs() const {
    return m_windows.mainWindow().dialogs();
}

void PostEditorWindow::showEditor() {
    show();
    raise();
    activateWindow();
}

bool PostEditorWindow::hasUnsavedChanges() const {
    return m_changed;
}

void PostEditorWindow::NeuClick() {
    m_text->clear();
    showEncoding();
    m_changed = false;
}

void PostEditorWindow::ffnen1Click() {
    openChosenFile();
}

void PostEditorWindow::Image2Click() {
    if (const std::optional<QString> path = openChosenFile())
        showFileInCaption(*path);
}

void PostEditorWindow::SpeichernClick() {
    saveChosenFile();
}

void PostEditorWindow::Image7Click() {
    if (const std::optional<QString> path = saveChosenFile())
        showFileInCaption(*path);
}

std::optional<QString> PostEditorWindow::openChosenFile() {
    OpenFileDialog& dialog = dialogs().OpenDialog1;
    if (!dialog.execute())
        return std::nullopt;
    const QString path = dialog.fileName();
    if (!m_text->load(path))
        return std::nullopt;
    showEncoding();
    m_changed = false;
    return path;
}

std::optional<QString> PostEditorWindow::saveChosenFile() {
    SaveFileDialog& dialog = dialogs().SaveDialog1;
    if (!dialog.execute())
        return std::nullopt;
    const QString path = dialog.fileName();
    if (!m_text->save(path))
        return std::nullopt;
    showEncoding();
    m_vorschau->setEnabled(true);
    m_image9->setEnabled(true);
    m_changed = false;
    return path;
}

void PostEditorWindow::showFileInCaption(const QString& path) {
    setWindowTitle(FileCaption(path));
}

void PostEditorWindow::VorschauClick() {
    if (!m_vorschau->isEnabled())
        return;
    // The file last confirmed in the shared save dialog, by this window or another.
    if (!m_windows.opener().open(dialogs().SaveDialog1.fileName()))
        m_windows.dialogs().message(QStringLiteral("Datei kann leider nicht gestartet werden"));
}

void PostEditorWindow::Drucken1Click() {
    const std::unique_ptr<QPrinter> printer = dialogs().PrintDialog1.execute();
    if (!printer)
        return;
    const PageFile::Outcome printed =
        TextPrinter::print(*printer, m_text->displayedLines(), m_memo1->font());
    if (!printed.ok())
        m_windows.dialogs().error(printed.error);
}

void PostEditorWindow::Beenden1Click() {
    close();
}

void PostEditorWindow::QuillmarkHIlfe1Click() {
    m_windows.help().showLastPage();
}

void PostEditorWindow::HtmlHilfe1Click() {
    m_windows.htmlHelp().showLastPage();
}

void PostEditorWindow::berQuillmark1Click() {
    AboutWindow& about = m_windows.about();
    about.show();
    about.raise();
    about.activateWindow();
}
