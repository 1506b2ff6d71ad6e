#include "ui/SpellingFields.h"

#include "core/source/SpellingWords.h"
#include "ui/LineSpellMarks.h"
#include "ui/SpellChecker.h"
#include "ui/SpellingMenu.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>

namespace {

// Marks the misspelt words of a plain text field, line by line as the text changes.
class PlainSpellMarks final : public QSyntaxHighlighter {
public:
    PlainSpellMarks(QTextDocument& document, SpellChecker& checker)
        : QSyntaxHighlighter(&document), m_checker(checker) {
        connect(&checker, &SpellChecker::changed, this, &QSyntaxHighlighter::rehighlight);
    }

protected:
    void highlightBlock(const QString& text) override {
        if (!m_checker.marking())
            return;
        for (const SpellingWords::Word& word : SpellingWords::split(text)) {
            if (m_checker.misspelt(QStringView(text).mid(word.start, word.length)))
                setFormat(int(word.start), int(word.length), m_checker.markFormat());
        }
    }

private:
    SpellChecker& m_checker;
};

} // namespace

namespace SpellingFields {

void watch(QLineEdit& field, SpellChecker& checker) {
    SpellingMenu::install(field, checker, *new LineSpellMarks(field, checker));
}

void watch(QPlainTextEdit& field, SpellChecker& checker) {
    new PlainSpellMarks(*field.document(), checker);
    SpellingMenu::install(field, checker);
}

} // namespace SpellingFields
