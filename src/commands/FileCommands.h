#pragma once

#include "context/NewVariant.h"

#include <QObject>

class FileDocument;
class PageContext;
class RecentFiles;
class SaveFileDialog;

// "Neu", "Öffnen", "Zuletzt geöffnet", "Speichern", "Speichern unter...", "Vorschau" and
// "Drucken" of a window, on the text that window edits. The dialogs are the program's shared
// ones, but for the save dialog, which a window may keep for itself; every file opened or
// saved goes first in the window's list of recent files. Every failure is shown here.
class FileCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileCommands)
public:
    enum class Saving {
        // "Speichern" writes the text's own file once it has one.
        ToOwnFile,
        // Every save asks for a name, proposing the text's own file.
        AlwaysAsks,
    };

    FileCommands(PageContext& context, FileDocument& document, SaveFileDialog& saveDialog,
                 Saving saving, RecentFiles& recent, QObject* parent = nullptr);

    // "Neu" of the menu.
    void NeuClick();
    // "Öffnen": a file chosen in the open dialog replaces the text.
    void ffnen1Click();
    // A file named from outside the dialog (the command line, a drop) replaces the text as
    // one chosen in the open dialog does, after the question about unsaved work.
    void openFile(const QString& path);
    // A file chosen in "Zuletzt geöffnet": opened, or taken off the list when it is gone.
    void openRecent(const QString& path);
    // The toolbar's "Neue Seite", which empties fewer fields than the menu's "Neu".
    void Image6Click();
    // "Speichern unter...": asks for a name, then writes the text.
    void SpeichernClick();
    // "Speichern": writes the text's own file, asking for a name while it has none.
    void Speichern1Click();
    // "Speichern": false when the user cancelled or the save failed.
    bool save();
    // "Vorschau": hands the file to the browser.
    void VorschauClick();
    // "Drucken": prints the text after the print dialog.
    void Drucken1Click();

signals:
    // A notice for the window's status bar.
    void notice(const QString& text);

private:
    void startNew(NewVariant variant);
    void openChosen();
    void openPath(const QString& path);
    // Where the open and save dialogs start while the window has no file of its own: the
    // folder of the newest recent file; empty otherwise.
    QString recentFolder() const;
    // "Speichern unter...": false when the user cancelled or the save failed.
    bool saveAs();
    // A text that is only shown is not saved: true, after the notice, for such a text.
    bool refusedAsOnlyShown();
    // Writes the text; false, after the error message, when that failed.
    bool writeTo(const QString& path);

    PageContext& m_context;
    FileDocument& m_document;
    SaveFileDialog& m_saveDialog;
    Saving m_saving;
    RecentFiles& m_recent;
};
