#include "ui/PageViewDock.h"

#include "ui/PageViewLoader.h"
#include "ui/PageViewPane.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

PageViewDock::PageViewDock(QMainWindow& window, const char* actionName, Page page)
    : QDockWidget(QStringLiteral("Seitenansicht"), &window), m_page(std::move(page)),
      m_now(new QTimer(this)), m_pause(new QTimer(this)) {
    setObjectName(QStringLiteral("PageViewDock"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    QAction* action = toggleViewAction();
    action->setObjectName(QString::fromLatin1(actionName));
    action->setText(QStringLiteral("Seiten&ansicht"));
    action->setShortcut(Qt::Key_F8);
    m_now->setSingleShot(true);
    m_now->setInterval(0);
    m_pause->setSingleShot(true);
    m_pause->setInterval(300);
    connect(m_now, &QTimer::timeout, this, &PageViewDock::refresh);
    connect(m_pause, &QTimer::timeout, this, &PageViewDock::refresh);
    connect(this, &QDockWidget::visibilityChanged, this, [this, &window](bool visible) {
        if (!visible)
            return;
        if (!m_pane && !widget())
            makeRoom(window);
        makePane();
        if (m_stale)
            m_now->start();
    });
    window.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();
}

QAction* PageViewDock::toggle() const {
    return toggleViewAction();
}

void PageViewDock::follow(QTextDocument& document, QWidget& typingField) {
    connect(&document, &QTextDocument::contentsChanged, this, &PageViewDock::documentChanged);
    typingField.installEventFilter(this);
}

void PageViewDock::showEnd() {
    m_toEnd = true;
    m_pause->stop();
    m_now->start();
}

bool PageViewDock::eventFilter(QObject* watched, QEvent* event) {
    // A change made while a plain key is down is typing; a shortcut (undo, paste) is a
    // command and shows at once.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        m_typing = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    } else if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut) {
        m_typing = false;
    }
    return QDockWidget::eventFilter(watched, event);
}

void PageViewDock::documentChanged() {
    m_stale = true;
    if (!isVisible())
        return;
    if (m_typing && !m_now->isActive()) {
        m_pause->start();
        return;
    }
    m_pause->stop();
    m_now->start();
}

void PageViewDock::makeRoom(QMainWindow& window) {
    // The window grows by the pane where the screen has room, so the pages keep their width.
    constexpr int kWidth = 400;
    if (const QScreen* shownOn = window.screen()) {
        const int room = shownOn->availableGeometry().width() - window.width();
        if (room > 0)
            window.resize(window.width() + std::min(room, kWidth), window.height());
    }
    window.resizeDocks({this}, {kWidth}, Qt::Horizontal);
}

void PageViewDock::makePane() {
    if (m_pane || widget())
        return;
    const Expected<PageViewPane*> created = PageViewLoader::create(this);
    if (!created.ok()) {
        auto* missing = new QLabel(
            QStringLiteral("Die Seitenansicht ist nicht verfügbar.\n") + created.error, this);
        missing->setObjectName(QStringLiteral("PageViewMissing"));
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        setWidget(missing);
        return;
    }
    m_pane = created.value;
    m_pane->setObjectName(QStringLiteral("PageView"));
    connect(m_pane, &PageViewPane::linkClicked, this, &PageViewDock::linkClicked);
    setWidget(m_pane);
}

void PageViewDock::refresh() {
    if (!m_pane || !isVisible())
        return;
    const PageViewPane::Scroll scroll =
        m_toEnd ? PageViewPane::Scroll::ToEnd : PageViewPane::Scroll::Keep;
    m_toEnd = false;
    m_stale = false;
    if (m_page.pictures)
        m_pane->setPictures(m_page.pictures());
    m_pane->showPage(m_page.html(), m_page.baseFolder(), scroll);
}
