#include "platform/DialogObjects.h"

#include <QPrinter>

namespace {

bool take(std::optional<QString> chosen, QString& fileName) {
    if (!chosen)
        return false;
    fileName = *chosen;
    return true;
}

} // namespace

bool SaveFileDialog::execute() {
    return take(m_dialogs.saveFileName(m_fileName, m_filter, m_defaultExt), m_fileName);
}

bool OpenFileDialog::execute() {
    return take(m_dialogs.openFileName(m_fileName, m_filter), m_fileName);
}

bool OpenPictureDialog::execute() {
    return take(m_dialogs.openPictureName(m_fileName, m_filter), m_fileName);
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
    : ask(dialogs), SaveDialog1(dialogs, QStringLiteral("Unbenannt.html"), kPageFileFilter,
                                QStringLiteral(".txt")),
      OpenDialog1(dialogs, QStringLiteral("Unbenannt.html"), kPageFileFilter),
      OpenPictureDialog1(dialogs, QString(), QString()),
      OpenPictureDialog2(dialogs, QString(), QStringLiteral("Symbole (*.ico)|*.ico")),
      PrintDialog1(dialogs), FontDialog1(dialogs), ColorDialog1(dialogs) {}
