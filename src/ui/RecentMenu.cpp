#include "ui/RecentMenu.h"

#include "commands/RecentFiles.h"
#include "core/platform/BareFileName.h"

#include <QAction>
#include <QMenu>

RecentMenu::RecentMenu(QMenu& menu, RecentFiles& files, QAction& clearItem,
                       std::function<void(const QString&)> chosen)
    : QObject(&menu), m_menu(menu), m_files(files), m_chosen(std::move(chosen)) {
    m_menu.setToolTipsVisible(true);
    connect(&clearItem, &QAction::triggered, &files, &RecentFiles::clear);
    connect(&files, &RecentFiles::changed, this, &RecentMenu::fill);
    connect(&m_menu, &QMenu::aboutToShow, this, &RecentMenu::fill);
    fill();
}

void RecentMenu::fill() {
    // An item may be the one whose choice changed the list, so it goes once its signal is done.
    for (QAction* item : std::as_const(m_items)) {
        m_menu.removeAction(item);
        item->deleteLater();
    }
    m_items.clear();
    const QStringList files = m_files.files();
    QAction* before = m_menu.actions().value(0);
    int number = 0;
    for (const QString& path : files) {
        ++number;
        QString name = BareFileName(path);
        name.replace(u'&', QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(number).arg(name), &m_menu);
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, path] { m_chosen(path); });
        m_menu.insertAction(before, item);
        m_items.append(item);
    }
    m_menu.menuAction()->setEnabled(!files.isEmpty());
}
