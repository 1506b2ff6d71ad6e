#pragma once

#include "ui/PageViewPane.h"

#include <QDockWidget>
#include <QHash>

#include <functional>

class QAction;
class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QTimer;
class PageViewZoom;

// "Seitenansicht": the page as a browser shows it, in a pane beside a window's own controls.
// The browser engine is made the first time the pane shows. The pane follows the field that
// edits the page: at once after every change the program makes, 300 ms after the user's last
// plain keystroke, and once the caret has rested for 300 ms, to what the caret's line shows.
// Its size (PageViewZoom) shows in its caption while it is not 100 %. It is never narrower than
// kLeastWidth: where its window cannot give it that much on the screen, it hides.
class PageViewDock final : public QDockWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageViewDock)
public:
    struct Page {
        std::function<QString()> html;       // the text shown
        std::function<QString()> baseFolder; // where relative names resolve; none when empty
        // pictures named by bare name that lie elsewhere (see PageViewPane); may be empty
        std::function<QHash<QString, QString>()> pictures = {};

        // Hands the page as it is now to a pane: its pictures, then its text.
        void showIn(PageViewPane& pane, PageViewPane::Scroll scroll) const;
    };

    static constexpr int kLeastWidth = 240;

    PageViewDock(QMainWindow& window, const char* actionName, Page page);

    // Shows the pane, at the start of the program, where the screen leaves it room beside the
    // window at the size the window asks for.
    void showWhereRoom();
    // The checkable "Seitenansicht" (F8) that shows and hides the pane.
    QAction* toggle() const;
    // Follows the field's document and caret; plain keystrokes in it wait for a pause.
    void follow(QPlainTextEdit& field);
    // Shows the end of the page at once, where an element was just added.
    void showEnd();
    // Shows the pane only where the window, with the pane at its least width, fits on its
    // screen.
    void setVisible(bool visible) override;

signals:
    // A link or a form's submit button was clicked in the page; its target.
    void linkClicked(const QString& target);
    // The pane hid, or did not show, because the screen leaves it too little room beside the
    // window; the notice tells the user so.
    void noRoom(const QString& notice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void documentChanged();
    void caretRested();
    void showZoom(int percent);
    void shown();
    // The width the window's screen leaves beside the window at this width.
    int roomBeside(int windowWidth) const;
    // Whether the window, with the pane at its least width, fits on its screen.
    bool fitsBeside() const;
    // Hides the pane when the window, with the pane at its least width, is wider than its screen.
    void hideWhereNoRoom();
    static QString noRoomNotice();
    // Widens the window for the pane the first time it shows.
    void makeRoom();
    void makePane();
    void refresh();

    QMainWindow& m_window;
    Page m_page;
    PageViewPane* m_pane = nullptr;
    QPlainTextEdit* m_field = nullptr;
    PageViewZoom* m_zoom;
    QTimer* m_now;       // coalesces the changes of one command into one load
    QTimer* m_pause;     // waits for a pause in typing
    QTimer* m_caretRest; // waits for the caret to rest
    bool m_typing = false;
    bool m_toEnd = false;
    bool m_stale = true;
};
