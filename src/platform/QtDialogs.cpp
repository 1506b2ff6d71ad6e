#include "platform/QtDialogs.h"

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

std::optional<QString> runFileDialog(QFileDialog::AcceptMode mode, const QString& proposal,
                                     const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    // Choosing an existing file overwrites it without a further question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!filter.isEmpty())
        dialog.setNameFilter(qtFilter(filter));
    if (!defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(defaultSuffix.startsWith(u'.') ? defaultSuffix.mid(1)
                                                               : defaultSuffix);
    const QFileInfo proposed(proposal);
    if (proposed.isAbsolute())
        dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QString pictureFilter(const QString& filter) {
    if (!filter.isEmpty())
        return filter;
    return QStringLiteral("Alle Bilder|*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.svg;*.webp|"
                          "PNG-Bilder|*.png|JPEG-Bilder|*.jpg;*.jpeg|GIF-Bilder|*.gif|"
                          "Bitmaps|*.bmp|Symbole|*.ico");
}

} // namespace

std::optional<QString> QtDialogs::saveFileName(const QString& proposal, const QString& filter,
                                               const QString& defaultSuffix) {
    return runFileDialog(QFileDialog::AcceptSave, proposal, filter, defaultSuffix);
}

std::optional<QString> QtDialogs::openFileName(const QString& proposal, const QString& filter) {
    return runFileDialog(QFileDialog::AcceptOpen, proposal, filter, {});
}

std::optional<QString> QtDialogs::openPictureName(const QString& proposal, const QString& filter) {
    return runFileDialog(QFileDialog::AcceptOpen, proposal, pictureFilter(filter), {});
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

bool DesktopDocumentOpener::open(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}
