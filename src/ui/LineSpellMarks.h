#pragma once

#include "core/source/SpellingWords.h"

#include <QInputMethodEvent>
#include <QList>
#include <QObject>

class QLineEdit;
class SpellChecker;

// Marks the misspelt words of a one-line field. A QLineEdit shows formats only for what an
// input method is composing, so the marks reach it as an input method event that composes
// nothing, its formats placed from the caret; they are sent anew after every change of the
// text or the caret, and an event without formats takes the old marks away.
class LineSpellMarks final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LineSpellMarks)
public:
    LineSpellMarks(QLineEdit& field, SpellChecker& checker);

    // The misspelt words marked now.
    const QList<SpellingWords::Word>& marks() const { return m_marks; }
    // The formats the field was sent last.
    const QList<QInputMethodEvent::Attribute>& sent() const { return m_sent; }

private:
    void mark();

    QLineEdit& m_field;
    SpellChecker& m_checker;
    QList<SpellingWords::Word> m_marks;
    QList<QInputMethodEvent::Attribute> m_sent;
};
