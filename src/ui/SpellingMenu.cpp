#include "ui/SpellingMenu.h"

#include "ui/LineSpellMarks.h"
#include "ui/SpellChecker.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextLayout>

namespace {

constexpr const char* kUsualMenu = "usualMenu";

// The marked stretch of a line around an offset in it.
std::optional<QTextLayout::FormatRange> markAt(const QTextBlock& block, int offset) {
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline &&
            range.start <= offset && offset <= range.start + range.length)
            return range;
    }
    return std::nullopt;
}

} // namespace

SpellingMenu::SpellingMenu(QWidget& field, SpellChecker& checker, TargetAt targetAt,
                           StandardMenu standardMenu)
    : QObject(&field), m_field(field), m_checker(checker), m_targetAt(std::move(targetAt)),
      m_standardMenu(std::move(standardMenu)) {
    field.installEventFilter(this);
}

void SpellingMenu::install(QLineEdit& field, SpellChecker& checker, const LineSpellMarks& marks) {
    auto targetAt = [&field, &marks](const QContextMenuEvent& event) -> std::optional<Target> {
        if (field.isReadOnly())
            return std::nullopt;
        const int at = event.reason() == QContextMenuEvent::Mouse
                           ? field.cursorPositionAt(event.pos())
                           : field.cursorPosition();
        for (const SpellingWords::Word& word : marks.marks()) {
            if (word.start <= at && at <= word.end()) {
                const QString text = field.text().mid(word.start, word.length);
                return Target{text, [&field, word, text](const QString& replacement) {
                                  if (field.text().mid(word.start, word.length) != text)
                                      return;
                                  field.setSelection(int(word.start), int(word.length));
                                  field.insert(replacement);
                              }};
            }
        }
        return std::nullopt;
    };
    new SpellingMenu(field, checker, targetAt, [&field](const QContextMenuEvent&) {
        return field.createStandardContextMenu();
    });
}

void SpellingMenu::install(QPlainTextEdit& field, SpellChecker& checker) {
    auto targetAt = [&field](const QContextMenuEvent& event) -> std::optional<Target> {
        // A text only to be read keeps its words.
        if (field.isReadOnly())
            return std::nullopt;
        const QTextCursor at = event.reason() == QContextMenuEvent::Mouse
                                   ? field.cursorForPosition(event.pos())
                                   : field.textCursor();
        const QTextBlock block = at.block();
        const auto mark = markAt(block, at.positionInBlock());
        if (!mark)
            return std::nullopt;
        const QString text = block.text().mid(mark->start, mark->length);
        QTextCursor word(block);
        word.setPosition(block.position() + mark->start);
        word.setPosition(block.position() + mark->start + mark->length, QTextCursor::KeepAnchor);
        return Target{text, [word, text](const QString& replacement) mutable {
                          if (word.selectedText() != text)
                              return;
                          word.beginEditBlock();
                          word.insertText(replacement);
                          word.endEditBlock();
                      }};
    };
    auto* menu =
        new SpellingMenu(field, checker, targetAt, [&field](const QContextMenuEvent& event) {
            return field.createStandardContextMenu(event.pos());
        });
    // A click lands on the text's viewport, the menu key on the field itself.
    field.viewport()->installEventFilter(menu);
}

void SpellingMenu::setUsualMenu(QWidget& field, QMenu& menu) {
    field.setProperty(kUsualMenu, QVariant::fromValue(QPointer<QMenu>(&menu)));
}

bool SpellingMenu::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::ContextMenu || !m_checker.marking())
        return false;
    const auto& request = static_cast<const QContextMenuEvent&>(*event);
    const std::optional<Target> target = m_targetAt(request);
    if (!target)
        return false;
    show(*target, request);
    return true;
}

QMenu* SpellingMenu::usualMenu(const QContextMenuEvent& event) const {
    const auto shared = m_field.property(kUsualMenu).value<QPointer<QMenu>>();
    if (!shared)
        return m_standardMenu(event);
    // The window's pop-up menu is shared, so its items are borrowed, not moved.
    auto* menu = new QMenu(&m_field);
    menu->addActions(shared->actions());
    return menu;
}

void SpellingMenu::show(const Target& target, const QContextMenuEvent& event) {
    QMenu* menu = usualMenu(event);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* first = menu->actions().value(0);
    auto addItem = [&](const QString& caption, const QString& name, auto run) {
        auto* action = new QAction(caption, menu);
        action->setObjectName(name);
        menu->insertAction(first, action);
        connect(action, &QAction::triggered, menu, run);
    };
    const QStringList suggestions = m_checker.suggestions(target.word, kMostSuggestions);
    for (int i = 0; i < suggestions.size(); ++i) {
        const QString suggestion = suggestions[i];
        QString caption = suggestion;
        addItem(caption.replace(u'&', QStringLiteral("&&")),
                QStringLiteral("Vorschlag%1").arg(i + 1),
                [replace = target.replace, suggestion] { replace(suggestion); });
    }
    SpellChecker* checker = &m_checker;
    const QString word = target.word;
    addItem(QStringLiteral("Ignorieren"), QStringLiteral("Ignorieren1"),
            [checker, word] { checker->ignore(word); });
    addItem(QStringLiteral("Zum Wörterbuch hinzufügen"), QStringLiteral("ZumWoerterbuch1"),
            [checker, word] { checker->addToWordList(word); });
    if (first)
        menu->insertSeparator(first);
    menu->popup(event.globalPos());
}
