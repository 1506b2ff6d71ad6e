#pragma once

#include <QDockWidget>
#include <QHash>

#include <functional>

class QAction;
class QLabel;
class QMainWindow;
class QTextDocument;
class QTimer;
class PageViewPane;

// "Seitenansicht": the page as a browser shows it, in a pane beside a window's own controls.
// The browser engine is made the first time the pane shows. The pane follows a text
// document: at once after every change the program makes, and 300 ms after the user's last
// plain keystroke in the field that edits the document.
class PageViewDock final : public QDockWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageViewDock)
public:
    struct Page {
        std::function<QString()> html;       // the text shown
        std::function<QString()> baseFolder; // where relative names resolve; none when empty
        // pictures named by bare name that lie elsewhere (see PageViewPane); may be empty
        std::function<QHash<QString, QString>()> pictures = {};
    };

    PageViewDock(QMainWindow& window, const char* actionName, Page page);

    // The checkable "Seitenansicht" (F8) that shows and hides the pane.
    QAction* toggle() const;
    // Follows the document; plain keystrokes in typingField wait for a pause.
    void follow(QTextDocument& document, QWidget& typingField);
    // Shows the end of the page at once, where an element was just added.
    void showEnd();
    // The pane once made, else nullptr.

signals:
    // A link or a form's submit button was clicked in the page; its target.
    void linkClicked(const QString& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void documentChanged();
    // Widens the window for the pane the first time it shows.
    void makeRoom(QMainWindow& window);
    void makePane();
    void refresh();

    Page m_page;
    PageViewPane* m_pane = nullptr;
    QTimer* m_now;   // coalesces the changes of one command into one load
    QTimer* m_pause; // waits for a pause in typing
    bool m_typing = false;
    bool m_toEnd = false;
    bool m_stale = true;
};
