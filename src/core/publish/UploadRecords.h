#pragma once

#include "core/platform/Outcome.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

// Where files go up: the server, the account on it and the folder. What went up to one
// says nothing about another.
struct UploadTarget {
    QString protocol; // "sftp", "ftps"
    QString host;
    int port = 0;
    QString user;
    QString folder; // absolute on the server: "/htdocs"
    friend bool operator==(const UploadTarget&, const UploadTarget&) = default;
};

// What tells a local file's bytes apart: its size and its SHA-256.
struct FileState {
    qint64 size = 0;
    QByteArray sha256;
    friend bool operator==(const FileState&, const FileState&) = default;
};

// The state of a regular file, read in chunks; an error when it cannot be read.
Expected<FileState> fileStateOf(const QString& path);

// The files that went up to each target, with the state they had, so that an unchanged file
// is not sent again. Kept in one file in the folder given; it holds no password.
class UploadRecords final {
public:
    // Takes up the records kept in the folder. Records that are missing or cannot be read
    // count as none: every file then goes up again.
    explicit UploadRecords(const QString& folder);

    // Whether the file at the relative path went up to the target with this state.
    bool unchanged(const UploadTarget& target, const QString& relativePath,
                   const FileState& state) const;
    // The file at the relative path is on the target now, with this state.
    void recordUploaded(const UploadTarget& target, const QString& relativePath,
                        const FileState& state);

    // Writes the records to their file, which stays whole should that fail.
    Outcome save() const;

private:
    using Files = QHash<QString, FileState>; // by relative path
    struct Place {
        UploadTarget target;
        Files files;
    };

    void load();
    qsizetype indexOf(const UploadTarget& target) const; // -1 when none

    QString m_folder;
    std::vector<Place> m_places;
};
