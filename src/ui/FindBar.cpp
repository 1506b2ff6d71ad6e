#include "ui/FindBar.h"

#include "ui/Controls.h"
#include "ui/Layout.h"
#include "ui/SourceEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>

using namespace Controls;

namespace {

// More marks than this in sight are not drawn; the count still says how many there are.
constexpr int kMostMarks = 2000;
// A change of more characters than this has the snapshot taken anew.
constexpr int kLargestFollowedChange = 1 << 16;

} // namespace

FindBar::FindBar(SourceEdit& field, QWidget* parent) : QWidget(parent), m_field(field) {
    setObjectName(QStringLiteral("FindBar"));
    auto* findCaption = caption(this, "FindCaption", QStringLiteral("Suchen:"));
    FindText = named<QLineEdit>(this, "FindText");
    findCaption->setBuddy(FindText);
    FindPrevious = named<QPushButton>(this, "FindPrevious", QStringLiteral("Voriger"));
    FindNext = named<QPushButton>(this, "FindNext", QStringLiteral("Nächster"));
    FindCount = named<QLabel>(this, "FindCount");
    FindCount->setMinimumWidth(
        FindCount->fontMetrics().horizontalAdvance(QStringLiteral("9.999 von 9.999+")));
    FindClose = named<QPushButton>(this, "FindClose", QStringLiteral("Schließen"));
    FindCase = named<QCheckBox>(this, "FindCase", QStringLiteral("Groß-/Kleinschreibung beachten"));
    FindWord = named<QCheckBox>(this, "FindWord", QStringLiteral("Ganzes Wort"));
    FindRegex = named<QCheckBox>(this, "FindRegex", QStringLiteral("Regulärer Ausdruck"));
    ReplaceCaption = caption(this, "ReplaceCaption", QStringLiteral("Ersetzen durch:"));
    ReplaceText = named<QLineEdit>(this, "ReplaceText");
    ReplaceCaption->setBuddy(ReplaceText);
    ReplaceOne = named<QPushButton>(this, "ReplaceOne", QStringLiteral("Ersetzen"));
    ReplaceAll = named<QPushButton>(this, "ReplaceAll", QStringLiteral("Alle ersetzen"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, Layout::kSpacing, 0, 0);
    grid->addWidget(findCaption, 0, 0);
    grid->addWidget(FindText, 0, 1);
    grid->addWidget(FindPrevious, 0, 2);
    grid->addWidget(FindNext, 0, 3);
    grid->addWidget(FindCount, 0, 4);
    grid->addWidget(FindClose, 0, 5);
    auto* options = new QHBoxLayout;
    options->addWidget(FindCase);
    options->addWidget(FindWord);
    options->addWidget(FindRegex);
    options->addStretch(1);
    grid->addLayout(options, 1, 1, 1, 5);
    grid->addWidget(ReplaceCaption, 2, 0);
    grid->addWidget(ReplaceText, 2, 1);
    grid->addWidget(ReplaceOne, 2, 2);
    grid->addWidget(ReplaceAll, 2, 3);
    grid->setColumnStretch(1, 1);
    setAllVisible({ReplaceCaption, ReplaceText, ReplaceOne, ReplaceAll}, false);
    hide();

    m_marking.setSingleShot(true);
    m_marking.setInterval(0);
    connect(&m_marking, &QTimer::timeout, this, &FindBar::markInSight);
    connect(m_field.document(), &QTextDocument::contentsChange, this, &FindBar::followChange);
    connect(m_field.verticalScrollBar(), &QScrollBar::valueChanged, &m_marking,
            qOverload<>(&QTimer::start));
    connect(FindText, &QLineEdit::textEdited, this, [this] { find(false, true); });
    for (QCheckBox* option : {FindCase, FindWord, FindRegex})
        connect(option, &QCheckBox::toggled, this, [this] { find(false, true); });
    connect(FindNext, &QPushButton::clicked, this, &FindBar::findNext);
    connect(FindPrevious, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(ReplaceOne, &QPushButton::clicked, this, &FindBar::replaceOne);
    connect(ReplaceAll, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(FindClose, &QPushButton::clicked, this, &FindBar::closeBar);
    FindText->installEventFilter(this);
    ReplaceText->installEventFilter(this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::closeBar);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (watched == ReplaceText)
        replaceOne();
    else if (key->modifiers() & Qt::ShiftModifier)
        findPrevious();
    else
        findNext();
    return true;
}

void FindBar::openFind() {
    open(false);
}

void FindBar::openReplace() {
    open(true);
}

void FindBar::open(bool replacing) {
    takeFromField();
    if (replacing)
        setAllVisible({ReplaceCaption, ReplaceText, ReplaceOne, ReplaceAll}, true);
    show();
    FindText->setFocus(Qt::ShortcutFocusReason);
    FindText->selectAll();
    find(false, true);
}

bool FindBar::replacing() const {
    return !isHidden() && !ReplaceText->isHidden() && !m_field.isReadOnly();
}

void FindBar::takeFromField() {
    QTextCursor cursor = m_field.textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    const QString chosen = cursor.selectedText();
    // A selection over several lines is not something to look for.
    if (!chosen.isEmpty() && !chosen.contains(QChar::ParagraphSeparator))
        FindText->setText(FindRegex->isChecked() ? QRegularExpression::escape(chosen) : chosen);
}

void FindBar::closeBar() {
    hide();
    setAllVisible({ReplaceCaption, ReplaceText, ReplaceOne, ReplaceAll}, false);
    m_field.markFound({});
    m_field.setFocus(Qt::OtherFocusReason);
}

void FindBar::followChange(int position, int removed, int added) {
    if (!isHidden())
        m_marking.start();
    if (m_stale)
        return;
    // Typing keeps the snapshot up to date; a large change has it taken anew when needed.
    QTextDocument& document = *m_field.document();
    const qsizetype size = document.characterCount() - 1;
    if (added > kLargestFollowedChange || position + added > size) {
        m_stale = true;
        return;
    }
    QTextCursor change(&document);
    change.setPosition(position);
    change.setPosition(position + added, QTextCursor::KeepAnchor);
    m_snapshot.replace(position, removed, change.selectedText());
    m_stale = m_snapshot.size() != size;
}

const QString& FindBar::snapshot() {
    if (m_stale) {
        // Positions in it are the document's: one paragraph separator between two lines.
        m_snapshot = m_field.document()->toRawText();
        m_stale = false;
    }
    return m_snapshot;
}

void FindBar::showValidity(const QString& error) {
    QPalette colours = palette();
    if (!error.isEmpty()) {
        const bool dark = colours.color(QPalette::Base).lightness() < 128;
        colours.setColor(QPalette::Base, dark ? QColor(110, 30, 30) : QColor(255, 200, 200));
    }
    FindText->setPalette(colours);
    if (!error.isEmpty())
        FindCount->setText(error);
}

std::optional<QRegularExpression> FindBar::expression() {
    if (FindText->text().isEmpty()) {
        showValidity({});
        FindCount->clear();
        return std::nullopt;
    }
    const Expected<QRegularExpression> made = TextSearch::expressionFor(
        FindText->text(), {FindCase->isChecked(), FindWord->isChecked(), FindRegex->isChecked()});
    showValidity(made.error);
    if (!made.ok())
        return std::nullopt;
    return made.value;
}

void FindBar::findNext() {
    if (isHidden() || FindText->text().isEmpty()) {
        openFind();
        return;
    }
    find(false, false);
}

void FindBar::findPrevious() {
    if (isHidden() || FindText->text().isEmpty()) {
        openFind();
        return;
    }
    find(true, false);
}

void FindBar::find(bool backward, bool fromSelectionStart) {
    const std::optional<QRegularExpression> pattern = expression();
    if (!pattern) {
        m_field.markFound({});
        return;
    }
    const QTextCursor cursor = m_field.textCursor();
    const QString& text = snapshot();
    // Typing in the bar may keep the match the caret is on; a step goes past it.
    const qsizetype from =
        fromSelectionStart || backward ? cursor.selectionStart() : cursor.selectionEnd();
    const std::optional<TextSearch::Match> found = backward
                                                       ? TextSearch::previous(text, *pattern, from)
                                                       : TextSearch::next(text, *pattern, from);
    if (found) {
        select(*found);
        if (found->wrapped)
            emit notice(backward ? QStringLiteral("Am Ende weitergesucht")
                                 : QStringLiteral("Am Anfang weitergesucht"));
    }
    showCount();
    markInSight();
}

void FindBar::select(const TextSearch::Match& match) {
    QTextCursor cursor = m_field.textCursor();
    cursor.setPosition(int(match.start));
    cursor.setPosition(int(match.start + match.length), QTextCursor::KeepAnchor);
    m_field.setTextCursor(cursor);
    m_field.ensureCursorVisible();
}

void FindBar::showCount() {
    const std::optional<QRegularExpression> pattern = expression();
    if (!pattern)
        return;
    const QTextCursor cursor = m_field.textCursor();
    TextSearch::Count count = TextSearch::count(snapshot(), *pattern, cursor.selectionStart());
    // The caret counts as on a match only while the match is what is selected.
    if (!cursor.hasSelection())
        count.number = 0;
    FindCount->setText(TextSearch::countText(count));
}

void FindBar::markInSight() {
    if (isHidden())
        return;
    const std::optional<QRegularExpression> pattern = expression();
    if (!pattern) {
        m_field.markFound({});
        return;
    }
    const QRect view = m_field.viewport()->rect();
    const QTextBlock first = m_field.cursorForPosition(view.topLeft()).block();
    const QTextBlock last = m_field.cursorForPosition(view.bottomRight()).block();
    const qsizetype from = first.position();
    const qsizetype to = last.position() + last.length();
    QList<std::pair<int, int>> marks;
    QRegularExpressionMatchIterator matches = pattern->globalMatch(snapshot(), from);
    while (matches.hasNext() && marks.size() < kMostMarks) {
        const QRegularExpressionMatch match = matches.next();
        if (match.capturedStart() >= to)
            break;
        if (match.capturedLength() > 0)
            marks.append({int(match.capturedStart()), int(match.capturedLength())});
    }
    m_field.markFound(marks);
}

void FindBar::replaceOne() {
    if (!replacing())
        return;
    const std::optional<QRegularExpression> pattern = expression();
    if (!pattern)
        return;
    QTextCursor cursor = m_field.textCursor();
    if (cursor.hasSelection()) {
        const QRegularExpressionMatch match =
            pattern->match(snapshot(), cursor.selectionStart(), QRegularExpression::NormalMatch,
                           QRegularExpression::AnchorAtOffsetMatchOption);
        if (match.hasMatch() && match.capturedEnd() == cursor.selectionEnd()) {
            cursor.insertText(
                TextSearch::replacementFor(match, ReplaceText->text(), FindRegex->isChecked()));
            m_field.setTextCursor(cursor);
        }
    }
    find(false, false);
}

void FindBar::replaceAll() {
    if (!replacing())
        return;
    const std::optional<QRegularExpression> pattern = expression();
    if (!pattern)
        return;
    const TextSearch::Replaced replaced =
        TextSearch::replaceAll(snapshot(), *pattern, ReplaceText->text(), FindRegex->isChecked());
    if (replaced.count == 0) {
        FindCount->setText(QStringLiteral("Nicht gefunden"));
        return;
    }
    // Line by line, as one edit that undo takes back; each edit moves what follows it.
    QTextCursor cursor(m_field.document());
    cursor.beginEditBlock();
    qsizetype moved = 0;
    for (const TextSearch::Edit& edit : replaced.edits) {
        cursor.setPosition(int(edit.start + moved));
        cursor.setPosition(int(edit.end + moved), QTextCursor::KeepAnchor);
        cursor.insertText(edit.text);
        moved += edit.text.size() - (edit.end - edit.start);
    }
    cursor.endEditBlock();
    m_field.setTextCursor(cursor);
    emit notice(replaced.count == 1 ? QStringLiteral("1 Stelle ersetzt")
                                    : QStringLiteral("%1 Stellen ersetzt")
                                          .arg(QLocale(QLocale::German).toString(replaced.count)));
    showCount();
    markInSight();
}

namespace FindCommands {

namespace {

// Runs a step on the bar, when the window has made it.
std::function<void()> onBar(const std::function<FindBar*()>& bar, void (FindBar::*step)()) {
    return [bar, step] {
        if (FindBar* found = bar())
            (found->*step)();
    };
}

} // namespace

QList<CommandTable::MenuRow> rowsWithIds(int findId, int replaceId,
                                         const std::function<FindBar*()>& bar) {
    return {
        CommandTable::separator(),
        CommandTable::itemRow(findId, "Suchen1", QStringLiteral("&Suchen..."),
                              QKeySequence(Qt::CTRL | Qt::Key_F), nullptr,
                              onBar(bar, &FindBar::openFind)),
        CommandTable::itemRow(replaceId, "Ersetzen1", QStringLiteral("Erse&tzen..."),
                              QKeySequence(Qt::CTRL | Qt::Key_H), nullptr,
                              onBar(bar, &FindBar::openReplace)),
    };
}

void installStepKeys(QWidget& window, const std::function<FindBar*()>& bar) {
    auto* next = new QShortcut(QKeySequence(Qt::Key_F3), &window);
    QObject::connect(next, &QShortcut::activated, &window, onBar(bar, &FindBar::findNext));
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), &window);
    QObject::connect(previous, &QShortcut::activated, &window, onBar(bar, &FindBar::findPrevious));
}

} // namespace FindCommands
