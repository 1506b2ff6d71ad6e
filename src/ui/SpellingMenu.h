#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class LineSpellMarks;
class QContextMenuEvent;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QWidget;
class SpellChecker;

// The spelling items on top of a field's context menu when the right-click is on a marked
// word: up to five suggestions, „Ignorieren“ and „Zum Wörterbuch hinzufügen“, then a separator
// and the field's usual menu. Anywhere else the field shows its usual menu alone. Suggestions
// are looked up only here, as the menu opens.
class SpellingMenu final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellingMenu)
public:
    static void install(QLineEdit& field, SpellChecker& checker, const LineSpellMarks& marks);
    static void install(QPlainTextEdit& field, SpellChecker& checker);

    // A field whose usual menu is the window's own pop-up menu, not Qt's.
    static void setUsualMenu(QWidget& field, QMenu& menu);

    // The most suggestions shown.
    static constexpr int kMostSuggestions = 5;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The marked word a menu is about, and how another word takes its place.
    struct Target {
        QString word;
        std::function<void(const QString&)> replace;
    };
    using TargetAt = std::function<std::optional<Target>(const QContextMenuEvent&)>;
    using StandardMenu = std::function<QMenu*(const QContextMenuEvent&)>;

    SpellingMenu(QWidget& field, SpellChecker& checker, TargetAt targetAt,
                 StandardMenu standardMenu);
    QMenu* usualMenu(const QContextMenuEvent& event) const;
    void show(const Target& target, const QContextMenuEvent& event);

    QWidget& m_field;
    SpellChecker& m_checker;
    TargetAt m_targetAt;
    StandardMenu m_standardMenu;
};
