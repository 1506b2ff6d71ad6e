#pragma once

class QLineEdit;
class QPlainTextEdit;
class SpellChecker;

// Hands a field of page text to the spell checking: its misspelt words marked, and the
// spelling items in its context menu. Every word of such a field is text.
namespace SpellingFields {

void watch(QLineEdit& field, SpellChecker& checker);
void watch(QPlainTextEdit& field, SpellChecker& checker);

} // namespace SpellingFields
