#pragma once

#include "core/platform/StandIns.h"

#include <QObject>
#include <QStringList>

class QTextCursor;
class QTextDocument;

// The page the user is building, as a text document that the source view Memo2 shows: its
// lines are read the way a text file is read (every line ends with a line break; a last line
// without one is still a line; an empty text has no lines). Appends work at the document's end
// only, so an element costs the same on a page of a hundred lines as on one of a hundred thousand.
class PageSource final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageSource)
public:
    explicit PageSource(QObject* parent = nullptr);

    // The document the source view shows and edits.
    QTextDocument& document() const { return *m_document; }

    QStringList lines() const;
    int lineCount() const;
    QString lastLine() const;

    // One generator command as one edit (one undo step): the closing tail a save left
    // behind is removed, then every text is appended; a text holding line breaks adds one
    // line per piece, and one ending with a break adds an empty line after its last piece.
    // False, changing nothing, while the page is only shown.
    bool commit(const QStringList& texts);

    // Lines given way to texts as one edit (one undo step): count lines from first make room
    // for the texts, split into lines as commit() splits them. False, changing nothing, while
    // the page is only shown.
    bool replace(qsizetype first, qsizetype count, const QStringList& texts);

    // Removes the closing tail a save left behind ("</html>", and "</body>" before it).
    void RemoveClosingTail();

    // Appends "</body>" and "</html>" unless the last line already is "</html>".
    void closeDocument();
    // The page as a save would write it: its lines with that closing tail, the characters
    // the text field cannot hold back in place of their stand-ins.
    QStringList linesAsSaved() const;

    // Empties the page for "Neu"; the empty page counts as saved.
    void clear();
    // Replaces the page with lines taken up from a file, in which the characters the text
    // field cannot hold are replaced by the given stand-ins. Undo does not go back past them;
    // the page counts as saved unless changed is set. Without stand-ins for all of them the
    // page is only shown.
    void open(const QStringList& lines, bool changed, const StandIns& standIns);
    // Whether the page is only shown: nothing may be added, and it is not saved.
    bool isReadOnly() const { return !m_standIns.complete(); }

    // The buffer's characters as they stand (blocks apart by U+2029), at the cost of copying
    // them: what a copy of the unsaved page is taken from, with the stand-ins to put back.
    QString rawText() const;
    const StandIns& standIns() const { return m_standIns; }

    // Whether the page changed since it was last saved or begun anew.
    bool hasUnsavedChanges() const;
    void markSaved();

signals:
    // The program has changed the page: a generator command appended its lines, or a file
    // was opened.
    void committed();
    // The page became only shown, or may be changed again.
    void readOnlyChanged(bool readOnly);
    // A command wanted to add to a page that is only shown.
    void changeRefused();

private:
    // Whether the last line is "</html>".
    bool isClosed() const;
    void removeClosingTail(QTextCursor& cursor);
    void append(QTextCursor& cursor, const QStringList& texts);

    void setStandIns(const StandIns& standIns);

    QTextDocument* m_document;
    StandIns m_standIns;
};
