#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The files a window opened or saved last, newest first, kept in the settings under a key of
// the window's own, so that they are there at the next start and in every running instance.
class RecentFiles final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecentFiles)
public:
    // How many the list keeps.
    static constexpr int kLimit = 8;

    explicit RecentFiles(QString settingsKey, QObject* parent = nullptr);

    // As the settings hold them now: full paths, newest first.
    QStringList files() const;
    // A file opened or saved: it goes first, once; the oldest beyond the limit drop out.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();
    // The folder of the newest file; empty while there is none.
    QString newestFolder() const;

signals:
    void changed();

private:
    void store(const QStringList& files);

    QString m_key;
};
