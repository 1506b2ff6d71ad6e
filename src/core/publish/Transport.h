#pragma once

#include "core/platform/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The file operations an upload needs on one server, over one connection. Remote paths are
// absolute ("/htdocs/bilder/a.jpg"). Every failure comes back as an Outcome whose text names
// the server and says what to do.
class Transport {
public:
    Transport() = default;
    Transport(const Transport&) = delete;
    Transport& operator=(const Transport&) = delete;
    virtual ~Transport() = default;

    // Told the bytes of the current file sent so far; false stops the transfer.
    using Progress = std::function<bool(qint64 sent)>;

    // A rename or a removal on the server.
    struct Step {
        enum class Kind { Rename, Remove };
        Kind kind;
        QString path;
        QString to; // where a rename puts it
        bool mayFail = false;
    };

    // The names in a folder, files and folders alike; an error when it does not exist.
    virtual Expected<QStringList> names(const QString& folder) = 0;
    // Creates the folder and every missing folder above it.
    virtual Outcome makeFolder(const QString& folder) = 0;
    // Sends a local file to remotePath, replacing what stands there, and once it is whole
    // takes the steps in order, in the same exchange with the server, which spares a round
    // trip for each. A step that fails stops the rest and fails the upload, unless it may
    // fail; a transfer that fails or is stopped takes no step.
    virtual Outcome upload(const QString& localPath, const QString& remotePath,
                           const Progress& progress, const QList<Step>& then) = 0;
    // Renames within the server; refused where `to` exists.
    virtual Outcome rename(const QString& from, const QString& to) = 0;
    virtual Outcome remove(const QString& remotePath) = 0;
};
