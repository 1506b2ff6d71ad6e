#pragma once

#include "core/platform/Outcome.h"
#include "ui/PageViewDock.h"

#include <QObject>

#include <deque>
#include <memory>

class PageContext;
class QPrinter;
class QWidget;

// "Seite drucken...": prints the page as the page view shows it, not its source, from a pane
// of its own that never shows, made on the first print. A PDF printer with a file gets the
// engine's PDF through the safe writer, so a failed print leaves the file that was there
// whole; any other printer prints through the engine. One print runs at a time: a print
// confirmed meanwhile waits its turn and then prints the page as it is by then.
class PagePrinter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PagePrinter)
public:
    // The pane is made in window, hidden.
    PagePrinter(PageContext& context, PageViewDock::Page page, QWidget& window);
    ~PagePrinter() override;

    // Asks for a printer, then prints on it once the prints before it have ended.
    void SeiteDrucken1Click();

private:
    // The pane, made on first use; false, after the error message, when the engine's plugin
    // cannot be loaded.
    bool havePane();
    // Hands the page to the pane for the print in front; it prints once the page is shown.
    void startNext();
    void pageShown(bool ok);
    void pdfMade(const QByteArray& bytes);
    // The print in front ended: the status bar or the error message says how; the next
    // print starts.
    void finished(const Outcome& outcome);

    PageContext& m_context;
    PageViewDock::Page m_page;
    QWidget& m_window;
    PageViewPane* m_pane = nullptr;
    // The printer in front prints; each stays until its print has ended.
    std::deque<std::unique_ptr<QPrinter>> m_printers;
};
