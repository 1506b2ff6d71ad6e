#include "commands/FileCommands.h"

#include "commands/FileDocument.h"
#include "context/PageContext.h"
#include "core/platform/StandIns.h"

#include <QPrinter>

FileCommands::FileCommands(PageContext& context, FileDocument& document, SaveFileDialog& saveDialog,
                           Saving saving, QObject* parent)
    : QObject(parent), m_context(context), m_document(document), m_saveDialog(saveDialog),
      m_saving(saving) {}

void FileCommands::NeuClick() {
    startNew(NewVariant::Menu);
}

void FileCommands::Image6Click() {
    startNew(NewVariant::Toolbar);
}

void FileCommands::startNew(NewVariant variant) {
    m_document.whenDiscarded([this, variant] { m_document.beginAnew(variant); });
}

void FileCommands::ffnen1Click() {
    m_document.whenDiscarded([this] { openChosen(); });
}

void FileCommands::openChosen() {
    OpenFileDialog& dialog = m_context.dialogs.OpenDialog1;
    if (!dialog.execute())
        return;
    if (m_context.failed(m_document.open(dialog.fileName())))
        return;
    if (m_document.isReadOnly())
        m_context.ask.message(StandIns::readOnlyNotice());
}

void FileCommands::SpeichernClick() {
    saveAs();
}

void FileCommands::Speichern1Click() {
    save();
}

bool FileCommands::refusedAsOnlyShown() {
    if (!m_document.isReadOnly())
        return false;
    m_context.ask.message(StandIns::readOnlyNotice());
    return true;
}

bool FileCommands::saveAs() {
    if (refusedAsOnlyShown())
        return false;
    const QString ownFile = m_document.ownFile();
    if (m_saving == Saving::AlwaysAsks && m_document.hasFile())
        m_saveDialog.setFileName(ownFile);
    if (!m_saveDialog.execute(ownFile))
        return false;
    return writeTo(m_saveDialog.fileName());
}

bool FileCommands::save() {
    if (m_saving == Saving::AlwaysAsks || !m_document.hasFile())
        return saveAs();
    if (refusedAsOnlyShown())
        return false;
    return writeTo(m_document.ownFile());
}

bool FileCommands::writeTo(const QString& path) {
    const std::optional<Outcome> written = m_document.write(path);
    return written && !m_context.failed(*written);
}

void FileCommands::VorschauClick() {
    const QString path = m_document.previewFile();
    if (path.isEmpty())
        return;
    if (!m_context.opener.open(path)) {
        m_context.ask.message(QStringLiteral("Datei kann leider nicht gestartet werden"));
        return;
    }
    m_document.previewed(path);
}

void FileCommands::Drucken1Click() {
    const std::unique_ptr<QPrinter> printer = m_context.dialogs.PrintDialog1.execute();
    if (!printer)
        return;
    m_context.failed(m_document.print(*printer));
}
