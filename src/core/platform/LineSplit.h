#pragma once

#include <QStringList>
#include <QStringView>

// Splits a text into lines the way a text file is read: CR LF, a lone CR and a lone LF
// each end a line. A text that ends with a line break has no empty line after it; an empty
// text has no lines.
QStringList SplitFileLines(QStringView text);

// Splits a text that is appended to the page source: every piece between line breaks is
// a line, so a text that ends with a break gives a trailing empty line and an empty text
// gives one empty line.
QStringList SplitAppendedText(QStringView text);

// Splits the raw text of a text document (QTextDocument::toRawText(): its blocks apart by
// U+2029, every other character as typed) into its lines as a text file has them: a text
// that ends with a line break has no empty line after it.
QStringList SplitDocumentText(QStringView rawText);
