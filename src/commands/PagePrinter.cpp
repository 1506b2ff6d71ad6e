#include "commands/PagePrinter.h"

#include "context/PageContext.h"
#include "core/platform/PageFile.h"
#include "platform/TextPrinter.h"
#include "ui/PageViewLoader.h"

#include <QPointer>
#include <QPrinter>

PagePrinter::PagePrinter(PageContext& context, PageViewDock::Page page, QWidget& window)
    : QObject(&window), m_context(context), m_page(std::move(page)), m_window(window) {}

PagePrinter::~PagePrinter() = default;

void PagePrinter::SeiteDrucken1Click() {
    // Without the engine there is nothing to print with: the user is told before choosing
    // a printer.
    if (!havePane())
        return;
    std::unique_ptr<QPrinter> printer = m_context.dialogs.PrintDialog1.execute();
    if (!printer)
        return;
    m_printers.push_back(std::move(printer));
    if (m_printers.size() == 1)
        startNext();
}

bool PagePrinter::havePane() {
    if (m_pane)
        return true;
    const Expected<PageViewPane*> created = PageViewLoader::create(&m_window);
    if (!created.ok()) {
        m_context.failed(
            {QStringLiteral("Die Seite kann nicht gedruckt werden.\n") + created.error});
        return false;
    }
    m_pane = created.value;
    m_pane->setObjectName(QStringLiteral("PagePrintView"));
    m_pane->hide();
    connect(m_pane, &PageViewPane::pageLoaded, this, &PagePrinter::pageShown);
    connect(m_pane, &PageViewPane::printFinished, this,
            [this](bool ok) { finished({ok ? QString() : TextPrinter::printerNotStarted()}); });
    return true;
}

void PagePrinter::startNext() {
    if (!m_printers.empty())
        m_page.showIn(*m_pane, PageViewPane::Scroll::Keep);
}

void PagePrinter::pageShown(bool ok) {
    if (m_printers.empty())
        return;
    if (!ok) {
        finished({TextPrinter::printerNotStarted()});
        return;
    }
    QPrinter& printer = *m_printers.front();
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        m_pane->print(&printer);
        return;
    }
    m_pane->printToPdf(printer.pageLayout(),
                       [self = QPointer<PagePrinter>(this)](const QByteArray& bytes) {
                           if (self)
                               self->pdfMade(bytes);
                       });
}

void PagePrinter::pdfMade(const QByteArray& bytes) {
    if (m_printers.empty())
        return;
    if (bytes.isEmpty()) {
        finished({TextPrinter::printerNotStarted()});
        return;
    }
    const QString path = m_printers.front()->outputFileName();
    const Outcome written = PageFile::replaceFile(path, bytes);
    finished({written.ok() ? QString() : PageFile::createError(path, written.error)});
}

void PagePrinter::finished(const Outcome& outcome) {
    // The printer goes before the message, which may wait for the user.
    m_printers.pop_front();
    if (!m_context.failed(outcome))
        m_context.notices.PostStatusMessage(QStringLiteral("Seite wird gedruckt"));
    startNext();
}
