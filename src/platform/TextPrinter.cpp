#include "platform/TextPrinter.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace TextPrinter {

namespace {

QString fileNotWritten(const QString& path, const QString& reason) {
    return QStringLiteral("Fehler beim Drucken: Die Datei \"%1\" konnte nicht geschrieben "
                          "werden. %2")
        .arg(path, reason);
}

// Paints the lines on the device's pages; false when painting could not start or end.
bool paint(QPagedPaintDevice& device, int resolution, const QStringList& lines, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), &device);
    const int pageHeight = device.pageLayout().paintRectPixels(resolution).height();
    const int lineHeight = std::max(1, metrics.lineSpacing());
    int y = 0;
    for (const QString& line : lines) {
        if (y + lineHeight > pageHeight && y > 0) {
            device.newPage();
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += lineHeight;
    }
    return painter.end();
}

// The PDF is made in memory and then written as a whole, like a page.
Outcome printToPdf(const QPrinter& printer, const QStringList& lines, const QFont& font) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(printer.docName());
        if (!paint(writer, writer.resolution(), lines, font))
            return {printerNotStarted()};
    }
    const QString path = printer.outputFileName();
    const Outcome written = PageFile::replaceFile(path, pdf.data());
    if (!written.ok())
        return {fileNotWritten(path, written.error)};
    return {};
}

} // namespace

QString printerNotStarted() {
    return QStringLiteral("Fehler beim Drucken: Der Drucker konnte nicht gestartet werden.");
}

Outcome print(QPrinter& printer, const QStringList& lines, const QFont& font) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printToPdf(printer, lines, font);
    if (!paint(printer, printer.resolution(), lines, font))
        return {printerNotStarted()};
    return {};
}

} // namespace TextPrinter
