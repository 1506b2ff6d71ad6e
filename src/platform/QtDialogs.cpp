#include "platform/QtDialogs.h"

#include "platform/BrowserLauncher.h"
#include "platform/DialogObjects.h"
#include "platform/FontChoiceDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

// "Html Seite|*.html|Htm Seite|*.htm" becomes "Html Seite (*.html);;Htm Seite (*.htm)".
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts[i];
        entries.append(
            label.contains(u'(')
                ? label
                : QStringLiteral("%1 (%2)").arg(label, QString(parts[i + 1]).replace(u';', u' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

// A file dialog set up for the proposal: in its folder when it is a full path, else in the
// given folder (or Qt's choice when none is given).
void prepare(QFileDialog& dialog, const QString& proposal, const QString& folder,
             const QString& filter) {
    if (!filter.isEmpty())
        dialog.setNameFilter(qtFilter(filter));
    const QFileInfo proposed(proposal);
    if (proposed.isAbsolute())
        dialog.setDirectory(proposed.absolutePath());
    else if (!folder.isEmpty())
        dialog.setDirectory(folder);
    dialog.selectFile(proposed.fileName());
}

std::optional<QString> runOpenDialog(const QString& proposal, const QString& filter) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, proposal, {}, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// "Html Seite (*.html)" stands for ".html"; a type without one extension for none.
QString extensionOf(const QString& nameFilter) {
    const qsizetype star = nameFilter.indexOf(QLatin1String("*."));
    if (star < 0)
        return {};
    QString extension = nameFilter.mid(star + 1);
    const qsizetype end = extension.indexOf(QRegularExpression(QStringLiteral("[ ;)]")));
    if (end >= 0)
        extension.truncate(end);
    return extension.contains(u'*') ? QString() : extension;
}

QString pictureFilter(const QString& filter) {
    if (!filter.isEmpty())
        return filter;
    return kPictureFileFilter;
}

} // namespace

std::optional<SaveAnswer> QtDialogs::saveFileName(const QString& proposal, const QString& folder,
                                                  const QString& filter) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks before it replaces a file, once the chosen type's extension is added
    // to the name (the dialog would ask about the name without it).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    prepare(dialog, proposal, folder, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveAnswer{dialog.selectedFiles().constFirst(),
                      extensionOf(dialog.selectedNameFilter())};
}

std::optional<QString> QtDialogs::openFileName(const QString& proposal, const QString& filter) {
    return runOpenDialog(proposal, filter);
}

std::optional<QString> QtDialogs::openPictureName(const QString& proposal, const QString& filter) {
    return runOpenDialog(proposal, pictureFilter(filter));
}

std::optional<FontChoice> QtDialogs::font(const FontChoice& initial) {
    FontChoiceDialog dialog(initial, dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<QColor> QtDialogs::color(const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, dialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::unique_ptr<QPrinter> QtDialogs::print() {
    auto printer = std::make_unique<QPrinter>();
    QPrintDialog dialog(printer.get(), dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

void QtDialogs::message(const QString& text) {
    QMessageBox::information(dialogParent(), QApplication::applicationDisplayName(), text);
}

void QtDialogs::error(const QString& text) {
    QMessageBox::critical(dialogParent(), QApplication::applicationDisplayName(), text);
}

bool QtDialogs::question(const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, dialogParent());
    const QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == yes;
}

namespace {

// A question whose careful answer is the default and the answer of Esc.
bool askCarefully(const QString& text, QWidget* over, const QString& yesText, const QString& noText,
                  QMessageBox::ButtonRole noRole) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, over);
    const QPushButton* yes = box.addButton(yesText, QMessageBox::YesRole);
    QPushButton* no = box.addButton(noText, noRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace

bool QtDialogs::yesOrNo(const QString& text, QWidget* over) {
    return askCarefully(text, over ? over : dialogParent(), QStringLiteral("Ja"),
                        QStringLiteral("Nein"), QMessageBox::NoRole);
}

bool QtDialogs::trust(const QString& text, QWidget* over) {
    return askCarefully(text, over ? over : dialogParent(), QStringLiteral("Vertrauen"),
                        QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
}

bool DesktopDocumentOpener::openAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

bool DesktopDocumentOpener::open(const QString& path) {
    return BrowserLauncher::onDesktop().open(path);
}
