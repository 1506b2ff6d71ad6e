#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <memory>
#include <span>

class QFont;
class QTabWidget;

// One page of a help book: either one topic's text or a tab control of sub-pages.
struct HelpTopic {
    const char* name;    // object name of the page, also the name of its text file
    const char* caption; // tab caption
    // The page whose tab control holds this one; nullptr for a page of the book itself.
    const char* parent = nullptr;
    // Set on a page that holds sub-pages (in a tab control of this name) instead of a text.
    const char* subControl = nullptr;
    // The page its tab control shows until the user or a command chooses another.
    bool firstShown = false;
};

// The tab control `PageControl1` of a help window. Every topic page shows one read-only
// text from ":/help/<folder>/<name>.txt" in the text font given (what it leaves unset, the size
// among it, follows the application font); a page with sub-pages holds a tab control of its
// own. Topics are listed in tab order, a sub-page after the page that holds it.
class HelpBook final {
    Q_DISABLE_COPY_MOVE(HelpBook)
public:
    HelpBook(QWidget* window, const QString& folder, std::span<const HelpTopic> topics,
             const QFont& textFont);

    // The tab control, for the window's layout to place.
    QTabWidget* pageControl() const { return m_pageControl; }

    // Switches to the page or sub-page of this name, and for a sub-page to the page holding
    // it too. Returns false (and switches nothing) when there is no such page.
    bool turnTo(const QString& name);

    // The page of `PageControl1` that is shown.
    QString currentPageName() const;

private:
    struct Placement {
        QTabWidget* control; // the tab control the page lies in
        QWidget* page;
        QString parent;                   // the page holding `control`, empty for `PageControl1`
        QTabWidget* subControl = nullptr; // the page's own tab control of sub-pages
    };

    QWidget* createPage(const HelpTopic& topic, const QString& folder, const QFont& textFont,
                        Placement& placement);

    QTabWidget* m_pageControl;
    QHash<QString, Placement> m_pages;
};
