#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

// For its lifetime the process may write files up to the given size only: a write beyond
// it fails with "File too large" (the signal that would end the process is ignored), the
// way a nearly full disk makes a save fail part-way.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// A temporary folder beside the test program, on the disk the build lies on rather than in
// a memory file system.
inline QString onDiskTemplate() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/files-XXXXXX");
}
