#pragma once

#include <QString>
#include <QStringList>

class QFont;
class QPrinter;

// Prints plain text lines, one printed line per line, starting a new page when one is
// full. Returns false when the printer could not be started.
namespace TextPrinter {
bool print(QPrinter& printer, const QStringList& lines, const QFont& font);

// What the user is told when the printer could not be started.
QString failureMessage();
} // namespace TextPrinter
