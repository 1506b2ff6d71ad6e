#include "commands/RecoverWindow.h"

#include "commands/PageDocument.h"
#include "context/Navigation.h"
#include "core/context/RecoveryFolder.h"
#include "platform/Dialogs.h"
#include "posteditor/EditorText.h"
#include "ui/Controls.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

using namespace Controls;

namespace {

constexpr int kPathRole = Qt::UserRole;

QString windowOf(const RecoveryCopy& copy) {
    return copy.window == RecoveryCopy::Window::Page
               ? QStringLiteral("Hauptfenster")
               : QStringLiteral("HTML-Quelltext nachbearbeiten");
}

} // namespace

RecoverWindow::RecoverWindow(RecoveryFolder& folder, Dialogs& dialogs, Navigation& navigation,
                             Targets targets, QWidget* owner)
    : QWidget(owner, Qt::Window), m_folder(folder), m_dialogs(dialogs), m_navigation(navigation),
      m_targets(targets) {
    setObjectName(QStringLiteral("RecoverWindow"));
    setWindowTitle(QStringLiteral("Nicht gespeicherte Arbeit wiederherstellen"));
    createControls();
    dismissOnEscape(this, [this] { hide(); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &RecoverWindow::FormHelp);
    Layout::fitToScreen(*this);
}

void RecoverWindow::createControls() {
    QVBoxLayout* column = Layout::column(this);
    QLabel* intro = caption(this, "RecoverLabel",
                            QStringLiteral("&Diese Arbeit war nicht gespeichert, als Quillmark "
                                           "zuletzt endete:"));
    column->addWidget(intro);
    m_list = named<QListWidget>(this, "RecoverList");
    intro->setBuddy(m_list);
    column->addWidget(m_list, 1);
    m_status = named<QLabel>(this, "RecoverStatus");
    m_status->setWordWrap(true);
    column->addWidget(m_status);

    auto* recover = named<QPushButton>(this, "RecoverButton", QStringLiteral("&Wiederherstellen"));
    auto* discard = named<QPushButton>(this, "DiscardButton", QStringLiteral("&Verwerfen"));
    auto* close = named<QPushButton>(this, "RecoverClose", QStringLiteral("&Schließen"));
    recover->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {recover, discard, close})
        buttons->addWidget(button);
    column->addLayout(buttons);

    connect(recover, &QPushButton::clicked, this, &RecoverWindow::RecoverButtonClick);
    connect(discard, &QPushButton::clicked, this, &RecoverWindow::DiscardButtonClick);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

bool RecoverWindow::offer() {
    QStringList unreadable;
    for (RecoveryFolder::Orphan& orphan : m_folder.adoptOrphans()) {
        if (!orphan.copy.ok()) {
            unreadable.append(orphan.copy.error);
            continue;
        }
        const RecoveryCopy& copy = orphan.copy.value;
        auto* line = new QListWidgetItem(copy.caption(), m_list);
        line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Checked);
        line->setData(kPathRole, orphan.path);
        line->setToolTip(windowOf(copy) + (copy.file.isEmpty() ? QString() : u'\n' + copy.file));
        m_copies.insert(orphan.path, std::move(orphan.copy.value));
    }
    if (!unreadable.isEmpty())
        m_dialogs.message(unreadable.join(u'\n'));
    return m_list->count() > 0;
}

QStringList RecoverWindow::checkedPaths() const {
    QStringList paths;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* line = m_list->item(i);
        if (line->checkState() == Qt::Checked)
            paths.append(line->data(kPathRole).toString());
    }
    return paths;
}

void RecoverWindow::RecoverButtonClick() {
    // Each window takes one copy: the newest checked one of it.
    std::optional<QString> newest[2];
    const QStringList paths = checkedPaths();
    for (const QString& path : paths) {
        const RecoveryCopy& copy = m_copies[path];
        std::optional<QString>& chosen = newest[static_cast<int>(copy.window)];
        if (!chosen || m_copies[*chosen].taken < copy.taken)
            chosen = path;
    }
    const qsizetype left =
        paths.size() - std::count_if(std::begin(newest), std::end(newest),
                                     [](const auto& path) { return path.has_value(); });
    m_status->setText(left == 0 ? QString()
                                : QStringLiteral("Jedes Fenster nimmt nur eine Arbeit auf: die "
                                                 "neueste. Die übrigen bleiben in der Liste."));
    if (const auto& page = newest[static_cast<int>(RecoveryCopy::Window::Page)])
        m_targets.page.whenDiscarded([this, path = *page] { takeUp(path); });
    if (const auto& text = newest[static_cast<int>(RecoveryCopy::Window::PostEditor)])
        m_targets.postEditor.whenDiscarded([this, path = *text] { takeUp(path); });
}

void RecoverWindow::takeUp(const QString& path) {
    const auto found = m_copies.constFind(path);
    // Discarded while the window's question waited.
    if (found == m_copies.cend())
        return;
    if (found->window == RecoveryCopy::Window::Page) {
        m_targets.page.restore(*found);
    } else {
        m_targets.postEditor.restore(*found);
        m_navigation.showPostEditor();
    }
    // The work is the window's again, which keeps its own copy of it from now on.
    remove(path);
}

void RecoverWindow::DiscardButtonClick() {
    const QStringList paths = checkedPaths();
    if (paths.isEmpty() ||
        !m_dialogs.yesOrNo(
            QStringLiteral("Die markierte nicht gespeicherte Arbeit endgültig verwerfen?"), this))
        return;
    for (const QString& path : paths)
        remove(path);
}

void RecoverWindow::remove(const QString& path) {
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->data(kPathRole).toString() == path) {
            delete m_list->takeItem(i);
            break;
        }
    }
    m_copies.remove(path);
    m_folder.drop(path);
    if (m_list->count() == 0) {
        m_status->clear();
        hide();
    }
}

void RecoverWindow::FormHelp() {
    m_navigation.showHelpPage(QStringLiteral("TabSheet29"));
}
