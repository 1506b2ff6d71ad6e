#pragma once

#include "core/context/RecoveryCopy.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <functional>
#include <memory>

class QLockFile;

// The folder that keeps the copies of unsaved work. Each running program is one instance with
// an id of its own; it holds the lock file "<id>.lock" for as long as it runs and names its
// copies after that id. Copies whose instance no longer runs are orphans, which the next
// program offers to take up; it holds their lock meanwhile, so that no other program takes
// them too. Copies are written on a worker thread of their own, never in the way of typing.
class RecoveryFolder final {
    Q_DISABLE_COPY_MOVE(RecoveryFolder)
public:
    // "wiederherstellen" in the program's data folder.
    static QString defaultPath();

    explicit RecoveryFolder(const QString& path);
    // A normal end: the instance's copies and its lock go.
    ~RecoveryFolder();

    const QString& path() const { return m_path; }
    const QString& instance() const { return m_instance; }
    // Where this instance keeps the copy of the window's work.
    QString copyPath(RecoveryCopy::Window window) const;

    // Writes the window's copy in the background. While one write runs, the newest copy
    // asked for waits and replaces any older one waiting: copies land in the order taken.
    void record(RecoveryCopy::Window window, RecoverySnapshot snapshot);
    // Removes the window's copy, after any write of it still running; one waiting is dropped.
    void forget(RecoveryCopy::Window window);
    // Returns once every write and removal asked for is done.
    void waitForWrites();

    // A copy another instance left behind, as read; an unreadable one carries its message.
    struct Orphan {
        QString path;
        Expected<RecoveryCopy> copy;
    };
    // The copies of instances that no longer run, newest first; from now on this instance
    // holds their locks. Copies already offered here are not found again.
    QList<Orphan> adoptOrphans();
    // Deletes a copy taken up or discarded; once its instance has none left, its lock goes.
    void drop(const QString& path);

private:
    // One window's writes: the job waiting, and whether the worker has it queued.
    struct Queue {
        QMutex mutex;
        std::function<void()> waiting;
        bool queued = false;
    };
    void enqueue(RecoveryCopy::Window window, std::function<void()> job);
    QString lockPath(const QString& instance) const;
    bool hasCopies(const QString& instance) const;

    QString m_path;
    QString m_instance;
    std::unique_ptr<QLockFile> m_lock;
    // The instances whose orphans this one offers, by id, with their locks.
    QHash<QString, std::shared_ptr<QLockFile>> m_adopted;
    // The orphans offered so far.
    QStringList m_offered;
    Queue m_queues[2];
    // One thread, so that a window's jobs run one after the other in the order queued.
    QThreadPool m_worker;
};
