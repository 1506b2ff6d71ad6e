#include "pageview/LocalRequestsOnly.h"

#include <QDir>
#include <QFileInfo>

LocalRequestsOnly::LocalRequestsOnly(const QString& shownCopyFolder)
    : m_shownCopyFolder(shownCopyFolder) {
    collectFolders();
}

void LocalRequestsOnly::setPageFolder(const QString& folder) {
    if (folder == m_pageFolder)
        return;
    m_pageFolder = folder;
    collectFolders();
}

void LocalRequestsOnly::setPictures(const QHash<QString, QString>& pathsByName) {
    m_pictures = pathsByName;
    m_chosenFiles.clear();
    for (const QString& path : pathsByName) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty())
            m_chosenFiles.insert(canonical);
    }
}

void LocalRequestsOnly::collectFolders() {
    m_folders.clear();
    for (const QString& folder : {m_shownCopyFolder, m_pageFolder, QDir::homePath()}) {
        const QString canonical = folder.isEmpty() ? QString() : QDir(folder).canonicalPath();
        if (!canonical.isEmpty())
            m_folders.append(canonical.endsWith(u'/') ? canonical : canonical + u'/');
    }
}

bool LocalRequestsOnly::mayRead(const QString& path) const {
    // A regular file only: a pipe or device would hold the view up, a folder lists the disk.
    const QFileInfo file(path);
    if (!file.isFile())
        return false;
    const QString canonical = file.canonicalFilePath();
    for (const QString& folder : m_folders) {
        if (canonical.startsWith(folder))
            return true;
    }
    return m_chosenFiles.contains(canonical);
}

void LocalRequestsOnly::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    if (!url.isLocalFile()) {
        info.block(true);
        return;
    }
    const QString path = url.toLocalFile();
    if (!QFileInfo::exists(path)) {
        const auto chosen = m_pictures.constFind(QFileInfo(path).fileName());
        if (chosen != m_pictures.cend() && mayRead(*chosen))
            info.redirect(QUrl::fromLocalFile(*chosen));
        else
            info.block(true);
        return;
    }
    if (!mayRead(path))
        info.block(true);
}
