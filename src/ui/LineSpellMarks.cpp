#include "ui/LineSpellMarks.h"

#include "ui/SpellChecker.h"

#include <QCoreApplication>
#include <QLineEdit>

LineSpellMarks::LineSpellMarks(QLineEdit& field, SpellChecker& checker)
    : QObject(&field), m_field(field), m_checker(checker) {
    connect(&field, &QLineEdit::textChanged, this, &LineSpellMarks::mark);
    connect(&field, &QLineEdit::cursorPositionChanged, this, &LineSpellMarks::mark);
    connect(&checker, &SpellChecker::changed, this, &LineSpellMarks::mark);
}

void LineSpellMarks::mark() {
    QList<SpellingWords::Word> marks;
    if (m_checker.marking()) {
        const QString text = m_field.text();
        for (const SpellingWords::Word& word : SpellingWords::split(text)) {
            if (m_checker.misspelt(QStringView(text).mid(word.start, word.length)))
                marks.append(word);
        }
    }
    // Nothing to take away and nothing to show.
    if (marks.isEmpty() && m_sent.isEmpty())
        return;
    m_marks = marks;
    m_sent.clear();
    const int caret = m_field.cursorPosition();
    for (const SpellingWords::Word& word : std::as_const(m_marks))
        m_sent.append({QInputMethodEvent::TextFormat, int(word.start) - caret, int(word.length),
                       m_checker.markFormat()});
    QInputMethodEvent marking(QString(), m_sent);
    QCoreApplication::sendEvent(&m_field, &marking);
}
