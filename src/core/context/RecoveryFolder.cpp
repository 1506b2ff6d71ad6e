#include "core/context/RecoveryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace {

const QString kCopySuffix = QStringLiteral(".kopie");
const QString kLockSuffix = QStringLiteral(".lock");

QString windowName(RecoveryCopy::Window window) {
    return window == RecoveryCopy::Window::Page ? QStringLiteral("seite")
                                                : QStringLiteral("nachbearbeitung");
}

// A lock that only a running holder keeps: a lock file whose process is gone is taken over,
// however old; one held by a running program is never, however old.
std::unique_ptr<QLockFile> lockFor(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

QString RecoveryFolder::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/wiederherstellen/");
}

RecoveryFolder::RecoveryFolder(const QString& path)
    : m_path(QDir::cleanPath(path)),
      m_instance(QString::number(QCoreApplication::applicationPid()) + u'_' +
                 QString::number(QRandomGenerator::system()->generate64(), 36)) {
    m_worker.setMaxThreadCount(1);
    QDir().mkpath(m_path);
    m_lock = lockFor(lockPath(m_instance));
    m_lock->tryLock(0);
}

RecoveryFolder::~RecoveryFolder() {
    forget(RecoveryCopy::Window::Page);
    forget(RecoveryCopy::Window::PostEditor);
    waitForWrites();
}

QString RecoveryFolder::lockPath(const QString& instance) const {
    return m_path + u'/' + instance + kLockSuffix;
}

QString RecoveryFolder::copyPath(RecoveryCopy::Window window) const {
    return m_path + u'/' + m_instance + u'.' + windowName(window) + kCopySuffix;
}

void RecoveryFolder::record(RecoveryCopy::Window window, RecoverySnapshot snapshot) {
    enqueue(window, [path = copyPath(window), snapshot = std::move(snapshot)]() mutable {
        // A copy that cannot be written now is written with the next change.
        (void)PageFile::replaceFile(path, std::move(snapshot).finished().encode());
    });
}

void RecoveryFolder::forget(RecoveryCopy::Window window) {
    enqueue(window, [path = copyPath(window)] { QFile::remove(path); });
}

void RecoveryFolder::enqueue(RecoveryCopy::Window window, std::function<void()> job) {
    Queue& queue = m_queues[static_cast<int>(window)];
    QMutexLocker locked(&queue.mutex);
    queue.waiting = std::move(job);
    if (queue.queued)
        return;
    queue.queued = true;
    m_worker.start([&queue] {
        std::function<void()> next;
        {
            QMutexLocker taken(&queue.mutex);
            next = std::move(queue.waiting);
            queue.waiting = nullptr;
            queue.queued = false;
        }
        next();
    });
}

void RecoveryFolder::waitForWrites() {
    m_worker.waitForDone();
}

QList<RecoveryFolder::Orphan> RecoveryFolder::adoptOrphans() {
    QList<Orphan> found;
    const QDir folder(m_path);
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        const QString instance = file.baseName();
        if (instance == m_instance)
            continue;
        if (!m_adopted.contains(instance)) {
            std::shared_ptr<QLockFile> lock = lockFor(lockPath(instance));
            // Held: its program runs, or another one offers its copies already.
            if (!lock->tryLock(0))
                continue;
            m_adopted.insert(instance, std::move(lock));
        } else if (m_offered.contains(file.filePath())) {
            continue;
        }
        m_offered.append(file.filePath());
        found.append({file.filePath(), RecoveryCopy::read(file.filePath())});
    }
    // The locks of programs that ended in a crash with nothing unsaved go.
    for (const QFileInfo& file :
         folder.entryInfoList({QStringLiteral("*") + kLockSuffix}, QDir::Files)) {
        const QString instance = file.baseName();
        if (instance != m_instance && !m_adopted.contains(instance) && !hasCopies(instance)) {
            if (std::unique_ptr<QLockFile> lock = lockFor(file.filePath()); lock->tryLock(0))
                lock->unlock();
        }
    }
    return found;
}

void RecoveryFolder::drop(const QString& path) {
    QFile::remove(path);
    m_offered.removeAll(path);
    const QString instance = QFileInfo(path).baseName();
    if (!hasCopies(instance))
        m_adopted.remove(instance);
}

bool RecoveryFolder::hasCopies(const QString& instance) const {
    return !QDir(m_path)
                .entryList({instance + QStringLiteral(".*") + kCopySuffix}, QDir::Files)
                .isEmpty();
}
