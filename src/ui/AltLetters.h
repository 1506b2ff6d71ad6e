#pragma once

#include <QChar>
#include <QSet>
#include <QString>

// The letters that Alt reaches a control by: the character after a lone '&' in its caption,
// shown underlined ("&&" stands for an ampersand shown as it is).
namespace AltLetters {

using Taken = QSet<QChar>;

// The caption's letter in upper case; a null character when it has none.
QChar of(const QString& caption);

// The caption as it shows, without the mark of its letter.
QString shown(const QString& caption);

// The caption with a letter that is not yet taken, which then is: the first letter of a word
// where one is free, else any free letter or digit. A caption that has a letter keeps it; one
// that finds none free stays as it is.
QString marked(const QString& caption, Taken& taken);

// A new caption for a control that keeps the letter of its old one, where it holds that letter.
QString carried(const QString& oldCaption, const QString& newCaption);

} // namespace AltLetters
