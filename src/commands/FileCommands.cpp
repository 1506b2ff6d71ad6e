#include "commands/FileCommands.h"

#include "commands/FileDocument.h"
#include "commands/RecentFiles.h"
#include "context/PageContext.h"
#include "core/platform/BareFileName.h"
#include "core/platform/StandIns.h"

#include <QFileInfo>
#include <QPrinter>

FileCommands::FileCommands(PageContext& context, FileDocument& document, SaveFileDialog& saveDialog,
                           Saving saving, RecentFiles& recent, QObject* parent)
    : QObject(parent), m_context(context), m_document(document), m_saveDialog(saveDialog),
      m_saving(saving), m_recent(recent) {}

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

void FileCommands::openFile(const QString& path) {
    m_document.whenDiscarded([this, path] { openPath(path); });
}

void FileCommands::openRecent(const QString& path) {
    if (QFileInfo::exists(path)) {
        openFile(path);
        return;
    }
    m_recent.remove(path);
    emit notice(QStringLiteral("„%1“ gibt es nicht mehr; die Datei wurde aus der Liste genommen.")
                    .arg(BareFileName(path)));
}

void FileCommands::openChosen() {
    OpenFileDialog& dialog = m_context.dialogs.OpenDialog1;
    if (dialog.executeIn(recentFolder()))
        openPath(dialog.fileName());
}

void FileCommands::openPath(const QString& path) {
    if (m_context.failed(m_document.open(path)))
        return;
    m_recent.add(path);
    if (m_document.isReadOnly())
        m_context.ask.message(StandIns::readOnlyNotice());
}

QString FileCommands::recentFolder() const {
    return m_document.ownFile().isEmpty() ? m_recent.newestFolder() : QString();
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
    if (!m_saveDialog.execute(ownFile, recentFolder()))
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
    if (!written || m_context.failed(*written))
        return false;
    m_recent.add(path);
    return true;
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
