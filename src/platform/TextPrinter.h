#pragma once

#include "core/platform/PageFile.h"

#include <QStringList>

class QFont;
class QPrinter;

// Prints plain text lines, one printed line per line, starting a new page when one is
// full. A printer that prints into a PDF file writes it through a QSaveFile, committed only
// when complete, so a failed print leaves the file that was there whole. On failure the
// message to show.
namespace TextPrinter {
Outcome print(QPrinter& printer, const QStringList& lines, const QFont& font);
// What a print shows when the printer could not be started.
QString printerNotStarted();
} // namespace TextPrinter
