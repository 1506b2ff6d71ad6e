#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class RecentFiles;

// "Zuletzt geöffnet": the list's files as „&1 Meine Seite.html“ … above the menu's own items
// (a separator and "Liste leeren"), each with its full path as the tooltip. The menu is filled
// anew whenever the list changes and whenever it opens, so that it also shows what another
// running instance added; it is disabled while the list is empty.
class RecentMenu final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecentMenu)
public:
    // chosen runs with the full path of the file picked; clearItem empties the list.
    RecentMenu(QMenu& menu, RecentFiles& files, QAction& clearItem,
               std::function<void(const QString&)> chosen);

private:
    void fill();

    QMenu& m_menu;
    RecentFiles& m_files;
    std::function<void(const QString&)> m_chosen;
    QList<QAction*> m_items;
};
