#pragma once

#include "context/NewVariant.h"
#include "core/platform/Outcome.h"

#include <QString>

#include <functional>
#include <optional>

class QPrinter;

// A text the file commands open, save, print and look at in the browser, with the file it
// belongs to. Each window that edits a page has one; what differs between them (how they ask
// before unsaved work goes, what they say in their status bar) lives here, while the steps
// and the error messages live in FileCommands.
class FileDocument {
public:
    virtual ~FileDocument() = default;

    virtual bool hasUnsavedChanges() const = 0;
    // Runs `go` once unsaved work may go: at once when there is none, else after the user's
    // answer (perhaps later, from a window of its own).
    virtual void whenDiscarded(std::function<void()> go) = 0;
    virtual void beginAnew(NewVariant variant) = 0;
    // Takes up a file in place of the text; the reason when it cannot be read, with the text
    // left as it was.
    virtual Outcome open(const QString& path) = 0;
    // Whether the text is only shown and must not be saved.
    virtual bool isReadOnly() const = 0;
    // Whether the text has a file a save writes without asking, and which; the file also
    // tells the save dialog which folder to open in.
    virtual bool hasFile() const = 0;
    virtual QString ownFile() const = 0;
    // Writes the text to the file, which becomes its own. Nothing when the user declined a
    // question on the way; the reason when writing failed, with the file left as it was.
    virtual std::optional<Outcome> write(const QString& path) = 0;
    // The file "Vorschau" hands to the browser; empty while there is nothing to show.
    virtual QString previewFile() const = 0;
    virtual void previewed(const QString& path) = 0;
    virtual Outcome print(QPrinter& printer) = 0;
};
