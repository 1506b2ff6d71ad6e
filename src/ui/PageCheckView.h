#pragma once

#include "core/source/PageCheck.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

class ClickableLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QTextDocument;

// "Seite in Ordnung", "Seite leer", "1 Fehler", "2 Fehler", "1 Hinweis", "3 Hinweise" or
// "1 Fehler, 2 Hinweise": what the status bar says of the findings.
QString CheckSummary(const QList<Finding>& findings);

// Runs the page check on a source field's document and shows what it finds: a compact list
// under the field (hidden while there is nothing to show) and a label for the status bar. The
// check reruns 300 ms after the text stops changing, or at once when asked. A text of more
// than 64 K characters is checked on a worker thread and its findings shown when it is done.
class PageCheckView final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageCheckView)
public:
    // options: what the check may assume of the page, asked anew at every check.
    PageCheckView(QPlainTextEdit& field, std::function<CheckOptions()> options,
                  QObject* parent = nullptr);

    // The source field with the list under it, to be placed where the field would be.
    QWidget& area() const { return *m_area; }
    // The list of findings, "FindingsList"; a double-click or Enter puts the caret on the
    // finding's line. Where tab pages can be reached, a finding that a page's button mends is
    // followed by a row "Zur Seite „Listen“" that asks for that page.
    QListWidget& list() const { return *m_list; }
    // The label "CheckStatus" for the status bar's right end; a click opens the list.
    ClickableLabel& status() const { return *m_status; }
    const QList<Finding>& findings() const { return m_findings; }

    void checkNow();
    // Places a bar (the search bar) between the field and the list.
    void putUnderField(QWidget& bar);
    // Whether the window has the tab pages the findings name; at first it has none.
    void offerPages(bool offered) { m_offersPages = offered; }

    // What the check may assume of a page that is saved as pageFile (empty: not saved yet):
    // the names in its folder are listed once, now.
    static CheckOptions optionsFor(const QString& pageFile, bool assumeClosingTail);

signals:
    // The caret was put on a finding's line.
    void lineChosen();
    // The status label was clicked.
    void listRequested();
    // A row "Zur Seite …" was chosen: the tab page of this caption is wanted.
    void pageRequested(const QString& caption);

private:
    void show(QList<Finding> findings);
    QListWidgetItem* pageRow(const QString& page) const;
    void goToLine(int line);

    QPlainTextEdit& m_field;
    std::function<CheckOptions()> m_options;
    QListWidget* m_list;
    ClickableLabel* m_status;
    QWidget* m_area;
    QTimer m_delay;
    QFutureWatcher<QList<Finding>> m_worker;
    QList<Finding> m_findings;
    bool m_offersPages = false;
};
