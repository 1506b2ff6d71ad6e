#include "ui/PageViewDock.h"

#include "ui/Layout.h"
#include "ui/PageViewLoader.h"
#include "ui/PageViewPane.h"
#include "ui/PageViewZoom.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kRestMs = 300;

} // namespace

PageViewDock::PageViewDock(QMainWindow& window, const char* actionName, Page page)
    : QDockWidget(&window), m_window(window), m_page(std::move(page)),
      m_zoom(new PageViewZoom(window)), m_now(new QTimer(this)), m_pause(new QTimer(this)),
      m_caretRest(new QTimer(this)) {
    setObjectName(QStringLiteral("PageViewDock"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setMinimumWidth(kLeastWidth);
    QAction* action = toggleViewAction();
    action->setObjectName(QString::fromLatin1(actionName));
    action->setShortcut(Qt::Key_F8);
    showZoom(m_zoom->percent());
    connect(m_zoom, &PageViewZoom::changed, this, &PageViewDock::showZoom);
    m_now->setSingleShot(true);
    m_now->setInterval(0);
    m_pause->setSingleShot(true);
    m_pause->setInterval(kRestMs);
    m_caretRest->setSingleShot(true);
    m_caretRest->setInterval(kRestMs);
    connect(m_now, &QTimer::timeout, this, &PageViewDock::refresh);
    connect(m_pause, &QTimer::timeout, this, &PageViewDock::refresh);
    connect(m_caretRest, &QTimer::timeout, this, &PageViewDock::caretRested);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        m_zoom->setActive(visible);
        if (visible)
            shown();
    });
    window.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();
}

void PageViewDock::showWhereRoom() {
    if (roomBeside(m_window.sizeHint().width()) >= kLeastWidth)
        show();
}

void PageViewDock::setVisible(bool visible) {
    if (visible && isHidden() && !fitsBeside()) {
        toggleViewAction()->setChecked(false);
        emit noRoom(noRoomNotice());
        return;
    }
    QDockWidget::setVisible(visible);
}

void PageViewDock::shown() {
    if (!m_pane && !widget())
        makeRoom();
    makePane();
    if (m_stale)
        m_now->start();
}

int PageViewDock::roomBeside(int windowWidth) const {
    const QScreen* shownOn = m_window.screen();
    if (!shownOn)
        return QWIDGETSIZE_MAX;
    const int frame = m_window.frameGeometry().width() - m_window.width();
    return shownOn->availableGeometry().width() - frame - windowWidth;
}

bool PageViewDock::fitsBeside() const {
    // The window's layout counts the pane in while it shows, once it is told.
    m_window.layout()->invalidate();
    int least = m_window.minimumSizeHint().width();
    if (isHidden())
        least += std::max(minimumWidth(), minimumSizeHint().width()) +
                 style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    return roomBeside(least) >= 0;
}

void PageViewDock::hideWhereNoRoom() {
    if (isHidden() || fitsBeside())
        return;
    hide();
    // The window widened to hold the pane at its least width; it fits on its screen again.
    m_window.layout()->activate();
    Layout::growToFit(m_window);
    emit noRoom(noRoomNotice());
}

QString PageViewDock::noRoomNotice() {
    return QStringLiteral("Kein Platz für die Seitenansicht: Der Bildschirm ist zu schmal");
}

void PageViewDock::changeEvent(QEvent* event) {
    QDockWidget::changeEvent(event);
    // A larger font widens the window's controls; once they have taken it up, the pane still
    // fits beside them or hides.
    if (event->type() == QEvent::FontChange)
        QTimer::singleShot(0, this, &PageViewDock::hideWhereNoRoom);
}

QAction* PageViewDock::toggle() const {
    return toggleViewAction();
}

void PageViewDock::follow(QPlainTextEdit& field) {
    m_field = &field;
    connect(field.document(), &QTextDocument::contentsChanged, this,
            &PageViewDock::documentChanged);
    connect(&field, &QPlainTextEdit::cursorPositionChanged, m_caretRest,
            qOverload<>(&QTimer::start));
    field.installEventFilter(this);
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

void PageViewDock::caretRested() {
    if (!m_pane || !isVisible())
        return;
    // The line counts in the text as it is now, which a pause in typing may not have shown yet.
    if (m_pause->isActive() || m_now->isActive()) {
        m_pause->stop();
        m_now->stop();
        refresh();
    }
    m_pane->showLine(m_field->textCursor().blockNumber() + 1);
}

void PageViewDock::showZoom(int percent) {
    const QString caption = QStringLiteral("Seitenansicht");
    setWindowTitle(percent == 100 ? caption
                                  : QStringLiteral("%1 (%2 %)").arg(caption).arg(percent));
    // The toggle takes the caption as its text; it keeps its own, with its Alt letter.
    toggleViewAction()->setText(QStringLiteral("Seiten&ansicht"));
    if (m_pane)
        m_pane->setZoom(percent / 100.0);
}

void PageViewDock::makeRoom() {
    // The window grows by the pane where the screen has room, so that the pages keep the width
    // they ask for; where it has less, the pane takes no more from them than its least width.
    constexpr int kWidth = 400;
    const int pages = m_window.centralWidget()->sizeHint().width() +
                      style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    const int width = std::clamp(pages + kWidth, m_window.width(),
                                 m_window.width() + std::max(0, roomBeside(m_window.width())));
    if (width > m_window.width()) {
        m_window.resize(width, m_window.height());
        Layout::keepOnScreen(m_window);
    }
    m_window.resizeDocks({this}, {std::clamp(width - pages, kLeastWidth, kWidth)}, Qt::Horizontal);
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
    m_pane->setZoom(m_zoom->percent() / 100.0);
    connect(m_pane, &PageViewPane::linkClicked, this, &PageViewDock::linkClicked);
    connect(m_pane, &PageViewPane::zoomTurned, m_zoom, &PageViewZoom::step);
    setWidget(m_pane);
}

void PageViewDock::refresh() {
    if (!m_pane || !isVisible())
        return;
    const PageViewPane::Scroll scroll =
        m_toEnd ? PageViewPane::Scroll::ToEnd : PageViewPane::Scroll::Keep;
    m_toEnd = false;
    m_stale = false;
    m_page.showIn(*m_pane, scroll);
}

void PageViewDock::Page::showIn(PageViewPane& pane, PageViewPane::Scroll scroll) const {
    if (pictures)
        pane.setPictures(pictures());
    pane.showPage(html(), baseFolder(), scroll);
}
