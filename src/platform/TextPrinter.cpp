#include "platform/TextPrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace TextPrinter {

bool print(QPrinter& printer, const QStringList& lines, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int pageHeight = page.height();
    const int lineHeight = std::max(1, metrics.lineSpacing());
    int y = 0;
    for (const QString& line : lines) {
        if (y + lineHeight > pageHeight && y > 0) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += lineHeight;
    }
    return painter.end();
}

QString failureMessage() {
    return QStringLiteral("Fehler beim Drucken: Der Drucker konnte nicht gestartet werden.");
}

} // namespace TextPrinter
