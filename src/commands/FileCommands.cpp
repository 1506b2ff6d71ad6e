#include "commands/FileCommands.h"

#include "context/Navigation.h"
#include "context/PageContext.h"
#include "platform/BareFileName.h"
#include "platform/LineSplit.h"
#include "platform/PageFile.h"
#include "platform/TextPrinter.h"
#include "source/Utf8Declaration.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPrinter>

FileCommands::FileCommands(PageContext& context, Navigation& navigation, QObject* parent)
    : QObject(parent), m_context(context), m_navigation(navigation) {}

void FileCommands::NeuClick() {
    startNew(NewVariant::Menu);
}

void FileCommands::Image6Click() {
    startNew(NewVariant::Toolbar);
}

void FileCommands::startNew(NewVariant variant) {
    // A page with unsaved work goes only after "Ja" in "Error 407".
    if (m_context.document.hasUnsavedChanges()) {
        m_navigation.askToDiscard([this, variant] { emptyPage(variant); });
        return;
    }
    emptyPage(variant);
}

void FileCommands::emptyPage(NewVariant variant) {
    emit pageBegunAnew(variant);
    m_context.document.clear();
    m_context.pictures.forget();
    m_context.state.setGeneralSettingsDone(false);
    m_context.state.begunAnew();
    // A new page begins with its settings.
    m_navigation.showGeneralSettings(true);
}

void FileCommands::ffnen1Click() {
    // A page with unsaved work goes only after "Ja" in "Error 407".
    if (m_context.document.hasUnsavedChanges()) {
        m_navigation.askToDiscard([this] { openPage(); });
        return;
    }
    openPage();
}

void FileCommands::openPage() {
    OpenFileDialog& dialog = m_context.dialogs.OpenDialog1;
    if (!dialog.execute())
        return;
    const QString path = dialog.fileName();
    PageFile::Decoded read = PageFile::readText(path, PageFile::kPageCapacity);
    if (!read.ok()) {
        m_context.ask.error(read.error);
        return;
    }
    // Characters the text field would turn into line breaks wait as stand-ins.
    const StandIns standIns = StandIns::chooseFor(read.text);
    const Utf8Declared page = DeclareUtf8(SplitFileLines(standIns.hide(read.text)));
    // The page's own file from now on, as after a save; it is known before the page shows,
    // so that the first check already looks for the page's files in its folder.
    m_context.dialogs.SaveDialog1.setFileName(path);
    m_context.state.enablePreview();
    m_context.state.saved(path);
    m_context.document.open(page.lines, page.changed, standIns);
    // The pictures chosen for the page given up are not this page's.
    m_context.pictures.forget();
    // A page that holds its document start takes elements at once, as after the general
    // settings' add.
    m_context.state.setGeneralSettingsDone(page.holdsBody);
    if (page.changed)
        m_context.notices.PostStatusMessage(QStringLiteral("Zeichensatz auf UTF-8 umgestellt"));
    if (m_context.document.isReadOnly())
        m_context.ask.message(StandIns::readOnlyNotice());
}

void FileCommands::SpeichernClick() {
    saveAs();
}

void FileCommands::Speichern1Click() {
    save();
}

bool FileCommands::refusedAsOnlyShown() {
    if (!m_context.document.isReadOnly())
        return false;
    m_context.ask.message(StandIns::readOnlyNotice());
    return true;
}

bool FileCommands::saveAs() {
    if (refusedAsOnlyShown())
        return false;
    SaveFileDialog& dialog = m_context.dialogs.SaveDialog1;
    if (!dialog.execute(m_context.state.ownFile()))
        return false;
    const QString path = dialog.fileName();
    if (!writePage(path))
        return false;
    m_context.state.enablePreview();
    m_context.state.saved(path);
    return true;
}

bool FileCommands::save() {
    if (refusedAsOnlyShown())
        return false;
    // Nothing saved since start or New: ask for a file name.
    if (!m_context.state.hasFile())
        return saveAs();
    return writePage(m_context.state.ownFile());
}

bool FileCommands::writePage(const QString& path) {
    PageSource& source = m_context.document;
    source.closeDocument();
    const QStringList lines = source.linesAsSaved();
    const Outcome written = PageFile::writeLines(path, lines);
    if (!written.ok()) {
        m_context.ask.error(written.error);
        return false;
    }
    source.markSaved();
    // The pictures the page names travel into its folder; the page is saved whatever
    // becomes of them.
    const PagePictures::Copied copied =
        m_context.pictures.copyInto(QFileInfo(path).absolutePath(), lines);
    QString notice = BareFileName(path) + QStringLiteral(" wurde gespeichert");
    if (copied.count > 0)
        notice += QStringLiteral(", %1 %2 in den Ordner der Seite kopiert")
                      .arg(copied.count)
                      .arg(copied.count == 1 ? QStringLiteral("Bild") : QStringLiteral("Bilder"));
    m_context.notices.PostStatusMessage(notice);
    if (!copied.problems.isEmpty())
        m_context.ask.message(copied.problems.join(u'\n'));
    return true;
}

void FileCommands::VorschauClick() {
    const QString path = m_context.dialogs.SaveDialog1.fileName();
    if (!m_context.opener.open(path)) {
        m_context.ask.message(QStringLiteral("Datei kann leider nicht gestartet werden"));
        return;
    }
    m_context.state.setPreviewName(BareFileName(path));
    m_context.notices.PostStatusMessage(QStringLiteral(" Vorschau von ") +
                                        m_context.state.previewName() +
                                        QStringLiteral(" wird geladen"));
}

void FileCommands::Drucken1Click() {
    const std::unique_ptr<QPrinter> printer = m_context.dialogs.PrintDialog1.execute();
    if (!printer)
        return;
    const Outcome printed = TextPrinter::print(*printer, m_context.document.lines(),
                                               QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (!printed.ok()) {
        m_context.ask.error(printed.error);
        return;
    }
    m_context.notices.PostStatusMessage(QStringLiteral("Quelltext wird gedruckt"));
}

void FileCommands::Beenden1Click() {
    m_navigation.endProgram();
}
