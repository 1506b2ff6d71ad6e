#pragma once

#include <QHash>
#include <QWidget>
#include <QtPlugin>

#include <functional>

class QPageLayout;
class QPrinter;

// A pane that shows a page as a browser shows it. The engine behind it comes from a plugin
// (see PageViewLoader), so that a program that never shows the pane never loads the engine.
// The pane shows only what the program hands it: no page script runs, nothing is fetched
// from the network, and no link or form leaves the page.
class PageViewPane : public QWidget {
    Q_OBJECT
public:
    enum class Scroll { Keep, ToEnd };
    Q_ENUM(Scroll)

    using QWidget::QWidget;

    // Shows the page text. Relative names in it resolve against baseFolder (none when empty);
    // the folder is read for display only and never written to. Keep keeps the scroll
    // position the previous page had, ToEnd shows the end of the page.
    virtual void showPage(const QString& html, const QString& baseFolder, Scroll scroll) = 0;

    // Pictures the page names by their bare names but that lie elsewhere: a name missing
    // where the page looks for it is shown from the full path given for it.
    virtual void setPictures(const QHash<QString, QString>& pathsByName) = 0;

    // Runs one of the program's own scripts on the shown page, apart from the page's own
    // scripting; done gets the script's value (an invalid one when no page is shown yet).
    virtual void runScript(const QString& script, std::function<void(const QVariant&)> done) = 0;

    // Brings into view what a line of the page text shows, the first line being 1: the
    // element that starts on it; for a line that shows nothing (an end tag, the head), the
    // element of the nearest line that shows something, the earlier of two as near. It waits
    // for the page handed over last; a page then handed over to show its end cancels it.
    virtual void showLine(int line) = 0;

    // Shows the page at factor times the size a browser first shows it at.
    virtual void setZoom(qreal factor) = 0;

    // Printing takes the page handed over last, once it is shown (pageLoaded); the pane need
    // not be visible for it. A PDF of the page laid out as layout: done gets its bytes, none
    // when it could not be made.
    virtual void printToPdf(const QPageLayout& layout,
                            std::function<void(const QByteArray&)> done) = 0;
    // Prints the page on the printer, which must stay until printFinished.
    virtual void print(QPrinter* printer) = 0;

signals:
    // A link or a form's submit button was clicked; the page stays.
    void linkClicked(const QString& target);
    // The page handed over last has been shown (ok) or could not be shown.
    void pageLoaded(bool ok);
    // The wheel was turned over the page with Ctrl held, by steps notches, away from the user
    // when positive. The pane leaves its size as it is (see setZoom).
    void zoomTurned(int steps);
    // The print on a printer ended, well (ok) or not.
    void printFinished(bool ok);
};

// What the plugin's root object offers.
class PageViewFactory {
public:
    virtual ~PageViewFactory() = default;
    virtual PageViewPane* create(QWidget* parent) = 0;
};

#define PageViewFactory_iid "org.fernbrook.Quillmark.PageViewFactory/4"
Q_DECLARE_INTERFACE(PageViewFactory, PageViewFactory_iid)
