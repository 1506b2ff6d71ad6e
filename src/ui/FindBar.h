#pragma once

#include "core/source/TextSearch.h"
#include "ui/CommandTable.h"

#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SourceEdit;

// The search bar under a source field ("FindBar"): finds a text or a regular expression in
// the field, forwards and backwards round the ends, marks every match in sight, says which
// match the caret is on and how many there are, and replaces one match or all of them (all as
// one undo step). It searches a snapshot of the field's text, taken again only after the text
// changed, so that a keystroke in the bar never walks the field's lines.
class FindBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindBar)
public:
    explicit FindBar(SourceEdit& field, QWidget* parent = nullptr);

    // Ctrl+F: shows the bar with the field's selection, else the word at its caret, to find.
    void openFind();
    // Ctrl+H: the same with the row that replaces.
    void openReplace();
    // F3 and Enter, Shift+F3 and Shift+Enter. With nothing to find, the bar opens.
    void findNext();
    void findPrevious();
    void replaceOne();
    void replaceAll();
    // Esc: the bar goes, the caret goes back into the field.
    void closeBar();

signals:
    // For the window's status bar: the search went round an end, or replaced.
    void notice(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(bool replacing);
    void takeFromField();
    // The expression the bar's fields and options give; none, with the field marked, when
    // there is nothing to find or the pattern is not valid.
    std::optional<QRegularExpression> expression();
    const QString& snapshot();
    void followChange(int position, int removed, int added);
    void find(bool backward, bool fromSelectionStart);
    void select(const TextSearch::Match& match);
    void showCount();
    void markInSight();
    void showValidity(const QString& error);
    bool replacing() const;

    SourceEdit& m_field;
    QLineEdit* FindText;
    QPushButton* FindPrevious;
    QPushButton* FindNext;
    QLabel* FindCount;
    QPushButton* FindClose;
    QCheckBox* FindCase;
    QCheckBox* FindWord;
    QCheckBox* FindRegex;
    QLabel* ReplaceCaption;
    QLineEdit* ReplaceText;
    QPushButton* ReplaceOne;
    QPushButton* ReplaceAll;
    QString m_snapshot;
    bool m_stale = true;
    // Marks the matches in sight once the field has settled.
    QTimer m_marking;
};

// How a window reaches its search bar: „&Suchen...“ (Ctrl+F) and „Erse&tzen...“ (Ctrl+H),
// after a separator, to stand at the end of its "Bearbeiten"; F3 and Shift+F3 anywhere in the
// window. Each runs with the window's bar, which the window may first bring into view.
namespace FindCommands {

QList<CommandTable::MenuRow> rowsWithIds(int findId, int replaceId,
                                         const std::function<FindBar*()>& bar);
template <typename Id> QList<CommandTable::MenuRow> rows(const std::function<FindBar*()>& bar) {
    return rowsWithIds(int(Id::Suchen1), int(Id::Ersetzen1), bar);
}
void installStepKeys(QWidget& window, const std::function<FindBar*()>& bar);

} // namespace FindCommands
