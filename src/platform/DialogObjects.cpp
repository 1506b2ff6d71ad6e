#include "platform/DialogObjects.h"

#include "core/platform/BareFileName.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

bool FileDialogObject::take(std::optional<QString> chosen) {
    if (!chosen)
        return false;
    m_fileName = *chosen;
    m_chosen.path = *chosen;
    return true;
}

QString ChosenFile::folderFor(const QString& ownFile) const {
    for (const QString& file : {ownFile, path}) {
        if (!file.isEmpty())
            return QFileInfo(file).absolutePath();
    }
    return {};
}

QString SaveFileDialog::folderFor(const QString& ownFile, const QString& recentFolder) const {
    if (ownFile.isEmpty() && !recentFolder.isEmpty())
        return recentFolder;
    const QString folder = m_chosen.folderFor(ownFile);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

bool SaveFileDialog::execute(const QString& ownFile, const QString& recentFolder) {
    QString proposal = m_fileName;
    for (;;) {
        const std::optional<SaveAnswer> answer =
            m_dialogs.saveFileName(proposal, folderFor(ownFile, recentFolder), m_filter);
        if (!answer)
            return false;
        const QString path = WithFileType(answer->path, answer->fileType);
        // Only a file is replaced; a folder or device of that name fails in the save.
        if (!QFileInfo(path).isFile() || mayReplace(path))
            return take(path);
        // "Nein": the dialog comes again with the same name, the extension added.
        proposal = path;
    }
}

bool SaveFileDialog::mayReplace(const QString& path) const {
    return m_dialogs.yesOrNo(QStringLiteral("Die Datei %1 existiert bereits.\n"
                                            "Soll sie überschrieben werden?")
                                 .arg(BareFileName(path)),
                             nullptr);
}

bool OpenDialogObject::offers(const QString& path) const {
    const QString filter = m_filter.isEmpty() ? kPictureFileFilter : m_filter;
    const QString name = QFileInfo(path).fileName();
    // "label|*.a;*.b|label|*.c": every second part holds the patterns of one type.
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 1; i < parts.size(); i += 2) {
        if (QDir::match(parts[i].split(u';'), name))
            return true;
    }
    return false;
}

bool OpenFileDialog::execute() {
    return take(m_dialogs.openFileName(m_fileName, m_filter));
}

bool OpenFileDialog::executeIn(const QString& folder) {
    if (folder.isEmpty())
        return execute();
    return take(m_dialogs.openFileName(QDir(folder).filePath(BareFileName(m_fileName)), m_filter));
}

bool OpenPictureDialog::execute() {
    return take(m_dialogs.openPictureName(m_fileName, m_filter));
}

std::unique_ptr<QPrinter> PrintDialogObject::execute() {
    return m_dialogs.print();
}

bool FontDialogObject::execute() {
    const std::optional<FontChoice> chosen = m_dialogs.font(m_font);
    if (!chosen)
        return false;
    m_font = *chosen;
    return true;
}

bool ColorDialogObject::execute() {
    const std::optional<QColor> chosen = m_dialogs.color(m_color);
    if (!chosen)
        return false;
    m_color = *chosen;
    return true;
}

SharedDialogs::SharedDialogs(Dialogs& dialogs)
    : ask(dialogs),
      SaveDialog1(dialogs, lastChosen, QStringLiteral("Unbenannt.html"), kPageFileFilter),
      OpenDialog1(dialogs, lastChosen, QStringLiteral("Unbenannt.html"), kPageFileFilter),
      OpenPictureDialog1(dialogs, lastChosen, QString(), QString()),
      OpenPictureDialog2(dialogs, lastChosen, QString(), QStringLiteral("Symbole (*.ico)|*.ico")),
      PrintDialog1(dialogs), FontDialog1(dialogs), ColorDialog1(dialogs) {}
