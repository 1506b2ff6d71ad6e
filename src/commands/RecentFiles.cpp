#include "commands/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

RecentFiles::RecentFiles(QString settingsKey, QObject* parent)
    : QObject(parent), m_key(std::move(settingsKey)) {}

QStringList RecentFiles::files() const {
    QStringList files = QSettings().value(m_key).toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    if (files.size() > kLimit)
        files.resize(kLimit);
    return files;
}

void RecentFiles::add(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(full);
    list.prepend(full);
    store(list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = files();
    if (list.removeAll(path) > 0)
        store(list);
}

void RecentFiles::clear() {
    store({});
}

QString RecentFiles::newestFolder() const {
    const QStringList list = files();
    return list.isEmpty() ? QString() : QFileInfo(list.constFirst()).absolutePath();
}

void RecentFiles::store(const QStringList& files) {
    QSettings settings;
    if (files.isEmpty())
        settings.remove(m_key);
    else
        settings.setValue(m_key, files.mid(0, kLimit));
    emit changed();
}
