#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// The copy of a page the engine loads: a file in a private folder, with relative names
// pointed at the page's own folder. The page's folder is never written to.
class ShownCopy final {
public:
    // The private folder the copy is written to.
    QString folder() const { return m_folder.path(); }
    // Writes the copy, with a base for relative names placed right after <head> when there is
    // one, else after a leading document type, else at the start; no base folder, no base. An
    // empty URL when it could not be written.
    QUrl write(const QString& html, const QString& baseFolder);

private:
    // The base element for baseFolder.
    static QString base(const QString& baseFolder);
    // Where the base goes.
    static qsizetype baseAt(QStringView html);

    QTemporaryDir m_folder;
};
